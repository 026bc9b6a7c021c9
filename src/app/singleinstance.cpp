#include "app/singleinstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// One URL per line, then an empty line. Anything longer than this is not ours.
constexpr qint64 maxMessageSize = 64 * 1024;

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        }
    });
}

QString SingleInstance::socketPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath() + QStringLiteral("/stint-%1").arg(::getuid());
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return dir + QStringLiteral("/stint.socket");
}

bool SingleInstance::sendToRunningInstance(const QList<QUrl> &urls, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
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
    const QString path = socketPath();
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
