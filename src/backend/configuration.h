#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// The settings, from JSON objects with the same keys, read in this order,
// a later source winning key by key:
// 1. the build-time settings compiled in as ":/info.json", or the file that
//    STINT_INFO_FILE names instead (for development and tests);
// 2. the system's file, stint/stint.json under each folder of
//    $XDG_CONFIG_DIRS (/etc/xdg by default; the first folder named wins);
// 3. the user's file, $XDG_CONFIG_HOME/stint/stint.json
//    (~/.config/stint/stint.json by default).
// A file that is not a JSON object is skipped, and said so once. Nothing is
// cached: every lookup reads the sources again.
namespace Configuration {

enum class Error {
    missingKey, // no value under the key
    invalidValue, // a value, but not text
};

const char *errorName(Error error);

// All sources merged; empty when none can be read.
QJsonObject infoDictionary();

// The text under `key`, exactly as stored. Throws Configuration::Error.
QString value(const QString &key);

// The text under `key`, or `fallback` when it is missing or not text.
QString text(const QString &key, const QString &fallback = {});
// The same, from settings read before.
QString text(const QJsonObject &settings, const QString &key, const QString &fallback = {});

// The backend's base address, exactly as stored; none when no source names
// one, in which case the app runs a backend of its own. A value that is not
// text is a fault of the configuration: the program stops with a fatal error
// naming it.
std::optional<QString> backendURL();

} // namespace Configuration
