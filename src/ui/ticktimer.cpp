#include "ui/ticktimer.h"

#include "timer/defaultviewmodel.h"
#include "ui/viewgate.h"

#include <time.h>

using namespace std::chrono;

milliseconds TickTimer::bootTime()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return duration_cast<milliseconds>(seconds(now.tv_sec) + nanoseconds(now.tv_nsec));
}

TickTimer::TickTimer(DefaultViewModel *viewModel, Clock clock)
    : QObject(viewModel), m_viewModel(viewModel), m_clock(std::move(clock))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TickTimer::catchUp);
    // Every assignment to isTimerRunning is announced, also one that keeps it
    // running: only a change from stopped to running starts the count afresh.
    connect(viewModel, &DefaultViewModel::isTimerRunningChanged, this, &TickTimer::followRunning);
    followRunning();
}

void TickTimer::followRunning()
{
    if (!m_viewModel || !m_viewModel->isTimerRunning()) {
        m_timer.stop();
        return;
    }
    if (m_timer.isActive())
        return;
    m_counted = m_clock();
    scheduleNext();
}

void TickTimer::catchUp()
{
    if (!m_viewModel)
        return;
    const milliseconds now = m_clock();
    const auto wholeSeconds = duration_cast<seconds>(now - m_counted).count();
    if (wholeSeconds > 0)
        m_counted += seconds(wholeSeconds);
    // The phase may end on any of these ticks; the ones after it find the
    // timer stopped and stop here (and the stop has stopped the timer).
    for (qint64 i = 0; i < wholeSeconds && m_viewModel->isTimerRunning(); ++i)
        m_viewModel->tick();
    if (m_viewModel && m_viewModel->isTimerRunning())
        scheduleNext();
}

void TickTimer::setSecondsWatched(bool watched)
{
    m_secondsWatched = watched;
    if (!m_timer.isActive())
        return;
    catchUp();
    if (m_timer.isActive())
        scheduleNext();
}

void TickTimer::followViews(ViewGate *gate)
{
    setSecondsWatched(gate->isOpen());
    connect(gate, &ViewGate::aboutToOpen, this, [this] { setSecondsWatched(true); });
    connect(gate, &ViewGate::openChanged, this, [this, gate] {
        if (!gate->isOpen())
            setSecondsWatched(false);
    });
}

void TickTimer::scheduleNext()
{
    seconds ahead(1);
    if (!m_secondsWatched) {
        // The next time the minutes left change, or the phase ends.
        const auto left = qint64(m_viewModel->time());
        ahead = seconds(left % 60 == 0 ? 60 : left % 60);
    }
    const milliseconds due = m_counted + ahead - m_clock();
    m_timer.start(qMax(due, milliseconds(0)));
}
