#pragma once

#include "accounts/calendaraccess.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <memory>

class DefaultViewModel;
class DesktopNotifications;
class EventRefresher;
class FocusHistory;
class GoogleClient;
class GoogleSignIn;
class LocalBackend;
class PopoverWindow;
class QSystemTrayIcon;
class QWindow;
class TokenStore;
class TrayIcon;
class UserManager;

// Builds the app at launch and ties it together: the tray icon and its
// popover, the one view-model, the signed-in user and the Google client, the
// sign-in flows, the sign-in's URL callbacks, the first-launch welcome, and
// the app's own backend when no backend address is configured. Lives as long
// as the application; nothing is torn down by hand at exit.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    // `store` keeps the refresh token between runs, `clientSecretStore` the
    // secret of a Google client entered in the popover (the desktop keyring
    // in the app; memory in tests, and when none is given).
    explicit AppDelegate(TokenStore *store, TokenStore *clientSecretStore = nullptr, QObject *parent = nullptr);
    ~AppDelegate() override;

    // The start-up steps, in order.
    void applicationDidFinishLaunching();

    // The tray icon's action: closes the popover when shown, else measures
    // its content and opens it.
    void togglePopover();
    // Opens the popover next to the tray icon, without measuring it again,
    // and fetches the events again.
    void showPopover();
    // Measures the popover and opens it on the "Events" tab.
    void showEvents();

    // URLs opened with the app (the command line, or a later start): the
    // first goes to the sign-in layer; an empty list just brings the popover.
    void openURLs(const QList<QUrl> &urls);

    void calendarAccessChanged();

    // The interactive sign-in behind the sign-in button.
    void signIn(DefaultViewModel &viewModel);

    void showFirstLaunchAlert();

    DefaultViewModel *viewModel() const { return m_viewModel; }
    PopoverWindow *popover() const { return m_popover.get(); }
    QSystemTrayIcon *statusBarItem() const;
    TrayIcon *trayIcon() const { return m_trayIcon; }
    GoogleSignIn *googleSignIn() const { return m_googleSignIn; }
    GoogleClient *googleClient() const { return m_googleClient; }
    // The backend the app runs itself; none when an address is configured.
    LocalBackend *localBackend() const { return m_localBackend; }
    FocusHistory *focusHistory() const { return m_focusHistory; }
    UserManager *userManager() const { return m_userManager; }
    const QStringList &scopes() const { return m_scopes; }

private:
    void createStatusBarItem();
    void createPopover();
    void runOwnBackend();
    void googleClientChanged();
    void restorePreviousSignIn();
    void resizePopover();

    QPointer<QWindow> m_window; // the window sign-in presents from; Linux apps start with none
    TrayIcon *m_trayIcon = nullptr;
    std::unique_ptr<PopoverWindow> m_popover;
    CalendarAccess m_eventStore;
    QStringList m_scopes;
    std::unique_ptr<TokenStore> m_ownClientSecretStore;
    GoogleClient *m_googleClient = nullptr;
    GoogleSignIn *m_googleSignIn = nullptr;
    LocalBackend *m_localBackend = nullptr;
    UserManager *m_userManager = nullptr;
    DefaultViewModel *m_viewModel = nullptr;
    DesktopNotifications *m_notifications = nullptr;
    EventRefresher *m_eventRefresher = nullptr;
    FocusHistory *m_focusHistory = nullptr;
};
