#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

// The desktop's local calendar store (Evolution Data Server's calendar folder
// under $XDG_DATA_HOME). We never read it: we only follow its changes and say
// whether it could be read, the way the app reports calendar access.
class CalendarAccess : public QObject
{
    Q_OBJECT

public:
    // The answers a calendar store gives about access to its events.
    enum AuthorizationStatus {
        notDetermined = 0,
        restricted = 1,
        denied = 2,
        fullAccess = 3,
        writeOnly = 4,
    };

    explicit CalendarAccess(QObject *parent = nullptr);

    // $XDG_DATA_HOME/evolution/calendar (~/.local/share/... by default).
    static QString storePath();

    // fullAccess when the store can be read, denied otherwise.
    static AuthorizationStatus authorizationStatus();

    // "Access granted" for full access, "Access denied" for anything else.
    static QString describe(int status);

Q_SIGNALS:
    // The store, or something in it, changed (or it appeared or went away).
    void storeChanged();

private:
    void rearm();
    void onPathChanged(const QString &path);

    QFileSystemWatcher m_watcher;
    QString m_storePath;
};
