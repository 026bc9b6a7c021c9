#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString translationsDir = QStringLiteral(":/i18n");

bool sameLanguage(const QLocale &wanted, const QLocale &offered)
{
    if (wanted.language() != offered.language())
        return false;
    return wanted.language() != QLocale::Chinese || wanted.script() == offered.script();
}

} // namespace

QString pickTranslation(const QStringList &uiLanguages, const QStringList &available)
{
    for (const QString &name : uiLanguages) {
        if (name == u"C" || name == u"POSIX")
            return {};
        const QLocale wanted(name);
        // QLocale turns a name it does not know into "C": try the next one.
        if (wanted.language() == QLocale::C)
            continue;
        if (wanted.language() == QLocale::English)
            return {};
        QString match;
        for (const QString &suffix : available) {
            const QLocale offered(suffix);
            if (!sameLanguage(wanted, offered))
                continue;
            // One regional variant per language is the rule; should there be
            // more, the user's own region goes first.
            if (match.isEmpty() || offered.territory() == wanted.territory())
                match = suffix;
        }
        if (!match.isEmpty())
            return match;
    }
    return {};
}

QString installTranslations()
{
    // gettext ignores LANGUAGE under the "C" locale; so do we, so that
    // LC_ALL=C gives the same English as every other program.
    QByteArray messages;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qgetenv(variable);
        if (!messages.isEmpty())
            break;
    }
    if (messages.isEmpty() || messages == "C" || messages == "POSIX" || messages.startsWith("C."))
        return {};
    const QLocale system = QLocale::system();

    QStringList available;
    const QStringList files = QDir(translationsDir).entryList({QStringLiteral("stint_*.qm")}, QDir::Files);
    for (const QString &file : files)
        available.append(file.mid(6).chopped(3));
    const QString picked = pickTranslation(system.uiLanguages(), available);
    if (picked.isEmpty())
        return {};

    auto *app = QCoreApplication::instance();
    auto *translator = new QTranslator(app);
    if (translator->load(QStringLiteral("stint_") + picked, translationsDir))
        QCoreApplication::installTranslator(translator);
    // Qt's own texts (standard dialog buttons), when Qt's translations are installed.
    auto *qtTranslator = new QTranslator(app);
    if (qtTranslator->load(QLocale(picked), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    return picked;
}
