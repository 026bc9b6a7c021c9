// The translations: every language has every text, finished and with its
// placeholders, built into the app; the user's language list picks one.

#include "app/translations.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:L?[1-9]|n)"));
    QStringList found;
    for (const auto &match : pattern.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyLanguageHasEveryTextFinished()
    {
        const QDir dir(QStringLiteral(STINT_TRANSLATIONS_DIR));
        const QStringList files = dir.entryList({QStringLiteral("stint_*.ts")}, QDir::Files);
        QVERIFY(files.size() >= 11);
        QStringList faults;
        QMap<QString, QStringList> texts; // file -> context/source of every live message
        for (const QString &file : files) {
            QTranslator translator; // built into the app where the start-up code looks
            if (!translator.load(QString(file).replace(QStringLiteral(".ts"), QStringLiteral(".qm")),
                                 QStringLiteral(":/i18n")))
                faults << file + QLatin1String(" is not embedded");
            QFile ts(dir.filePath(file));
            QVERIFY(ts.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&ts);
            QString context, source;
            bool numerus = false;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                const auto name = xml.name();
                if (name == u"name") {
                    context = xml.readElementText();
                } else if (name == u"message") {
                    numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
                } else if (name == u"source") {
                    source = xml.readElementText();
                } else if (name == u"translation") {
                    const QString type = xml.attributes().value(QLatin1String("type")).toString();
                    if (type == u"vanished" || type == u"obsolete")
                        continue; // history, no longer shown
                    texts[file] << context + u'/' + source;
                    QStringList forms;
                    if (!numerus)
                        forms << xml.readElementText();
                    while (numerus && xml.readNextStartElement())
                        forms << xml.readElementText();
                    for (const QString &form : forms) {
                        if (type == u"unfinished" || form.trimmed().isEmpty()
                            || placeholders(form) != placeholders(source))
                            faults << file + QLatin1String(": ") + source
                                            + QLatin1String(" is unfinished, empty or odd");
                    }
                }
            }
        }
        for (const QString &file : files) {
            if (texts[file] != texts[files.first()])
                faults << file + QLatin1String(" has other texts than ") + files.first();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void picksTheFirstLanguageWeHave_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("picked");
        QTest::newRow("Portugal reads Brazilian") << QStringList{"pt-PT", "pt-Latn-PT"} << "pt_BR";
        QTest::newRow("Singapore writes Simplified") << QStringList{"zh-SG"} << "zh_CN";
        QTest::newRow("no Traditional Chinese, then Japanese") << QStringList{"zh-TW", "zh-Hant-TW", "ja-JP"} << "ja";
        QTest::newRow("English first wins") << QStringList{"en-GB", "de"} << "";
        QTest::newRow("unknown, then French") << QStringList{"tlh", "fr-CA"} << "fr";
        QTest::newRow("C locale") << QStringList{"C", "fr"} << "";
        QTest::newRow("nothing we have") << QStringList{"sv-SE", "fi-FI"} << "";
    }

    void picksTheFirstLanguageWeHave()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, picked);
        const QStringList available{"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "uk", "zh_CN"};
        QCOMPARE(pickTranslation(uiLanguages, available), picked);
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
