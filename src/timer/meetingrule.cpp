#include "timer/meetingrule.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

constexpr qint64 minute = 60 * 1000;
constexpr int countedMinutes = 60; // further ahead, the line gives the time of day

// Whole minutes from `from` to `to`, counted up.
qint64 minutesUp(const QDateTime &from, const QDateTime &to)
{
    const qint64 ms = from.msecsTo(to);
    return (ms + minute - 1) / minute;
}

} // namespace

bool takesPart(const Event &event)
{
    return event.start.dateTime && event.status != u"cancelled";
}

QDateTime nextMidnight(const QDateTime &now)
{
    const QDateTime local = now.toLocalTime();
    return QDateTime(local.date().addDays(1), QTime(0, 0));
}

QDateTime endOf(const Event &event)
{
    const QDateTime start = event.start.dateTime.value_or(QDateTime());
    const QDateTime end = event.end.dateTime.value_or(start);
    return end < start ? start : end;
}

std::optional<Event> nextMeeting(const QList<Event> &events, const QDateTime &now)
{
    const QDateTime midnight = nextMidnight(now);
    const Event *next = nullptr;
    for (const Event &event : events) {
        if (!takesPart(event) || *event.start.dateTime >= midnight || endOf(event) <= now)
            continue;
        if (!next || *event.start.dateTime < *next->start.dateTime)
            next = &event;
    }
    return next ? std::optional(*next) : std::nullopt;
}

MeetingLine meetingLine(const QList<Event> &events, const QDateTime &now, const QDateTime &focusEnds)
{
    MeetingLine line;
    line.changesAt = nextMidnight(now);
    const auto until = [&line](const QDateTime &moment) { line.changesAt = std::min(line.changesAt, moment); };

    // A focus phase that runs into a meeting says so until the meeting starts.
    if (focusEnds.isValid()) {
        const Event *met = nullptr;
        for (const Event &event : events) {
            const bool during = takesPart(event) && *event.start.dateTime > now && *event.start.dateTime < focusEnds;
            if (during && (!met || *event.start.dateTime < *met->start.dateTime))
                met = &event;
        }
        if (met) {
            const int before = int(minutesUp(*met->start.dateTime, focusEnds));
            line.text = QCoreApplication::translate("MeetingLine", "%1 starts %n min before this focus phase ends",
                                                    nullptr, before)
                                .arg(met->summary);
            line.event = *met;
            until(*met->start.dateTime);
            return line;
        }
    }

    line.event = nextMeeting(events, now);
    if (!line.event)
        return line;
    const QDateTime start = *line.event->start.dateTime;
    const QString summary = line.event->summary;
    if (start <= now) {
        line.text = QCoreApplication::translate("MeetingLine", "%1 now").arg(summary);
        until(endOf(*line.event));
        return line;
    }
    const qint64 minutes = minutesUp(now, start);
    if (minutes > countedMinutes) {
        line.text = QCoreApplication::translate("MeetingLine", "%1 at %2")
                            .arg(summary, QLocale().toString(start.toLocalTime().time(), QLocale::ShortFormat));
        until(start.addMSecs(-countedMinutes * minute));
        return line;
    }
    line.text = QCoreApplication::translate("MeetingLine", "%1 in %n min", nullptr, int(minutes)).arg(summary);
    // One minute less to count from here on, or the start itself.
    until(start.addMSecs(-(minutes - 1) * minute));
    return line;
}
