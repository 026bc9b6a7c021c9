#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

#include <functional>

// The desktop's notification server (freedesktop Notifications on the
// session bus), shared by the app's notifications: the end of a phase and
// the meeting reminders. Calls never block; without a notification server the
// app carries on and says so once.
class DesktopNotifications : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifications(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                                  QObject *parent = nullptr);

    // Shows a notification, or replaces the one with id `replaces` (0: none).
    // `actions` holds pairs of an action's key and its label ("default" is a
    // click on the body). `shown` gets the id the server gave it, later; it
    // is not called when no server answered.
    // A critical one still shows under the desktop's Do Not Disturb (GNOME,
    // Plasma): the meeting reminders.
    enum class Urgency : uchar { normal = 1, critical = 2 };
    void show(uint replaces, const QString &summary, const QString &body, const QStringList &actions,
              std::function<void(uint id)> shown, Urgency urgency = Urgency::normal);
    void close(uint id);

Q_SIGNALS:
    // For every notification on the server, the app's and others': the
    // receiver checks the id.
    void actionInvoked(uint id, const QString &action);
    void closed(uint id);

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &action);
    void onNotificationClosed(uint id, uint reason);

private:
    void unavailable();

    QDBusConnection m_bus;
    bool m_reportedMissing = false;
};
