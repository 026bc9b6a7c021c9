// Start-up: the first-launch welcome, the restore of an earlier sign-in and
// its fallbacks, the sign-in button and the popover's toggle; the app's own
// backend and the Google client set up in the popover.

#include "accounts/googlesignin.h"
#include "accounts/tokenstore.h"
#include "app/appdelegate.h"
#include "app/popoverwindow.h"
#include "backend/localbackend.h"
#include "devserver/devserver.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QQmlEngineExtensionPlugin>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Tells when the restore of an earlier sign-in began: it reads the store first.
struct RecordingTokenStore : MemoryTokenStore
{
    int reads = 0;
    void read(ReadCompletion completion) override
    {
        ++reads;
        MemoryTokenStore::read(std::move(completion));
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

    // One GET as a browser makes it; returns where it was sent next.
    QUrl browse(const QUrl &url)
    {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        std::unique_ptr<QNetworkReply> reply(m_browser.get(request));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        return !finished.wait(5000) ? QUrl() : reply->header(QNetworkRequest::LocationHeader).toUrl();
    }

    // A launched app whose sign-in opens `consent` instead of a browser.
    struct Launched
    {
        RecordingTokenStore store;
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

    void init() { QSettings().setValue(QStringLiteral("hasLaunchedBefore"), true); }

    // The welcome shows on the first launch only, before the restore starts;
    // "Get Started" opens the popover, which the icon then toggles.
    void welcomeOnFirstLaunchOnly()
    {
        QSettings().remove(QStringLiteral("hasLaunchedBefore"));
        StdoutCapture capture;
        for (const bool first : {true, false}) {
            RecordingTokenStore store;
            AppDelegate delegate(&store);
            int alerts = 0, readsDuringAlert = -1;
            QTimer poll;
            connect(&poll, &QTimer::timeout, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    ++alerts;
                    readsDuringAlert = store.reads;
                    box->buttons().first()->click();
                }
            });
            poll.start(20);
            delegate.applicationDidFinishLaunching();
            QCOMPARE(alerts, first ? 1 : 0);
            QTRY_COMPARE(store.reads, 1);
            if (first) {
                QCOMPARE(readsDuringAlert, 0);
                QVERIFY(delegate.popover()->isShown());
                delegate.togglePopover();
                QVERIFY(!delegate.popover()->isShown());
            }
        }
    }

    // A stored grant is restored and the tasks and events follow; a refused
    // one falls back to the browser, without a click, only after an earlier
    // sign-in. Without one, the button signs in and brings the popover back.
    // Each opening of the popover fetches the tasks and events again.
    void restore_data()
    {
        QTest::addColumn<int>("grant"); // 0 none, 1 working, 2 refused
        QTest::newRow("never signed in: the button") << 0;
        QTest::newRow("working grant") << 1;
        QTest::newRow("refused, then consent") << 2;
    }

    void restore()
    {
        QFETCH(int, grant);
        std::optional<QString> token;
        if (grant)
            token = grant == 1 ? m_server.issueTokens().refreshToken : QStringLiteral("1//signed-out-elsewhere");
        StdoutCapture capture;
        Launched app(token);
        DefaultViewModel *model = app.delegate->viewModel();
        if (grant == 0) {
            app.delegate->popover()->performClose();
            model->signInButtonPressed();
        }
        if (grant != 1) {
            QTRY_COMPARE(app.browserOpenings, 1);
            browse(browse(app.consent));
        }
        QTRY_VERIFY(!model->tasks().isEmpty());
        QVERIFY(model->isSignedIn());
        QCOMPARE(app.browserOpenings, grant == 1 ? 0 : 1);
        if (grant == 0)
            QVERIFY(model->currentUserRenewed() && app.delegate->popover()->isShown());
        QTRY_COMPARE(model->events().size(), m_server.events().size());
        QJsonObject added = m_server.events().first().toObject();
        added["id"] = QStringLiteral("added-%1").arg(grant);
        QVERIFY(m_server.putEvent(added));
        QJsonArray tasks = m_server.tasks();
        QJsonObject task = tasks.first().toObject();
        task["id"] = QStringLiteral("added-%1").arg(grant);
        tasks.append(task);
        m_server.setData(tasks, m_server.events());
        const qsizetype before = model->tasks().size();
        app.delegate->togglePopover();
        app.delegate->togglePopover();
        QTRY_COMPARE(model->events().size(), m_server.events().size());
        QTRY_COMPARE(model->tasks().size(), before + 1);
    }

    // With no backend address the app runs its own backend for the client
    // id the settings name, and the tasks come through it once the client's
    // secret is entered in the popover. Removing the entered client signs
    // out, even though the settings still name the same id, and nothing of
    // the account stays on show.
    void ownBackendForTheClientSetUp()
    {
        const QByteArray devInfo = qgetenv("STINT_INFO_FILE");
        const QString settings = m_home.filePath(QStringLiteral("google.json"));
        QVERIFY(DevServer::writeSettingsFile(settings, m_server.googleSettings(),
                                             {{QStringLiteral("GOOGLE_CLIENT_ID"), DevServer::clientId}}));
        qputenv("STINT_INFO_FILE", settings.toLocal8Bit());
        const auto restore = qScopeGuard([&] { qputenv("STINT_INFO_FILE", devInfo); });
        StdoutCapture capture;
        Launched app(std::nullopt);
        LocalBackend *backend = app.delegate->localBackend();
        QVERIFY(backend);
        QTRY_VERIFY(!backend->address().isEmpty());
        QVERIFY(app.delegate->googleClient()->needsSetUp());

        app.delegate->googleClient()->save(DevServer::clientId, DevServer::clientSecret);
        DefaultViewModel *model = app.delegate->viewModel();
        model->signInButtonPressed();
        QTRY_COMPARE(app.browserOpenings, 1);
        browse(browse(app.consent));
        QTRY_VERIFY(!model->tasks().isEmpty() && !model->events().isEmpty());

        app.delegate->googleClient()->remove();
        QVERIFY(!model->isSignedIn());
        // Nothing of the account stays on show.
        QVERIFY(model->tasks().isEmpty() && model->events().isEmpty());
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
