// The backend requests and the task workflow on top of them, over real HTTP
// against the dev server: what goes on the wire, what each kind of failure
// leaves behind, and the lines printed on the way.

#include "accounts/googlesignin.h"
#include "accounts/tokenstore.h"
#include "accounts/usermanager.h"
#include "backend/network.h"
#include "devserver/devserver.h"
#include "support/fakeclock.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"
#include "timer/eventrefresher.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class TestBackendRequests : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    DevServer m_server;
    MemoryTokenStore m_store;
    GoogleSignIn *m_signIn = nullptr;
    UserManager *m_users = nullptr;
    StdoutCapture *m_quiet = nullptr;

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

private Q_SLOTS:
    void initTestCase()
    {
        m_quiet = new StdoutCapture;
        QVERIFY(m_server.listen());
        const QString info = m_dir.filePath("info.json");
        QVERIFY(m_server.writeInfoFile(info));
        qputenv("STINT_INFO_FILE", info.toLocal8Bit());

        // Signed in the way a restart does it: a stored refresh token.
        m_store.write(m_server.issueTokens().refreshToken);
        m_signIn = new GoogleSignIn(SignInSettings::fromInfoDictionary(), &m_store, this);
        bool restored = false;
        m_signIn->restorePreviousSignIn(
                [&](std::optional<GoogleUser> user, const QString &) { restored = bool(user); });
        QTRY_VERIFY(restored);
        m_users = new UserManager(m_signIn, this);
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
        Network::setTransferTimeout(60000);
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
        GoogleSignIn nobody(SignInSettings::fromInfoDictionary(), &m_store);
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
};

QTEST_MAIN(TestBackendRequests)
#include "tst_backendrequests.moc"
