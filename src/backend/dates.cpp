#include "backend/dates.h"

namespace {

// Reads exactly `count` ASCII digits at `pos`; -1 when any is not a digit.
int digits(QStringView text, qsizetype pos, qsizetype count)
{
    int value = 0;
    for (qsizetype i = pos; i < pos + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// "yyyy-MM-dd" at the start of `text` (which must be long enough).
QDate readDate(QStringView text)
{
    if (text[4] != u'-' || text[7] != u'-')
        return {};
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    // Year 0 exists in RFC 3339 but not in QDate; isValid() refuses it.
    if (year < 0 || month < 0 || day < 0 || !QDate::isValid(year, month, day))
        return {};
    return QDate(year, month, day);
}

// "HH:mm:ss" at `pos`. Leap seconds (":60") are refused: QTime cannot hold
// them, and the calendar data we read never carries one.
QTime readTime(QStringView text, qsizetype pos)
{
    if (text[pos + 2] != u':' || text[pos + 5] != u':')
        return {};
    const int hour = digits(text, pos, 2);
    const int minute = digits(text, pos + 3, 2);
    const int second = digits(text, pos + 6, 2);
    if (hour < 0 || minute < 0 || second < 0 || !QTime::isValid(hour, minute, second))
        return {};
    return QTime(hour, minute, second);
}

// A wall-clock time in the user's zone. Qt 6.4 calls a time that the clocks
// skip at a daylight-saving change invalid; we take it the way a person
// would read a clock that was not yet put forward, which lands the same
// distance past the change (00:30 in a one-hour gap at midnight is 01:30),
// and so keeps a due day on its own calendar day.
QDateTime localDateTime(QDate date, QTime time)
{
    QDateTime local(date, time, Qt::LocalTime);
    if (local.isValid())
        return local;
    const qint64 asIfUtc = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    // The offset in force a day earlier is the one from before the gap.
    const int offsetBefore = QDateTime::fromMSecsSinceEpoch(asIfUtc - 24 * 3600 * 1000, Qt::LocalTime).offsetFromUtc();
    return QDateTime::fromMSecsSinceEpoch(asIfUtc - qint64(offsetBefore) * 1000, Qt::LocalTime);
}

} // namespace

std::optional<QDateTime> parseRfc3339DateTime(QStringView text)
{
    // date-time = yyyy-MM-dd T HH:mm:ss [.fraction] (Z / +hh:mm / -hh:mm)
    constexpr qsizetype shortest = 20; // "2024-05-03T08:00:00Z"
    if (text.size() < shortest)
        return std::nullopt;
    const QDate date = readDate(text);
    // RFC 3339 lets the separator and the zone letter be lowercase.
    if (!date.isValid() || (text[10] != u'T' && text[10] != u't'))
        return std::nullopt;
    QTime time = readTime(text, 11);
    if (!time.isValid())
        return std::nullopt;

    qsizetype pos = 19;
    if (text[pos] == u'.') {
        ++pos;
        const qsizetype first = pos;
        int milliseconds = 0;
        while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
            // Digits past the millisecond are read and dropped.
            if (pos - first < 3)
                milliseconds = milliseconds * 10 + (text[pos].unicode() - u'0');
            ++pos;
        }
        if (pos == first)
            return std::nullopt;
        for (qsizetype scale = pos - first; scale < 3; ++scale)
            milliseconds *= 10;
        time = time.addMSecs(milliseconds);
    }

    if (pos >= text.size())
        return std::nullopt; // no zone designator
    int offsetSeconds = 0;
    const QChar zone = text[pos];
    if (zone == u'Z' || zone == u'z') {
        ++pos;
    } else if (zone == u'+' || zone == u'-') {
        if (text.size() - pos < 6 || text[pos + 3] != u':')
            return std::nullopt;
        const int hours = digits(text, pos + 1, 2);
        const int minutes = digits(text, pos + 4, 2);
        if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
            return std::nullopt;
        offsetSeconds = (hours * 60 + minutes) * 60 * (zone == u'-' ? -1 : 1);
        pos += 6;
    } else {
        return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;

    // An offset can carry the first or the last day past the years that
    // QDateTime writes in ISO form (1 to 9999); such an instant could not be
    // written back, and no calendar holds one.
    QDateTime instant = QDateTime(date, time, Qt::UTC).addSecs(-offsetSeconds);
    if (const int year = instant.date().year(); year < 1 || year > 9999)
        return std::nullopt;
    return instant;
}

std::optional<QDateTime> parseDueDate(QStringView text)
{
    // "yyyy-MM-dd'T'HH:mm:ss.SSS'Z'": the Z is a letter like the T, not a zone.
    if (text.size() == 24) {
        const QDate date = readDate(text);
        if (!date.isValid() || text[10] != u'T' || text[19] != u'.' || text[23] != u'Z')
            return std::nullopt;
        const QTime time = readTime(text, 11);
        const int milliseconds = digits(text, 20, 3);
        if (!time.isValid() || milliseconds < 0)
            return std::nullopt;
        return localDateTime(date, time.addMSecs(milliseconds));
    }
    // "yyyy-MM-dd": the start of that day.
    if (text.size() == 10) {
        const QDate date = readDate(text);
        if (!date.isValid())
            return std::nullopt;
        return localDateTime(date, QTime(0, 0));
    }
    return std::nullopt;
}
