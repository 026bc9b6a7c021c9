#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlEngine>

class TodaySummary;

// The popover's way to the focus history: the day's line to show, and the
// request to open the "Focus History" window. One per QML engine; without a
// summary (the history not set up, as in tests) the line is empty.
class FocusHistoryLink : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(FocusHistory)
    QML_SINGLETON

    /// "Today: 3 focus phases · 1 h 15 min"; empty while there is none to show.
    Q_PROPERTY(QString todayText READ todayText NOTIFY todayTextChanged)

public:
    static FocusHistoryLink *create(QQmlEngine *engine, QJSEngine *);
    static FocusHistoryLink *of(QQmlEngine *engine);

    void setSummary(TodaySummary *summary);
    QString todayText() const;

    // "Focus History…" or a click on the day's line.
    Q_INVOKABLE void open() { Q_EMIT openRequested(); }

Q_SIGNALS:
    void todayTextChanged();
    void openRequested();

private:
    explicit FocusHistoryLink(QObject *parent) : QObject(parent) { }

    QPointer<TodaySummary> m_summary;
};
