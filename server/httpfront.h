#pragma once

#include "server/http.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSslConfiguration>

#include <optional>

class QTcpServer;
class QTcpSocket;

// HTTP/1.1 in front of a handler, on Qt's event loop: keep-alive, pipelined
// requests answered in the order they came, HEAD answered as GET without the
// body, HTTP/1.0 clients served, an optional TLS certificate, one access-log
// line per request, and the limits that keep one client from holding the
// server: request bodies over 64 KiB are refused, a client that takes more
// than a few seconds to send its request is cut off, and idle connections
// are closed after a while. Requests whose framing could be read two ways
// are refused and the connection closed (see RequestReader).
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
    // Requests read ahead of their answers on one connection.
    static constexpr int maxPipelined = 16;

Q_SIGNALS:
    void drained();

private:
    class Connection;
    friend class Connection;

    void accept(QTcpServer *server);
    void log(const QString &line) const;
    void finishedOne();

    HttpHandler m_handler;
    LogSink m_log;
    QList<QTcpServer *> m_servers;
    quint16 m_port = 0;
    bool m_accessLog = true;
    bool m_shuttingDown = false;
    int m_requestTimeoutMs = 5000;
    int m_idleTimeoutMs = 60000;
    int m_inFlight = 0;
    QList<Connection *> m_connections;
    QElapsedTimer m_clock; // the connections' deadlines, in ms
};
