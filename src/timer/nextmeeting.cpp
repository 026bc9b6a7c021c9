#include "timer/nextmeeting.h"

#include "timer/dayclock.h"
#include "timer/defaultviewmodel.h"
#include "timer/meetingopener.h"
#include "timer/meetingrule.h"

NextMeeting::NextMeeting(DefaultViewModel *viewModel, DayClock *clock)
    : QObject(viewModel), m_viewModel(viewModel), m_clock(clock)
{
    connect(viewModel, &DefaultViewModel::eventsChanged, this, &NextMeeting::update);
    connect(viewModel, &DefaultViewModel::isSignedInChanged, this, &NextMeeting::update);
    connect(viewModel, &DefaultViewModel::isTimerRunningChanged, this, &NextMeeting::followCountdown);
    connect(viewModel, &DefaultViewModel::currentStateChanged, this, &NextMeeting::followCountdown);
    connect(clock, &DayClock::woke, this, &NextMeeting::update);
    update();
}

void NextMeeting::followCountdown()
{
    if (!m_viewModel)
        return;
    // When the phase ends is fixed as it starts (play, a task started, text
    // dropped): the countdown runs on through suspend, so it stays put.
    if (!m_viewModel->isTimerRunning() || m_viewModel->currentState() != PomodoroState::focus)
        m_focusEnds = QDateTime();
    else if (!m_focusEnds.isValid())
        m_focusEnds = m_clock->now().addMSecs(qint64(m_viewModel->time() * 1000));
    update();
}

void NextMeeting::update()
{
    if (!m_viewModel)
        return;
    MeetingLine line;
    if (m_viewModel->isSignedIn()) {
        line = meetingLine(m_viewModel->events(), m_clock->now(), m_focusEnds);
        m_clock->wakeAt(line.changesAt);
    }
    const bool sameEvent = line.event.has_value() == m_event.has_value()
            && (!line.event
                || (line.event->id == m_event->id && line.event->start.dateTime == m_event->start.dateTime
                    && line.event->meetingLink() == m_event->meetingLink()
                    && ::hasJoinLink(*line.event) == hasJoinLink()));
    if (line.text == m_text && sameEvent)
        return;
    m_text = line.text;
    m_event = line.event;
    Q_EMIT changed();
}

bool NextMeeting::hasJoinLink() const
{
    return m_event && ::hasJoinLink(*m_event);
}

QVariant NextMeeting::eventForQml() const
{
    return m_event ? QVariant::fromValue(*m_event) : QVariant();
}
