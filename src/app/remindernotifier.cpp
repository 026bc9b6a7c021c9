#include "app/remindernotifier.h"

#include "app/desktopnotifications.h"
#include "timer/defaultviewmodel.h"
#include "timer/meetingreminders.h"
#include "timer/meetingrule.h"

#include <QLocale>

namespace {

const QString defaultAction = QStringLiteral("default");
const QString joinAction = QStringLiteral("join");

} // namespace

ReminderNotifier::ReminderNotifier(DefaultViewModel *viewModel, MeetingReminders *reminders,
                                   DesktopNotifications *notifications, std::function<void()> openEvents)
    : QObject(reminders), m_viewModel(viewModel), m_notifications(notifications), m_openEvents(std::move(openEvents))
{
    connect(reminders, &MeetingReminders::remind, this, &ReminderNotifier::remind);
    connect(reminders, &MeetingReminders::withdraw, this, &ReminderNotifier::withdraw);
    connect(notifications, &DesktopNotifications::actionInvoked, this, &ReminderNotifier::actionInvoked);
    connect(notifications, &DesktopNotifications::closed, this, &ReminderNotifier::closed);
}

QString ReminderNotifier::body(const Event &event)
{
    const QLocale locale;
    const auto time = [&locale](const QDateTime &moment) {
        return locale.toString(moment.toLocalTime().time(), QLocale::ShortFormat);
    };
    const QDateTime start = event.start.dateTime.value_or(QDateTime());
    const QDateTime end = endOf(event);
    return end > start ? time(start) + QStringLiteral(" – ") + time(end) : time(start);
}

QStringList ReminderNotifier::actions()
{
    return {defaultAction, tr("Open Stint"), joinAction, tr("Join Meeting")};
}

void ReminderNotifier::remind(const QString &key, const Event &event, const QString &text)
{
    m_shown.insert(key, {event, 0});
    // Critical: a meeting about to start comes through Do Not Disturb.
    m_notifications->show(
            0, text, body(event), actions(),
            [self = QPointer(this), key](uint id) {
                if (!self)
                    return;
                const auto it = self->m_shown.find(key);
                if (it == self->m_shown.end()) // taken back while the server was answering
                    return self->m_notifications->close(id);
                it->id = id;
            },
            DesktopNotifications::Urgency::critical);
}

void ReminderNotifier::withdraw(const QString &key)
{
    if (const auto it = m_shown.constFind(key); it != m_shown.constEnd()) {
        m_notifications->close(it->id);
        m_shown.erase(it);
    }
}

void ReminderNotifier::actionInvoked(uint id, const QString &action)
{
    for (const Shown &shown : std::as_const(m_shown)) {
        if (shown.id != id)
            continue;
        // A copy: joining takes the reminder back, and with it this entry.
        const Event event = shown.event;
        if (action == joinAction && m_viewModel)
            m_viewModel->joinMeeting(event);
        else if (action == defaultAction && m_openEvents)
            m_openEvents();
        return;
    }
}

void ReminderNotifier::closed(uint id)
{
    // Dismissed on the desktop: it stays reminded of, and is not shown again.
    for (auto it = m_shown.begin(); it != m_shown.end(); ++it) {
        if (it->id == id) {
            m_shown.erase(it);
            return;
        }
    }
}
