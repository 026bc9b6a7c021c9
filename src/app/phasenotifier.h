#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class DefaultViewModel;
class DesktopNotifications;

// The end of a phase as a desktop notification: "Focus phase over" or "Rest
// over", with the task's title when one is set. While "Is the task now
// done?" is asked it offers "Yes" and "No", which answer the question as the
// popover's buttons do; a click on the body opens the popover. When the
// question goes away in the popover the notification is withdrawn.
class PhaseNotifier : public QObject
{
    Q_OBJECT

public:
    PhaseNotifier(DefaultViewModel *viewModel, DesktopNotifications *notifications, std::function<void()> openPopover);

    // The id the server gave the notification on show; 0 when none is up.
    uint shownId() const { return m_shownId; }

private:
    void notify();
    void withdraw();
    void actionInvoked(uint id, const QString &action);

    QPointer<DefaultViewModel> m_viewModel;
    DesktopNotifications *m_notifications;
    std::function<void()> m_openPopover;
    uint m_shownId = 0;
    bool m_asking = false; // the shown notification carries the question
};
