// "Complete the Task in Google Tasks When I Answer Yes", over real HTTP
// against the dev server: the real backend code, the stand-in Google behind it.

#include "accounts/googlesignin.h"
#include "accounts/tokenstore.h"
#include "accounts/usermanager.h"
#include "backend/network.h"
#include "devserver/devserver.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"
#include "ui/taskcompletion.h"

#include <QJsonObject>
#include <QQmlEngine>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Misbehaviour = DevServer::Misbehaviour;

QJsonObject taskJson(const QString &id, const QString &title)
{
    return {{"id", id},
            {"title", title},
            {"status", "needsAction"},
            {"position", "0001"},
            {"webViewLink", "https://tasks.example.com/t"}};
}

QStringList pendingTitles(const DefaultViewModel &model)
{
    QStringList titles;
    for (const Task2 &task : model.pendingTasks())
        titles << task.title;
    return titles;
}

} // namespace

class TestTaskCompletion : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    DevServer m_server;
    MemoryTokenStore m_store;
    GoogleSignIn *m_signIn = nullptr;
    UserManager *m_users = nullptr;
    StdoutCapture *m_quiet = nullptr;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<DefaultViewModel> m_model;
    TaskCompletion *m_completion = nullptr;

    // Fetches the list, starts "Write", runs the phase out and answers.
    void finishWrite(bool yes)
    {
        m_model->fetchTasks();
        QTRY_VERIFY(!m_model->isTaskLoading());
        QTRY_COMPARE(pendingTitles(*m_model), (QStringList{"Plan", "Write"}));
        m_model->startTask(m_model->pendingTasks().at(1));
        while (m_model->isTimerRunning())
            m_model->tick();
        QVERIFY(m_model->shouldAskIfTaskIsDone());
        m_server.clearRequests();
        m_model->answerTaskQuestion(yes);
    }

    QStringList completionRequests()
    {
        QStringList paths;
        for (const RecordedRequest &request : m_server.requests()) {
            if (request.path.endsWith(u"/complete") || request.path.endsWith(u"/reopen"))
                paths << QString::fromLatin1(request.method) + u' ' + request.path;
        }
        return paths;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_quiet = new StdoutCapture;
        QVERIFY(m_server.listen());
        const QString info = m_dir.filePath("info.json");
        QVERIFY(m_server.writeInfoFile(info));
        qputenv("STINT_INFO_FILE", info.toLocal8Bit());
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
        m_server.setData({taskJson("t1", "Plan"), taskJson("t2", "Write")}, {});
        m_engine = std::make_unique<QQmlEngine>();
        m_model = std::make_unique<DefaultViewModel>(Alarm::makeDefault(), DefaultViewModel::SignInButtonHandler(),
                                                     m_users);
        m_completion = TaskCompletion::of(m_engine.get());
        m_completion->setViewModel(m_model.get());
        m_completion->setEnabled(false);
    }

    void cleanup()
    {
        m_engine.reset();
        m_model.reset();
    }

    void cleanupTestCase() { delete m_quiet; }

    void offChangesNothing()
    {
        QVERIFY(!m_completion->isEnabled()); // the default
        finishWrite(true);
        QTest::qWait(200);
        QCOMPARE(completionRequests(), QStringList());
        QCOMPARE(pendingTitles(*m_model), (QStringList{"Plan", "Write"}));
        QCOMPARE(m_completion->message(), QString());
    }

    void completesAndUndoes()
    {
        m_completion->setEnabled(true);
        finishWrite(true);
        QTRY_VERIFY(m_completion->canUndo());
        QCOMPARE(completionRequests(), QStringList{"POST /api/v1/tasks/t2/complete"});
        QCOMPARE(pendingTitles(*m_model), QStringList{"Plan"}); // the row goes
        QVERIFY(!m_completion->failed());
        // Google has it completed.
        m_model->fetchTasks();
        QTRY_VERIFY(!m_model->isTaskLoading());
        QCOMPARE(pendingTitles(*m_model), QStringList{"Plan"});

        m_completion->undo();
        QTRY_COMPARE(pendingTitles(*m_model), (QStringList{"Plan", "Write"}));
        QCOMPARE(completionRequests().last(), QStringLiteral("POST /api/v1/tasks/t2/reopen"));
        QVERIFY(!m_completion->canUndo());
        m_model->fetchTasks();
        QTRY_VERIFY(!m_model->isTaskLoading());
        QCOMPARE(pendingTitles(*m_model), (QStringList{"Plan", "Write"}));
    }

    void onlyYesAndOnlyListTasks()
    {
        m_completion->setEnabled(true);
        finishWrite(false);
        // Dropped text has no task to complete.
        m_model->setTaskTitle(QStringLiteral("Write"));
        m_model->handleDroppedText(QStringLiteral("Write"));
        while (m_model->isTimerRunning())
            m_model->tick();
        m_model->answerTaskQuestion(true);
        QTest::qWait(200);
        QCOMPARE(completionRequests(), QStringList());
    }

    void failureKeepsTheRow_data()
    {
        QTest::addColumn<Misbehaviour>("misbehaviour");
        QTest::newRow("500") << Misbehaviour::serverError;
        QTest::newRow("dropped connection") << Misbehaviour::dropConnection;
    }

    void failureKeepsTheRow()
    {
        QFETCH(Misbehaviour, misbehaviour);
        m_completion->setEnabled(true);
        m_model->fetchTasks();
        QTRY_COMPARE(pendingTitles(*m_model), (QStringList{"Plan", "Write"}));
        m_server.setMisbehaviour(misbehaviour);
        StdoutCapture capture;
        finishWrite(true);
        QTRY_VERIFY(m_completion->failed());
        QCOMPARE(completionRequests(), QStringList{"POST /api/v1/tasks/t2/complete"});
        QCOMPARE(pendingTitles(*m_model), (QStringList{"Plan", "Write"}));
        QVERIFY(m_completion->message().contains(u"Write"));
        QVERIFY(!m_completion->canUndo());
        QVERIFY(capture.lines().filter(QStringLiteral("Failed to complete task: ")).size() == 1);
        // Nothing is tried again behind the user's back.
        QTest::qWait(300);
        QCOMPARE(completionRequests().size(), 1);
    }
};

QTEST_MAIN(TestTaskCompletion)
#include "tst_taskcompletion.moc"
