#pragma once

#include <QList>
#include <QLocalServer>
#include <QObject>
#include <QUrl>

// Keeps Stint to one process per user. The first start listens on a local
// socket in $XDG_RUNTIME_DIR (user-only access); a later start hands its
// command-line URLs (the sign-in's callbacks) to the first and exits.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject *parent = nullptr);

    // The socket's path: $XDG_RUNTIME_DIR/stint.socket, or a private folder
    // in the temporary directory where there is no runtime directory. Empty
    // when that folder is not private to this user; `problem` then says why.
    static QString socketPath(QString *problem = nullptr);

    // Hands `urls` (possibly none: "show yourself") to a running instance.
    // Returns false when no instance answered.
    static bool sendToRunningInstance(const QList<QUrl> &urls, int timeoutMs = 2000);

    // Starts listening; removes a stale socket left by a crashed run first.
    // Returns false when another instance answers, or when there is no
    // private place for the socket (said in one line).
    bool listen();

Q_SIGNALS:
    // A later start asked to open these URLs; empty when it only wanted us seen.
    void urlsReceived(const QList<QUrl> &urls);

private:
    void readMessage(class QLocalSocket *socket);

    QLocalServer m_server;
};
