#include "ui/formatters.h"

#include "backend/event.h"
#include "backend/task.h"

#include <QRegularExpression>

namespace {

bool isMidnight(const QDateTime &local)
{
    // Fractions of a second do not count: 00:00:00.500 is still midnight.
    const QTime time = local.time();
    return time.hour() == 0 && time.minute() == 0 && time.second() == 0;
}

// "Today", "Yesterday" or "Tomorrow" when `day` is one of those seen from
// `today`; empty otherwise. Plain words: they are data-like texts that the
// rows show verbatim.
QString relativeDayName(QDate day, QDate today)
{
    if (day == today)
        return QStringLiteral("Today");
    if (day == today.addDays(-1))
        return QStringLiteral("Yesterday");
    if (day == today.addDays(1))
        return QStringLiteral("Tomorrow");
    return {};
}

QString mediumDateShortTime(const QDateTime &local, const QLocale &locale)
{
    return locale.toString(local, mediumDateShortTimePattern(locale));
}

} // namespace

QString formatTime(double seconds)
{
    const qint64 whole = static_cast<qint64>(seconds);
    const qint64 minutes = whole / 60;
    const qint64 rest = whole - minutes * 60;
    return QString::asprintf("%02lld:%02lld", static_cast<long long>(minutes), static_cast<long long>(rest));
}

QString mediumDateShortTimePattern(const QLocale &locale)
{
    QString date = locale.dateFormat(QLocale::LongFormat);
    // The weekday ("ddd" or "dddd"), with the separators that tie it to the
    // rest: "dddd, MMMM d, yyyy" -> "MMMM d, yyyy", "yyyy年M月d日dddd" -> "yyyy年M月d日".
    static const QRegularExpression leadingWeekday(QStringLiteral("^d{3,4}[\\s,.،]*"));
    static const QRegularExpression trailingWeekday(QStringLiteral("[\\s,،]*(?<!d)d{3,4}$"));
    static const QRegularExpression innerWeekday(QStringLiteral("(?<!d)d{3,4}(?!d)[\\s,،]*"));
    date.remove(leadingWeekday);
    date.remove(trailingWeekday);
    date.remove(innerWeekday);
    date.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return date.trimmed() + u' ' + locale.timeFormat(QLocale::ShortFormat);
}

QString formatDueDate(const QDateTime &date, const QDateTime &now, const QLocale &locale)
{
    const QDateTime local = date.toLocalTime();
    if (!isMidnight(local))
        return mediumDateShortTime(local, locale);
    const QString relative = relativeDayName(local.date(), now.toLocalTime().date());
    return relative.isEmpty() ? locale.toString(local.date(), QStringLiteral("dd MMMM")) : relative;
}

QString formatDueDate(const QDateTime &date)
{
    return formatDueDate(date, QDateTime::currentDateTime(), QLocale());
}

QString formatEventDate(const QDateTime &date, const QDateTime &now, const QLocale &locale)
{
    const QDateTime local = date.toLocalTime();
    if (isMidnight(local)) {
        const QString relative = relativeDayName(local.date(), now.toLocalTime().date());
        if (!relative.isEmpty())
            return relative;
    }
    return mediumDateShortTime(local, locale);
}

QString formatEventDate(const QDateTime &date)
{
    return formatEventDate(date, QDateTime::currentDateTime(), QLocale());
}

Formatters::Formatters(QObject *parent) : QObject(parent) { }

Formatters *Formatters::create(QQmlEngine *, QJSEngine *)
{
    // Owned by the engine that asked for it.
    return new Formatters;
}

QString Formatters::formatTime(double seconds) const
{
    return ::formatTime(seconds);
}

QString Formatters::formatDueDate(const QDateTime &date) const
{
    return ::formatDueDate(date);
}

QString Formatters::formatEventDate(const QDateTime &date) const
{
    return ::formatEventDate(date);
}

QString Formatters::dueText(const Task2 &task) const
{
    const std::optional<QDateTime> due = task.dueDate();
    return due ? ::formatDueDate(*due) : QString();
}

QString Formatters::startText(const Event &event) const
{
    return event.start.dateTime ? ::formatEventDate(*event.start.dateTime) : QString();
}
