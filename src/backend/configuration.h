#pragma once

#include <QJsonObject>
#include <QString>

// The build-time settings: a JSON object compiled in as ":/info.json", or the
// file that STINT_INFO_FILE names (for development and tests). Nothing is
// cached: every lookup reads the dictionary again.
namespace Configuration {

enum class Error {
    missingKey, // no value under the key
    invalidValue, // a value, but not text
};

const char *errorName(Error error);

// The whole dictionary; empty when it cannot be read.
QJsonObject infoDictionary();

// The text under `key`, exactly as stored. Throws Configuration::Error.
QString value(const QString &key);

// The text under `key`, or `fallback` when it is missing or not text.
QString text(const QString &key, const QString &fallback = {});

// The backend's base address, exactly as stored. A missing or non-text value
// is a fault of the build: the program stops with a fatal error naming it.
QString backendURL();

} // namespace Configuration
