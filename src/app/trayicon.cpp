#include "app/trayicon.h"

#include "app/popoverplacement.h"
#include "app/traycountdown.h"
#include "common/outputline.h"
#include "timer/defaultviewmodel.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>

#include <cmath>

TrayIcon::TrayIcon(const QIcon &icon, QObject *parent) : QObject(parent), m_menu(std::make_unique<QMenu>())
{
    // Some trays only offer a menu; make sure "open" and "quit" are in it.
    m_menu->addAction(tr("Open Stint"), this, &TrayIcon::openRequested);
    m_menu->addAction(tr("Focus History…"), this, &TrayIcon::historyRequested);
    m_menu->addSeparator();
    m_menu->addAction(tr("Exit"), qApp, &QCoreApplication::quit);

    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        printLine(QStringLiteral("No system tray found: Stint opens in a window of its own"));
        return;
    }
    m_icon = new QSystemTrayIcon(icon, this);
    m_icon->setToolTip(tr("Countdown Timer"));
    m_icon->setContextMenu(m_menu.get());

    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick)
            return;
        // StatusNotifierItem hosts give no icon geometry: the click,
        // which is on the icon, stands for it, now and for later showings.
        const QRect icon = m_icon->geometry();
        m_lastAnchor = icon.isValid() && !icon.isEmpty() ? icon : QRect(QCursor::pos(), QSize(1, 1));
        Q_EMIT clicked();
    });
    m_icon->show();
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::setViewModel(DefaultViewModel *viewModel, std::function<void()> catchUp)
{
    if (m_viewModel)
        return;
    m_viewModel = viewModel;
    m_catchUp = catchUp ? std::move(catchUp) : [] {};
    connect(m_menu.get(), &QMenu::aboutToShow, this, [this] { m_catchUp(); });
    QAction *first = m_menu->actions().constFirst();
    m_status = new QAction(m_menu.get());
    m_status->setEnabled(false);
    m_startPause = new QAction(m_menu.get());
    // The play button's operation.
    connect(m_startPause, &QAction::triggered, viewModel, [this, viewModel] {
        m_catchUp();
        viewModel->setIsTimerRunning(!viewModel->isTimerRunning());
    });
    m_stop = new QAction(tr("Stop"), m_menu.get());
    connect(m_stop, &QAction::triggered, viewModel, [this, viewModel] {
        m_catchUp();
        viewModel->stopAndSwitchPhase();
    });
    m_menu->insertActions(first, {m_status, m_startPause, m_stop});
    m_menu->insertSeparator(first);

    for (auto signal : {&DefaultViewModel::timeChanged, &DefaultViewModel::isTimerRunningChanged,
                        &DefaultViewModel::currentStateChanged})
        connect(viewModel, signal, this, &TrayIcon::updateMenu);
    updateMenu();
}

QString TrayIcon::statusLine(const DefaultViewModel &viewModel)
{
    return statusLine(TrayCountdown::faceOf(viewModel), viewModel.currentState(),
                      viewModel.duration(viewModel.currentState()));
}

QString TrayIcon::statusLine(const TrayCountdown::Face &face, PomodoroState::Value phase, double phaseSeconds)
{
    if (face.kind != TrayCountdown::Face::idle)
        return TrayCountdown::toolTip(face);
    // Nothing under way: the phase that starts next, at its full length.
    const int minutes = int(std::ceil(phaseSeconds / 60.0));
    return phase == PomodoroState::focus ? tr("Focus · %n min", nullptr, minutes)
                                         : tr("Rest · %n min", nullptr, minutes);
}

QString TrayIcon::startPauseLabel(const DefaultViewModel &viewModel)
{
    if (viewModel.isTimerRunning())
        return tr("Pause");
    if (viewModel.isPhaseStarted())
        return tr("Resume");
    return viewModel.currentState() == PomodoroState::focus ? tr("Start Focus") : tr("Start Rest");
}

void TrayIcon::updateMenu()
{
    if (!m_viewModel)
        return;
    // Set only on a change: each change is sent to the tray's host, and the
    // countdown ticks every second.
    const auto set = [](QAction *action, const QString &text) {
        if (action->text() != text)
            action->setText(text);
    };
    set(m_status, statusLine(*m_viewModel));
    set(m_startPause, startPauseLabel(*m_viewModel));
    if (m_stop->isEnabled() != m_viewModel->isPhaseStarted())
        m_stop->setEnabled(m_viewModel->isPhaseStarted());
}

QRect TrayIcon::popoverAnchor() const
{
    if (!m_icon)
        return {};
    QRect anchor = m_icon->geometry();
    if (!anchor.isValid() || anchor.isEmpty())
        anchor = m_lastAnchor;
    if ((!anchor.isValid() || anchor.isEmpty()) && QGuiApplication::primaryScreen()) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        anchor = PopoverPlacement::likelyTrayAnchor(screen->geometry(), screen->availableGeometry(),
                                                    QGuiApplication::isRightToLeft());
    }
    return anchor;
}
