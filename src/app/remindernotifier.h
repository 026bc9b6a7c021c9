#pragma once

#include "backend/event.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class DefaultViewModel;
class DesktopNotifications;
class MeetingReminders;

// The meeting reminders as desktop notifications: "Standup starts in 1 min"
// with the meeting's time, a "Join Meeting" action that joins it as the
// popover's buttons do, and a click on the body that opens the popover on the
// Events tab. Taken back when the reminders say so.
class ReminderNotifier : public QObject
{
    Q_OBJECT

public:
    ReminderNotifier(DefaultViewModel *viewModel, MeetingReminders *reminders, DesktopNotifications *notifications,
                     std::function<void()> openEvents);

    // The body under the reminder's text: when the meeting runs.
    static QString body(const Event &event);
    // The actions offered, as key and label pairs.
    static QStringList actions();

private:
    struct Shown
    {
        Event event;
        uint id = 0; // 0 while the server has not answered yet
    };

    void remind(const QString &key, const Event &event, const QString &text);
    void withdraw(const QString &key);
    void actionInvoked(uint id, const QString &action);
    void closed(uint id);

    QPointer<DefaultViewModel> m_viewModel;
    DesktopNotifications *m_notifications;
    std::function<void()> m_openEvents;
    QHash<QString, Shown> m_shown; // by occurrence
};
