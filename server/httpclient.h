#pragma once

#include "server/http.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QUrl>

#include <functional>

class QTimer;

struct HttpResponse
{
    enum class Failure {
        none,
        timeout, // no complete answer in time
        connection, // refused, reset, closed early, TLS refused
        protocol, // not HTTP/1.x as we read it, or over the size limit
    };
    int status = 0;
    HttpHeaders headers;
    QByteArray body;
    Failure failure = Failure::none;

    QByteArray header(QByteArrayView name) const { return headerValue(headers, name); }
};

// The client of the backend's calls to Google: libcurl's multi interface,
// driven by the Qt event loop of the thread that owns it. Connections are
// kept and reused (HTTP/2 to servers that offer it, many requests on one
// connection), so a warm request costs no TCP or TLS set-up; answers may come
// compressed; proxies are taken from the environment (https_proxy, no_proxy).
// TLS peers are verified against the system's CAs, and an extra CA file when
// one is set.
//
// A GET or PATCH that fails on a reused connection before any byte of the
// answer came back (the server had closed it while idle) is sent once more on
// a new one. A POST always goes on a new connection and is never sent twice,
// so a task is never created twice. Redirects are not followed.
class HttpClient : public QObject
{
    Q_OBJECT

public:
    using Headers = HttpHeaders;
    using Done = std::function<void(const HttpResponse &)>;

    explicit HttpClient(QObject *parent = nullptr);
    ~HttpClient() override;

    // A whole exchange, connecting included, must end within this time.
    void setTimeout(int ms) { m_timeoutMs = ms; }
    // PEM certificates trusted beside the system's.
    void setExtraCaFile(const QString &path) { m_caFile = path; }

    // `headers` go beside Host, Content-Length and User-Agent. `done` is
    // called exactly once, always later than this call returns.
    void get(const QUrl &url, const Headers &headers, Done done);
    void post(const QUrl &url, const Headers &headers, const QByteArray &body, Done done);
    // Sets members to the values in `body`: sending it twice changes nothing
    // more than once, so it may go on a reused connection.
    void patch(const QUrl &url, const Headers &headers, const QByteArray &body, Done done);

    // Connections made so far, for the metrics: few means they are reused.
    qint64 connectionsOpened() const { return m_opened; }

    static constexpr qsizetype maxResponseSize = 16 * 1024 * 1024;
    // Idle connections kept in all, and for how long.
    static constexpr int maxIdleConnections = 64;
    static constexpr int idleLifetimeMs = 30000;
    // Easy handles of finished requests kept for the next ones.
    static constexpr qsizetype maxSpareHandles = 32;
    // Sockets whose notifiers are kept, switched off, for their next use.
    static constexpr qsizetype maxKeptWatches = 256;

private:
    struct Transfer;
    struct Watch;

    void send(const QByteArray &method, const QUrl &url, const Headers &headers, const QByteArray &body, Done done);
    void act(qintptr socket, int events);
    void collect();
    friend struct CurlGlue;

    void *m_multi = nullptr;
    QTimer *m_timer;
    QHash<void *, Transfer *> m_transfers; // by easy handle
    QHash<qintptr, Watch *> m_watches; // by socket
    QList<void *> m_spare; // easy handles, reset
    QString m_caFile;
    int m_timeoutMs = 10000;
    qint64 m_opened = 0;
};
