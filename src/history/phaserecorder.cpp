#include "history/phaserecorder.h"

#include "history/historystore.h"
#include "timer/dayclock.h"
#include "timer/defaultviewmodel.h"
#include "timer/startedtask.h"

#include <QCoreApplication>

PhaseRecorder::PhaseRecorder(DefaultViewModel *viewModel, HistoryStore *store, DayClock *clock, QObject *parent)
    : QObject(parent), m_viewModel(viewModel), m_store(store), m_clock(clock)
{
    connect(viewModel, &DefaultViewModel::isTimerRunningChanged, this, &PhaseRecorder::runningChanged);
    connect(viewModel, &DefaultViewModel::timeChanged, this, &PhaseRecorder::timeChanged);
    connect(viewModel, &DefaultViewModel::currentStateChanged, this, &PhaseRecorder::stateChanged);
    connect(viewModel, &DefaultViewModel::phaseEnded, this, [this] { close(PhaseRecord::Ending::ranOut); });
    m_started = new StartedTask(viewModel, this);
    connect(viewModel, &DefaultViewModel::taskQuestionAnswered, this, &PhaseRecorder::taskAnswered);
    // The real end of a phase that ran through a suspend.
    connect(clock, &DayClock::resumed, this, [this] {
        if (m_current)
            write();
    });
    // What a closed file could not take goes as soon as it opens.
    connect(store, &HistoryStore::opened, this, [this] {
        if (m_current || !m_unsaved.isEmpty())
            write();
    });
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &PhaseRecorder::finish);
}

void PhaseRecorder::runningChanged()
{
    const bool running = m_viewModel->isTimerRunning();
    if (running && !m_current) {
        PhaseRecord phase;
        phase.kind = m_viewModel->currentState() == PomodoroState::focus ? PhaseRecord::Kind::focus
                                                                         : PhaseRecord::Kind::rest;
        phase.startedAt = m_clock->now();
        phase.endedAt = phase.startedAt;
        phase.plannedSeconds = int(m_viewModel->duration(m_viewModel->currentState()));
        phase.focusedSeconds = qMax(0, phase.plannedSeconds - int(m_viewModel->time()));
        phase.taskTitle = m_viewModel->taskTitle();
        if (!phase.taskTitle.isEmpty() && phase.taskTitle == m_started->title())
            phase.googleTaskId = m_started->googleId();
        m_current = phase;
        m_writtenSeconds = phase.focusedSeconds;
        write();
        return;
    }
    // A pause or a resume; the tick that runs a phase out pauses it at zero
    // just before it ends, which the end writes.
    if (m_current && m_viewModel->time() > 0)
        write();
}

void PhaseRecorder::timeChanged()
{
    if (!m_current || !m_viewModel->isTimerRunning())
        return;
    m_current->focusedSeconds =
            qBound(0, m_current->plannedSeconds - int(m_viewModel->time()), m_current->plannedSeconds);
    if (m_current->focusedSeconds - m_writtenSeconds >= writeEverySeconds)
        write();
}

void PhaseRecorder::stateChanged()
{
    // Only the stop button switches a phase under way.
    const auto kind =
            m_viewModel->currentState() == PomodoroState::focus ? PhaseRecord::Kind::focus : PhaseRecord::Kind::rest;
    if (m_current && m_current->kind != kind)
        close(PhaseRecord::Ending::stopped);
}

void PhaseRecorder::close(PhaseRecord::Ending ending)
{
    if (!m_current)
        return;
    PhaseRecord phase = *m_current;
    m_current.reset();
    if (ending == PhaseRecord::Ending::ranOut)
        phase.focusedSeconds = phase.plannedSeconds;
    phase.ending = ending;
    phase.endedAt = m_clock->now();
    if (phase.kind == PhaseRecord::Kind::focus && !phase.taskTitle.isEmpty())
        m_lastFocus = phase;
    m_unsaved.append(phase);
    write();
}

void PhaseRecorder::finish()
{
    close(PhaseRecord::Ending::quit);
}

void PhaseRecorder::taskAnswered(bool done)
{
    if (!m_lastFocus)
        return;
    m_lastFocus->answer = done ? PhaseRecord::Answer::yes : PhaseRecord::Answer::no;
    const PhaseRecord phase = *m_lastFocus;
    m_lastFocus.reset(); // one answer a phase
    // Still waiting for the disk: the answer goes with it.
    auto waiting = std::find_if(m_unsaved.begin(), m_unsaved.end(),
                                [&](const PhaseRecord &other) { return other.startedAt == phase.startedAt; });
    if (waiting != m_unsaved.end())
        waiting->answer = phase.answer;
    else
        m_unsaved.append(phase);
    write();
    Q_EMIT answered(phase);
}

void PhaseRecorder::write()
{
    if (m_writing)
        return;
    m_writing = true;
    // Closed phases first, in order; the first refusal keeps the rest.
    while (!m_unsaved.isEmpty()) {
        PhaseRecord &phase = m_unsaved.first();
        if (!m_store->save(phase))
            break;
        if (m_lastFocus && m_lastFocus->startedAt == phase.startedAt)
            m_lastFocus->id = phase.id;
        m_unsaved.removeFirst();
    }
    if (m_current) {
        m_current->endedAt = m_clock->now();
        if (m_store->save(*m_current))
            m_writtenSeconds = m_current->focusedSeconds;
    }
    m_writing = false;
    Q_EMIT changed();
}
