#include "server/httpfront.h"

#include "server/requestreader.h"
#include "common/outputline.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>
#include <QPointer>
#include <QScopeGuard>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <deque>
#include <memory>
#include <sys/socket.h>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Content Too Large";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    case 504:
        return "Gateway Timeout";
    case 505:
        return "HTTP Version Not Supported";
    default:
        return "Status";
    }
}

// The Date header, made once a second.
QByteArray dateHeader()
{
    static qint64 madeAt = -1;
    static QByteArray header;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (now != madeAt) {
        madeAt = now;
        header = "Date: "
                + QLocale::c()
                          .toString(QDateTime::fromSecsSinceEpoch(now, Qt::UTC),
                                    QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"))
                          .toLatin1()
                + "\r\n";
    }
    return header;
}

QByteArray answerBytes(const HttpAnswer &answer, bool withBody, bool close, bool http10)
{
    QByteArray bytes;
    bytes.reserve(160 + answer.body.size());
    bytes += "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reasonPhrase(answer.status) + "\r\n";
    bytes += dateHeader();
    if (!answer.contentType.isEmpty())
        bytes += "Content-Type: " + answer.contentType + "\r\n";
    if (answer.status != 204 && answer.status != 304)
        bytes += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    for (const auto &[name, value] : answer.headers)
        bytes += name + ": " + value + "\r\n";
    if (close)
        bytes += "Connection: close\r\n";
    else if (http10)
        bytes += "Connection: keep-alive\r\n";
    bytes += "\r\n";
    if (withBody)
        bytes += answer.body;
    return bytes;
}

} // namespace

// One client's connection: what it has sent and not yet been read as a
// request, and the answers owed to it, written strictly in request order.
class HttpFront::Connection final : public QObject
{
public:
    Connection(HttpFront *front, QTcpSocket *socket) : QObject(socket), m_front(front), m_socket(socket)
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &Connection::due);
        connect(socket, &QTcpSocket::readyRead, this, &Connection::received);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::bytesWritten, this, &Connection::written);
        m_requestStartMs = front->m_clock.elapsed();
        wait(Wait::request, m_requestStartMs + front->m_requestTimeoutMs);
        front->m_connections.append(this);
        if (socket->bytesAvailable() > 0)
            received();
    }
    ~Connection() override { m_front->m_connections.removeOne(this); }

    void closeIfIdle()
    {
        if (m_answers.empty())
            finish();
    }

private:
    // What the clock of the connection waits for.
    enum class Wait {
        nothing, // an answer is owed: the client waits for us
        request, // the rest of a request
        idle, // the next request on a kept connection
    };

    struct Owed
    {
        bool ready = false;
        bool close = false;
        bool abort = false;
        QByteArray bytes;
    };

    void received()
    {
        if (m_finishing) {
            // Read and dropped, so the client can finish sending and see the answer.
            m_socket->readAll();
            return;
        }
        const bool wasEmpty = m_buffer.isEmpty();
        m_buffer += m_socket->readAll();
        if (wasEmpty && m_answers.empty())
            m_requestStartMs = m_front->m_clock.elapsed(); // the clock on this request starts now
        readRequests();
    }

    void readRequests()
    {
        m_reading = true;
        qsizetype offset = 0;
        while (!m_finishing && offset < m_buffer.size() && int(m_answers.size()) < maxPipelined) {
            RequestReader::Result read =
                    RequestReader::read(QByteArrayView(m_buffer).sliced(offset), maxHeaderSize, maxBodySize);
            if (read.kind == RequestReader::Result::Kind::needMore)
                break;
            if (read.kind == RequestReader::Result::Kind::failure) {
                m_front->log(QStringLiteral("refused a request: %1 -> %2").arg(read.message).arg(read.status));
                auto owed = std::make_shared<Owed>();
                owed->ready = true;
                owed->close = true;
                HttpAnswer answer = HttpAnswer::error(read.status, QLatin1StringView("bad_request"), read.message);
                if (read.status == 413)
                    answer = HttpAnswer::error(413, QLatin1StringView("too_large"), read.message);
                owed->bytes = answerBytes(answer, true, true, false);
                m_answers.push_back(owed);
                m_finishing = true;
                offset = m_buffer.size();
                break;
            }
            offset += read.consumed;
            dispatch(std::move(read));
            if (!m_answers.empty() && m_answers.back()->close)
                m_finishing = true;
        }
        m_buffer.remove(0, m_finishing ? m_buffer.size() : offset);
        m_reading = false;
        rearm(offset > 0);
        flush();
    }

    // The one clock of the connection: none while an answer is owed, the
    // request timeout from the first byte of a request (not restarted by
    // each later byte, so a slow sender is cut off), else the idle timeout.
    // Only the deadline moves on each request; the timer is started again
    // only when the deadline comes before it would fire, and when it fires
    // before the deadline it waits for the rest, so a kept connection
    // answering request after request costs no timer work.
    void rearm(bool progressed)
    {
        if (m_finishing)
            return;
        const qint64 now = m_front->m_clock.elapsed();
        if (!m_answers.empty()) {
            m_wait = Wait::nothing;
        } else if (m_buffer.isEmpty()) {
            wait(Wait::idle, now + m_front->m_idleTimeoutMs);
        } else {
            if (progressed || m_wait != Wait::request)
                m_requestStartMs = now;
            wait(Wait::request, m_requestStartMs + m_front->m_requestTimeoutMs);
        }
    }

    void wait(Wait what, qint64 deadlineMs)
    {
        m_wait = what;
        m_deadlineMs = deadlineMs;
        if (!m_timer.isActive() || m_timerDueMs > deadlineMs) {
            m_timerDueMs = deadlineMs;
            m_timer.start(int(std::max<qint64>(0, deadlineMs - m_front->m_clock.elapsed())));
        }
    }

    void due()
    {
        if (m_finishing)
            return timedOut();
        if (m_wait == Wait::nothing)
            return; // the handler owes an answer; the client waits for it
        const qint64 left = m_deadlineMs - m_front->m_clock.elapsed();
        if (left > 0) {
            m_timerDueMs = m_deadlineMs;
            m_timer.start(int(left));
            return;
        }
        timedOut();
    }

    void dispatch(RequestReader::Result read)
    {
        auto owed = std::make_shared<Owed>();
        const bool closeAfter = !read.keepAlive || m_front->m_shuttingDown;
        owed->close = closeAfter;
        m_answers.push_back(owed);

        HttpRequest &request = read.request;
        request.peer = m_socket->peerAddress();
        const QByteArray method = request.method;
        const bool head = method == "HEAD";
        if (head)
            request.method = "GET"; // and the body left out of the answer
        const QString path = request.path;
        const bool http10 = read.http10;
        QElapsedTimer clock;
        clock.start();
        ++m_front->m_inFlight;
        HttpFront *front = m_front;
        const QPointer<Connection> alive(this);
        auto done = std::make_shared<bool>(false);
        front->m_handler(request, [front, alive, owed, head, http10, clock, method, path, done](HttpAnswer answer) {
            if (std::exchange(*done, true))
                return;
            if (front->m_accessLog) {
                front->log(
                        QStringLiteral("%1 %2 %3 %4ms user=%5")
                                .arg(QString::fromLatin1(method),
                                     answer.loggedPath.isEmpty() ? path : QString(answer.loggedPath))
                                .arg(answer.status)
                                .arg(double(clock.nsecsElapsed()) / 1e6, 0, 'f', 1)
                                .arg(answer.user.isEmpty() ? QStringLiteral("-") : QString::fromLatin1(answer.user)));
            }
            owed->ready = true;
            owed->abort = answer.status == 0;
            owed->close = owed->close || front->m_shuttingDown;
            if (!owed->abort)
                owed->bytes = answerBytes(answer, !head, owed->close, http10);
            if (alive)
                alive->flush();
            front->finishedOne();
        });
    }

    void flush()
    {
        bool wrote = false;
        // Written out now rather than on the next turn of the event loop.
        const auto send = qScopeGuard([&] {
            if (wrote && m_socket->state() == QAbstractSocket::ConnectedState)
                m_socket->flush();
        });
        while (!m_answers.empty() && m_answers.front()->ready) {
            const std::shared_ptr<Owed> owed = m_answers.front();
            m_answers.pop_front();
            if (owed->abort) {
                m_answers.clear();
                m_socket->abort();
                return;
            }
            m_socket->write(owed->bytes);
            wrote = true;
            if (owed->close) {
                m_answers.clear();
                finish();
                return;
            }
        }
        if (m_answers.empty() && m_front->m_shuttingDown)
            return finish();
        if (!wrote || m_reading)
            return;
        rearm(true);
        // Requests may have been left unread at the read-ahead limit.
        if (m_answers.empty() && !m_buffer.isEmpty())
            QTimer::singleShot(0, this, &Connection::readRequests);
    }

    // No more requests on this connection: once the last answer is out, the
    // sending side is closed, and what the client still sends is read and
    // dropped until it closes too, so its data never turns the close into
    // a reset that could lose the answer.
    void finish()
    {
        m_finishing = true;
        m_buffer.clear();
        m_timerDueMs = m_front->m_clock.elapsed() + 2000;
        m_timer.start(2000);
        if (qobject_cast<QSslSocket *>(m_socket)) {
            m_socket->disconnectFromHost();
            return;
        }
        written();
    }

    void written()
    {
        if (!m_finishing || m_halfClosed || m_socket->bytesToWrite() > 0 || !m_answers.empty())
            return;
        if (qobject_cast<QSslSocket *>(m_socket))
            return;
        m_halfClosed = true;
        m_socket->flush();
        ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
    }

    void timedOut()
    {
        if (m_finishing) {
            if (m_answers.empty())
                m_socket->abort();
            return;
        }
        if (!m_answers.empty())
            return; // the handler owes an answer; the client waits for it
        if (m_buffer.isEmpty())
            return m_socket->disconnectFromHost();
        m_front->log(QStringLiteral("cut off a client too slow to send its request"));
        m_socket->abort();
    }

    HttpFront *m_front;
    QTcpSocket *m_socket;
    QTimer m_timer;
    Wait m_wait = Wait::request;
    qint64 m_deadlineMs = 0; // on the front's clock
    qint64 m_timerDueMs = 0; // when m_timer fires, while it runs
    qint64 m_requestStartMs = 0;
    QByteArray m_buffer;
    std::deque<std::shared_ptr<Owed>> m_answers;
    bool m_finishing = false;
    bool m_halfClosed = false;
    bool m_reading = false; // in readRequests, which sees to the clock itself
};

HttpFront::HttpFront(HttpHandler handler, QObject *parent) : QObject(parent), m_handler(std::move(handler))
{
    m_clock.start();
}

HttpFront::~HttpFront()
{
    // The sockets, and with them their connections, go while the list they are in still exists.
    qDeleteAll(m_servers);
    m_servers.clear();
}

bool HttpFront::listen(const QHostAddress &address, quint16 port, const std::optional<QSslConfiguration> &tls)
{
    QTcpServer *server;
    if (tls) {
        auto *secure = new QSslServer(this);
        secure->setSslConfiguration(*tls);
        server = secure;
    } else {
        server = new QTcpServer(this);
    }
    if (!server->listen(address, port)) {
        log(QStringLiteral("cannot listen on %1 port %2: %3")
                    .arg(address.toString())
                    .arg(port)
                    .arg(server->errorString()));
        delete server;
        return false;
    }
    connect(server, &QTcpServer::pendingConnectionAvailable, this, [this, server] { accept(server); });
    m_port = server->serverPort();
    m_servers.append(server);
    return true;
}

void HttpFront::accept(QTcpServer *server)
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        new Connection(this, socket);
    }
}

void HttpFront::log(const QString &line) const
{
    if (m_log)
        m_log(line);
    else
        printLine(line);
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
    for (QTcpServer *server : std::as_const(m_servers))
        server->close();
    const QList<Connection *> connections = m_connections;
    for (Connection *connection : connections)
        connection->closeIfIdle();
    if (m_inFlight == 0)
        QTimer::singleShot(0, this, &HttpFront::drained);
}
