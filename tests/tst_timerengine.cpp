// The countdown's steps, starting work from any phase, the gong, the text
// drop and the tick source.

#include "support/modelfixture.h"
#include "ui/textdropdelegate.h"
#include "ui/ticktimer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

class TestTimerEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void phaseRunsOutExactlyAtZero_data()
    {
        QTest::addColumn<bool>("rest");
        QTest::addColumn<QString>("taskTitle");
        QTest::newRow("focus with a task") << false << "Write report";
        QTest::newRow("focus without a task") << false << "";
        QTest::newRow("rest with a task") << true << "Write report";
    }

    void phaseRunsOutExactlyAtZero()
    {
        QFETCH(bool, rest);
        QFETCH(QString, taskTitle);
        ModelFixture f;
        if (rest) {
            f.run(100);
            f.model.stopAndSwitchPhase(); // the stop button
            QCOMPARE(f.model.currentState(), PomodoroState::rest);
            QVERIFY(!f.model.isTimerRunning());
        }
        const auto phase = f.model.currentState();
        const double length = f.model.duration(phase);
        f.model.setTaskTitle(taskTitle);
        f.run(int(length) - 1);
        QCOMPARE(f.model.time(), 1.0);
        QVERIFY(f.model.isTimerRunning() && !f.model.shouldAskIfTaskIsDone());
        QCOMPARE(f.model.alarmPlayer().playCount(), 0);
        QVERIFY(!f.model.alarmPlayer().isAudioDeviceOpen()); // opened at the first gong

        QSignalSpy ended(&f.model, &DefaultViewModel::phaseEnded);
        f.model.tick();
        // Ready again in the same phase, until the user switches.
        QCOMPARE(ended.count(), 1);
        QCOMPARE(f.model.time(), length);
        QCOMPARE(f.model.currentState(), phase);
        QCOMPARE(f.model.progress(), 1.0);
        QVERIFY(!f.model.isTimerRunning());
        QCOMPARE(f.model.shouldAskIfTaskIsDone(), !taskTitle.isEmpty());
        QCOMPARE(f.model.alarmPlayer().playCount(), 1);
        QVERIFY(f.model.alarmPlayer().isAudioDeviceOpen());
    }

    // A task started from any phase runs a full focus phase.
    void startingATaskRunsAFullFocusPhase()
    {
        for (const bool fromRest : {false, true}) {
            ModelFixture f;
            if (fromRest)
                f.model.stopAndSwitchPhase();
            f.run(30);
            if (fromRest)
                f.model.setIsTimerRunning(false); // paused
            Task2 task;
            task.title = QStringLiteral("Plan the week");
            f.model.startTask(task);
            QCOMPARE(f.model.taskTitle(), task.title);
            QCOMPARE(f.model.currentState(), PomodoroState::focus);
            QCOMPARE(f.model.time(), 1500.0);
            QVERIFY(f.model.isTimerRunning());
        }
    }

    void badSoundIsReportedOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QFile gong(AlarmPlayer::defaultResource);
        QVERIFY(gong.open(QIODevice::ReadOnly));
        QByteArray compressed = gong.readAll();
        compressed[20] = 0x55; // MPEG layer 3 in a WAV wrapper
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a sound") << QByteArray("this is not a sound\n");
        QTest::newRow("compressed") << compressed;
    }

    void badSoundIsReportedOnce()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("gong.wav")));
        QVERIFY(bytes.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
        file.close();
        StdoutCapture capture;
        AlarmPlayer player(file.fileName());
        QVERIFY(!player.hasAudioPlayer());
        player.play(); // silent, and no second report
        QVERIFY(!player.isAudioDeviceOpen());
        QCOMPARE(capture.lines().size(), 1);
        const QString line = bytes.isEmpty() ? "Sound file not found" : "Error initializing AVAudioPlayer: ";
        QVERIFY2(capture.lines().first().startsWith(line), qPrintable(capture.lines().first()));
    }

    // A drop, too, runs a full focus phase, with the first text as the task.
    void dropAppliesTheFirstTextLater()
    {
        ModelFixture f;
        f.run(30);
        auto delegate = std::make_unique<TextDropDelegate>();
        delegate->setViewModel(&f.model);
        QVERIFY(!delegate->performDrop({}));
        QVERIFY(delegate->performDrop({"Write the report", "Call the bank"}));
        QCOMPARE(f.model.taskTitle(), QString()); // taken, but not applied yet
        QTRY_COMPARE(f.model.taskTitle(), QStringLiteral("Write the report"));
        QVERIFY(f.model.isTimerRunning());
        QCOMPARE(f.model.time(), 1500.0);
        // The delegate (and the view with it) gone before the drop is applied.
        QVERIFY(delegate->performDrop({"Too late"}));
        delegate.reset();
        QCoreApplication::processEvents();
        QCOMPARE(f.model.taskTitle(), QStringLiteral("Write the report"));
    }

    // Whole seconds on the tick source's clock count, including time asleep,
    // and only while the countdown runs.
    void tickSourceCountsWholeSecondsOfItsClock()
    {
        ModelFixture f;
        f.model.setTaskTitle(QStringLiteral("Write report"));
        std::chrono::milliseconds now{5'000'000};
        TickTimer ticks(&f.model, [&now] { return now; });
        f.model.setIsTimerRunning(true);
        QVERIFY(ticks.isRunning());
        now += 2700ms;
        ticks.catchUp();
        QCOMPARE(f.model.time(), 1498.0);
        now += 300ms; // with the 0.7 s left over: a third second
        ticks.catchUp();
        QCOMPARE(f.model.time(), 1497.0);

        // Paused for a while: nothing counts, and the restart counts from then.
        f.model.setIsTimerRunning(false);
        QVERIFY(!ticks.isRunning());
        now += 5min;
        f.model.setIsTimerRunning(true);
        now += 1s;
        ticks.catchUp();
        QCOMPARE(f.model.time(), 1496.0);

        // Nobody watching: it wakes only when the minutes left change (in
        // 56 s); watched again, it catches up straight away.
        ticks.setSecondsWatched(false);
        QVERIFY(ticks.remainingTime() > 55'000 && ticks.remainingTime() <= 56'000);
        now += 66s;
        ticks.setSecondsWatched(true);
        QCOMPARE(f.model.time(), 1430.0);

        // Asleep for an hour: the phase ends once, with one gong.
        now += 1h;
        ticks.catchUp();
        QVERIFY(!ticks.isRunning());
        QCOMPARE(f.model.alarmPlayer().playCount(), 1);
    }
};

QTEST_MAIN(TestTimerEngine)
#include "tst_timerengine.moc"
