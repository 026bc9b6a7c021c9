// The countdown: its state table, what each step announces, and the life of
// the "Is the task now done?" question.

#include "accounts/usermanager.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct Fixture
{
    StdoutCapture capture; // keeps "new" out of the test log
    UserManager users{nullptr};
    DefaultViewModel model{Alarm::makeDefault(), [](DefaultViewModel &) {}, &users};

    void run(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            model.tick();
    }
};

} // namespace

class TestTimerEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newViewModelIsReadyInFocus()
    {
        Fixture f;
        QCOMPARE(f.model.currentState(), PomodoroState::focus);
        QCOMPARE(f.model.time(), 1500.0);
        QCOMPARE(f.model.progress(), 1.0);
        QVERIFY(!f.model.isTimerRunning());
        QVERIFY(!f.model.isPhaseStarted());
        QVERIFY(!f.model.shouldAskIfTaskIsDone());
    }

    void ticksWhileStoppedChangeAndAnnounceNothing()
    {
        Fixture f;
        QSignalSpy time(&f.model, &DefaultViewModel::timeChanged);
        QSignalSpy progress(&f.model, &DefaultViewModel::progressChanged);
        QSignalSpy ask(&f.model, &DefaultViewModel::shouldAskIfTaskIsDoneChanged);
        QSignalSpy running(&f.model, &DefaultViewModel::isTimerRunningChanged);
        f.run(10);
        QCOMPARE(f.model.time(), 1500.0);
        QCOMPARE(time.count() + progress.count() + ask.count() + running.count(), 0);
    }

    void everyAssignmentIsAnnounced()
    {
        // The views redraw on the signal, so even a write of the same value
        // must be heard.
        Fixture f;
        QSignalSpy running(&f.model, &DefaultViewModel::isTimerRunningChanged);
        QSignalSpy started(&f.model, &DefaultViewModel::isPhaseStartedChanged);
        QSignalSpy title(&f.model, &DefaultViewModel::taskTitleChanged);
        f.model.setIsTimerRunning(false);
        f.model.setIsTimerRunning(false);
        f.model.setTaskTitle(QString());
        QCOMPARE(running.count(), 2);
        QCOMPARE(started.count(), 2);
        QCOMPARE(title.count(), 1);
    }

    void aTickCountsDownAndAnnouncesEachStep()
    {
        Fixture f;
        f.model.setIsTimerRunning(true);
        QVERIFY(f.model.isPhaseStarted());
        f.model.setIsTimerRunning(false); // paused before any tick: still ready
        QVERIFY(!f.model.isPhaseStarted());
        f.model.setIsTimerRunning(true);
        QSignalSpy time(&f.model, &DefaultViewModel::timeChanged);
        QSignalSpy progress(&f.model, &DefaultViewModel::progressChanged);
        QSignalSpy ask(&f.model, &DefaultViewModel::shouldAskIfTaskIsDoneChanged);
        f.model.tick();
        QCOMPARE(f.model.time(), 1499.0);
        QCOMPARE(f.model.progress(), 1499.0 / 1500.0);
        QCOMPARE(time.count(), 1);
        QCOMPARE(progress.count(), 1);
        QCOMPARE(ask.count(), 1); // recomputed (false) on every running tick
        QVERIFY(f.model.isPhaseStarted());

        f.model.setIsTimerRunning(false); // pause
        QVERIFY(f.model.isPhaseStarted());
        f.run(5);
        QCOMPARE(f.model.time(), 1499.0);
    }

    void phaseRunsOut_data()
    {
        QTest::addColumn<bool>("rest");
        QTest::addColumn<QString>("taskTitle");
        QTest::addColumn<bool>("asks");
        QTest::newRow("focus with a task") << false << "Write report" << true;
        QTest::newRow("focus without a task") << false << "" << false;
        QTest::newRow("rest with a task") << true << "Write report" << true;
    }

    void phaseRunsOut()
    {
        QFETCH(bool, rest);
        QFETCH(QString, taskTitle);
        QFETCH(bool, asks);

        Fixture f;
        if (rest)
            f.model.stopAndSwitchPhase();
        const auto phase = f.model.currentState();
        const double length = f.model.duration(phase);
        f.model.setTaskTitle(taskTitle);
        f.model.setIsTimerRunning(true);

        f.run(int(length) - 1);
        QCOMPARE(f.model.time(), 1.0);
        QVERIFY(f.model.isTimerRunning());
        QVERIFY(!f.model.shouldAskIfTaskIsDone());

        QSignalSpy time(&f.model, &DefaultViewModel::timeChanged);
        f.model.tick();
        // Through zero and back to full within the same tick, same phase.
        QCOMPARE(time.count(), 2);
        QCOMPARE(f.model.time(), length);
        QCOMPARE(f.model.currentState(), phase);
        QCOMPARE(f.model.progress(), 1.0);
        QVERIFY(!f.model.isTimerRunning());
        QVERIFY(!f.model.isPhaseStarted());
        QVERIFY(f.model.shouldAskAboutStatus());
        QCOMPARE(f.model.shouldAskIfTaskIsDone(), asks);
        QCOMPARE(f.model.alarmPlayer().playCount(), 1);
    }

    void stopSwitchesToTheOtherPhaseWithoutAsking()
    {
        Fixture f;
        f.model.setTaskTitle(QStringLiteral("Write report"));
        f.model.setIsTimerRunning(true);
        f.run(100);

        QSignalSpy ask(&f.model, &DefaultViewModel::shouldAskIfTaskIsDoneChanged);
        f.model.stopAndSwitchPhase();
        QCOMPARE(f.model.currentState(), PomodoroState::rest);
        QCOMPARE(f.model.time(), 300.0);
        QCOMPARE(f.model.progress(), 1.0);
        QVERIFY(!f.model.isTimerRunning());
        QVERIFY(f.model.shouldAskAboutStatus());
        QCOMPARE(ask.count(), 0);
        QVERIFY(!f.model.shouldAskIfTaskIsDone());

        f.model.stopAndSwitchPhase();
        QCOMPARE(f.model.currentState(), PomodoroState::focus);
        QCOMPARE(f.model.time(), 1500.0);
    }

    void questionHidesWhileRunningAndComesBack()
    {
        Fixture f;
        f.model.setTaskTitle(QStringLiteral("Write report"));
        f.model.setIsTimerRunning(true);
        f.run(1500);
        QVERIFY(f.model.shouldAskIfTaskIsDone());

        // Restarted without an answer: the next tick hides the question...
        f.model.setIsTimerRunning(true);
        QVERIFY(f.model.shouldAskIfTaskIsDone()); // lags until the next recomputation
        f.model.tick();
        QVERIFY(!f.model.shouldAskIfTaskIsDone());
        // ...and the end of that phase brings it back.
        f.run(1499);
        QVERIFY(f.model.shouldAskIfTaskIsDone());
        QCOMPARE(f.model.alarmPlayer().playCount(), 2);
    }

    void answeringTakesOnlyTheQuestionAway()
    {
        Fixture f;
        f.model.setTaskTitle(QStringLiteral("Write report"));
        f.model.setIsTimerRunning(true);
        f.run(1500);
        QVERIFY(f.model.shouldAskIfTaskIsDone());

        QSignalSpy ask(&f.model, &DefaultViewModel::shouldAskIfTaskIsDoneChanged);
        QSignalSpy title(&f.model, &DefaultViewModel::taskTitleChanged);
        QSignalSpy time(&f.model, &DefaultViewModel::timeChanged);
        f.model.answerTaskQuestion();
        QVERIFY(!f.model.shouldAskIfTaskIsDone());
        QVERIFY(!f.model.shouldAskAboutStatus());
        QCOMPARE(ask.count(), 1);
        QCOMPARE(title.count() + time.count(), 0);
        QCOMPARE(f.model.taskTitle(), QStringLiteral("Write report"));

        // Once answered, the next run out of a phase asks again.
        f.model.setIsTimerRunning(true);
        f.run(1500);
        QVERIFY(f.model.shouldAskIfTaskIsDone());
    }

    // A task started or text dropped from any phase runs a full focus phase.
    void startingWorkRunsAFullFocusPhase_data()
    {
        QTest::addColumn<bool>("fromRest");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QString>("line");
        QTest::newRow("task, paused rest") << true << false << "Dropped task: Plan the week";
        QTest::newRow("task, running focus") << false << false << "Dropped task: Plan the week";
        QTest::newRow("text, running focus") << false << true << "Dropped text: Plan the week";
        QTest::newRow("text, paused rest") << true << true << "Dropped text: Plan the week";
    }

    void startingWorkRunsAFullFocusPhase()
    {
        QFETCH(bool, fromRest);
        QFETCH(bool, dropped);
        QFETCH(QString, line);

        Fixture f;
        if (fromRest)
            f.model.stopAndSwitchPhase();
        f.model.setIsTimerRunning(true);
        f.run(30);
        if (fromRest)
            f.model.setIsTimerRunning(false);

        const QString title = QStringLiteral("Plan the week");
        QStringList lines;
        {
            StdoutCapture capture;
            if (dropped) {
                f.model.setTaskTitle(title); // the drop writes the title first
                f.model.handleDroppedText(title);
            } else {
                Task2 task;
                task.title = title;
                f.model.startTask(task);
            }
            lines = capture.lines();
        }
        QCOMPARE(lines, QStringList{line});
        QCOMPARE(f.model.taskTitle(), title);
        QCOMPARE(f.model.currentState(), PomodoroState::focus);
        QCOMPARE(f.model.time(), 1500.0);
        QCOMPARE(f.model.progress(), 1.0);
        QVERIFY(f.model.isTimerRunning());

        f.run(1500);
        QVERIFY(f.model.shouldAskIfTaskIsDone());
    }
};

QTEST_GUILESS_MAIN(TestTimerEngine)
#include "tst_timerengine.moc"
