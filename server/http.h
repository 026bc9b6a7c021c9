#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

// Header fields, in the order they were sent.
using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

// The first field of that name (names compare case-insensitively), or a null
// array.
QByteArray headerValue(const HttpHeaders &headers, QByteArrayView name);

// One request as the server received it.
struct HttpRequest
{
    QByteArray method;
    QString path;
    HttpHeaders headers;
    QByteArray body;
    QString query;
    QHostAddress peer;

    QByteArray header(QByteArrayView name) const { return headerValue(headers, name); }
};

struct HttpAnswer
{
    HttpAnswer() = default;
    HttpAnswer(int status, QByteArray contentType, QByteArray body, HttpHeaders headers, QByteArray user)
        : status(status)
        , contentType(std::move(contentType))
        , body(std::move(body))
        , headers(std::move(headers))
        , user(std::move(user))
    {
    }

    // 0 closes the connection without an answer.
    int status = 200;
    QByteArray contentType = "application/json";
    QByteArray body;
    HttpHeaders headers;
    // A short hash of the user the request was for, for the access log.
    QByteArray user;
    // What the access log shows for the path, when the request's own path
    // carries an id; empty: the request's path.
    QLatin1StringView loggedPath;

    static HttpAnswer json(int status, const QJsonValue &value);
    // {"error": code, "message": message}; neither may carry anything the
    // request sent.
    static HttpAnswer error(int status, QLatin1StringView code, const QString &message);
};

using HttpReply = std::function<void(HttpAnswer)>;
using HttpHandler = std::function<void(const HttpRequest &, HttpReply)>;
using LogSink = std::function<void(const QString &)>;
