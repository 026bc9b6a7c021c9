#pragma once

#include "backend/event.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Which meeting comes next, and what the timer says about it. Pure: the
// answers depend only on the events and the moment given, read in the local
// time zone.
//
// Only events with a start time of day take part (all-day events never do),
// and none that was cancelled. An event lasts from its start to its end; one
// whose end is missing or before its start lasts no time at all.

// Whether `event` takes part: it has a start time of day and was not
// cancelled.
bool takesPart(const Event &event);

// The first moment of the day after `now`'s.
QDateTime nextMidnight(const QDateTime &now);

// When `event` ends: its end, never before its start.
QDateTime endOf(const Event &event);

// The next meeting at `now`: of the events of `now`'s day (they start before
// the next midnight) that have not ended (an event ending exactly at `now`
// has), the one that starts first; on equal starts the first in the list. A
// meeting under way counts: it is the next one until it ends.
std::optional<Event> nextMeeting(const QList<Event> &events, const QDateTime &now);

// The line under the ring.
struct MeetingLine
{
    // "Standup in 12 min", "Standup at 2:00 PM" (an hour away or more),
    // "Standup now"; while a focus phase runs into a meeting, "Standup starts
    // 8 min before this focus phase ends". Empty when today has no more
    // meetings.
    QString text;
    // The meeting the line names.
    std::optional<Event> event;
    // When the text can next change with the time alone: the next whole
    // minute it counts, the start or end of the meeting, or midnight.
    QDateTime changesAt;
};

// The line at `now`; `focusEnds` is when the running focus phase ends
// (invalid when none runs). Minutes are counted up: 30 seconds before the
// start is "in 1 min".
MeetingLine meetingLine(const QList<Event> &events, const QDateTime &now, const QDateTime &focusEnds = {});
