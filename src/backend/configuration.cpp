#include "backend/configuration.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

namespace Configuration {

const char *errorName(Error error)
{
    switch (error) {
    case Error::missingKey:
        return "missingKey";
    case Error::invalidValue:
        return "invalidValue";
    }
    return "unknown";
}

QJsonObject infoDictionary()
{
    const QString override = qEnvironmentVariable("STINT_INFO_FILE");
    QFile file(override.isEmpty() ? QStringLiteral(":/info.json") : override);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    return document.object();
}

QString value(const QString &key)
{
    const QJsonValue stored = infoDictionary().value(key);
    if (stored.isUndefined())
        throw Error::missingKey;
    if (!stored.isString())
        throw Error::invalidValue;
    return stored.toString();
}

QString text(const QString &key, const QString &fallback)
{
    const QJsonValue stored = infoDictionary().value(key);
    return stored.isString() ? stored.toString() : fallback;
}

QString backendURL()
{
    try {
        return value(QStringLiteral("BACKEND_URL"));
    } catch (Error error) {
        qFatal("Configuration: BACKEND_URL: %s", errorName(error));
    }
}

} // namespace Configuration
