#include "support/cannedserver.h"

#include <QTcpSocket>

CannedServer::CannedServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                // Answered once the headers are in; the body is not read.
                if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                    return;
                socket->readAll();
                ++m_requests;
                if (m_reply.isEmpty())
                    return;
                socket->write(m_reply);
                socket->disconnectFromHost();
            });
        }
    });
}

bool CannedServer::listen(quint16 port)
{
    if (!m_server.listen(QHostAddress::LocalHost, port ? port : m_port))
        return false;
    m_port = m_server.serverPort();
    return true;
}

QUrl CannedServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}
