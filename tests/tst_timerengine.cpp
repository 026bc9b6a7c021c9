// The countdown's steps, starting work from any phase, and the gong.

#include "accounts/usermanager.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
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
    void phaseRunsOutExactlyAtZero_data()
    {
        QTest::addColumn<bool>("rest");
        QTest::addColumn<QString>("taskTitle");
        QTest::addColumn<bool>("asks");
        QTest::newRow("focus with a task") << false << "Write report" << true;
        QTest::newRow("focus without a task") << false << "" << false;
        QTest::newRow("rest with a task") << true << "Write report" << true;
    }

    void phaseRunsOutExactlyAtZero()
    {
        QFETCH(bool, rest);
        QFETCH(QString, taskTitle);
        QFETCH(bool, asks);

        Fixture f;
        if (rest) {
            f.model.setIsTimerRunning(true);
            f.run(100);
            f.model.stopAndSwitchPhase(); // the stop button
            QCOMPARE(f.model.currentState(), PomodoroState::rest);
            QVERIFY(!f.model.isTimerRunning());
        }
        const auto phase = f.model.currentState();
        const double length = f.model.duration(phase);
        f.model.setTaskTitle(taskTitle);
        f.model.setIsTimerRunning(true);

        f.run(int(length) - 1);
        QCOMPARE(f.model.time(), 1.0);
        QVERIFY(f.model.isTimerRunning());
        QVERIFY(!f.model.shouldAskIfTaskIsDone());
        QCOMPARE(f.model.alarmPlayer().playCount(), 0);
        QVERIFY(f.model.alarmPlayer().hasAudioPlayer());
        QVERIFY(!f.model.alarmPlayer().isAudioDeviceOpen()); // opened at the first gong

        QSignalSpy ended(&f.model, &DefaultViewModel::phaseEnded);
        f.model.tick();
        // Ready again in the same phase, until the user switches.
        QCOMPARE(ended.count(), 1);
        QCOMPARE(f.model.time(), length);
        QCOMPARE(f.model.currentState(), phase);
        QCOMPARE(f.model.progress(), 1.0);
        QVERIFY(!f.model.isTimerRunning());
        QCOMPARE(f.model.shouldAskIfTaskIsDone(), asks);
        QCOMPARE(f.model.alarmPlayer().playCount(), 1);
        QVERIFY(f.model.alarmPlayer().isAudioDeviceOpen());
    }

    // A task started or text dropped from any phase runs a full focus phase.
    void startingWorkRunsAFullFocusPhase_data()
    {
        QTest::addColumn<bool>("fromRest");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("task, running focus") << false << false;
        QTest::newRow("task, paused rest") << true << false;
        QTest::newRow("text, running focus") << false << true;
    }

    void startingWorkRunsAFullFocusPhase()
    {
        QFETCH(bool, fromRest);
        QFETCH(bool, dropped);

        Fixture f;
        if (fromRest)
            f.model.stopAndSwitchPhase();
        f.model.setIsTimerRunning(true);
        f.run(30);
        if (fromRest)
            f.model.setIsTimerRunning(false);

        const QString title = QStringLiteral("Plan the week");
        if (dropped) {
            f.model.setTaskTitle(title); // the drop writes the title first
            f.model.handleDroppedText(title);
        } else {
            Task2 task;
            task.title = title;
            f.model.startTask(task);
        }
        QCOMPARE(f.model.taskTitle(), title);
        QCOMPARE(f.model.currentState(), PomodoroState::focus);
        QCOMPARE(f.model.time(), 1500.0);
        QVERIFY(f.model.isTimerRunning());
    }

    void badSoundIsReportedOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<QString>("line");
        QTest::newRow("missing") << QByteArray() << "Sound file not found";
        QTest::newRow("not a sound") << QByteArray("this is not a sound\n")
                                     << "Error initializing AVAudioPlayer: ";
        QFile gong(AlarmPlayer::defaultResource);
        QVERIFY(gong.open(QIODevice::ReadOnly));
        QByteArray compressed = gong.readAll();
        compressed[20] = 0x55; // MPEG layer 3 in a WAV wrapper
        QTest::newRow("compressed") << compressed << "Error initializing AVAudioPlayer: ";
    }

    void badSoundIsReportedOnce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gong.wav"));
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }

        StdoutCapture capture;
        AlarmPlayer player(path);
        QVERIFY(!player.hasAudioPlayer());
        player.play(); // silent, and no second report
        QVERIFY(!player.isAudioDeviceOpen());
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith(line), qPrintable(lines.first()));
    }
};

QTEST_GUILESS_MAIN(TestTimerEngine)
#include "tst_timerengine.moc"
