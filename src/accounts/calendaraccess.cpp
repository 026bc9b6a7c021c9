#include "accounts/calendaraccess.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

CalendarAccess::CalendarAccess(QObject *parent) : QObject(parent), m_storePath(storePath())
{
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CalendarAccess::onPathChanged);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CalendarAccess::onPathChanged);
    rearm();
}

QString CalendarAccess::storePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QStringLiteral("/evolution/calendar");
}

CalendarAccess::AuthorizationStatus CalendarAccess::authorizationStatus()
{
    const QFileInfo store(storePath());
    return store.isDir() && store.isReadable() && store.isExecutable() ? fullAccess : denied;
}

QString CalendarAccess::describe(int status)
{
    return status == fullAccess ? QStringLiteral("Access granted") : QStringLiteral("Access denied");
}

// Watches the store's folders and calendar files, or, while the store does
// not exist, the nearest folder above it so its creation is noticed.
void CalendarAccess::rearm()
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());

    QStringList paths;
    if (QFileInfo(m_storePath).isDir()) {
        paths << m_storePath;
        // Each calendar source is a folder holding a calendar.ics.
        QDirIterator it(m_storePath, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << it.next();
    } else {
        QString ancestor = m_storePath;
        do {
            ancestor = QFileInfo(ancestor).absolutePath();
        } while (!QFileInfo(ancestor).isDir() && ancestor != QDir::rootPath());
        paths << ancestor;
    }
    m_watcher.addPaths(paths);
}

void CalendarAccess::onPathChanged(const QString &path)
{
    const bool inStore = path == m_storePath || path.startsWith(m_storePath + u'/');
    if (!inStore) {
        // An ancestor changed: only the store's appearance is news to us.
        if (!QFileInfo(m_storePath).exists()) {
            rearm(); // a folder on the way may have appeared: watch deeper
            return;
        }
    }
    rearm();
    Q_EMIT storeChanged();
}
