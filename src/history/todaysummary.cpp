#include "history/todaysummary.h"

#include "history/historystore.h"
#include "history/phaserecorder.h"
#include "timer/dayclock.h"

TodaySummary::TodaySummary(HistoryStore *store, PhaseRecorder *recorder, DayClock *clock, QObject *parent)
    : QObject(parent), m_store(store), m_recorder(recorder), m_clock(clock)
{
    connect(store, &HistoryStore::changed, this, &TodaySummary::update);
    connect(store, &HistoryStore::opened, this, &TodaySummary::update);
    connect(recorder, &PhaseRecorder::changed, this, &TodaySummary::update);
    connect(clock, &DayClock::woke, this, &TodaySummary::update);
    update();
}

QString TodaySummary::durationText(qint64 seconds)
{
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return tr("%n min", nullptr, int(minutes));
    return tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

void TodaySummary::update()
{
    const QDateTime now = m_clock->now();
    const QDateTime midnight = now.date().startOfDay();
    const QDateTime tomorrow = now.date().addDays(1).startOfDay();
    m_clock->wakeAt(tomorrow);

    int phases = 0;
    qint64 seconds = 0;
    if (m_store->state() != HistoryStore::State::newerSchema) {
        // The file, then what only memory holds: the phase under way as it
        // stands now, and closed phases the disk has not taken.
        QList<PhaseRecord> inMemory = m_recorder->unsaved();
        if (m_recorder->current())
            inMemory.append(*m_recorder->current());
        QList<qint64> rows;
        for (const PhaseRecord &phase : inMemory) {
            if (phase.id != 0)
                rows.append(phase.id);
        }
        const HistoryStore::Totals totals = m_store->focusTotals(midnight, tomorrow, rows);
        phases = totals.phases;
        seconds = totals.focusedSeconds;
        for (const PhaseRecord &phase : inMemory) {
            if (phase.kind == PhaseRecord::Kind::focus && phase.focusedSeconds > 0 && phase.startedAt >= midnight
                && phase.startedAt < tomorrow) {
                ++phases;
                seconds += phase.focusedSeconds;
            }
        }
    }
    QString text;
    if (m_store->state() == HistoryStore::State::newerSchema)
        text = QString();
    else if (phases == 0)
        text = tr("Today: no focus phases yet");
    else
        // English has its singular apart; the translations' plural forms cover every count.
        text = (phases == 1 ? tr("Today: 1 focus phase") : tr("Today: %n focus phases", nullptr, phases))
                + QStringLiteral(" · ") + durationText(seconds);
    m_phases = phases;
    m_seconds = seconds;
    if (text == m_text)
        return;
    m_text = text;
    Q_EMIT textChanged();
}
