#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <functional>

class DefaultViewModel;

// "Pause When the Screen Locks": locking the screen pauses a focus phase
// that is counting; unlocking does not start it again. The lock is learned
// from the login manager (the session's LockedHint, on the system bus) and
// from the screensavers' ActiveChanged (freedesktop's and GNOME's, on the
// session bus), whichever the desktop has.
class LockPause : public QObject
{
    Q_OBJECT
    /// The user's choice, kept in the settings; off by default.
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
    /// The phase shown was paused by a lock and not started again since.
    Q_PROPERTY(bool pausedByLock READ pausedByLock NOTIFY pausedByLockChanged)

public:
    static const QString settingsKey;

    // `catchUp` brings the countdown up to the clock before it is paused
    // (while the popover is hidden it is counted only as the minutes change).
    LockPause(DefaultViewModel *viewModel, std::function<void()> catchUp = {},
              const QDBusConnection &systemBus = QDBusConnection::systemBus(),
              const QDBusConnection &sessionBus = QDBusConnection::sessionBus());

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool pausedByLock() const { return m_pausedByLock; }

Q_SIGNALS:
    void enabledChanged();
    void pausedByLockChanged();

private Q_SLOTS:
    void sessionPropertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &);
    void screenSaverActiveChanged(bool active);

private:
    void locked();
    void setPausedByLock(bool paused);

    QPointer<DefaultViewModel> m_viewModel;
    std::function<void()> m_catchUp;
    bool m_enabled = false;
    bool m_pausedByLock = false;
};
