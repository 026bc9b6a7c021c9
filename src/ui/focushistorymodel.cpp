#include "ui/focushistorymodel.h"

#include "common/outputline.h"
#include "history/historystore.h"
#include "history/phaserecorder.h"
#include "history/todaysummary.h"
#include "timer/dayclock.h"

#include <QFile>
#include <QLocale>
#include <QMap>
#include <QSaveFile>

#include <algorithm>

namespace {

// The phases started in [from, to): the file's, with what only memory holds
// put in their place or added.
QList<PhaseRecord> phasesBetween(const HistoryStore &store, const PhaseRecorder &recorder, const QDateTime &from,
                                 const QDateTime &to)
{
    QList<PhaseRecord> phases = store.phases(from, to);
    QList<PhaseRecord> inMemory = recorder.unsaved();
    if (recorder.current())
        inMemory.append(*recorder.current());
    for (const PhaseRecord &phase : inMemory) {
        if (phase.startedAt < from || phase.startedAt >= to)
            continue;
        auto row = std::find_if(phases.begin(), phases.end(),
                                [&](const PhaseRecord &other) { return phase.id != 0 && other.id == phase.id; });
        if (row != phases.end())
            *row = phase;
        else
            phases.append(phase);
    }
    std::stable_sort(phases.begin(), phases.end(),
                     [](const PhaseRecord &a, const PhaseRecord &b) { return a.startedAt < b.startedAt; });
    return phases;
}

QString endingText(PhaseRecord::Ending ending)
{
    switch (ending) {
    case PhaseRecord::Ending::open:
        return FocusHistoryModel::tr("under way");
    case PhaseRecord::Ending::ranOut:
        return FocusHistoryModel::tr("ran out");
    case PhaseRecord::Ending::stopped:
        return FocusHistoryModel::tr("stopped");
    case PhaseRecord::Ending::quit:
        return FocusHistoryModel::tr("Stint quit");
    case PhaseRecord::Ending::interrupted:
        return FocusHistoryModel::tr("interrupted");
    }
    return {};
}

} // namespace

FocusHistoryModel::FocusHistoryModel(HistoryStore *store, PhaseRecorder *recorder, DayClock *clock, QObject *parent)
    : QObject(parent), m_store(store), m_recorder(recorder), m_clock(clock)
{
    connect(store, &HistoryStore::changed, this, &FocusHistoryModel::historyChanged);
    connect(store, &HistoryStore::opened, this, &FocusHistoryModel::historyChanged);
    showToday();
}

QString FocusHistoryModel::weekTitle() const
{
    const QLocale locale;
    const QDate last = m_weekStart.addDays(6);
    return locale.toString(m_weekStart, QLocale::ShortFormat) + QStringLiteral(" – ")
            + locale.toString(last, QLocale::ShortFormat);
}

QString FocusHistoryModel::selectionTitle() const
{
    if (m_selectedDay < 0)
        return tr("This week");
    return QLocale().toString(m_weekStart.addDays(m_selectedDay), QLocale::LongFormat);
}

bool FocusHistoryModel::canGoForward() const
{
    return m_weekStart.addDays(7) <= m_clock->now().date();
}

bool FocusHistoryModel::available() const
{
    return m_store->state() != HistoryStore::State::newerSchema;
}

void FocusHistoryModel::previousWeek()
{
    m_weekStart = m_weekStart.addDays(-7);
    m_selectedDay = -1;
    refresh();
}

void FocusHistoryModel::nextWeek()
{
    if (!canGoForward())
        return;
    m_weekStart = m_weekStart.addDays(7);
    m_selectedDay = -1;
    refresh();
}

void FocusHistoryModel::showToday()
{
    const QDate today = m_clock->now().date();
    const int firstDay = QLocale().firstDayOfWeek();
    const int back = (today.dayOfWeek() - firstDay + 7) % 7;
    m_weekStart = today.addDays(-back);
    m_selectedDay = back;
    refresh();
}

void FocusHistoryModel::selectDay(int day)
{
    m_selectedDay = qBound(-1, day, 6);
    refresh();
}

void FocusHistoryModel::historyChanged()
{
    if (m_live)
        refresh();
    else
        m_stale = true;
}

void FocusHistoryModel::setLive(bool live)
{
    m_live = live;
    if (live && m_stale)
        refresh();
}

void FocusHistoryModel::refresh()
{
    m_stale = false;
    const QLocale locale;
    const QDate today = m_clock->now().date();
    const QList<PhaseRecord> week =
            phasesBetween(*m_store, *m_recorder, m_weekStart.startOfDay(), m_weekStart.addDays(7).startOfDay());

    // Minutes per day, and the tasks of the selection.
    qint64 seconds[7] = {};
    struct TaskTotal
    {
        QString title;
        int phases = 0;
        qint64 seconds = 0;
    };
    QList<TaskTotal> tasks;
    for (const PhaseRecord &phase : week) {
        if (phase.kind != PhaseRecord::Kind::focus || phase.focusedSeconds <= 0)
            continue;
        const qint64 day = m_weekStart.daysTo(phase.startedAt.date());
        if (day < 0 || day > 6)
            continue;
        seconds[day] += phase.focusedSeconds;
        if (m_selectedDay >= 0 && day != m_selectedDay)
            continue;
        auto task = std::find_if(tasks.begin(), tasks.end(),
                                 [&](const TaskTotal &total) { return total.title == phase.taskTitle; });
        if (task == tasks.end())
            task = tasks.insert(tasks.end(), TaskTotal{phase.taskTitle});
        ++task->phases;
        task->seconds += phase.focusedSeconds;
    }
    std::stable_sort(tasks.begin(), tasks.end(),
                     [](const TaskTotal &a, const TaskTotal &b) { return a.seconds > b.seconds; });

    m_days.clear();
    qint64 weekSeconds = 0;
    int most = 0;
    for (int day = 0; day < 7; ++day) {
        const QDate date = m_weekStart.addDays(day);
        const int minutes = int(seconds[day] / 60);
        weekSeconds += seconds[day];
        most = qMax(most, minutes);
        m_days.append(QVariantMap{{QStringLiteral("label"), locale.dayName(date.dayOfWeek(), QLocale::ShortFormat)},
                                  {QStringLiteral("date"), locale.toString(date, QStringLiteral("d MMM"))},
                                  {QStringLiteral("minutes"), minutes},
                                  {QStringLiteral("time"), TodaySummary::durationText(seconds[day])},
                                  {QStringLiteral("isToday"), date == today},
                                  {QStringLiteral("isFuture"), date > today}});
    }
    m_scaleMinutes = qMax(60, most);
    m_weekTotal = TodaySummary::durationText(weekSeconds);

    m_tasks.clear();
    for (const TaskTotal &task : tasks) {
        m_tasks.append(QVariantMap{
                {QStringLiteral("title"), task.title.isEmpty() ? tr("No task") : task.title},
                {QStringLiteral("phases"), task.phases == 1 ? tr("1 phase") : tr("%n phases", nullptr, task.phases)},
                {QStringLiteral("time"), TodaySummary::durationText(task.seconds)}});
    }

    m_todayPhases.clear();
    for (const PhaseRecord &phase :
         phasesBetween(*m_store, *m_recorder, today.startOfDay(), today.addDays(1).startOfDay())) {
        const QString times = locale.toString(phase.startedAt.time(), QLocale::ShortFormat) + QStringLiteral("–")
                + locale.toString(phase.endedAt.time(), QLocale::ShortFormat);
        m_todayPhases.append(
                QVariantMap{{QStringLiteral("times"), times},
                            {QStringLiteral("kind"), phase.kind == PhaseRecord::Kind::focus ? tr("Focus") : tr("Rest")},
                            {QStringLiteral("isFocus"), phase.kind == PhaseRecord::Kind::focus},
                            {QStringLiteral("task"), phase.taskTitle},
                            {QStringLiteral("time"), TodaySummary::durationText(phase.focusedSeconds)},
                            {QStringLiteral("ending"), endingText(phase.ending)}});
    }
    Q_EMIT changed();
}

QString FocusHistoryModel::exportFileName() const
{
    return QStringLiteral("stint-history-%1.csv").arg(m_clock->now().date().toString(Qt::ISODate));
}

bool FocusHistoryModel::exportTo(const QUrl &file)
{
    const QString path = file.isLocalFile() ? file.toLocalFile() : file.toString();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        printLine(QStringLiteral("Focus history export failed: ") + out.errorString());
        return false;
    }
    out.write(PhaseExport::csvHeader());
    for (const PhaseRecord &phase :
         phasesBetween(*m_store, *m_recorder, QDateTime::fromMSecsSinceEpoch(0), m_clock->now().addYears(100)))
        out.write(PhaseExport::csvRow(phase));
    if (!out.commit()) {
        printLine(QStringLiteral("Focus history export failed: ") + out.errorString());
        return false;
    }
    printLine(QStringLiteral("Focus history exported to ") + path);
    return true;
}

bool FocusHistoryModel::clear()
{
    const bool cleared = m_store->clear();
    refresh();
    return cleared;
}
