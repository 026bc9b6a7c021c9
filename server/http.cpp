#include "http.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

QByteArray HttpRequest::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
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

void printLogLine(const QString &line)
{
    const QByteArray text = line.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}
