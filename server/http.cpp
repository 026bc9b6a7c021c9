#include "server/http.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray headerValue(const HttpHeaders &headers, QByteArrayView name)
{
    for (const auto &[key, value] : headers) {
        if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

HttpAnswer HttpAnswer::json(int status, const QJsonValue &value)
{
    HttpAnswer answer;
    answer.status = status;
    answer.body = value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                  : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    return answer;
}

HttpAnswer HttpAnswer::error(int status, QLatin1StringView code, const QString &message)
{
    return json(status, QJsonObject{{QStringLiteral("error"), code}, {QStringLiteral("message"), message}});
}
