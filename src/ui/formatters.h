#pragma once

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QQmlEngine>
#include <QString>

struct Event;
struct Task2;

// Texts the popover shows for times and dates. Each formatter takes "now" and
// the locale so tests can pin both; the short overloads use the current time
// and the default locale (the system's, unless the application set another).
// Dates are split in the local time zone.

// Seconds as "mm:ss": the fraction is dropped, minutes are not capped at 59.
QString formatTime(double seconds);

// A due date: "Today", "Yesterday" or "Tomorrow" for a date without a time of
// day near now, the day and full month name for any other such date, and the
// medium date with the short time when it has a time of day.
QString formatDueDate(const QDateTime &date, const QDateTime &now, const QLocale &locale);
QString formatDueDate(const QDateTime &date);

// An event's start: "Today", "Yesterday" or "Tomorrow" when it starts at
// midnight on one of those days, otherwise the medium date with the short time.
QString formatEventDate(const QDateTime &date, const QDateTime &now, const QLocale &locale);
QString formatEventDate(const QDateTime &date);

// The locale's medium date followed by its short time, as a QLocale pattern
// ("MMM d, yyyy h:mm AP" in American English). QLocale has only short and
// long date formats: the medium one is the long one without the weekday and
// with abbreviated month names, which is what users know from other desktops.
QString mediumDateShortTimePattern(const QLocale &locale);

// The formatters for the views.
class Formatters : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    static Formatters *create(QQmlEngine *, QJSEngine *);

    Q_INVOKABLE QString formatTime(double seconds) const;
    Q_INVOKABLE QString formatDueDate(const QDateTime &date) const;
    Q_INVOKABLE QString formatEventDate(const QDateTime &date) const;
    // The second line of a task row; empty when the task has no due date.
    Q_INVOKABLE QString dueText(const Task2 &task) const;
    // The second line of an event row; empty when the event has no start time.
    Q_INVOKABLE QString startText(const Event &event) const;

private:
    explicit Formatters(QObject *parent = nullptr);
};
