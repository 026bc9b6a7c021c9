// Start-up: the order of the steps, the first-launch welcome, the popover's
// toggle and size, and the window fallback on a desktop without a tray (the
// offscreen platform has none).

#include "accounts/tokenstore.h"
#include "accounts/usermanager.h"
#include "devserver/devserver.h"
#include "app/appdelegate.h"
#include "app/popoverwindow.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"
#include "accounts/googlesignin.h"

#include <QApplication>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QQmlEngineExtensionPlugin>
#include <QPushButton>
#include <QQuickItem>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Tells when the restore of an earlier sign-in began: it reads the store first.
class RecordingTokenStore : public MemoryTokenStore
{
public:
    int reads = 0;

    void read(ReadCompletion completion) override
    {
        ++reads;
        MemoryTokenStore::read(std::move(completion));
    }
};

// Answers the first modal dialog that shows up with `answer`, noting what it said.
struct AlertWatcher
{
    QTimer poll;
    bool seen = false;
    QString text;
    QString informativeText;
    QStringList buttons;
    std::function<void()> onSeen;

    AlertWatcher()
    {
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            seen = true;
            text = box->text();
            informativeText = box->informativeText();
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            if (onSeen)
                onSeen();
            box->buttons().first()->click();
        });
        poll.start();
    }
};

} // namespace

Q_IMPORT_QML_PLUGIN(StintPlugin)

class TestAppDelegate : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    DevServer m_server;
    QNetworkAccessManager m_browser;

    // One GET as the browser makes it, without following redirects; returns
    // where it was sent next.
    QUrl browse(const QUrl &url)
    {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        std::unique_ptr<QNetworkReply> reply(m_browser.get(request));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        if (!finished.wait(5000))
            return {};
        return reply->header(QNetworkRequest::LocationHeader).toUrl();
    }

    // A launched app whose sign-in opens `consent` instead of a browser.
    struct Launched
    {
        MemoryTokenStore store;
        std::unique_ptr<AppDelegate> delegate;
        QUrl consent;
        int browserOpenings = 0;

        explicit Launched(const std::optional<QString> &refreshToken)
        {
            if (refreshToken)
                store.write(*refreshToken);
            delegate = std::make_unique<AppDelegate>(&store);
            delegate->googleSignIn()->setBrowserOpener([this](const QUrl &url) {
                consent = url;
                ++browserOpenings;
            });
            delegate->applicationDidFinishLaunching();
        }
    };

    // A grant signed out of on another machine: its refresh token no longer works.
    QString revokedGrant()
    {
        const QString token = m_server.issueTokens().refreshToken;
        MemoryTokenStore store;
        GoogleSignIn other(SignInSettings::fromInfoDictionary(), &store);
        store.write(token);
        bool restored = false;
        other.restorePreviousSignIn([&](std::optional<GoogleUser>, const QString &) { restored = true; });
        if (!QTest::qWaitFor([&] { return restored; }, 5000))
            qFatal("the grant could not be restored");
        other.signOut();
        if (!QTest::qWaitFor([&] { return !m_server.isRefreshTokenActive(token); }, 5000))
            qFatal("the grant was not revoked");
        return token;
    }

    int taskRequests() const
    {
        int count = 0;
        for (const RecordedRequest &request : m_server.requests())
            count += request.method == "GET" && request.path == u"/api/v1/tasks";
        return count;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toLocal8Bit());
        QVERIFY(m_server.listen());
        const QString info = m_home.filePath(QStringLiteral("info.json"));
        QVERIFY(m_server.writeInfoFile(info));
        qputenv("STINT_INFO_FILE", info.toLocal8Bit());
        QApplication::setOrganizationName(QStringLiteral("StintTest"));
        QApplication::setApplicationName(QStringLiteral("StintTest"));
        QSettings().clear();
    }

    // Every test but the first-launch one starts as a later launch, so each
    // runs alone as well as in any order.
    void init()
    {
        QSettings().setValue(QStringLiteral("hasLaunchedBefore"), true);
    }

    void firstLaunchGreetsOnceBeforeTheRestore()
    {
        QSettings().remove(QStringLiteral("hasLaunchedBefore"));
        RecordingTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        AlertWatcher alert;
        int readsDuringAlert = -1;
        alert.onSeen = [&] { readsDuringAlert = store.reads; };

        delegate.applicationDidFinishLaunching();

        QVERIFY(alert.seen);
        QCOMPARE(alert.text, QStringLiteral("Welcome to the App!"));
        QCOMPARE(alert.informativeText, QStringLiteral("This is the first time you've launched the app."));
        QCOMPARE(alert.buttons, QStringList{QStringLiteral("Get Started")});
        QCOMPARE(readsDuringAlert, 0); // the restore waits for the welcome
        QTRY_COMPARE(store.reads, 1);
        QVERIFY(QSettings().value(QStringLiteral("hasLaunchedBefore")).toBool());

        // "Get Started" opened the popover, at its width.
        QVERIFY(delegate.popover()->isShown());
        QCOMPARE(delegate.popover()->width(), 330);
        QVERIFY(delegate.popover()->rootObject());
        QCOMPARE(delegate.popover()->rootObject()->property("selectedIndex").toInt(), 0);
        QCOMPARE(delegate.popover()->rootObject()->property("viewModel").value<QObject *>(),
                 delegate.viewModel());
        QCOMPARE(delegate.userManager(), delegate.viewModel()->userManager());
        QVERIFY(capture.lines().contains(QStringLiteral("new")));
    }

    void laterLaunchesDoNotGreet()
    {
        RecordingTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        AlertWatcher alert;
        delegate.applicationDidFinishLaunching();
        QVERIFY(!alert.seen);
        QTRY_COMPARE(store.reads, 1);
    }

    void withoutATrayThePopoverIsAWindow()
    {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        MemoryTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        delegate.applicationDidFinishLaunching();

        QVERIFY(!delegate.statusBarItem());
        QCOMPARE(delegate.popover()->mode(), PopoverWindow::Mode::standalone);
        QCOMPARE(delegate.popover()->title(), QStringLiteral("Stint"));
        QVERIFY(!(delegate.popover()->flags() & Qt::FramelessWindowHint));
        QVERIFY(delegate.popover()->isShown());
        const QStringList lines = capture.lines();
        QCOMPARE(lines.filter(QStringLiteral("system tray")).size(), 1);
    }

    void toggleClosesAndReopensAtFullWidth()
    {
        MemoryTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        delegate.applicationDidFinishLaunching();
        PopoverWindow *popover = delegate.popover();
        QVERIFY(popover->isShown());

        delegate.togglePopover();
        QVERIFY(!popover->isShown());

        popover->resize(200, 100); // whatever happened meanwhile, the next opening measures again
        delegate.togglePopover();
        QVERIFY(popover->isShown());
        QCOMPARE(popover->width(), 330);
        QCOMPARE(popover->height(), popover->fittingSize().height());
        QVERIFY(popover->height() > 100);
    }

    void urlEventsWithoutAUsableUrlChangeNothing()
    {
        MemoryTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        delegate.applicationDidFinishLaunching();
        const QStringList before = capture.lines();
        delegate.openURLs({QUrl(QStringLiteral("stint://oauth2redirect?code=1&state=unknown"))});
        QCOMPARE(capture.lines(), before);
        QVERIFY(!delegate.googleSignIn()->currentUser());
    }

    void restoredSignInLoadsTheTasks()
    {
        m_server.clearRequests();
        StdoutCapture capture;
        Launched app(m_server.issueTokens().refreshToken);
        QTRY_COMPARE(taskRequests(), 1);
        QVERIFY(app.delegate->userManager()->googleUser().has_value());
        QVERIFY(!app.delegate->viewModel()->currentUserRenewed()); // only the button sets it
        QVERIFY(app.delegate->viewModel()->isSignedIn());
        QTRY_VERIFY(!app.delegate->viewModel()->tasks().isEmpty());
        QCOMPARE(app.browserOpenings, 0);
    }

    void noEarlierSignInStaysQuiet()
    {
        StdoutCapture capture;
        Launched app(std::nullopt);
        QTest::qWait(300);
        QCOMPARE(app.browserOpenings, 0);
        QVERIFY(!app.delegate->viewModel()->isSignedIn());
        const QStringList lines = capture.lines();
        QVERIFY(!lines.contains(QStringLiteral("signIn failure")));
    }

    void refusedRestoreFallsBackToTheBrowser()
    {
        const QString revoked = revokedGrant();
        StdoutCapture capture;

        m_server.clearRequests();
        Launched app(revoked);
        QTRY_COMPARE(app.browserOpenings, 1); // without any click
        // The user goes through with it: signed in, tasks loaded.
        const QUrl loopback = browse(app.consent);
        QVERIFY(loopback.isValid());
        browse(loopback);
        QTRY_COMPARE(taskRequests(), 1);
        QVERIFY(app.delegate->userManager()->googleUser().has_value());
        QVERIFY(!capture.lines().contains(QStringLiteral("signIn failure")));
    }

    void refusedFallbackSignInIsReported()
    {
        const QString revoked = revokedGrant();
        StdoutCapture capture;
        m_server.setConsentDenied(true);
        Launched app(revoked);
        QTRY_COMPARE(app.browserOpenings, 1);
        browse(browse(app.consent));
        QTRY_VERIFY(capture.lines().contains(QStringLiteral("signIn failure")));
        m_server.setConsentDenied(false);
        QVERIFY(!app.delegate->viewModel()->isSignedIn());
    }

    void signInButtonPath()
    {
        StdoutCapture capture;
        Launched app(std::nullopt);
        DefaultViewModel *model = app.delegate->viewModel();
        app.delegate->popover()->performClose();

        model->signInButtonPressed();
        QCOMPARE(app.browserOpenings, 1);
        // The consent page sends the browser back to the loopback redirect.
        browse(browse(app.consent));
        QTRY_VERIFY(capture.lines().contains(QStringLiteral("successfully signed in")));
        QVERIFY(model->currentUserRenewed());
        QVERIFY(model->isSignedIn());
        QVERIFY(app.delegate->popover()->isShown()); // back in front of the user
        QVERIFY(app.delegate->userManager()->googleUser().has_value());

        // Signing out drops the flag and the user.
        model->signOut();
        QVERIFY(!model->currentUserRenewed());
        QVERIFY(!model->isSignedIn());
        QVERIFY(app.delegate->userManager()->googleUser().has_value()); // kept, as before
        QVERIFY(app.delegate->userManager()->currentIdToken().isEmpty());
    }

    void signInButtonFailure()
    {
        StdoutCapture capture;
        Launched app(std::nullopt);
        m_server.setConsentDenied(true);
        app.delegate->viewModel()->signInButtonPressed();
        browse(browse(app.consent));
        QTRY_VERIFY(capture.lines().contains(QStringLiteral("error of signin")));
        m_server.setConsentDenied(false);
        QVERIFY(!app.delegate->viewModel()->currentUserRenewed());
    }

    void callbackUrlsCompleteAPendingSignIn()
    {
        StdoutCapture capture;
        Launched app(std::nullopt);
        app.delegate->viewModel()->signInButtonPressed();
        const QUrl callback = browse(app.consent); // the redirect, not followed

        // Only the first URL counts; here it is not ours.
        app.delegate->openURLs({QUrl(QStringLiteral("stint://elsewhere")), callback});
        QTest::qWait(300);
        QVERIFY(!capture.lines().contains(QStringLiteral("successfully signed in")));

        app.delegate->openURLs({callback});
        QTRY_VERIFY(capture.lines().contains(QStringLiteral("successfully signed in")));
    }

    void calendarChangesArePrinted()
    {
        MemoryTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        delegate.calendarAccessChanged();
        delegate.calendarAccessChanged();
        QCOMPARE(capture.lines().filter(QStringLiteral("Access")),
                 (QStringList{QStringLiteral("Access denied"), QStringLiteral("Access denied")}));
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
