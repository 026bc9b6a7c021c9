#include "app/desktopnotifications.h"

#include "common/outputline.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");

} // namespace

DesktopNotifications::DesktopNotifications(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint)));
}

void DesktopNotifications::show(uint replaces, const QString &summary, const QString &body, const QStringList &actions,
                                std::function<void(uint id)> shown, Urgency urgency)
{
    if (!m_bus.isConnected())
        return unavailable();
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("app.stint.Stint")},
                            {QStringLiteral("category"), QStringLiteral("im.received")},
                            {QStringLiteral("urgency"), QVariant::fromValue(uchar(urgency))}};
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << QStringLiteral("Stint") << replaces << QStringLiteral("app.stint.Stint") << summary << body << actions
         << hints << -1;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, shown = std::move(shown)] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError())
            return unavailable();
        if (shown)
            shown(reply.value());
    });
}

void DesktopNotifications::close(uint id)
{
    if (id == 0 || !m_bus.isConnected())
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("CloseNotification"))
                    << id);
}

void DesktopNotifications::onActionInvoked(uint id, const QString &action)
{
    if (id != 0)
        Q_EMIT actionInvoked(id, action);
}

void DesktopNotifications::onNotificationClosed(uint id, uint)
{
    if (id != 0)
        Q_EMIT closed(id);
}

void DesktopNotifications::unavailable()
{
    if (m_reportedMissing)
        return;
    m_reportedMissing = true;
    printLine(QStringLiteral("No notification server: phase ends and meeting reminders are not shown on the desktop"));
}
