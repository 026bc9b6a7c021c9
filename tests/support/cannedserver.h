#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>

// A stand-in for a server that misbehaves below the HTTP layer the dev
// server speaks: it answers every request on 127.0.0.1 with the same raw
// bytes, or with nothing at all, and can be closed and opened again on the
// same port to play a network that goes away and comes back.
class CannedServer : public QObject
{
public:
    CannedServer();

    // Listens on `port` (0: any free one); the port is kept for later.
    bool listen(quint16 port = 0);
    void close() { m_server.close(); }
    QUrl url(const QString &path) const;

    // The whole answer, status line included; empty to never answer.
    void setReply(const QByteArray &reply) { m_reply = reply; }
    int requests() const { return m_requests; }

private:
    QTcpServer m_server;
    quint16 m_port = 0;
    QByteArray m_reply;
    int m_requests = 0;
};
