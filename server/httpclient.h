#pragma once

#include "server/http.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QUrl>

#include <functional>

class HttpConnection;

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

// The HTTP/1.1 client of the backend's calls to Google, on the thread that
// owns it. Connections are kept open and reused for the next request to the
// same scheme, host and port, so a warm request costs no TCP or TLS set-up;
// replies are read in whole buffers (Qt's own client reads an answer's
// header a byte at a time and hops to a thread of its own for each request).
//
// A GET that fails on a reused connection before any byte of the answer came
// back (the server had closed it while idle) is sent once more on a new one.
// A POST always goes on a new connection and is never sent twice, so a task
// is never created twice. Redirects are not followed.
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
    // Idle connections kept per origin, and for how long.
    static constexpr int maxIdlePerOrigin = 32;
    static constexpr int idleLifetimeMs = 30000;

private:
    friend class HttpConnection;
    struct Request
    {
        QUrl url;
        QByteArray bytes;
        bool idempotent = true;
        Done done;
    };

    void send(Request request, bool mayReuse);
    void finished(HttpConnection *connection, bool reusable);
    void failedEarly(Request request);

    int m_timeoutMs = 10000;
    qint64 m_opened = 0;
    QHash<QString, QList<HttpConnection *>> m_idle; // by scheme://host:port
};
