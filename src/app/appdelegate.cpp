#include "app/appdelegate.h"

#include "accounts/googleclient.h"
#include "accounts/googlesignin.h"
#include "accounts/tokenstore.h"
#include "accounts/usermanager.h"
#include "app/desktopnotifications.h"
#include "app/donotdisturb.h"
#include "app/focushistory.h"
#include "app/lockpause.h"
#include "app/phasenotifier.h"
#include "app/popoverwindow.h"
#include "app/remindernotifier.h"
#include "app/timerbus.h"
#include "app/traycountdown.h"
#include "app/trayicon.h"
#include "backend/configuration.h"
#include "backend/localbackend.h"
#include "backend/network.h"
#include "common/outputline.h"
#include "timer/alarm.h"
#include "timer/defaultviewmodel.h"
#include "timer/eventrefresher.h"
#include "timer/meetingreminders.h"
#include "ui/taskcompletion.h"
#include "ui/ticktimer.h"
#include "ui/viewgate.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTimer>

#include <memory>

namespace {

const char hasLaunchedBeforeKey[] = "hasLaunchedBefore";
const QString contentViewUrl = QStringLiteral("qrc:/Stint/ContentView.qml");
const QString trayIconPath = QStringLiteral(":/Stint/icons/timer.svg");

} // namespace

AppDelegate::AppDelegate(TokenStore *store, TokenStore *clientSecretStore, QObject *parent)
    : QObject(parent)
    , m_scopes{QStringLiteral("https://www.googleapis.com/auth/tasks"),
               QStringLiteral("https://www.googleapis.com/auth/calendar.events.readonly")}
    , m_ownClientSecretStore(clientSecretStore ? nullptr : std::make_unique<MemoryTokenStore>())
    , m_googleClient(new GoogleClient(clientSecretStore ? clientSecretStore : m_ownClientSecretStore.get(), this))
    , m_googleSignIn(new GoogleSignIn(m_googleClient->settings(), store, this))
    , m_userManager(new UserManager(m_googleSignIn, this))
{
    connect(m_googleClient, &GoogleClient::changed, this, &AppDelegate::googleClientChanged);
    // The session ends with the client it was made with.
    connect(m_googleClient, &GoogleClient::removed, this, [this] {
        if (m_viewModel)
            m_viewModel->signOut();
    });
}

AppDelegate::~AppDelegate()
{
    // The views go before the view-model they show.
    m_popover.reset();
}

void AppDelegate::applicationDidFinishLaunching()
{
    // Linux apps start without a window; sign-in presents in the browser.
    const QWindowList windows = QGuiApplication::topLevelWindows();
    if (!windows.isEmpty()) {
        m_window = windows.first();
        m_window->close();
    }

    createStatusBarItem();

    // The calendar store is watched for as long as the app runs.
    connect(&m_eventStore, &CalendarAccess::storeChanged, this, &AppDelegate::calendarAccessChanged);

    createPopover();
    runOwnBackend();

    // The view-model, with the gong and the sign-in the views ask for.
    m_viewModel = new DefaultViewModel(
            Alarm::makeDefault(), [this](DefaultViewModel &model) { signIn(model); }, m_userManager, this);
    m_viewModel->setGoogleClient(m_googleClient);
    // The countdown's clock, for as long as the view-model lives.
    auto *ticks = new TickTimer(m_viewModel);
    ticks->followViews(ViewGate::of(m_popover->engine()));
    const auto catchUp = [ticks = QPointer(ticks)] {
        if (ticks)
            ticks->catchUp();
    };
    auto *countdown = new TrayCountdown(m_viewModel, m_trayIcon->icon(), QIcon(trayIconPath));
    m_trayIcon->setViewModel(m_viewModel, catchUp);
    // Every phase into the focus history; the day's line under the ring and in the tooltip.
    m_focusHistory = new FocusHistory(m_viewModel, m_popover->engine(), m_popover.get(), this);
    connect(m_focusHistory, &FocusHistory::todayTextChanged, countdown,
            [this, countdown] { countdown->setDayLine(m_focusHistory->todayText()); });
    connect(m_trayIcon, &TrayIcon::historyRequested, m_focusHistory, &FocusHistory::showWindow);
    // "Yes" completing the task in Google Tasks, when the user asked for it.
    TaskCompletion::of(m_popover->engine())->setViewModel(m_viewModel);
    // The command line's and the status bars' way in.
    (new TimerBus(m_viewModel, catchUp))->publish();
    auto *lockPause = new LockPause(m_viewModel, catchUp);
    // Before the phase-end notification is connected: Do Not Disturb is
    // given back first, so that one shows.
    auto *doNotDisturb = new DoNotDisturb(m_viewModel);
    m_notifications = new DesktopNotifications(QDBusConnection::sessionBus(), this);
    new PhaseNotifier(m_viewModel, m_notifications, [this] {
        resizePopover();
        showPopover();
    });
    // The day's events, kept fresh, and the reminders of their meetings.
    m_eventRefresher = new EventRefresher(m_viewModel, m_viewModel->dayClock());
    // The tasks too are as fresh as the popover's opening.
    connect(ViewGate::of(m_popover->engine()), &ViewGate::aboutToOpen, m_viewModel, [this] {
        if (m_viewModel->isSignedIn())
            m_viewModel->fetchTasks();
    });
    new ReminderNotifier(m_viewModel, new MeetingReminders(m_viewModel, m_viewModel->dayClock()), m_notifications,
                         [this] { showEvents(); });

    // The root view, on the "Timer" tab.
    m_popover->setInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(m_viewModel)},
                                     {QStringLiteral("selectedIndex"), 0},
                                     {QStringLiteral("doNotDisturb"), QVariant::fromValue<QObject *>(doNotDisturb)},
                                     {QStringLiteral("lockPause"), QVariant::fromValue<QObject *>(lockPause)}});
    m_popover->setSource(QUrl(contentViewUrl));
    if (m_popover->status() == QQuickView::Error) {
        QStringList errors;
        for (const QQmlError &error : m_popover->errors())
            errors << error.toString();
        qFatal("AppDelegate: the popover's view could not be loaded: %s", qPrintable(errors.join(u'\n')));
    }

    // The welcome, on the first launch only.
    QSettings settings;
    if (!settings.value(QString::fromLatin1(hasLaunchedBeforeKey), false).toBool()) {
        showFirstLaunchAlert();
        settings.setValue(QString::fromLatin1(hasLaunchedBeforeKey), true);
        settings.sync();
    }

    // An earlier sign-in, restored in the background once the client's
    // secret is read from the keyring.
    m_googleClient->load([this] {
        // Without its secret the client cannot refresh a session; Google
        // would refuse the grant, and the stored one would be forgotten.
        if (m_googleClient->isComplete())
            restorePreviousSignIn();
    });

    // Measured once now, then at every opening through the icon.
    resizePopover();

    // Without a tray the window is the app: show it now.
    if (m_popover->mode() == PopoverWindow::Mode::standalone && !m_popover->isShown())
        showPopover();
}

void AppDelegate::createStatusBarItem()
{
    m_trayIcon = new TrayIcon(QIcon(trayIconPath), this);
    connect(m_trayIcon, &TrayIcon::openRequested, this, &AppDelegate::showPopover);
    connect(m_trayIcon, &TrayIcon::clicked, this, &AppDelegate::togglePopover);
}

QSystemTrayIcon *AppDelegate::statusBarItem() const
{
    return m_trayIcon->icon();
}

void AppDelegate::createPopover()
{
    m_popover = std::make_unique<PopoverWindow>(m_trayIcon->isAvailable() ? PopoverWindow::Mode::popover
                                                                          : PopoverWindow::Mode::standalone);
    // "Exit" and closing the standalone window end the app through the engine too.
    connect(m_popover->engine(), &QQmlEngine::quit, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void AppDelegate::runOwnBackend()
{
    // With an address configured, the team's backend serves; whether it is
    // usable is found out at the first request.
    const QJsonObject settings = Configuration::infoDictionary();
    if (settings.contains(QStringLiteral("BACKEND_URL")))
        return;
    m_localBackend = new LocalBackend(this);
    Network::setLocalBackend(m_localBackend);
    QString error;
    const std::optional<QStringList> google = LocalBackend::googleOptions(settings, &error);
    if (!google) {
        m_localBackend->setUnavailable(error);
        return;
    }
    m_localBackend->setGoogleOptions(*google);
    m_localBackend->setProgram(LocalBackend::findProgram());
    m_localBackend->setClientId(m_googleSignIn->settings().clientId);
    // Started after the popover's first frame when it shows at launch, else
    // as soon as the event loop runs, so that the fork and the backend's own
    // start-up never hold up a window; requests made before it is up wait
    // for it.
    auto afterFirstFrame = std::make_shared<QMetaObject::Connection>();
    *afterFirstFrame = connect(m_popover.get(), &QQuickWindow::frameSwapped, m_localBackend, [this, afterFirstFrame] {
        disconnect(*afterFirstFrame);
        m_localBackend->start();
    });
    QTimer::singleShot(0, m_localBackend, [this, afterFirstFrame] {
        if (m_popover->isShown())
            return;
        disconnect(*afterFirstFrame);
        m_localBackend->start();
    });
}

void AppDelegate::googleClientChanged()
{
    const SignInSettings settings = m_googleClient->settings();
    const bool otherClient = settings.clientId != m_googleSignIn->settings().clientId;
    m_googleSignIn->setSettings(settings);
    if (m_localBackend)
        m_localBackend->setClientId(settings.clientId);
    // A session of another client cannot be refreshed with this one.
    if (otherClient && m_viewModel && m_viewModel->isSignedIn())
        m_viewModel->signOut();
}

void AppDelegate::resizePopover()
{
    m_popover->setContentSize(m_popover->fittingSize());
}

void AppDelegate::togglePopover()
{
    if (m_popover->isShown()) {
        m_popover->performClose();
        return;
    }
    // The click that took the focus from the popover already closed it.
    if (m_popover->closedByFocusLossJustNow())
        return;
    resizePopover();
    showPopover();
}

void AppDelegate::showEvents()
{
    if (QQuickItem *root = m_popover->rootObject())
        root->setProperty("selectedIndex", 1);
    resizePopover();
    showPopover();
}

void AppDelegate::showPopover()
{
    // What the popover shows of the calendar is as fresh as the opening.
    m_eventRefresher->refresh();
    // A user looking at the popover wants to be signed in: if the restore
    // is waiting for the network, try it again now.
    m_googleSignIn->retryPendingRestore();
    m_popover->showRelativeTo(m_trayIcon->popoverAnchor());
}

void AppDelegate::openURLs(const QList<QUrl> &urls)
{
    if (urls.isEmpty()) {
        // A second start without URLs: the user is looking for us.
        resizePopover();
        showPopover();
        return;
    }
    m_googleSignIn->handleURL(urls.first());
}

void AppDelegate::calendarAccessChanged()
{
    printLine(CalendarAccess::describe(CalendarAccess::authorizationStatus()));
}

void AppDelegate::restorePreviousSignIn()
{
    // Either way the user comes back, the task list follows.
    const auto signedIn = [this](GoogleUser user) {
        m_userManager->setGoogleUser(std::move(user));
        m_viewModel->fetchTasks();
    };
    m_googleSignIn->restorePreviousSignIn([this, signedIn](std::optional<GoogleUser> user, const QString &) {
        if (user)
            return signedIn(std::move(*user));
        if (!m_googleSignIn->hasPreviousSignIn())
            return;
        m_googleSignIn->signIn(m_window, QString(), m_scopes,
                               [signedIn](std::optional<GoogleUser> user, const QString &) {
                                   if (!user)
                                       return printLine(QStringLiteral("signIn failure"));
                                   signedIn(std::move(*user));
                               });
    });
}

void AppDelegate::signIn(DefaultViewModel &viewModel)
{
    QPointer<DefaultViewModel> model(&viewModel);
    m_googleSignIn->signIn(m_window, QString(), m_scopes,
                           [this, model](std::optional<GoogleUser> user, const QString &) {
                               if (!user || !model) {
                                   printLine(QStringLiteral("error of signin"));
                                   return;
                               }
                               model->userManager()->setGoogleUser(std::move(user));
                               model->setCurrentUserRenewed(true);
                               showPopover();
                               printLine(QStringLiteral("successfully signed in"));
                           });
}

void AppDelegate::showFirstLaunchAlert()
{
    QMessageBox alert;
    alert.setWindowTitle(QStringLiteral("Stint"));
    alert.setIcon(QMessageBox::Information);
    alert.setText(tr("Welcome to the App!"));
    alert.setInformativeText(tr("This is the first time you've launched the app."));
    QPushButton *getStarted = alert.addButton(tr("Get Started"), QMessageBox::AcceptRole);
    alert.setDefaultButton(getStarted);
    alert.exec();
    if (alert.clickedButton() == getStarted) {
        resizePopover();
        showPopover();
    }
}
