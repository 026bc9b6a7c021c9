#pragma once

#include <QDate>
#include <QObject>
#include <QQmlEngine>
#include <QUrl>
#include <QVariantList>

class DayClock;
class HistoryStore;
class PhaseRecorder;

// What the "Focus History" window shows: one week's focused minutes per day,
// the tasks of the selected day (or of the whole week) with their phases and
// time, and today's phases with their times. Reads the history file and the
// phase under way; moves by week; exports every phase as CSV; clears it all.
class FocusHistoryModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app")

    /// The week shown, as a title: "7 – 13 Dec 2026".
    Q_PROPERTY(QString weekTitle READ weekTitle NOTIFY changed)
    /// One entry a day of the week: label, date, minutes, isToday, isFuture.
    Q_PROPERTY(QVariantList days READ days NOTIFY changed)
    /// The most minutes of any day of the week, at least 60: the bars' scale.
    Q_PROPERTY(int scaleMinutes READ scaleMinutes NOTIFY changed)
    /// The week's focused time, as text.
    Q_PROPERTY(QString weekTotal READ weekTotal NOTIFY changed)
    /// The day whose tasks are listed, 0 to 6; -1: the whole week.
    Q_PROPERTY(int selectedDay READ selectedDay WRITE selectDay NOTIFY changed)
    /// What the task list is about: a day or "This week".
    Q_PROPERTY(QString selectionTitle READ selectionTitle NOTIFY changed)
    /// Tasks of the selection, most time first: title, phases, time.
    Q_PROPERTY(QVariantList tasks READ tasks NOTIFY changed)
    /// Today's phases, oldest first: times, kind, task, time, ending.
    Q_PROPERTY(QVariantList todayPhases READ todayPhases NOTIFY changed)
    /// A later week can be shown (not past the current one).
    Q_PROPERTY(bool canGoForward READ canGoForward NOTIFY changed)
    /// The history can be read: false when it is off for this run.
    Q_PROPERTY(bool available READ available NOTIFY changed)

public:
    // All three must outlive the model.
    FocusHistoryModel(HistoryStore *store, PhaseRecorder *recorder, DayClock *clock, QObject *parent = nullptr);

    QString weekTitle() const;
    QVariantList days() const { return m_days; }
    int scaleMinutes() const { return m_scaleMinutes; }
    QString weekTotal() const { return m_weekTotal; }
    int selectedDay() const { return m_selectedDay; }
    QString selectionTitle() const;
    QVariantList tasks() const { return m_tasks; }
    QVariantList todayPhases() const { return m_todayPhases; }
    bool canGoForward() const;
    bool available() const;
    QDate weekStart() const { return m_weekStart; }

    Q_INVOKABLE void previousWeek();
    Q_INVOKABLE void nextWeek();
    // Back to the current week, today selected.
    Q_INVOKABLE void showToday();
    void selectDay(int day);
    // Reads the history again.
    Q_INVOKABLE void refresh();
    // While not live (its window closed) the model only notes that the
    // history changed, and reads it when it is live again: a phase under way
    // writes every minute, and a closed window has no use for it.
    void setLive(bool live);
    // Writes every phase as CSV to `file`; false, with one line, on failure.
    Q_INVOKABLE bool exportTo(const QUrl &file);
    // A file name for the export: "stint-history-2026-12-08.csv".
    Q_INVOKABLE QString exportFileName() const;
    // Removes every phase from the history.
    Q_INVOKABLE bool clear();

Q_SIGNALS:
    void changed();

private:
    void historyChanged();

    HistoryStore *m_store;
    PhaseRecorder *m_recorder;
    DayClock *m_clock;
    QDate m_weekStart;
    int m_selectedDay = -1;
    QVariantList m_days;
    int m_scaleMinutes = 60;
    QString m_weekTotal;
    QVariantList m_tasks;
    QVariantList m_todayPhases;
    bool m_live = true;
    bool m_stale = false;
};
