#include "app/phasenotifier.h"

#include "app/desktopnotifications.h"
#include "timer/defaultviewmodel.h"

namespace {

const QString defaultAction = QStringLiteral("default");
const QString yesAction = QStringLiteral("yes");
const QString noAction = QStringLiteral("no");

} // namespace

PhaseNotifier::PhaseNotifier(DefaultViewModel *viewModel, DesktopNotifications *notifications,
                             std::function<void()> openPopover)
    : QObject(viewModel), m_viewModel(viewModel), m_notifications(notifications), m_openPopover(std::move(openPopover))
{
    connect(viewModel, &DefaultViewModel::phaseEnded, this, &PhaseNotifier::notify);
    connect(viewModel, &DefaultViewModel::shouldAskIfTaskIsDoneChanged, this, [this] {
        // Answered in the popover (or put off by starting again): the
        // notification's buttons have nothing left to answer.
        if (m_asking && m_viewModel && !m_viewModel->shouldAskIfTaskIsDone())
            withdraw();
    });
    connect(notifications, &DesktopNotifications::actionInvoked, this, &PhaseNotifier::actionInvoked);
    connect(notifications, &DesktopNotifications::closed, this, [this](uint id) {
        if (id == m_shownId) {
            m_shownId = 0;
            m_asking = false;
        }
    });
}

void PhaseNotifier::notify()
{
    if (!m_viewModel)
        return;
    const bool asking = m_viewModel->shouldAskIfTaskIsDone();
    QStringList actions{defaultAction, tr("Open Stint")};
    if (asking)
        actions << yesAction << tr("Yes") << noAction << tr("No");
    const QString summary =
            m_viewModel->currentState() == PomodoroState::focus ? tr("Focus phase over") : tr("Rest over");
    // A new end of a phase replaces a notification still up from the last.
    m_notifications->show(
            m_shownId, summary, m_viewModel->taskTitle(), actions, [self = QPointer(this), asking](uint id) {
                if (!self)
                    return;
                self->m_shownId = id;
                self->m_asking = asking && self->m_viewModel && self->m_viewModel->shouldAskIfTaskIsDone();
                if (asking && !self->m_asking)
                    self->withdraw(); // answered in the popover while the server was still answering
            });
}

void PhaseNotifier::withdraw()
{
    m_notifications->close(m_shownId);
    m_shownId = 0;
    m_asking = false;
}

void PhaseNotifier::actionInvoked(uint id, const QString &action)
{
    if (id != m_shownId || !m_viewModel)
        return;
    if (action == defaultAction) {
        if (m_openPopover)
            m_openPopover();
    } else if ((action == yesAction || action == noAction) && m_asking) {
        // Whichever answer: the same as the popover's buttons.
        m_asking = false;
        m_viewModel->answerTaskQuestion();
    }
}
