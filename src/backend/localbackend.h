#pragma once

#include "backend/error.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <list>
#include <optional>

class QJsonObject;
class QProcess;

// The backend an app with no backend address of its own runs itself:
// stint-backend as a child process listening on 127.0.0.1, on a port it
// picks itself and names in its first line, so that two users' apps on one
// machine never collide. It serves the configured Google client id; the
// client secret never reaches it. Its access log is off and its own lines go
// to the app's stderr.
//
// The child dies with the app, even when the app is killed outright (the
// kernel sends it SIGKILL when the app's main thread ends; it must be started
// from there). When it dies by itself it is started again after a delay
// that grows with each death, and one line says so. Requests made while it
// starts wait for it (whenReady).
class LocalBackend : public QObject
{
    Q_OBJECT

public:
    using Waiter = std::function<void(std::optional<Error> unavailable)>;

    explicit LocalBackend(QObject *parent = nullptr);
    ~LocalBackend() override;

    // The installed stint-backend: beside the running program (in a build
    // tree, in the server folder beside the program's), then in /usr/bin.
    // Empty when there is none.
    static QString findProgram();

    // The backend's options for the Google addresses that `settings` name
    // (GOOGLE_KEYS_URL, GOOGLE_TOKENINFO_URL, GOOGLE_TASKS_URL,
    // GOOGLE_EVENTS_URL); Google's own are the backend's defaults. A value
    // that is not an http(s) address without user information is refused:
    // none, and `error` says which.
    static std::optional<QStringList> googleOptions(const QJsonObject &settings, QString *error);

    // What to run, and with which Google addresses (options as
    // googleOptions() gives them).
    void setProgram(const QString &program);
    void setGoogleOptions(const QStringList &options);
    // The client whose users are served; a new one restarts the backend, and
    // none stops it until there is one.
    void setClientId(const QString &clientId);

    // Starts the backend unless it runs or is being started, and from now
    // on whenever there is a client. Returns at once.
    void start();
    // Marks the backend as unusable for `reason` (said once, on stdout):
    // requests fail with it instead of waiting.
    void setUnavailable(const QString &reason);

    // http://127.0.0.1:PORT while the backend is up; empty otherwise.
    QUrl address() const { return m_address; }
    // The child's process id while it runs, else 0.
    qint64 processId() const;

    // Runs `send` once the backend is up: at once when it is, otherwise when
    // it has started. When it cannot come up (no client, no program), or
    // takes longer than the network's transfer timeout, `send` is told why,
    // later. Nothing runs once `context` is gone.
    void whenReady(QObject *context, Waiter send);

    // The wait before the first restart; it doubles with each death up to
    // `longestMs`, and starts over once the backend has run that long.
    void setRestartDelays(int firstMs, int longestMs);

Q_SIGNALS:
    void ready(const QUrl &address);
    void stopped();

private:
    // implementation detail, free to change
    struct Waiting
    {
        quint64 id;
        QPointer<QObject> context;
        bool hasContext;
        Waiter send;
    };

    void readOutput();
    void processEnded(QProcess *process, const QString &how);
    void stopProcess();
    void failWaiting(const QString &reason);
    void runWaiting();

    QString m_program;
    QString m_clientId;
    QStringList m_googleOptions;
    QProcess *m_process = nullptr;
    QByteArray m_pendingOutput;
    QUrl m_address;
    std::optional<QString> m_unavailable;
    bool m_wanted = false; // start() was called
    QTimer m_restartTimer;
    QTimer m_startTimeout;
    QTimer m_runLongEnough;
    int m_firstDelayMs = 1000;
    int m_longestDelayMs = 60000;
    int m_nextDelayMs = 1000;
    std::list<Waiting> m_waiting;
    quint64 m_nextWaitingId = 0;
};
