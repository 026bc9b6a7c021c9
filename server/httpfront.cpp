#include "server/httpfront.h"
#include "common/outputline.h"

#include <QAbstractHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QPointer>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Put:
        return "PUT";
    case QHttpServerRequest::Method::Delete:
        return "DELETE";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    case QHttpServerRequest::Method::Options:
        return "OPTIONS";
    case QHttpServerRequest::Method::Patch:
        return "PATCH";
    default:
        return "OTHER";
    }
}

// Hands every accepted socket to the front before the HTTP server reads it.
template<typename Base>
class WatchingServer final : public Base
{
public:
    explicit WatchingServer(std::function<void(QTcpSocket *)> watch) : m_watch(std::move(watch)) { }
    QTcpSocket *nextPendingConnection() override
    {
        QTcpSocket *socket = Base::nextPendingConnection();
        if (socket)
            m_watch(socket);
        return socket;
    }

private:
    std::function<void(QTcpSocket *)> m_watch;
};

} // namespace

// What one connection has sent since its last answer, and the clock on it.
class ConnectionGuard final : public QObject
{
public:
    ConnectionGuard(HttpFront *front, QTcpSocket *socket) : QObject(socket), m_front(front), m_socket(socket)
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &ConnectionGuard::timedOut);
        // Connected before the HTTP server's own slot, so this sees the bytes first.
        connect(socket, &QTcpSocket::readyRead, this, &ConnectionGuard::received);
        m_timer.start(front->m_requestTimeoutMs);
        front->m_connections.insert(socket, this);
    }
    ~ConnectionGuard() override { m_front->m_connections.remove(m_socket); }

    void received()
    {
        if (m_refused) {
            // Read and dropped, so the client can finish sending and see the answer.
            m_socket->readAll();
            m_timer.start(m_front->m_requestTimeoutMs);
            return;
        }
        if (m_pending == 0 && m_busy == 0)
            m_timer.start(m_front->m_requestTimeoutMs);
        m_pending += m_socket->bytesAvailable();
        if (m_pending > HttpFront::maxBodySize + HttpFront::maxHeaderSize) {
            m_refused = true;
            const QByteArray body = R"({"error":"too_large","message":"The request is over 64 KiB"})";
            m_socket->write("HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\nConnection: close\r\n"
                            "Content-Length: "
                            + QByteArray::number(body.size()) + "\r\n\r\n" + body);
            m_front->log(QStringLiteral("refused a request over 64 KiB"));
            m_socket->readAll();
        }
    }
    void started()
    {
        ++m_busy;
        m_pending = 0;
        m_timer.stop();
    }
    void answered()
    {
        if (--m_busy > 0)
            return;
        if (m_front->m_shuttingDown)
            m_socket->disconnectFromHost();
        else
            m_timer.start(m_front->m_idleTimeoutMs);
    }
    void closeIfIdle()
    {
        if (m_busy == 0)
            m_socket->disconnectFromHost();
    }
    bool refused() const { return m_refused; }

private:
    void timedOut()
    {
        if (m_busy > 0)
            return;
        if (m_pending > 0)
            m_front->log(QStringLiteral("cut off a client too slow to send its request"));
        m_socket->abort();
    }

    HttpFront *m_front;
    QTcpSocket *m_socket;
    QTimer m_timer;
    qsizetype m_pending = 0;
    int m_busy = 0;
    bool m_refused = false;
};

class HttpFront::Server final : public QAbstractHttpServer
{
public:
    explicit Server(HttpFront *front) : QAbstractHttpServer(front), m_front(front) { }
    using QAbstractHttpServer::makeResponder;

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override
    {
        m_front->dispatch({methodName(request.method()), request.url().path(), request.headers(), request.body(),
                           request.url().query(), request.remoteAddress()},
                          socket, std::make_shared<QHttpServerResponder>(makeResponder(request, socket)));
        return true;
    }
    void missingHandler(const QHttpServerRequest &, QTcpSocket *) override { }

private:
    HttpFront *m_front;
};

HttpFront::HttpFront(HttpHandler handler, QObject *parent)
    : QObject(parent), m_handler(std::move(handler)), m_server(new Server(this))
{
}

HttpFront::~HttpFront()
{
    // The sockets, and with them their guards, go while the table they are in still exists.
    delete m_server;
}

bool HttpFront::listen(const QHostAddress &address, quint16 port, const std::optional<QSslConfiguration> &tls)
{
    const auto watch = [this](QTcpSocket *socket) { this->watch(socket); };
    QTcpServer *server;
    if (tls) {
        auto *secure = new WatchingServer<QSslServer>(watch);
        secure->setSslConfiguration(*tls);
        server = secure;
    } else {
        server = new WatchingServer<QTcpServer>(watch);
    }
    if (!server->listen(address, port)) {
        log(QStringLiteral("cannot listen on %1 port %2: %3")
                    .arg(address.toString())
                    .arg(port)
                    .arg(server->errorString()));
        delete server;
        return false;
    }
    m_port = server->serverPort();
    m_server->bind(server);
    return true;
}

void HttpFront::log(const QString &line) const
{
    if (m_log)
        m_log(line);
    else
        printLine(line);
}

void HttpFront::watch(QTcpSocket *socket)
{
    new ConnectionGuard(this, socket);
}

void HttpFront::dispatch(HttpRequest request, QTcpSocket *socket, std::shared_ptr<QHttpServerResponder> responder)
{
    ConnectionGuard *guard = m_connections.value(socket);
    if (guard && guard->refused())
        return;
    if (guard)
        guard->started();
    ++m_inFlight;

    QElapsedTimer clock;
    clock.start();
    const QPointer<QTcpSocket> alive(socket);
    const QPointer<ConnectionGuard> watched(guard);
    const QByteArray method = request.method;
    const QString path = request.path;
    if (request.body.size() > maxBodySize) {
        request.body.clear();
        request.body.resize(maxBodySize + 1); // only the size is looked at from here on
    }
    auto done = std::make_shared<bool>(false);
    m_handler(request, [this, alive, watched, responder, clock, method, path, done](HttpAnswer answer) {
        if (std::exchange(*done, true))
            return;
        if (alive && answer.status == 0) {
            alive->abort();
        } else if (alive) {
            QHttpServerResponse response = answer.contentType.isEmpty()
                    ? QHttpServerResponse(static_cast<QHttpServerResponder::StatusCode>(answer.status))
                    : QHttpServerResponse(answer.contentType, answer.body,
                                          static_cast<QHttpServerResponder::StatusCode>(answer.status));
            for (const auto &[name, value] : answer.headers)
                response.addHeader(name, value);
            response.write(std::move(*responder));
        }
        if (m_accessLog) {
            log(QStringLiteral("%1 %2 %3 %4ms user=%5")
                        .arg(QString::fromLatin1(method),
                             answer.loggedPath.isEmpty() ? path : QString(answer.loggedPath))
                        .arg(answer.status)
                        .arg(double(clock.nsecsElapsed()) / 1e6, 0, 'f', 1)
                        .arg(answer.user.isEmpty() ? QStringLiteral("-") : QString::fromLatin1(answer.user)));
        }
        if (watched)
            watched->answered();
        finishedOne();
    });
}

void HttpFront::finishedOne()
{
    --m_inFlight;
    if (m_shuttingDown && m_inFlight == 0)
        Q_EMIT drained();
}

void HttpFront::shutdown()
{
    m_shuttingDown = true;
    for (QTcpServer *server : m_server->servers())
        server->close();
    for (ConnectionGuard *guard : m_connections.values())
        guard->closeIfIdle();
    if (m_inFlight == 0)
        QTimer::singleShot(0, this, &HttpFront::drained);
}
