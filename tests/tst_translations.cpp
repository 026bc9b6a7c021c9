// The translations: every language has every text, finished and with its
// placeholders, built into the app; the user's language list picks one.

#include "app/translations.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString source;
    QStringList translations; // one per plural form
    bool unfinished = false;
};

// context + '\n' + source -> message, for the messages lupdate still finds
// in the code (vanished and obsolete ones are history, not shown).
using Catalog = QMap<QString, Message>;

Catalog readCatalog(const QString &path)
{
    Catalog catalog;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalog;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool numerus = false;
    bool gone = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isEndElement() && name == u"message" && !gone)
            catalog.insert(context + u'\n' + message.source, message);
        if (!xml.isStartElement())
            continue;
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = {};
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"translation") {
            const auto type = xml.attributes().value(QLatin1String("type"));
            message.unfinished = type == u"unfinished";
            gone = type == u"vanished" || type == u"obsolete";
            if (!numerus)
                message.translations = {xml.readElementText()};
        } else if (name == u"numerusform") {
            message.translations.append(xml.readElementText());
        } else if (name != u"TS" && name != u"context") {
            xml.skipCurrentElement();
        }
    }
    return catalog;
}

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
        QMap<QString, Catalog> catalogs;
        QSet<QString> allKeys;
        QStringList faults;
        for (const QString &file : dir.entryList({QStringLiteral("stint_*.ts")}, QDir::Files)) {
            const auto catalog = readCatalog(dir.filePath(file));
            catalogs.insert(file, catalog);
            for (const QString &key : catalog.keys())
                allKeys.insert(key);
            // Built into the app where the start-up code looks.
            QTranslator translator;
            if (!translator.load(QString(file).replace(QStringLiteral(".ts"), QStringLiteral(".qm")),
                                 QStringLiteral(":/i18n")))
                faults << file + QLatin1String(" is not embedded");
        }
        QVERIFY(catalogs.size() >= 11);

        for (auto it = catalogs.cbegin(); it != catalogs.cend(); ++it) {
            for (const QString &key : allKeys) {
                const QString where = it.key() + QLatin1String(": ") + QString(key).replace(u'\n', u'/');
                const Message message = it->value(key);
                if (!it->contains(key) || message.unfinished)
                    faults << where + QLatin1String(" is missing or unfinished");
                for (const QString &translation : message.translations) {
                    if (translation.trimmed().isEmpty() || placeholders(translation) != placeholders(message.source))
                        faults << where + QLatin1String(" is empty or has other placeholders");
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void picksTheFirstLanguageWeHave_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("picked");
        QTest::newRow("region ignored") << QStringList{"de-AT", "de-Latn-AT", "de"} << "de";
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
