// The three backend requests and the task workflow on top of them, over real
// HTTP against the dev server: what goes on the wire, what each kind of
// failure leaves behind, and the lines printed on the way.

#include "accounts/googlesignin.h"
#include "accounts/tokenstore.h"
#include "accounts/usermanager.h"
#include "backend/googleapiaccessor.h"
#include "backend/jsondecoding.h"
#include "backend/network.h"
#include "devserver/devserver.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Misbehaviour = DevServer::Misbehaviour;

QJsonObject taskJson(const QString &title, const QString &status)
{
    return {{QStringLiteral("title"), title},
            {QStringLiteral("status"), status},
            {QStringLiteral("position"), QStringLiteral("0001")},
            {QStringLiteral("webViewLink"), QStringLiteral("https://tasks.example.com/t/") + title.toLower()}};
}

QJsonObject eventJson(const QString &id, const QString &summary)
{
    const QJsonObject moment{{QStringLiteral("dateTime"), QStringLiteral("2026-12-07T10:00:00+01:00")},
                             {QStringLiteral("timeZone"), QStringLiteral("Europe/Berlin")}};
    return {{QStringLiteral("id"), id},
            {QStringLiteral("kind"), QStringLiteral("calendar#event")},
            {QStringLiteral("etag"), QStringLiteral("\"1\"")},
            {QStringLiteral("status"), QStringLiteral("confirmed")},
            {QStringLiteral("summary"), summary},
            {QStringLiteral("start"), moment},
            {QStringLiteral("end"), moment}};
}

QList<QByteArray> headerNames(const RecordedRequest &request)
{
    QList<QByteArray> names;
    for (const auto &header : request.headers)
        names << header.first.toLower();
    return names;
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

    // A fresh view-model for each test; lines printed by the test body are
    // captured by the test itself.
    std::unique_ptr<DefaultViewModel> makeModel(UserManager *users = nullptr)
    {
        return std::make_unique<DefaultViewModel>(Alarm::makeDefault(), DefaultViewModel::SignInButtonHandler(),
                                                  users ? users : m_users);
    }

    QString idToken() const { return m_users->currentIdToken(); }

    void waitForIdle(DefaultViewModel &model)
    {
        QTRY_VERIFY(!model.isTaskLoading() && !model.newTaskCreatingInProgress());
        QTest::qWait(50); // let the queued hand-over land
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_quiet = new StdoutCapture;
        QVERIFY(m_server.listen());
        const QString info = m_dir.filePath(QStringLiteral("info.json"));
        QVERIFY(m_server.writeInfoFile(info));
        qputenv("STINT_INFO_FILE", info.toLocal8Bit());

        // Signed in the way a restart does it: a stored refresh token.
        m_store.write(m_server.issueTokens().refreshToken);
        m_signIn = new GoogleSignIn(SignInSettings::fromInfoDictionary(), &m_store, this);
        bool restored = false;
        m_signIn->restorePreviousSignIn([&](std::optional<GoogleUser> user, const QString &) {
            restored = user.has_value();
        });
        QTRY_VERIFY(restored);
        m_users = new UserManager(m_signIn, this);
    }

    void init()
    {
        m_server.setMisbehaviour(Misbehaviour::none);
        m_server.setData({taskJson(QStringLiteral("Plan"), QStringLiteral("needsAction")),
                          taskJson(QStringLiteral("Done"), QStringLiteral("completed"))},
                         {eventJson(QStringLiteral("e1"), QStringLiteral("Standup"))});
        m_server.clearRequests();
        Network::setTransferTimeout(60000);
    }

    void cleanupTestCase()
    {
        delete m_quiet;
    }

    void readTasksOnTheWire()
    {
        auto model = makeModel();
        QSignalSpy loading(model.get(), &DefaultViewModel::isTaskLoadingChanged);
        QSignalSpy tasks(model.get(), &DefaultViewModel::tasksChanged);
        model->fetchTasks();
        QVERIFY(model->isTaskLoading());
        waitForIdle(*model);

        QCOMPARE(titles(model->tasks()), (QStringList{QStringLiteral("Plan"), QStringLiteral("Done")}));
        QCOMPARE(titles(model->pendingTasks()), QStringList{QStringLiteral("Plan")});
        QCOMPARE(loading.count(), 2);
        QCOMPARE(tasks.count(), 1);
        QVERIFY(!model->tasksFetchHasError());

        QCOMPARE(m_server.requests().size(), 1);
        const RecordedRequest request = m_server.requests().first();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.path, QStringLiteral("/api/v1/tasks"));
        const QList<QByteArray> names = headerNames(request);
        QVERIFY(names.indexOf("authorization") < names.indexOf("accesstoken"));
        QVERIFY(!names.contains("content-type"));
        QCOMPARE(request.header("Authorization"), "Bearer " + idToken().toUtf8());
        QCOMPARE(request.header("AccessToken"), m_users->currentAccessToken().toUtf8());
        QVERIFY(request.body.isEmpty());
    }

    void createTaskOnTheWireThenReload()
    {
        auto model = makeModel();
        model->setNewTask(true);
        StdoutCapture capture;
        model->addTask(QStringLiteral("Write \"report\" & more"));
        QVERIFY(model->newTaskCreatingInProgress());
        QVERIFY(model->newTask()); // the entry stays open while the request runs
        QTRY_COMPARE(m_server.requests().size(), 2); // the create, then the reload
        waitForIdle(*model);

        QVERIFY(!model->newTask());
        QCOMPARE(capture.lines(), QStringList{QStringLiteral("fetching tasks")});
        const RecordedRequest post = m_server.requests().at(0);
        QCOMPARE(post.method, QByteArray("POST"));
        QCOMPARE(post.path, QStringLiteral("/api/v1/tasks"));
        const QList<QByteArray> names = headerNames(post);
        QVERIFY(names.indexOf("authorization") < names.indexOf("content-type"));
        QVERIFY(names.indexOf("content-type") < names.indexOf("accesstoken"));
        QCOMPARE(post.header("Content-Type"), QByteArray("application/json"));
        QCOMPARE(post.body, QByteArray("{\"title\":\"Write \\\"report\\\" & more\"}"));
        QCOMPARE(m_server.requests().at(1).method, QByteArray("GET"));
        QVERIFY(titles(model->tasks()).contains(QStringLiteral("Write \"report\" & more")));
    }

    void emptyTitleClosesTheEntryWithoutARequest()
    {
        auto model = makeModel();
        model->setNewTask(true);
        model->addTask(QString());
        QVERIFY(!model->newTask());
        QVERIFY(!model->newTaskCreatingInProgress());
        QTest::qWait(100);
        QCOMPARE(m_server.requests().size(), 0);
    }

    void readEventsOnTheWire()
    {
        auto model = makeModel();
        QSignalSpy events(model.get(), &DefaultViewModel::eventsChanged);
        model->fetchEvents();
        QTRY_COMPARE(events.count(), 1);
        QCOMPARE(model->events().size(), 1);
        QCOMPARE(model->events().first().summary, QStringLiteral("Standup"));

        const RecordedRequest request = m_server.requests().first();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.path, QStringLiteral("/api/v1/events"));
        const QList<QByteArray> names = headerNames(request);
        QVERIFY(names.indexOf("authorization") < names.indexOf("accesstoken"));
        QCOMPARE(request.header("Authorization"), "Bearer " + idToken().toUtf8());

        // An empty list replaces whatever was there.
        m_server.setData({}, {});
        model->fetchEvents();
        QTRY_COMPARE(events.count(), 2);
        QVERIFY(model->events().isEmpty());
    }

    void signedOutUser()
    {
        GoogleSignIn nobody(SignInSettings::fromInfoDictionary(), &m_store);
        UserManager users(&nobody);
        auto model = makeModel(&users);

        StdoutCapture capture;
        QSignalSpy loading(model.get(), &DefaultViewModel::isTaskLoadingChanged);
        model->fetchTasks();
        QCOMPARE(capture.lines(), QStringList{QStringLiteral("Too early to fetch tasks, creds not restored yet")});
        QCOMPARE(loading.count(), 0);

        // The other two go out all the same, with empty credentials.
        model->addTask(QStringLiteral("Anonymous"));
        model->fetchEvents();
        QTRY_COMPARE(m_server.requests().size(), 2);
        for (const RecordedRequest &request : m_server.requests()) {
            // Both headers are on the wire, however empty. "Bearer " went
            // out; the server's parser drops the trailing blank.
            const QList<QByteArray> names = headerNames(request);
            QVERIFY(names.contains("authorization") && names.contains("accesstoken"));
            QCOMPARE(request.header("Authorization").trimmed(), QByteArray("Bearer"));
            QVERIFY(request.header("AccessToken").isEmpty());
        }
        // The backend refuses them; both failures are reported, nothing changes.
        QTRY_COMPARE(capture.lines().size(), 3);
        const QStringList lines = capture.lines();
        QVERIFY(lines.contains(QStringLiteral("Failed to add task: HTTP 401 Unauthorized")));
        QVERIFY(lines.contains(QStringLiteral("Error fetching data: HTTP 401 Unauthorized")));
        QVERIFY(model->events().isEmpty());
    }

    void aFetchUnderWayIsNotRepeated()
    {
        m_server.setMisbehaviour(Misbehaviour::slow, 300);
        auto model = makeModel();
        StdoutCapture capture;
        model->fetchTasks();
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(m_server.requests().size(), 1);
        QCOMPARE(capture.lines(), QStringList());

        // A create that finishes while a fetch runs does not start another.
        m_server.setMisbehaviour(Misbehaviour::slow, 800);
        model->fetchTasks();
        QTRY_COMPARE(m_server.requests().size(), 2); // the slow fetch has arrived
        m_server.setMisbehaviour(Misbehaviour::none);
        model->addTask(QStringLiteral("Quick one"));
        waitForIdle(*model);
        QTest::qWait(400);
        QCOMPARE(capture.lines(), QStringList{QStringLiteral("fetching tasks")});
        QCOMPARE(m_server.requests().size(), 3); // GET, GET + POST; no reload
    }

    // Each kind of failure is told apart: an HTTP error status, a body that
    // does not decode (never the no-data error), or a transport error.
    void failedFetch_data()
    {
        QTest::addColumn<Misbehaviour>("mode");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<int>("code");
        const int corrupted = int(JsonDecoding::Code::dataCorrupted);
        QTest::newRow("server error") << Misbehaviour::serverError << "HTTP" << 500;
        QTest::newRow("unauthorized") << Misbehaviour::unauthorized << "HTTP" << 401;
        QTest::newRow("bad request") << Misbehaviour::badRequest << "HTTP" << 400;
        QTest::newRow("empty body") << Misbehaviour::emptyBody << "JSON" << corrupted;
        QTest::newRow("204 is not the no-data error") << Misbehaviour::noContent << "JSON" << corrupted;
        QTest::newRow("not JSON") << Misbehaviour::notJson << "JSON" << corrupted;
        QTest::newRow("truncated JSON") << Misbehaviour::truncatedJson << "JSON" << corrupted;
        QTest::newRow("connection dropped") << Misbehaviour::dropConnection << "QNetworkReply"
                                            << int(QNetworkReply::RemoteHostClosedError);
        QTest::newRow("timed out") << Misbehaviour::slow << "QNetworkReply"
                                   << int(QNetworkReply::OperationCanceledError);
    }

    void failedFetch()
    {
        QFETCH(Misbehaviour, mode);
        QFETCH(QString, domain);
        QFETCH(int, code);

        auto model = makeModel();
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(model->tasks().size(), 2);

        m_server.setMisbehaviour(mode, 1500);
        Network::setTransferTimeout(300);
        GoogleAPIAccessor api;
        std::optional<Result<QList<Task2>>> result;
        api.getTasks(idToken(), m_users->currentAccessToken(), [&](Result<QList<Task2>> r) { result = r; });
        QTRY_VERIFY(result.has_value());
        QVERIFY(!result->isSuccess());
        QCOMPARE(result->error().domain, domain);
        QCOMPARE(result->error().code, code);

        StdoutCapture capture;
        model->fetchTasks();
        waitForIdle(*model);

        // The old list stays; the failure is published and printed once.
        QCOMPARE(model->tasks().size(), 2);
        QVERIFY(model->tasksFetchHasError());
        QCOMPARE(model->tasksErrorMessage(), result->error().description);
        QCOMPARE(model->tasksErrorText(), result->error().description);
        QCOMPARE(capture.lines(), QStringList{QStringLiteral("Failed to fetch tasks: ") + result->error().description});

        // The next fetch clears the error before its request goes out.
        m_server.setMisbehaviour(Misbehaviour::none);
        Network::setTransferTimeout(60000);
        model->fetchTasks();
        QVERIFY(!model->tasksFetchHasError());
        QVERIFY(!model->tasksErrorMessage().has_value());
        waitForIdle(*model);
        QVERIFY(!model->tasksFetchHasError());
    }

    void createOutcome_data()
    {
        QTest::addColumn<Misbehaviour>("mode");
        QTest::addColumn<QString>("line"); // the first line printed
        QTest::newRow("500 is a failure") << Misbehaviour::serverError << "Failed to add task: HTTP 500 Internal Server Error";
        QTest::newRow("401 is a failure") << Misbehaviour::unauthorized << "Failed to add task: HTTP 401 Unauthorized";
        QTest::newRow("400 is a failure") << Misbehaviour::badRequest << "Failed to add task: HTTP 400 Bad Request";
        QTest::newRow("connection dropped") << Misbehaviour::dropConnection << "Failed to add task: ";
        QTest::newRow("body is not read: not JSON") << Misbehaviour::notJson << "fetching tasks";
        QTest::newRow("body is not read: empty") << Misbehaviour::emptyBody << "fetching tasks";
        QTest::newRow("204") << Misbehaviour::noContent << "fetching tasks";
    }

    void createOutcome()
    {
        QFETCH(Misbehaviour, mode);
        QFETCH(QString, line);
        m_server.setMisbehaviour(mode);
        auto model = makeModel();
        model->setNewTask(true);
        StdoutCapture capture;
        model->addTask(QStringLiteral("Something"));
        QTRY_VERIFY(!model->newTaskCreatingInProgress());
        waitForIdle(*model);
        QVERIFY(!model->newTask()); // the entry closes either way
        const QStringList lines = capture.lines();
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.first().startsWith(line), qPrintable(lines.first()));
    }

    void failedEvents_data()
    {
        QTest::addColumn<Misbehaviour>("mode");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("500") << Misbehaviour::serverError << "Error fetching data: HTTP 500";
        QTest::newRow("401 with an object body") << Misbehaviour::unauthorized << "Error fetching data: HTTP 401";
        QTest::newRow("400") << Misbehaviour::badRequest << "Error fetching data: HTTP 400";
        QTest::newRow("empty body") << Misbehaviour::emptyBody << "Error decoding data: ";
        QTest::newRow("not JSON") << Misbehaviour::notJson << "Error decoding data: ";
        QTest::newRow("truncated") << Misbehaviour::truncatedJson << "Error decoding data: ";
        QTest::newRow("connection dropped") << Misbehaviour::dropConnection << "Error fetching data: ";
    }

    void failedEvents()
    {
        QFETCH(Misbehaviour, mode);
        QFETCH(QString, prefix);
        auto model = makeModel();
        QSignalSpy events(model.get(), &DefaultViewModel::eventsChanged);
        model->fetchEvents();
        QTRY_COMPARE(events.count(), 1);

        m_server.setMisbehaviour(mode);
        StdoutCapture capture;
        model->fetchEvents();
        QTRY_COMPARE(capture.lines().size(), 1);
        QVERIFY2(capture.lines().first().startsWith(prefix), qPrintable(capture.lines().first()));
        QTest::qWait(50);
        QCOMPARE(events.count(), 1);
        QCOMPARE(model->events().size(), 1); // the earlier events stay
    }

    void textFromOutsideIsPrintedEscaped()
    {
        QJsonObject evil = taskJson(QStringLiteral("x"), QStringLiteral("needsAction"));
        evil.insert(QStringLiteral("title"), QStringLiteral("Evil\u001b]0;owned\u0007\u009b31m"));
        m_server.setData({evil}, {});
        auto model = makeModel();
        model->fetchTasks();
        waitForIdle(*model);
        StdoutCapture capture;
        model->startTask(model->tasks().first());
        model->handleDroppedText(QStringLiteral("a\nb\u007f\u009f\u00a0\u00e9 c"));

        evil.insert(QStringLiteral("webViewLink"), QStringLiteral("\u001b[2J"));
        m_server.setData({evil}, {});
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(capture.lines(), (QStringList{
            QStringLiteral("Dropped task: Evil\\x1b]0;owned\\x07\\u009b31m"),
            QStringLiteral("Dropped text: a\\x0ab\\x7f\\u009f\u00a0\u00e9 c"),
            QStringLiteral("Failed to fetch tasks: Task 0: member \"webViewLink\" is not a URL: \"\\x1b[2J\""),
        }));
    }

    void pendingTasksKeepEveryOtherStatus()
    {
        m_server.setData({taskJson(QStringLiteral("a"), QStringLiteral("completed")),
                          taskJson(QStringLiteral("b"), QStringLiteral("Completed")),
                          taskJson(QStringLiteral("c"), QString()),
                          taskJson(QStringLiteral("d"), QStringLiteral("needsAction")),
                          taskJson(QStringLiteral("e"), QStringLiteral("completed "))},
                         {});
        auto model = makeModel();
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(titles(model->pendingTasks()),
                 (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")}));
        QCOMPARE(model->tasks().size(), 5);
    }
};

QTEST_MAIN(TestBackendRequests)
#include "tst_backendrequests.moc"
