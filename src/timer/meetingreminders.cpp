#include "timer/meetingreminders.h"

#include "timer/dayclock.h"
#include "timer/defaultviewmodel.h"
#include "timer/meetingopener.h"
#include "timer/meetingrule.h"

#include <QCoreApplication>

using namespace std::chrono;

namespace {

bool isRemindedOf(const Event &event)
{
    return takesPart(event) && hasJoinLink(event);
}

// An occurrence: the event as it is planned now. A meeting moved to another
// time is another occurrence, and reminded of again.
QString occurrence(const Event &event)
{
    return event.id + u'@' + QString::number(event.start.dateTime->toMSecsSinceEpoch());
}

QDateTime plus(const QDateTime &moment, minutes offset)
{
    return moment.addSecs(duration_cast<seconds>(offset).count());
}

} // namespace

MeetingReminders::MeetingReminders(DefaultViewModel *viewModel, DayClock *clock)
    : QObject(viewModel), m_viewModel(viewModel), m_clock(clock)
{
    connect(viewModel, &DefaultViewModel::eventsChanged, this, &MeetingReminders::update);
    connect(viewModel, &DefaultViewModel::isSignedInChanged, this, &MeetingReminders::update);
    connect(viewModel, &DefaultViewModel::meetingJoined, this, &MeetingReminders::joined);
    connect(clock, &DayClock::woke, this, &MeetingReminders::update);
    update();
}

QString MeetingReminders::text(const Event &event, const QDateTime &now)
{
    const qint64 ms = now.msecsTo(event.start.dateTime.value_or(now));
    if (ms <= 0)
        return tr("%1 has started").arg(event.summary);
    return tr("%1 starts in %n min", nullptr, int((ms + 59999) / 60000)).arg(event.summary);
}

void MeetingReminders::update()
{
    if (!m_viewModel)
        return;
    const QDateTime now = m_clock->now();
    QDateTime next;
    const auto wakeAt = [&next](const QDateTime &moment) {
        if (!next.isValid() || moment < next)
            next = moment;
    };

    QSet<QString> planned;
    if (m_viewModel->isSignedIn()) {
        for (const Event &event : m_viewModel->events()) {
            if (!isRemindedOf(event))
                continue;
            const QString key = occurrence(event);
            const QDateTime start = *event.start.dateTime;
            planned.insert(key);
            if (m_reminded.contains(key))
                continue;
            if (now < plus(start, -ahead)) {
                wakeAt(plus(start, -ahead));
            } else if (now < plus(start, kept)) {
                m_reminded.insert(key, start);
                m_shown.insert(key);
                Q_EMIT remind(key, event, text(event, now));
            }
        }
    }

    for (auto it = m_reminded.begin(); it != m_reminded.end();) {
        const QString &key = it.key();
        const QDateTime end = plus(it.value(), kept);
        if (m_shown.contains(key)) {
            if (now >= end || !planned.contains(key)) {
                m_shown.remove(key);
                Q_EMIT withdraw(key);
            } else {
                wakeAt(end);
            }
        }
        // Past its last chance, an occurrence is never reminded of again.
        it = now >= end && !m_shown.contains(key) ? m_reminded.erase(it) : std::next(it);
    }
    if (next.isValid())
        m_clock->wakeAt(next);
}

void MeetingReminders::joined(const Event &event)
{
    if (!isRemindedOf(event))
        return;
    const QString key = occurrence(event);
    // Joined before its reminder: none is needed any more.
    m_reminded.insert(key, *event.start.dateTime);
    if (m_shown.remove(key))
        Q_EMIT withdraw(key);
}
