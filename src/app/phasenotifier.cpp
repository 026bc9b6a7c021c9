#include "app/phasenotifier.h"

#include "common/outputline.h"
#include "timer/defaultviewmodel.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");

const QString defaultAction = QStringLiteral("default");
const QString yesAction = QStringLiteral("yes");
const QString noAction = QStringLiteral("no");

} // namespace

PhaseNotifier::PhaseNotifier(DefaultViewModel *viewModel, std::function<void()> openPopover, const QDBusConnection &bus)
    : QObject(viewModel), m_viewModel(viewModel), m_openPopover(std::move(openPopover)), m_bus(bus)
{
    connect(viewModel, &DefaultViewModel::phaseEnded, this, &PhaseNotifier::notify);
    connect(viewModel, &DefaultViewModel::shouldAskIfTaskIsDoneChanged, this, [this] {
        // Answered in the popover (or put off by starting again): the
        // notification's buttons have nothing left to answer.
        if (m_asking && m_viewModel && !m_viewModel->shouldAskIfTaskIsDone())
            withdraw();
    });
    if (m_bus.isConnected()) {
        m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                      SLOT(actionInvoked(uint, QString)));
        m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                      SLOT(notificationClosed(uint, uint)));
    }
}

void PhaseNotifier::notify()
{
    if (!m_viewModel)
        return;
    if (!m_bus.isConnected())
        return unavailable();

    const bool asking = m_viewModel->shouldAskIfTaskIsDone();
    QStringList actions{defaultAction, tr("Open Stint")};
    if (asking)
        actions << yesAction << tr("Yes") << noAction << tr("No");
    const QString summary =
            m_viewModel->currentState() == PomodoroState::focus ? tr("Focus phase over") : tr("Rest over");
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("app.stint.Stint")},
                            {QStringLiteral("category"), QStringLiteral("im.received")}};

    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    // A new end of a phase replaces a notification still up from the last.
    call << QStringLiteral("Stint") << m_shownId << QStringLiteral("app.stint.Stint") << summary
         << m_viewModel->taskTitle() << actions << hints << -1;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, asking] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError())
            return unavailable();
        m_shownId = reply.value();
        m_asking = asking && m_viewModel && m_viewModel->shouldAskIfTaskIsDone();
        if (asking && !m_asking)
            withdraw(); // answered in the popover while the server was still answering us
    });
}

void PhaseNotifier::withdraw()
{
    if (m_shownId == 0)
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("CloseNotification"))
                    << m_shownId);
    m_shownId = 0;
    m_asking = false;
}

void PhaseNotifier::actionInvoked(uint id, const QString &action)
{
    if (id == 0 || id != m_shownId || !m_viewModel)
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

void PhaseNotifier::notificationClosed(uint id, uint)
{
    if (id != 0 && id == m_shownId) {
        m_shownId = 0;
        m_asking = false;
    }
}

void PhaseNotifier::unavailable()
{
    if (m_reportedMissing)
        return;
    m_reportedMissing = true;
    printLine(QStringLiteral("No notification server: phase ends are not shown on the desktop"));
}
