// The backend requests and the task workflow on top of them, over real HTTP
// against the dev server: what goes on the wire, what each kind of failure
// leaves behind, and the lines printed on the way.

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
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Misbehaviour = DevServer::Misbehaviour;

QJsonObject taskJson(const QString &title, const QString &status)
{
    return {{"title", title}, {"status", status}, {"position", "0001"}, {"webViewLink", "https://tasks.example.com/t"}};
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
        m_signIn->restorePreviousSignIn([&](std::optional<GoogleUser> user, const QString &) { restored = bool(user); });
        QTRY_VERIFY(restored);
        m_users = new UserManager(m_signIn, this);
    }

    void init()
    {
        m_server.setMisbehaviour(Misbehaviour::none);
        const QJsonObject moment{{"dateTime", "2026-12-07T10:00:00+01:00"}, {"timeZone", "Europe/Berlin"}};
        const QJsonObject event{{"id", "e1"}, {"kind", "calendar#event"}, {"etag", "\"1\""}, {"status", "confirmed"},
                                {"summary", "Standup"}, {"start", moment}, {"end", moment}};
        m_server.setData({taskJson("Plan", "needsAction"), taskJson("Done", "completed")}, {event});
        m_server.clearRequests();
        Network::setTransferTimeout(60000);
    }

    void cleanupTestCase() { delete m_quiet; }

    void readsOnTheWire()
    {
        auto model = makeModel();
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(titles(model->tasks()), QStringList({"Plan", "Done"}));
        QCOMPARE(titles(model->pendingTasks()), QStringList{"Plan"});
        QSignalSpy events(model.get(), &DefaultViewModel::eventsChanged);
        model->fetchEvents();
        QTRY_COMPARE(events.count(), 1);
        QCOMPARE(model->events().first().summary, "Standup");

        QCOMPARE(m_server.requests().size(), 2);
        for (const RecordedRequest &request : m_server.requests()) {
            QCOMPARE(ownHeaders(request), (QList<QByteArray>{"authorization", "accesstoken"}));
            QVERIFY(request.body.isEmpty());
        }
        checkSignedIn(m_server.requests().at(0), "GET /api/v1/tasks");
        checkSignedIn(m_server.requests().at(1), "GET /api/v1/events");
    }

    void createTaskOnTheWireThenReload()
    {
        auto model = makeModel();
        model->setNewTask(true);
        StdoutCapture capture;
        model->addTask("Write \"report\" & more");
        QVERIFY(model->newTask()); // the entry stays open while the request runs
        QTRY_COMPARE(m_server.requests().size(), 2); // the create, then the reload
        waitForIdle(*model);

        QVERIFY(!model->newTask());
        QCOMPARE(capture.lines(), QStringList{"fetching tasks"});
        const RecordedRequest post = m_server.requests().at(0);
        checkSignedIn(post, "POST /api/v1/tasks");
        QCOMPARE(ownHeaders(post), (QList<QByteArray>{"authorization", "content-type", "accesstoken"}));
        QCOMPARE(post.header("Content-Type"), QByteArray("application/json"));
        QCOMPARE(post.body, QByteArray("{\"title\":\"Write \\\"report\\\" & more\"}"));
        QVERIFY(titles(model->tasks()).contains("Write \"report\" & more"));

        // An empty title closes the entry without a request.
        model->setNewTask(true);
        model->addTask(QString());
        QVERIFY(!model->newTask() && !model->newTaskCreatingInProgress());
    }

    void signedOutUser()
    {
        GoogleSignIn nobody(SignInSettings::fromInfoDictionary(), &m_store);
        UserManager users(&nobody);
        auto model = makeModel(&users);

        StdoutCapture capture;
        QSignalSpy loading(model.get(), &DefaultViewModel::isTaskLoadingChanged);
        model->fetchTasks();
        QCOMPARE(capture.lines(), QStringList{"Too early to fetch tasks, creds not restored yet"});
        QCOMPARE(loading.count(), 0);

        // The others go out all the same, with empty credentials; so does the
        // task list when asked for directly.
        model->addTask("Anonymous");
        model->fetchEvents();
        GoogleAPIAccessor api;
        api.getTasks(QString(), QString(), [](Result<QList<Task2>>) {});
        QTRY_COMPARE(m_server.requests().size(), 3);
        for (const RecordedRequest &request : m_server.requests()) {
            // Both headers are on the wire, however empty. "Bearer " went
            // out; the server's parser drops the trailing blank.
            QVERIFY(ownHeaders(request).contains("accesstoken"));
            QCOMPARE(request.header("Authorization").trimmed(), QByteArray("Bearer"));
            QVERIFY(request.header("AccessToken").isEmpty());
        }
        QTRY_COMPARE(capture.lines().size(), 3);
        QVERIFY(capture.lines().contains("Failed to add task: HTTP 401 Unauthorized"));
        QVERIFY(capture.lines().contains("Error fetching data: HTTP 401 Unauthorized"));
    }

    void aFetchUnderWayIsNotRepeated()
    {
        m_server.setMisbehaviour(Misbehaviour::slow, 300);
        auto model = makeModel();
        model->fetchTasks();
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(m_server.requests().size(), 1);
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
        const QString undecoded = "Error decoding data: The reply is ";
        const QString failed = "Error fetching data: ";
        QTest::newRow("500") << Misbehaviour::serverError << "HTTP" << 500 << false << failed + "HTTP 500 Internal Server Error";
        QTest::newRow("401") << Misbehaviour::unauthorized << "HTTP" << 401 << false << failed + "HTTP 401 Unauthorized";
        QTest::newRow("400") << Misbehaviour::badRequest << "HTTP" << 400 << false << failed + "HTTP 400 Bad Request";
        QTest::newRow("empty body") << Misbehaviour::emptyBody << "JSON" << corrupted << true << undecoded + "empty";
        QTest::newRow("204") << Misbehaviour::noContent << "JSON" << corrupted << true << undecoded + "empty";
        QTest::newRow("not JSON") << Misbehaviour::notJson << "JSON" << corrupted << true << undecoded + "not valid JSON";
        QTest::newRow("truncated") << Misbehaviour::truncatedJson << "JSON" << corrupted << true
                                   << undecoded + "not valid JSON";
        QTest::newRow("connection dropped") << Misbehaviour::dropConnection << "QNetworkReply"
                                            << int(QNetworkReply::RemoteHostClosedError) << false << failed;
        QTest::newRow("timed out") << Misbehaviour::slow << "QNetworkReply" << int(QNetworkReply::OperationCanceledError)
                                   << false << failed + "The request timed out.";
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
        std::optional<Result<QList<Task2>>> result;
        GoogleAPIAccessor api;
        api.getTasks(m_users->currentIdToken(), m_users->currentAccessToken(), [&](Result<QList<Task2>> r) { result = r; });
        QTRY_VERIFY(result.has_value());
        QVERIFY(!result->isSuccess());
        QCOMPARE(result->error().domain, domain);
        QCOMPARE(result->error().code, code);
        const QString description = result->error().description;

        // The old lists stay; each failure is published and printed once.
        StdoutCapture capture;
        model->fetchTasks();
        waitForIdle(*model);
        QCOMPARE(model->tasks().size(), 2);
        QVERIFY(model->tasksFetchHasError());
        QCOMPARE(model->tasksErrorText(), description);
        QCOMPARE(capture.lines(), QStringList{"Failed to fetch tasks: " + description});
        model->fetchEvents();
        QTRY_COMPARE(capture.lines().size(), 2);
        QVERIFY2(capture.lines().at(1).startsWith(eventsLine), qPrintable(capture.lines().at(1)));
        QCOMPARE(model->events().size(), 1);

        model->setNewTask(true);
        model->addTask("Something");
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
        waitForIdle(*model);
        QVERIFY(!model->tasksFetchHasError());
    }

    void textFromOutsideIsPrintedEscaped()
    {
        QJsonObject evil = taskJson("Evil\u001b]0;owned\u0007\u009b31m", "needsAction");
        m_server.setData({evil}, {});
        auto model = makeModel();
        model->fetchTasks();
        waitForIdle(*model);
        StdoutCapture capture;
        model->startTask(model->tasks().first());
        model->handleDroppedText("a\nb\u007f\u009f\u00a0\u00e9 c");

        QCOMPARE(capture.lines(), (QStringList{
            "Dropped task: Evil\\x1b]0;owned\\x07\\u009b31m",
            "Dropped text: a\\x0ab\\x7f\\u009f\u00a0\u00e9 c",
        }));
    }
};

QTEST_MAIN(TestBackendRequests)
#include "tst_backendrequests.moc"
