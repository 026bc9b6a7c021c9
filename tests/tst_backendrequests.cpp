// The sign-in layer, the backend requests and the task workflow on top of
// them, over real HTTP against the dev server and its stand-in provider, with
// the test playing the browser: what goes on the wire, what each kind of
// failure leaves behind, and the lines printed on the way. Then the app's
// start-up: the first-launch welcome, the restore of an earlier sign-in and
// its fallbacks, the sign-in button and the popover's toggle; the app's own
// backend and the Google client set up in the popover. Tokens are
// compared with QVERIFY, never QCOMPARE, so a failure does not print them.

#include "accounts/googlesignin.h"
#include "accounts/tokenstore.h"
#include "accounts/usermanager.h"
#include "app/appdelegate.h"
#include "app/popoverwindow.h"
#include "backend/localbackend.h"
#include "backend/network.h"
#include "common/base64url.h"
#include "devserver/devserver.h"
#include "support/fakeclock.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"
#include "timer/eventrefresher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QQmlEngineExtensionPlugin>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

namespace {

using Misbehaviour = DevServer::Misbehaviour;

QJsonObject taskJson(const QString &title, const QString &status)
{
    return {{"title", title}, {"status", status}, {"position", "0001"}, {"webViewLink", "https://tasks.example.com/t"}};
}

QStringList titles(const QList<Task2> &tasks)
{
    QStringList list;
    for (const Task2 &task : tasks)
        list << task.title;
    return list;
}

struct Outcome
{
    bool called = false;
    std::optional<GoogleUser> user;
    QString error;
};

GoogleSignIn::Completion recordInto(const std::shared_ptr<Outcome> &outcome)
{
    return [outcome](std::optional<GoogleUser> user, QString error) {
        QVERIFY(!outcome->called);
        *outcome = {true, std::move(user), std::move(error)};
    };
}

std::optional<QString> storedToken(TokenStore &store)
{
    auto result = std::make_shared<std::optional<std::optional<QString>>>();
    store.read([result](std::optional<QString> token) { *result = token; });
    (void)QTest::qWaitFor([&] { return result->has_value(); }, 5000);
    return result->value_or(QStringLiteral("(no answer)"));
}

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

class TestBackendRequests : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    DevServer m_server;
    MemoryTokenStore m_grant; // m_users's
    UserManager *m_users = nullptr;
    StdoutCapture *m_quiet = nullptr;
    // For the sign-in cases: a new one each.
    QNetworkAccessManager m_browser;
    std::unique_ptr<MemoryTokenStore> m_store;
    std::unique_ptr<GoogleSignIn> m_signIn;
    std::shared_ptr<Outcome> m_outcome;

    std::unique_ptr<DefaultViewModel> makeModel(UserManager *users = nullptr)
    {
        return std::make_unique<DefaultViewModel>(Alarm::makeDefault(), DefaultViewModel::SignInButtonHandler(),
                                                  users ? users : m_users);
    }

    void waitForIdle(DefaultViewModel &model)
    {
        QTRY_VERIFY(!model.isTaskLoading() && !model.newTaskCreatingInProgress());
        QTest::qWait(50); // let the queued hand-over land
    }

    void checkSignedIn(const RecordedRequest &request, const QByteArray &methodAndPath)
    {
        QCOMPARE(request.method + ' ' + request.path.toUtf8(), methodAndPath);
        QCOMPARE(request.header("Authorization"), "Bearer " + m_users->currentIdToken().toUtf8());
        QCOMPARE(request.header("AccessToken"), m_users->currentAccessToken().toUtf8());
    }

    // A browser's GET, not following redirects: the status, 0 if refused.
    int browse(const QUrl &url, QUrl *location = nullptr)
    {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        std::unique_ptr<QNetworkReply> reply(m_browser.get(request));
        if (!QSignalSpy(reply.get(), &QNetworkReply::finished).wait(5000))
            return -1;
        if (location)
            *location = reply->header(QNetworkRequest::LocationHeader).toUrl();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }

    // The browser on a consent page, then on the loopback address it is sent to.
    void consentOn(const QUrl &page)
    {
        QUrl loopback;
        browse(page, &loopback);
        browse(loopback);
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

    // Starts a sign-in and returns the consent page's address.
    QUrl startSignIn(const std::shared_ptr<Outcome> &outcome)
    {
        QUrl consent;
        m_signIn->setBrowserOpener([&consent](const QUrl &url) { consent = url; });
        m_signIn->signIn(nullptr, QString(), {QStringLiteral("https://www.googleapis.com/auth/tasks")},
                         recordInto(outcome));
        return consent;
    }

    // Starts a sign-in and consents: the loopback address the browser gets.
    QUrl consent()
    {
        QUrl loopback;
        browse(startSignIn(m_outcome), &loopback);
        return loopback;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toLocal8Bit());
        QApplication::setOrganizationName(QStringLiteral("StintTest"));
        QApplication::setApplicationName(QStringLiteral("StintTest"));
        QSettings().clear();
        m_quiet = new StdoutCapture;
        QVERIFY(m_server.listen());
        const QString info = m_dir.filePath("info.json");
        QVERIFY(m_server.writeInfoFile(info));
        qputenv("STINT_INFO_FILE", info.toLocal8Bit());

        // Signed in the way a restart does it: a stored refresh token.
        m_grant.write(m_server.issueTokens().refreshToken);
        auto *signIn = new GoogleSignIn(SignInSettings::fromInfoDictionary(), &m_grant, this);
        bool restored = false;
        signIn->restorePreviousSignIn([&](std::optional<GoogleUser> user, const QString &) { restored = bool(user); });
        QTRY_VERIFY(restored);
        m_users = new UserManager(signIn, this);
    }

    void init()
    {
        m_server.setMisbehaviour(Misbehaviour::none);
        const QJsonObject moment{{"dateTime", "2026-12-07T10:00:00+01:00"}, {"timeZone", "Europe/Berlin"}};
        const QJsonObject event{
                {"id", "e1"},           {"kind", "calendar#event"}, {"etag", "\"1\""}, {"status", "confirmed"},
                {"summary", "Standup"}, {"start", moment},          {"end", moment}};
        m_server.setData({taskJson("Plan", "needsAction"), taskJson("Done", "completed")}, {event});
        m_server.clearRequests();
        m_server.setTokenLifetime(3600);
        Network::setTransferTimeout(60000);
        m_signIn.reset();
        m_store = std::make_unique<MemoryTokenStore>();
        m_signIn = std::make_unique<GoogleSignIn>(SignInSettings::fromInfoDictionary(), m_store.get());
        m_outcome = std::make_shared<Outcome>();
        QSettings().setValue(QStringLiteral("hasLaunchedBefore"), true);
    }

    void cleanupTestCase() { delete m_quiet; }

    // Reads, then a create followed by the reload, each signed in.
    void requestsOnTheWire()
    {
        auto model = makeModel();
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(titles(model->pendingTasks()), QStringList{"Plan"});
        QSignalSpy events(model.get(), &DefaultViewModel::eventsChanged);
        model->fetchEvents();
        QTRY_COMPARE(events.count(), 1);
        QCOMPARE(model->events().first().summary, "Standup");

        model->setNewTask(true);
        model->addTask("Write \"report\" & more");
        QVERIFY(model->newTask()); // the entry stays open while the request runs
        QTRY_COMPARE(m_server.requests().size(), 4); // the create, then the reload
        waitForIdle(*model);
        QVERIFY(!model->newTask());
        QVERIFY(titles(model->tasks()).contains("Write \"report\" & more"));
        const QList<RecordedRequest> requests = m_server.requests();
        checkSignedIn(requests.at(0), "GET /api/v1/tasks");
        checkSignedIn(requests.at(1), "GET /api/v1/events");
        checkSignedIn(requests.at(2), "POST /api/v1/tasks");
        QCOMPARE(requests.at(2).header("Content-Type"), QByteArray("application/json"));
        QCOMPARE(requests.at(2).body, QByteArray("{\"title\":\"Write \\\"report\\\" & more\"}"));
        checkSignedIn(requests.at(3), "GET /api/v1/tasks");
    }

    // Signed out, no task list is asked for; one under way is not asked again.
    void fetchesThatDoNotGoOut()
    {
        GoogleSignIn nobody(SignInSettings::fromInfoDictionary(), m_store.get());
        UserManager users(&nobody);
        auto signedOut = makeModel(&users);
        QSignalSpy loading(signedOut.get(), &DefaultViewModel::isTaskLoadingChanged);
        signedOut->fetchTasks();
        QCOMPARE(loading.count(), 0);

        m_server.setMisbehaviour(Misbehaviour::slow, 300);
        auto model = makeModel();
        model->fetchTasks();
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(m_server.requests().size(), 1);
    }

    // What each kind of broken reply does: an HTTP error status, a body that
    // does not decode (never the no-data error), a transport error. The user
    // reads which side failed in plain words, the line keeps the exact status
    // and the server's message. A create fails only on an error status or in
    // transport; its body is never read. A task not made stays in the entry
    // with the reason, until Return makes it.
    void misbehavingBackend_data()
    {
        QTest::addColumn<Misbehaviour>("mode");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("notAdded"); // empty: created
        const auto row = [](const char *name, Misbehaviour mode, const char *line, const char *shown,
                            const char *notAdded) { QTest::newRow(name) << mode << line << shown << notAdded; };
        const char *unreachable = "Not added: the server could not be reached";
        const char *unreadable = "The server's answer could not be read.";
        row("500", Misbehaviour::serverError, "HTTP 500 Internal Server Error: Misbehaving",
            "The server failed. Retry may help.", "Not added: the server reported an error");
        row("401", Misbehaviour::unauthorized, "HTTP 401 Unauthorized: Misbehaving",
            "The server did not accept your sign-in. Retry may help; if not, sign out and in again.",
            "Not added: the server did not accept your sign-in");
        row("204", Misbehaviour::noContent, "The reply is empty;", unreadable, "");
        row("not JSON", Misbehaviour::notJson, "The reply is not valid JSON", unreadable, "");
        row("timed out", Misbehaviour::slow, "The request timed out.",
            "The server did not answer in time. Retry may help.", unreachable);
        row("dropped", Misbehaviour::dropConnection, "Connection closed",
            "The server could not be reached. Retry may help.", unreachable);
    }

    void misbehavingBackend()
    {
        QFETCH(Misbehaviour, mode);
        QFETCH(QString, line);
        QFETCH(QString, shown);
        QFETCH(QString, notAdded);
        auto model = makeModel();
        QSignalSpy events(model.get(), &DefaultViewModel::eventsChanged);
        model->fetchTasks();
        model->fetchEvents();
        waitForIdle(*model);
        QTRY_COMPARE(events.count(), 1);

        // The old lists stay; each failure is published and printed once.
        m_server.setMisbehaviour(mode, 1500);
        Network::setTransferTimeout(300);
        StdoutCapture capture;
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(model->tasks().size(), 2);
        QVERIFY(model->tasksFetchHasError());
        QCOMPARE(model->tasksErrorText(), shown);
        QVERIFY2(capture.lines().value(0).startsWith("Failed to fetch tasks: " + line),
                 qPrintable(capture.lines().value(0)));
        model->fetchEvents();
        QTRY_COMPARE(capture.lines().size(), 2);
        QCOMPARE(model->events().size(), 1);

        TaskDraft *draft = model->newTaskDraft();
        model->setNewTask(true);
        draft->setTitle("Something");
        model->addTask(draft->title());
        waitForIdle(*model);
        QCOMPARE(capture.lines().value(2).section(": ", 1),
                 notAdded.isEmpty() ? "" : capture.lines().value(0).section(": ", 1));
        QCOMPARE(model->newTask(), !notAdded.isEmpty());
        QCOMPARE(draft->title(), notAdded.isEmpty() ? "" : "Something");
        QCOMPARE(draft->failure(), notAdded);

        // The next fetch clears the error; Return again makes the task.
        m_server.setMisbehaviour(Misbehaviour::none);
        Network::setTransferTimeout(60000);
        model->fetchTasks();
        waitForIdle(*model);
        QVERIFY(!model->tasksFetchHasError());
        if (notAdded.isEmpty())
            return;
        model->addTask(draft->title());
        waitForIdle(*model);
        QVERIFY(!model->newTask());
        QCOMPARE(draft->title(), QString());
        QVERIFY(titles(model->tasks()).contains("Something"));
    }

    // Fetched again as the popover opens, right after midnight and after a
    // resume, each showing a meeting added meanwhile; a failed fetch keeps
    // the events there were.
    void eventsStayFresh()
    {
        const auto at = [](int day, int hour, int minute) {
            return QDateTime(QDate(2026, 12, 7).addDays(day), QTime(hour, minute));
        };
        const auto addEvent = [this](const QString &id) {
            QJsonObject event = m_server.events().first().toObject();
            event["id"] = id;
            QVERIFY(m_server.putEvent(event));
        };
        FakeDayClock clock(at(0, 23, 55));
        DefaultViewModel model(Alarm::makeDefault(), {}, m_users, nullptr, AlarmPlayer::defaultResource, &clock);
        EventRefresher refresher(&model, &clock); // someone is signed in: fetched at once
        QTRY_COMPARE(model.events().size(), 1);
        addEvent("opening");
        refresher.refresh();
        QTRY_COMPARE(model.events().size(), 2);
        addEvent("midnight");
        clock.setNow(at(1, 0, 0));
        QTRY_COMPARE(model.events().size(), 3);

        m_server.setMisbehaviour(Misbehaviour::serverError);
        StdoutCapture capture;
        clock.setNow(at(1, 0, 10));
        QTRY_COMPARE(capture.lines(), QStringList{"Error fetching data: HTTP 500 Internal Server Error: Misbehaving"});
        QCOMPARE(model.events().size(), 3);
        m_server.setMisbehaviour(Misbehaviour::none);
        addEvent("resume");
        clock.resumeAt(at(1, 0, 15));
        QTRY_COMPARE(model.events().size(), 4);
    }

    void textFromOutsideIsPrintedEscaped()
    {
        auto model = makeModel();
        StdoutCapture capture;
        model->handleDroppedText("a\u001b]0;owned\u0007\nb\u007f\u009b\u00a0\u00e9 c");
        QCOMPARE(capture.lines(), QStringList{"Dropped text: a\\x1b]0;owned\\x07\\x0ab\\x7f\\u009b\u00a0\u00e9 c"});
    }

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
    void restoreAtStartUp_data()
    {
        QTest::addColumn<int>("grant"); // 0 none, 1 working, 2 refused
        QTest::newRow("never signed in: the button") << 0;
        QTest::newRow("working grant") << 1;
        QTest::newRow("refused, then consent") << 2;
    }

    void restoreAtStartUp()
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
            consentOn(app.consent);
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
        const QString settings = m_dir.filePath(QStringLiteral("google.json"));
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
        consentOn(app.consent);
        QTRY_VERIFY(!model->tasks().isEmpty() && !model->events().isEmpty());

        app.delegate->googleClient()->remove();
        QVERIFY(!model->isSignedIn());
        // Nothing of the account stays on show.
        QVERIFY(model->tasks().isEmpty() && model->events().isEmpty());
    }
    void signInThroughTheBrowser()
    {
        const QUrl consentPage = startSignIn(m_outcome);
        const QUrlQuery query(consentPage); // the provider checks the rest
        QVERIFY(query.queryItemValue(QStringLiteral("state")).size() >= 22);
        QCOMPARE(query.queryItemValue(QStringLiteral("scope"), QUrl::FullyDecoded),
                 QStringLiteral("openid email profile https://www.googleapis.com/auth/tasks"));
        QUrl loopback;
        QCOMPARE(browse(consentPage, &loopback), 302);
        QCOMPARE(loopback.host(), QStringLiteral("127.0.0.1"));
        QCOMPARE(browse(loopback), 200);

        QTRY_VERIFY(m_outcome->called);
        QVERIFY2(m_outcome->user, qPrintable(m_outcome->error));
        QCOMPARE(m_outcome->user->email, QStringLiteral("dev.user@example.com"));
        QVERIFY(m_server.isIdTokenAccepted(m_outcome->user->idToken->tokenString));
        const qint64 lifetime = QDateTime::currentDateTimeUtc().secsTo(m_outcome->user->accessToken.expirationDate);
        QVERIFY2(lifetime > 3500 && lifetime <= 3600, qPrintable(QString::number(lifetime)));
        const std::optional<QString> stored = storedToken(*m_store);
        QVERIFY(stored && m_server.isRefreshTokenActive(*stored));
    }

    // The token endpoint refusing the code ends the sign-in with its reason.
    void refusedCodeFailsTheSignIn()
    {
        QUrl loopback = consent();
        QUrlQuery answer(loopback);
        answer.removeQueryItem(QStringLiteral("code"));
        answer.addQueryItem(QStringLiteral("code"), QStringLiteral("forged"));
        loopback.setQuery(answer);
        browse(loopback);
        QTRY_VERIFY(m_outcome->called);
        QVERIFY(!m_outcome->user && !m_signIn->currentUser() && !storedToken(*m_store));
        QVERIFY2(m_outcome->error.contains(u"invalid_grant"), qPrintable(m_outcome->error));
    }

    // Answers that are not this sign-in's (a stale tab, another page, a URL
    // handed over with another state) leave it waiting for its own, which a
    // URL handed to the app (command line, second start) may carry too.
    void onlyItsOwnAnswerCompletesTheSignIn()
    {
        const QUrl loopback = consent();
        QUrl stray = loopback;
        stray.setQuery("error=access_denied&state=x" + QUrlQuery(loopback).queryItemValue(QStringLiteral("state")));
        QCOMPARE(browse(stray), 200);
        QVERIFY(!m_signIn->handleURL(QUrl(QStringLiteral("stint://oauth2redirect?code=c&state=other"))));
        QUrl callback(QStringLiteral("stint://oauth2redirect"));
        callback.setQuery(QUrlQuery(loopback));
        QVERIFY(m_signIn->handleURL(callback));
        QTRY_VERIFY(m_outcome->called);
        QVERIFY2(m_outcome->user, qPrintable(m_outcome->error));
        QVERIFY(!m_signIn->handleURL(callback)); // nothing pending any more
    }

    // A second sign-in replaces the pending one; one nobody answers ends
    // after the timeout. Either way its listener closes.
    void pendingSignInEnds()
    {
        const QUrl firstLoopback = consent();
        m_signIn->setSignInTimeout(std::chrono::milliseconds(200));
        auto second = std::make_shared<Outcome>();
        QUrl secondLoopback;
        StdoutCapture capture;
        QCOMPARE(browse(startSignIn(second), &secondLoopback), 302);
        QTRY_VERIFY(m_outcome->called && !m_outcome->user);
        QCOMPARE(browse(firstLoopback), 0);
        QTRY_VERIFY(second->called && !second->user);
        QCOMPARE(capture.lines().size(), 1);
        QCOMPARE(browse(secondLoopback), 0);
    }

    void restore_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("a live grant") << "live";
        QTest::newRow("nothing stored") << "none";
        QTest::newRow("a refused grant") << "refused";
    }

    void restore()
    {
        QFETCH(QString, stored);
        if (stored != u"none")
            m_store->write(stored == u"live" ? m_server.issueTokens().refreshToken : QStringLiteral("1//never-issued"));
        m_signIn->restorePreviousSignIn(recordInto(m_outcome));
        QTRY_VERIFY(m_outcome->called);
        QCOMPARE(bool(m_outcome->user), stored == u"live");
        QCOMPARE(bool(m_signIn->currentUser()), stored == u"live");
        QCOMPARE(m_signIn->hasPreviousSignIn(), stored != u"none");
        // Renewed five minutes ahead of expiry.
        const int due = m_signIn->msUntilRefresh();
        QVERIFY2(stored != u"live" || (due > 3200 * 1000 && due <= 3302 * 1000), qPrintable(QString::number(due)));
        // A refused grant is forgotten; a working one kept until sign-out,
        // which revokes it.
        QCOMPARE(storedToken(*m_store).has_value(), stored == u"live");
        const int revocations = m_server.revocationCount();
        m_signIn->signOut();
        QVERIFY(!m_signIn->currentUser() && !m_signIn->hasPreviousSignIn() && !storedToken(*m_store));
        QTRY_COMPARE(m_server.revocationCount(), revocations + (stored == u"live" ? 1 : 0));
    }

    // Short-lived tokens are renewed in time (at 80 % of their life); a
    // refused grant is reported and the user keeps the stale tokens until
    // they sign in again.
    void refreshRenewsUntilTheGrantIsRefused()
    {
        m_server.setTokenLifetime(2);
        const DevServer::TokenSet tokens = m_server.issueTokens();
        m_store->write(tokens.refreshToken);
        m_signIn->restorePreviousSignIn(recordInto(m_outcome));
        QTRY_VERIFY(m_outcome->user.has_value());
        QVERIFY(m_signIn->msUntilRefresh() <= 1800);
        const QString first = m_signIn->currentUser()->idToken->tokenString;
        QSignalSpy userChanged(m_signIn.get(), &GoogleSignIn::currentUserChanged);
        QTRY_VERIFY_WITH_TIMEOUT(userChanged.count() >= 1, 5000);
        const QString renewed = m_signIn->currentUser()->idToken->tokenString;
        QVERIFY(renewed != first && m_server.isIdTokenAccepted(renewed));

        // Revoked elsewhere (the account's security page).
        QNetworkRequest revoke(m_server.baseUrl().resolved(QUrl(QStringLiteral("/revoke"))));
        revoke.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        const std::unique_ptr<QNetworkReply> revoked(
                m_browser.post(revoke, "token=" + QUrl::toPercentEncoding(tokens.refreshToken)));
        QTRY_VERIFY(!m_server.isRefreshTokenActive(tokens.refreshToken));
        StdoutCapture capture;
        QTRY_COMPARE_WITH_TIMEOUT(capture.lines().size(), 1, 5000);
        QVERIFY2(capture.lines().first().contains(QLatin1String("invalid_grant")), qPrintable(capture.lines().first()));
        QVERIFY(m_signIn->currentUser());
    }

    // Offline at start (Google answers 503, then not at all): the stored
    // grant is kept and tried again, quietly, and the browser is never
    // opened for it.
    void restoreWaitsForAReachableGoogle()
    {
        // The token endpoint: `reply` to every request once its headers are in.
        QByteArray reply = "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n\r\n";
        int requests = 0;
        QTcpServer google;
        QVERIFY(google.listen(QHostAddress::LocalHost));
        connect(&google, &QTcpServer::newConnection, [&] {
            QTcpSocket *socket = google.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [&reply, &requests, socket] {
                if (socket->readAll().contains("\r\n\r\n") && ++requests && !reply.isEmpty())
                    socket->write(reply), socket->disconnectFromHost();
            });
        });
        Network::setTransferTimeout(300);
        SignInSettings settings = SignInSettings::fromInfoDictionary();
        settings.tokenEndpoint = QUrl(QStringLiteral("http://127.0.0.1:%1/token").arg(google.serverPort()));
        m_store->write(QStringLiteral("stored-grant"));
        m_signIn = std::make_unique<GoogleSignIn>(settings, m_store.get());
        int browserOpenings = 0;
        m_signIn->setBrowserOpener([&](const QUrl &) { ++browserOpenings; });

        StdoutCapture capture;
        m_signIn->restorePreviousSignIn(recordInto(m_outcome));
        QTRY_COMPARE(capture.lines().size(), 1);
        reply.clear();
        m_signIn->retryPendingRestore(); // must time out to be retried below
        QTRY_COMPARE(requests, 2);
        QVERIFY(!m_outcome->called && !m_signIn->currentUser() && m_signIn->hasPreviousSignIn());
        QVERIFY(storedToken(*m_store) == QStringLiteral("stored-grant"));

        // The network is back.
        const QByteArray idToken =
                base64UrlEncode("{\"alg\":\"RS256\"}") + '.' + base64UrlEncode("{\"sub\":\"42\"}") + ".sig";
        const QByteArray tokens = "{\"access_token\":\"a\",\"expires_in\":3600,\"id_token\":\"" + idToken + "\"}";
        reply = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(tokens.size()) + "\r\n\r\n" + tokens;
        QTRY_VERIFY((m_signIn->retryPendingRestore(), m_outcome->called));
        QVERIFY(m_outcome->user && m_outcome->user->userID == u"42");
        QCOMPARE(browserOpenings, 0);
        QCOMPARE(capture.lines().size(), 1);
    }

    void keyringMissingKeepsTheTokenInMemory()
    {
        // A bus nobody listens on: no Secret Service can answer.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/stint-test-bus");
        StdoutCapture capture;
        KeychainTokenStore store;
        store.write(QStringLiteral("first-test-value"));
        QVERIFY(storedToken(store) == QStringLiteral("first-test-value"));
        store.remove();
        QVERIFY(!storedToken(store));
        QCOMPARE(capture.lines().size(), 1);
        QVERIFY(!capture.lines().first().contains(QLatin1String("test-value")));
    }
};

QTEST_MAIN(TestBackendRequests)
#include "tst_backendrequests.moc"
