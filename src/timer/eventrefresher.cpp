#include "timer/eventrefresher.h"

#include "timer/dayclock.h"
#include "timer/defaultviewmodel.h"
#include "timer/meetingrule.h"

EventRefresher::EventRefresher(DefaultViewModel *viewModel, DayClock *clock)
    : QObject(viewModel), m_viewModel(viewModel), m_clock(clock)
{
    // Sent at every token refresh too: only a change of who is signed in counts.
    connect(viewModel, &DefaultViewModel::isSignedInChanged, this, &EventRefresher::followSignIn);
    connect(clock, &DayClock::woke, this, &EventRefresher::wake);
    connect(clock, &DayClock::resumed, this, &EventRefresher::resumed);
    followSignIn();
}

void EventRefresher::refresh()
{
    if (!m_signedIn || !m_viewModel)
        return;
    m_viewModel->fetchEvents();
    fetchAgainIn(interval);
}

void EventRefresher::followSignIn()
{
    const bool signedIn = m_viewModel && m_viewModel->isSignedIn();
    if (signedIn == m_signedIn)
        return;
    m_signedIn = signedIn;
    m_due = QDateTime();
    refresh();
}

void EventRefresher::wake()
{
    if (!m_signedIn)
        return;
    if (m_clock->now() >= m_due)
        return refresh();
    m_clock->wakeAt(m_due);
}

void EventRefresher::resumed()
{
    refresh();
    if (m_signedIn)
        fetchAgainIn(afterResume);
}

void EventRefresher::fetchAgainIn(std::chrono::minutes delay)
{
    const QDateTime now = m_clock->now();
    // Right after midnight the day's events are others.
    const QDateTime midnight = nextMidnight(now);
    m_due = std::min(now.addSecs(std::chrono::seconds(delay).count()), midnight);
    m_clock->wakeAt(m_due);
}
