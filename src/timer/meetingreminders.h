#pragma once

#include "backend/event.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <chrono>

class DayClock;
class DefaultViewModel;

// When to remind of a meeting, and when to take the reminder back. A meeting
// with a link to join it by is reminded of once per occurrence (the event and
// its start), one minute before it starts, whether the popover is open or
// not. A reminder missed while the machine was suspended, or for a meeting
// learnt of late, still comes if the meeting started less than five minutes
// ago, never later. The reminder is taken back when the meeting is joined
// (from anywhere), five minutes after its start, or when the meeting is gone
// from the calendar; and all of them when nobody is signed in any more.
// Events without a link get none: the calendar app reminds of those.
//
// It only decides; showing the reminders is someone else's (it sends
// `remind` and `withdraw`).
class MeetingReminders : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::minutes ahead{1};
    static constexpr std::chrono::minutes kept{5};

    MeetingReminders(DefaultViewModel *viewModel, DayClock *clock);

    // The reminder's text at `now`: "Standup starts in 1 min", or "Standup
    // has started" for one that comes late.
    static QString text(const Event &event, const QDateTime &now);

    // Looks at the events and the clock again.
    void update();

Q_SIGNALS:
    // `key` names the occurrence in `withdraw`.
    void remind(const QString &key, const Event &event, const QString &text);
    void withdraw(const QString &key);

private:
    void joined(const Event &event);

    QPointer<DefaultViewModel> m_viewModel;
    DayClock *m_clock;
    QHash<QString, QDateTime> m_reminded; // occurrences reminded of (or joined), with their start
    QSet<QString> m_shown; // the reminders out now
};
