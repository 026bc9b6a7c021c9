#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <functional>

class DefaultViewModel;

// The end of a phase as a desktop notification (freedesktop Notifications
// over the session bus): "Focus phase over" or "Rest over", with the task's
// title when one is set. While "Is the task now done?" is asked it offers
// "Yes" and "No", which answer the question as the popover's buttons do; a
// click on the body opens the popover. When the question goes away in the
// popover the notification is withdrawn. Without a notification server the
// app carries on and says so once.
class PhaseNotifier : public QObject
{
    Q_OBJECT

public:
    PhaseNotifier(DefaultViewModel *viewModel, std::function<void()> openPopover,
                  const QDBusConnection &bus = QDBusConnection::sessionBus());

    // The id the server gave the notification on show; 0 when none is up.
    uint shownId() const { return m_shownId; }

private Q_SLOTS:
    void actionInvoked(uint id, const QString &action);
    void notificationClosed(uint id, uint reason);

private:
    void notify();
    void withdraw();
    void unavailable();

    QPointer<DefaultViewModel> m_viewModel;
    std::function<void()> m_openPopover;
    QDBusConnection m_bus;
    uint m_shownId = 0;
    bool m_asking = false; // the shown notification carries the question
    bool m_reportedMissing = false;
};
