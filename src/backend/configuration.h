#pragma once

#include <QJsonObject>
#include <QString>
#include <QUrl>

#include <optional>

// The build-time settings: a JSON object compiled in as ":/info.json", or the
// file that STINT_INFO_FILE names (for development and tests). Nothing is
// cached: every lookup reads the dictionary again.
namespace Configuration {

enum class Error {
    missingKey,   // no value under the key
    invalidValue, // a value, but not text that converts to the requested type
};

const char *errorName(Error error);

// The whole dictionary; empty when it cannot be read.
QJsonObject infoDictionary();

template <typename T>
std::optional<T> fromText(const QString &text);

template <>
inline std::optional<QString> fromText<QString>(const QString &text)
{
    return text;
}

template <>
inline std::optional<QUrl> fromText<QUrl>(const QString &text)
{
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.isEmpty())
        return std::nullopt;
    return url;
}

template <>
inline std::optional<int> fromText<int>(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The value under `key`, converted from text to T. Throws Configuration::Error.
template <typename T>
T value(const QString &key)
{
    const QJsonValue stored = infoDictionary().value(key);
    if (stored.isUndefined())
        throw Error::missingKey;
    if (!stored.isString())
        throw Error::invalidValue;
    if (std::optional<T> converted = fromText<T>(stored.toString()))
        return *converted;
    throw Error::invalidValue;
}

// The text under `key`, or `fallback` when it is missing or not text.
QString text(const QString &key, const QString &fallback = {});

// The backend's base address, exactly as stored. A missing or non-text value
// is a fault of the build: the program stops with a fatal error naming it.
QString backendURL();

} // namespace Configuration
