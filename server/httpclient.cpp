#include "server/httpclient.h"

#include <QElapsedTimer>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qsizetype maxHeaderSize = 64 * 1024;

QString originOf(const QUrl &url)
{
    return url.scheme() + QLatin1StringView("://") + url.host() + u':'
            + QString::number(url.port(url.scheme() == QLatin1StringView("https") ? 443 : 80));
}

QByteArray requestBytes(const QUrl &url, QByteArrayView method, const HttpClient::Headers &headers,
                        const QByteArray &body)
{
    QByteArray target = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (target.isEmpty() || target.front() != '/')
        target.prepend('/');
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1)
        host += ':' + QByteArray::number(url.port());
    QByteArray bytes;
    bytes.reserve(256 + body.size());
    bytes += method;
    bytes += ' ' + target + " HTTP/1.1\r\nHost: " + host + "\r\nUser-Agent: stint-backend\r\n";
    for (const auto &[name, value] : headers)
        bytes += name + ": " + value + "\r\n";
    if (!body.isNull())
        bytes += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    bytes += "\r\n";
    bytes += body;
    return bytes;
}

} // namespace

// One connection to one origin, carrying one exchange at a time: it writes
// the request, reads the answer as it arrives (Content-Length, chunked, or
// up to the close) and says whether it can carry another.
class HttpConnection final : public QObject
{
public:
    HttpConnection(HttpClient *client, const QString &origin, const QUrl &url)
        : QObject(client), m_client(client), m_origin(origin)
    {
        const bool tls = url.scheme() == QLatin1StringView("https");
        m_socket = tls ? new QSslSocket(this) : new QTcpSocket(this);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] { fail(HttpResponse::Failure::timeout); });
        connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::received);
        connect(m_socket, &QTcpSocket::disconnected, this, &HttpConnection::closed);
        connect(m_socket, &QTcpSocket::errorOccurred, this, &HttpConnection::closed);
        connect(m_socket, &QTcpSocket::connected, this,
                [this] { m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1); });
        const quint16 port = quint16(url.port(tls ? 443 : 80));
        if (tls) {
            auto *secure = static_cast<QSslSocket *>(m_socket);
            // Certificate errors are fatal: nothing calls ignoreSslErrors().
            secure->connectToHostEncrypted(url.host(), port);
        } else {
            m_socket->connectToHost(url.host(), port);
        }
    }

    const QString &origin() const { return m_origin; }
    bool hasServed() const { return m_served > 0; }
    bool isOpen() const { return m_socket->state() == QAbstractSocket::ConnectedState; }
    qint64 idleMs() const { return m_idle.isValid() ? m_idle.elapsed() : 0; }

    void start(HttpClient::Request request, int timeoutMs)
    {
        m_request = std::move(request);
        m_busy = true;
        m_receivedAny = false;
        m_response = {};
        m_state = State::statusLine;
        m_buffer.clear();
        m_position = 0;
        m_timer.start(timeoutMs);
        // Written while still connecting, the bytes wait in the socket (and
        // behind the TLS handshake) until the connection is up.
        m_socket->write(m_request.bytes);
    }

    void close()
    {
        m_busy = false;
        m_socket->disconnect(this); // aborting announces the disconnection, which would come back here
        m_socket->abort();
        deleteLater();
    }

private:
    enum class State { statusLine, headers, body, chunkSize, chunkData, trailers, untilClose };

    void received()
    {
        const QByteArray data = m_socket->readAll();
        if (!m_busy) {
            // Nothing is owed on an idle connection.
            m_client->finished(this, false);
            return;
        }
        m_receivedAny = true;
        m_buffer += data;
        parse();
    }

    // Reads what it can; returns once more bytes are needed or the exchange
    // has ended.
    void parse()
    {
        while (m_busy) {
            const QByteArrayView rest = QByteArrayView(m_buffer).sliced(m_position);
            switch (m_state) {
            case State::statusLine:
            case State::headers: {
                const qsizetype end = rest.indexOf("\r\n\r\n");
                if (end < 0) {
                    if (rest.size() > maxHeaderSize)
                        return fail(HttpResponse::Failure::protocol);
                    return compact();
                }
                if (!readHead(rest.first(end)))
                    return fail(HttpResponse::Failure::protocol);
                m_position += end + 4;
                break;
            }
            case State::body:
                if (rest.size() < m_remaining)
                    return compact();
                m_response.body = rest.first(m_remaining).toByteArray();
                m_position += m_remaining;
                return complete();
            case State::chunkSize: {
                const qsizetype end = rest.indexOf("\r\n");
                if (end < 0)
                    return rest.size() > 1024 ? fail(HttpResponse::Failure::protocol) : compact();
                QByteArrayView size = rest.first(end);
                if (const qsizetype extension = size.indexOf(';'); extension >= 0)
                    size = size.first(extension);
                bool ok = false;
                m_remaining = size.trimmed().toLongLong(&ok, 16);
                if (!ok || m_remaining < 0 || m_response.body.size() + m_remaining > HttpClient::maxResponseSize)
                    return fail(HttpResponse::Failure::protocol);
                m_position += end + 2;
                m_state = m_remaining == 0 ? State::trailers : State::chunkData;
                break;
            }
            case State::chunkData:
                if (rest.size() < m_remaining + 2)
                    return compact();
                if (rest.sliced(m_remaining, 2) != "\r\n")
                    return fail(HttpResponse::Failure::protocol);
                m_response.body += rest.first(m_remaining);
                m_position += m_remaining + 2;
                m_state = State::chunkSize;
                break;
            case State::trailers: {
                const qsizetype end = rest.indexOf("\r\n");
                if (end < 0)
                    return rest.size() > maxHeaderSize ? fail(HttpResponse::Failure::protocol) : compact();
                m_position += end + 2;
                if (end == 0)
                    return complete();
                break;
            }
            case State::untilClose:
                if (m_response.body.size() + rest.size() > HttpClient::maxResponseSize)
                    return fail(HttpResponse::Failure::protocol);
                m_response.body += rest;
                m_position = m_buffer.size();
                return compact();
            }
        }
    }

    // The status line and the header fields, up to the empty line.
    bool readHead(QByteArrayView head)
    {
        const QList<QByteArray> lines = head.toByteArray().split('\n');
        const QByteArray statusLine = lines.first().trimmed();
        if (!statusLine.startsWith("HTTP/1.") || statusLine.size() < 12 || statusLine.at(8) != ' ')
            return false;
        bool ok = false;
        m_response.status = statusLine.mid(9, 3).toInt(&ok);
        if (!ok || m_response.status < 100)
            return false;
        m_keepAlive = statusLine.at(7) == '1';
        m_response.headers.clear();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray &line = lines.at(i);
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0 || line.front() == ' ' || line.front() == '\t')
                return false; // no name, or a folded line
            m_response.headers.append({line.first(colon), line.sliced(colon + 1).trimmed()});
        }
        if (m_response.status < 200) { // an interim answer; the real one follows
            m_state = State::statusLine;
            return true;
        }
        if (m_response.header("Connection").compare("close", Qt::CaseInsensitive) == 0)
            m_keepAlive = false;
        const QByteArray coding = m_response.header("Transfer-Encoding");
        const QByteArray length = m_response.header("Content-Length");
        if (m_response.status == 204 || m_response.status == 304) {
            m_state = State::body;
            m_remaining = 0;
        } else if (!coding.isNull()) {
            if (coding.compare("chunked", Qt::CaseInsensitive) != 0)
                return false;
            m_state = State::chunkSize;
        } else if (!length.isNull()) {
            m_remaining = length.toLongLong(&ok);
            if (!ok || m_remaining < 0 || m_remaining > HttpClient::maxResponseSize)
                return false;
            m_state = State::body;
        } else {
            m_state = State::untilClose;
            m_keepAlive = false;
        }
        return true;
    }

    void compact()
    {
        if (m_position > 0) {
            m_buffer.remove(0, m_position);
            m_position = 0;
        }
    }

    void complete()
    {
        m_timer.stop();
        m_busy = false;
        ++m_served;
        m_idle.start();
        // Bytes beyond the answer mean we read the framing wrong: never reuse.
        const bool reusable = m_keepAlive && m_position == m_buffer.size() && isOpen();
        m_buffer.clear();
        m_position = 0;
        HttpClient::Done done = std::move(m_request.done);
        const HttpResponse response = std::move(m_response);
        m_client->finished(this, reusable);
        done(response);
    }

    void closed()
    {
        if (!m_busy) {
            m_client->finished(this, false);
            return;
        }
        if (m_state == State::untilClose && m_socket->error() == QAbstractSocket::RemoteHostClosedError) {
            m_keepAlive = false;
            return complete();
        }
        // Nothing of an answer on a connection that had served before: the
        // server closed it while it was idle. Worth one more try.
        if (!m_receivedAny && hasServed() && m_request.idempotent) {
            m_timer.stop();
            m_busy = false;
            HttpClient::Request request = std::move(m_request);
            m_client->finished(this, false);
            m_client->failedEarly(std::move(request));
            return;
        }
        fail(HttpResponse::Failure::connection);
    }

    void fail(HttpResponse::Failure failure)
    {
        if (!m_busy)
            return;
        m_timer.stop();
        m_busy = false;
        HttpClient::Done done = std::move(m_request.done);
        m_client->finished(this, false);
        HttpResponse response;
        response.failure = failure;
        done(response);
    }

    HttpClient *m_client;
    QString m_origin;
    QTcpSocket *m_socket;
    QTimer m_timer;
    QElapsedTimer m_idle;
    HttpClient::Request m_request;
    HttpResponse m_response;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    qint64 m_remaining = 0;
    State m_state = State::statusLine;
    int m_served = 0;
    bool m_busy = false;
    bool m_receivedAny = false;
    bool m_keepAlive = true;
};

HttpClient::HttpClient(QObject *parent) : QObject(parent) { }

HttpClient::~HttpClient() = default;

void HttpClient::get(const QUrl &url, const Headers &headers, Done done)
{
    send({url, requestBytes(url, "GET", headers, {}), true, std::move(done)}, true);
}

void HttpClient::post(const QUrl &url, const Headers &headers, const QByteArray &body, Done done)
{
    send({url, requestBytes(url, "POST", headers, body.isNull() ? QByteArray("") : body), false, std::move(done)},
         false);
}

void HttpClient::patch(const QUrl &url, const Headers &headers, const QByteArray &body, Done done)
{
    send({url, requestBytes(url, "PATCH", headers, body), true, std::move(done)}, true);
}

void HttpClient::send(Request request, bool mayReuse)
{
    if (!request.url.isValid() || request.url.host().isEmpty()
        || (request.url.scheme() != QLatin1StringView("http") && request.url.scheme() != QLatin1StringView("https"))) {
        QTimer::singleShot(0, this, [done = std::move(request.done)] {
            HttpResponse response;
            response.failure = HttpResponse::Failure::connection;
            done(response);
        });
        return;
    }
    const QString origin = originOf(request.url);
    HttpConnection *connection = nullptr;
    QList<HttpConnection *> &idle = m_idle[origin];
    while (mayReuse && !idle.isEmpty() && !connection) {
        HttpConnection *candidate = idle.takeLast(); // the most recently used is the likeliest still open
        if (candidate->isOpen() && candidate->idleMs() < idleLifetimeMs)
            connection = candidate;
        else
            candidate->close();
    }
    if (!connection) {
        connection = new HttpConnection(this, origin, request.url);
        ++m_opened;
    }
    connection->start(std::move(request), m_timeoutMs);
}

void HttpClient::finished(HttpConnection *connection, bool reusable)
{
    QList<HttpConnection *> &idle = m_idle[connection->origin()];
    idle.removeOne(connection);
    if (reusable && idle.size() < maxIdlePerOrigin)
        idle.append(connection);
    else
        connection->close();
}

void HttpClient::failedEarly(Request request)
{
    send(std::move(request), false);
}
