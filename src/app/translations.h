#pragma once

#include <QString>
#include <QStringList>

// The translation to show for the user's languages, most preferred first
// (BCP 47 names such as "pt-BR", "zh-Hans-CN" or "en-GB"), out of the
// translations at hand (file name suffixes such as "de", "pt_BR", "zh_CN").
// The first language we have a translation for wins; English, the language
// of the source texts, wins as soon as it comes up. Empty means English.
// Chinese is matched by script, so Traditional Chinese readers are not
// shown Simplified Chinese.
QString pickTranslation(const QStringList &uiLanguages, const QStringList &available);

// Installs Stint's texts, and Qt's own, in the desktop's language
// (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, as gettext reads them).
// Returns the translation picked, empty for English.
QString installTranslations();
