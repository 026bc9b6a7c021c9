#include "app/singleinstance.h"

#include "common/outputline.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One URL per line, then an empty line. Anything longer than this is not ours.
constexpr qint64 maxMessageSize = 64 * 1024;

// Why `path` cannot hold the socket, or nothing when it is a folder of this
// user's that nobody else may enter. In a shared folder like /tmp another
// user could have made it first, to take the URLs handed over or to pose as
// the running Stint; it is made here if missing, and never repaired.
std::optional<QString> privateFolderProblem(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) == 0)
        return std::nullopt;
    if (errno != EEXIST)
        return QStringLiteral("it cannot be made: ") + QString::fromLocal8Bit(std::strerror(errno));
    struct stat info
    {
    };
    if (::lstat(native.constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("it is not a folder");
    if (info.st_uid != ::getuid())
        return QStringLiteral("it belongs to another user");
    if (info.st_mode & 077)
        return QStringLiteral("other users may enter it");
    return std::nullopt;
}

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        }
    });
}

QString SingleInstance::socketPath(QString *problem)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath() + QStringLiteral("/stint-%1").arg(::getuid());
        if (const std::optional<QString> why = privateFolderProblem(dir)) {
            if (problem)
                *problem = QStringLiteral("Stint does not use %1 for its single-instance socket: %2").arg(dir, *why);
            return {};
        }
    }
    return dir + QStringLiteral("/stint.socket");
}

bool SingleInstance::sendToRunningInstance(const QList<QUrl> &urls, int timeoutMs)
{
    const QString path = socketPath();
    if (path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message;
    for (const QUrl &url : urls)
        message += url.toEncoded() + '\n';
    message += '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen()
{
    QString problem;
    const QString path = socketPath(&problem);
    if (path.isEmpty()) {
        printLine(problem);
        return false;
    }
    // Ask first: with user-only access the server is set up aside and renamed
    // into place, which would silently take the socket of a running instance.
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(500))
        return false;
    // Nobody answered: whatever is left there is stale.
    QLocalServer::removeServer(path);
    return m_server.listen(path);
}

void SingleInstance::readMessage(QLocalSocket *socket)
{
    if (socket->bytesAvailable() > maxMessageSize) {
        socket->abort();
        return;
    }
    const QByteArray pending = socket->peek(maxMessageSize);
    if (!pending.endsWith("\n\n") && pending != "\n")
        return; // not complete yet
    const QByteArray message = socket->readAll();
    QList<QUrl> urls;
    for (const QByteArray &line : message.split('\n')) {
        if (line.isEmpty())
            continue;
        const QUrl url = QUrl::fromEncoded(line, QUrl::StrictMode);
        if (url.isValid())
            urls.append(url);
    }
    socket->disconnectFromServer();
    Q_EMIT urlsReceived(urls);
}
