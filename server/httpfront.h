#pragma once

#include "server/http.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QHash>
#include <QSslConfiguration>

#include <memory>
#include <optional>

class QHttpServerResponder;
class QTcpSocket;
class ConnectionGuard;

// HTTP/1.1 in front of a handler: keep-alive, an optional TLS certificate,
// one access-log line per request, and the limits that keep one client from
// holding the server: request bodies over 64 KiB are refused, a client that
// takes more than a few seconds to send its request is cut off, and idle
// connections are closed after a while.
class HttpFront : public QObject
{
    Q_OBJECT

public:
    explicit HttpFront(HttpHandler handler, QObject *parent = nullptr);
    ~HttpFront() override;

    bool listen(const QHostAddress &address, quint16 port, const std::optional<QSslConfiguration> &tls = std::nullopt);
    quint16 port() const { return m_port; }

    void setLog(LogSink log) { m_log = std::move(log); }
    void setAccessLog(bool on) { m_accessLog = on; }
    void setRequestTimeout(int ms) { m_requestTimeoutMs = ms; }
    void setIdleTimeout(int ms) { m_idleTimeoutMs = ms; }

    // Stops taking connections, closes idle ones and lets the requests in
    // flight finish; then emits drained().
    void shutdown();
    int requestsInFlight() const { return m_inFlight; }

    static constexpr qsizetype maxBodySize = 64 * 1024;
    static constexpr qsizetype maxHeaderSize = 16 * 1024;

Q_SIGNALS:
    void drained();

private:
    class Server;
    friend class Server;
    friend class ConnectionGuard;

    void watch(QTcpSocket *socket);
    void dispatch(HttpRequest request, QTcpSocket *socket, std::shared_ptr<QHttpServerResponder> responder);
    void log(const QString &line) const;
    void finishedOne();

    HttpHandler m_handler;
    LogSink m_log;
    Server *m_server;
    quint16 m_port = 0;
    bool m_accessLog = true;
    bool m_shuttingDown = false;
    int m_requestTimeoutMs = 5000;
    int m_idleTimeoutMs = 60000;
    int m_inFlight = 0;
    QHash<QTcpSocket *, ConnectionGuard *> m_connections;
};
