#include "app/timerbus.h"

#include "common/outputline.h"
#include "timer/defaultviewmodel.h"

#include <QDBusConnectionInterface>

#include <cmath>

const QString TimerBus::serviceName = QStringLiteral("app.stint.Stint");
const QString TimerBus::objectPath = QStringLiteral("/app/stint/Stint");
const QString TimerBus::interfaceName = QStringLiteral("app.stint.Stint.Timer");

TimerBus::TimerBus(DefaultViewModel *viewModel, std::function<void()> catchUp)
    : QObject(viewModel), m_viewModel(viewModel), m_catchUp(std::move(catchUp))
{
    for (auto signal : {&DefaultViewModel::timeChanged, &DefaultViewModel::isTimerRunningChanged,
                        &DefaultViewModel::currentStateChanged, &DefaultViewModel::taskTitleChanged})
        connect(viewModel, signal, this, &TimerBus::update);
    m_shown = shown();
}

bool TimerBus::publish(QDBusConnection bus)
{
    if (!bus.isConnected()) {
        printLine(QStringLiteral("No session bus: the command line and status bars cannot reach Stint"));
        return false;
    }
    if (!bus.registerObject(objectPath, this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
                                    | QDBusConnection::ExportAllProperties)) {
        printLine(QStringLiteral("Stint's timer could not be put on the session bus"));
        return false;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
            serviceName, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(objectPath);
        printLine(QStringLiteral("%1 is taken on the session bus: the command line reaches another program")
                          .arg(serviceName));
        return false;
    }
    return true;
}

DefaultViewModel *TimerBus::upToDate() const
{
    if (m_viewModel && m_catchUp)
        m_catchUp();
    return m_viewModel;
}

QString TimerBus::phase() const
{
    return !m_viewModel || m_viewModel->currentState() == PomodoroState::focus ? QStringLiteral("focus")
                                                                               : QStringLiteral("rest");
}

bool TimerBus::running() const
{
    return m_viewModel && m_viewModel->isTimerRunning();
}

int TimerBus::remaining() const
{
    const DefaultViewModel *viewModel = upToDate();
    return viewModel ? int(std::ceil(viewModel->time())) : 0;
}

int TimerBus::duration() const
{
    return m_viewModel ? int(m_viewModel->duration(m_viewModel->currentState())) : 0;
}

QString TimerBus::taskTitle() const
{
    return m_viewModel ? m_viewModel->taskTitle() : QString();
}

void TimerBus::Start()
{
    DefaultViewModel *viewModel = upToDate();
    if (viewModel && !viewModel->isTimerRunning())
        viewModel->setIsTimerRunning(true);
}

void TimerBus::Pause()
{
    DefaultViewModel *viewModel = upToDate();
    if (viewModel && viewModel->isTimerRunning())
        viewModel->setIsTimerRunning(false);
}

void TimerBus::Toggle()
{
    DefaultViewModel *viewModel = upToDate();
    if (viewModel)
        viewModel->setIsTimerRunning(!viewModel->isTimerRunning());
}

void TimerBus::Stop()
{
    DefaultViewModel *viewModel = upToDate();
    if (viewModel)
        viewModel->stopAndSwitchPhase();
}

void TimerBus::StartTask(const QString &title)
{
    DefaultViewModel *viewModel = upToDate();
    if (!viewModel)
        return;
    const QString trimmed = title.trimmed();
    if (trimmed.isEmpty())
        return Start();
    // As a text dropped on the ring.
    viewModel->setTaskTitle(trimmed);
    viewModel->handleDroppedText(trimmed);
}

TimerBus::Shown TimerBus::shown() const
{
    // Read on the view-model's own changes, so already up to date: no catch-up
    // (which would re-arm the tick timer) on every tick.
    const int left = m_viewModel ? int(std::ceil(m_viewModel->time())) : 0;
    return {phase(), running(), int(std::ceil(left / 60.0)), taskTitle()};
}

void TimerBus::update()
{
    // One operation sets several fields (a titled start readies the other
    // phase on the way): one Changed, once it is all done.
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &TimerBus::announce, Qt::QueuedConnection);
}

void TimerBus::announce()
{
    m_pending = false;
    const Shown now = shown();
    if (now == m_shown)
        return;
    m_shown = now;
    Q_EMIT Changed();
}
