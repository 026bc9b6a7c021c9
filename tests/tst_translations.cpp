// The translations: every language has every text, finished and with its
// placeholders; each one is built into the app; the user's language list
// picks the right one.

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
    if (xml.hasError())
        qWarning() << path << xml.errorString();
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

QStringList tsFiles()
{
    return QDir(QStringLiteral(STINT_TRANSLATIONS_DIR)).entryList({QStringLiteral("stint_*.ts")}, QDir::Files);
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
        for (const QString &file : tsFiles()) {
            catalogs.insert(file, readCatalog(dir.filePath(file)));
            const auto keys = catalogs[file].keys();
            allKeys.unite(QSet<QString>(keys.begin(), keys.end()));
        }
        QVERIFY(catalogs.size() >= 11);
        QVERIFY(!allKeys.isEmpty());

        QStringList faults;
        for (auto it = catalogs.cbegin(); it != catalogs.cend(); ++it) {
            for (const QString &key : allKeys) {
                const QString where = it.key() + QLatin1String(": ") + QString(key).replace(u'\n', u'/');
                if (!it->contains(key)) {
                    faults << where + QLatin1String(" is missing");
                    continue;
                }
                const Message &message = it->value(key);
                if (message.unfinished)
                    faults << where + QLatin1String(" is unfinished");
                const QStringList wanted = placeholders(message.source);
                for (const QString &translation : message.translations) {
                    if (translation.trimmed().isEmpty())
                        faults << where + QLatin1String(" is empty");
                    else if (placeholders(translation) != wanted)
                        faults << where + QLatin1String(" has placeholders ") + placeholders(translation).join(u' ');
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Each translation is built into the app where the start-up code looks.
    void everyLanguageIsEmbedded()
    {
        for (const QString &file : tsFiles()) {
            const QString qm = QString(file).replace(QStringLiteral(".ts"), QStringLiteral(".qm"));
            QTranslator translator;
            QVERIFY2(translator.load(qm, QStringLiteral(":/i18n")), qPrintable(qm));
            QVERIFY2(!translator.translate("TimerView", "Settings").isEmpty(), qPrintable(qm));
        }
    }

    void picksTheFirstLanguageWeHave_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("picked");

        QTest::newRow("region ignored") << QStringList{"de-AT", "de-Latn-AT", "de"} << "de";
        QTest::newRow("Brazil") << QStringList{"pt-BR", "pt-Latn-BR", "pt"} << "pt_BR";
        QTest::newRow("Portugal reads Brazilian") << QStringList{"pt-PT", "pt-Latn-PT"} << "pt_BR";
        QTest::newRow("Simplified Chinese") << QStringList{"zh-CN", "zh-Hans-CN"} << "zh_CN";
        QTest::newRow("Singapore writes Simplified") << QStringList{"zh-SG"} << "zh_CN";
        QTest::newRow("no Traditional Chinese") << QStringList{"zh-TW", "zh-Hant-TW"} << "";
        QTest::newRow("Taiwan, then Japanese") << QStringList{"zh-TW", "ja-JP"} << "ja";
        QTest::newRow("English first wins") << QStringList{"en-GB", "en-Latn-GB", "de", "de-DE"} << "";
        QTest::newRow("unknown, then French") << QStringList{"tlh", "nb-NO", "fr-CA"} << "fr";
        QTest::newRow("C locale") << QStringList{"C", "fr"} << "";
        QTest::newRow("nothing we have") << QStringList{"sv-SE", "fi-FI"} << "";
        QTest::newRow("empty") << QStringList{} << "";
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
