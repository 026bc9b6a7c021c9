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

// The headers the app sets itself, by name, in the order they were sent:
// present even when empty. The HTTP client adds others of its own.
QList<QByteArray> ownHeaders(const RecordedRequest &request)
{
    QList<QByteArray> names;
    for (const auto &header : request.headers) {
        const QByteArray name = header.first.toLower();
        if (name == "authorization" || name == "content-type" || name == "accesstoken")
            names << name;
    }
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
        QCOMPARE(request.method + ' ' + request.path.toUtf8(), QByteArray("GET /api/v1/tasks"));
        QCOMPARE(ownHeaders(request), (QList<QByteArray>{"authorization", "accesstoken"}));
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
        QCOMPARE(post.method + ' ' + post.path.toUtf8(), QByteArray("POST /api/v1/tasks"));
        QCOMPARE(ownHeaders(post), (QList<QByteArray>{"authorization", "content-type", "accesstoken"}));
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
        QCOMPARE(request.method + ' ' + request.path.toUtf8(), QByteArray("GET /api/v1/events"));
        QCOMPARE(ownHeaders(request), (QList<QByteArray>{"authorization", "accesstoken"}));
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

        // The other two go out all the same, with empty credentials; so
        // does the task list when asked for directly.
        model->addTask(QStringLiteral("Anonymous"));
        model->fetchEvents();
        GoogleAPIAccessor().getTasks(QString(), QString(), [](Result<QList<Task2>>) {});
        QTRY_COMPARE(m_server.requests().size(), 3);
        for (const RecordedRequest &request : m_server.requests()) {
            // Both headers are on the wire, however empty. "Bearer " went
            // out; the server's parser drops the trailing blank.
            QVERIFY(ownHeaders(request).contains("accesstoken"));
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

    // What each kind of broken reply does to the three requests. The task
    // list tells the kinds apart: an HTTP error status, a body that does not
    // decode (never the no-data error), a transport error. A create fails
    // only on an error status or in transport; its body is never read.
    void misbehavingBackend_data()
    {
        QTest::addColumn<Misbehaviour>("mode");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("created");
        QTest::addColumn<QString>("eventsLine"); // how it starts
        const int corrupted = int(JsonDecoding::Code::dataCorrupted);
        const QString undecoded = QStringLiteral("Error decoding data: The reply is ");
        QTest::newRow("500") << Misbehaviour::serverError << "HTTP" << 500 << false
                             << "Error fetching data: HTTP 500 Internal Server Error";
        QTest::newRow("401") << Misbehaviour::unauthorized << "HTTP" << 401 << false
                             << "Error fetching data: HTTP 401 Unauthorized";
        QTest::newRow("400") << Misbehaviour::badRequest << "HTTP" << 400 << false
                             << "Error fetching data: HTTP 400 Bad Request";
        QTest::newRow("empty body") << Misbehaviour::emptyBody << "JSON" << corrupted << true << undecoded + "empty";
        QTest::newRow("204") << Misbehaviour::noContent << "JSON" << corrupted << true << undecoded + "empty";
        QTest::newRow("not JSON") << Misbehaviour::notJson << "JSON" << corrupted << true << undecoded + "not valid JSON";
        QTest::newRow("truncated") << Misbehaviour::truncatedJson << "JSON" << corrupted << true
                                   << undecoded + "not valid JSON";
        QTest::newRow("connection dropped") << Misbehaviour::dropConnection << "QNetworkReply"
                                            << int(QNetworkReply::RemoteHostClosedError) << false
                                            << "Error fetching data: ";
        QTest::newRow("timed out") << Misbehaviour::slow << "QNetworkReply"
                                   << int(QNetworkReply::OperationCanceledError) << false
                                   << "Error fetching data: The request timed out.";
    }

    void misbehavingBackend()
    {
        QFETCH(Misbehaviour, mode);
        QFETCH(QString, domain);
        QFETCH(int, code);
        QFETCH(bool, created);
        QFETCH(QString, eventsLine);

        auto model = makeModel();
        QSignalSpy events(model.get(), &DefaultViewModel::eventsChanged);
        model->fetchTasks();
        model->fetchEvents();
        waitForIdle(*model);
        QTRY_COMPARE(events.count(), 1);

        m_server.setMisbehaviour(mode, 1500);
        Network::setTransferTimeout(300);
        GoogleAPIAccessor api;
        std::optional<Result<QList<Task2>>> result;
        api.getTasks(idToken(), m_users->currentAccessToken(), [&](Result<QList<Task2>> r) { result = r; });
        QTRY_VERIFY(result.has_value());
        QVERIFY(!result->isSuccess());
        QCOMPARE(result->error().domain, domain);
        QCOMPARE(result->error().code, code);
        const QString description = result->error().description;

        // The old list stays; the failure is published and printed once.
        StdoutCapture capture;
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(model->tasks().size(), 2);
        QVERIFY(model->tasksFetchHasError());
        QCOMPARE(model->tasksErrorMessage(), description);
        QCOMPARE(model->tasksErrorText(), description);
        QCOMPARE(capture.lines(), QStringList{QStringLiteral("Failed to fetch tasks: ") + description});

        // The earlier events stay.
        model->fetchEvents();
        QTRY_COMPARE(capture.lines().size(), 2);
        QVERIFY2(capture.lines().at(1).startsWith(eventsLine), qPrintable(capture.lines().at(1)));
        QCOMPARE(model->events().size(), 1);

        model->setNewTask(true);
        model->addTask(QStringLiteral("Something"));
        waitForIdle(*model);
        QVERIFY(!model->newTask()); // the entry closes either way
        const QString createLine = capture.lines().value(2);
        QVERIFY2(created ? createLine == u"fetching tasks" : createLine.startsWith(u"Failed to add task: "),
                 qPrintable(createLine));

        // The next fetch clears the error before its request goes out.
        m_server.setMisbehaviour(Misbehaviour::none);
        Network::setTransferTimeout(60000);
        model->fetchTasks();
        QVERIFY(!model->tasksFetchHasError());
        QVERIFY(!model->tasksErrorMessage().has_value());
        waitForIdle(*model);
        QVERIFY(!model->tasksFetchHasError());
        QCOMPARE(events.count(), 1);
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

        QCOMPARE(capture.lines(), (QStringList{
            QStringLiteral("Dropped task: Evil\\x1b]0;owned\\x07\\u009b31m"),
            QStringLiteral("Dropped text: a\\x0ab\\x7f\\u009f\u00a0\u00e9 c"),
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
