#pragma once

#include <QObject>
#include <QString>

class DayClock;
class HistoryStore;
class PhaseRecorder;

// "Today: 3 focus phases · 1 h 15 min": the focus phases started today and
// the time counted in them, from the history and the phases not on disk yet.
// Brought up to date with every write of the recorder (at least once a
// minute while a phase runs) and at midnight. Empty while the history is off.
class TodaySummary : public QObject
{
    Q_OBJECT

    Q_PROPERTY(QString text READ text NOTIFY textChanged)

public:
    TodaySummary(HistoryStore *store, PhaseRecorder *recorder, DayClock *clock, QObject *parent = nullptr);

    QString text() const { return m_text; }
    int phases() const { return m_phases; }
    qint64 focusedSeconds() const { return m_seconds; }

    // "1 h 15 min", "25 min".
    static QString durationText(qint64 seconds);

    void update();

Q_SIGNALS:
    void textChanged();

private:
    HistoryStore *m_store;
    PhaseRecorder *m_recorder;
    DayClock *m_clock;
    QString m_text;
    int m_phases = 0;
    qint64 m_seconds = 0;
};
