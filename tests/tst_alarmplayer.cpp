// The gong: found and checked once when the player is made; a missing or
// broken file is reported then, and the countdown runs on silently.

#include "accounts/usermanager.h"
#include "support/stdoutcapture.h"
#include "timer/alarmplayer.h"
#include "timer/defaultviewmodel.h"

#include <QTemporaryDir>
#include <QTest>

class TestAlarmPlayer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private Q_SLOTS:
    void bundledGongLoadsSilentlyAndOpensTheDeviceAtTheFirstGong()
    {
        StdoutCapture capture;
        AlarmPlayer player;
        QVERIFY(player.hasAudioPlayer());
        QVERIFY(!player.isAudioDeviceOpen());
        QCOMPARE(capture.lines(), QStringList());
        player.play();
        QVERIFY(player.isAudioDeviceOpen());
        player.play();
        QCOMPARE(player.playCount(), 2);
    }

    void missingSound()
    {
        StdoutCapture capture;
        AlarmPlayer player(QStringLiteral(":/sounds/no-such-gong.wav"));
        QVERIFY(!player.hasAudioPlayer());
        player.play(); // silent, and no second report
        QCOMPARE(player.playCount(), 0);
        QVERIFY(!player.isAudioDeviceOpen());
        QCOMPARE(capture.lines(), QStringList{QStringLiteral("Sound file not found")});
    }

    void unplayableSound_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QFile gong(AlarmPlayer::defaultResource);
        QVERIFY(gong.open(QIODevice::ReadOnly));
        const QByteArray good = gong.readAll();

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a sound\n");
        QTest::newRow("RIFF but not WAVE") << QByteArray("RIFF\x04\0\0\0AVI ", 12);
        QTest::newRow("header only") << good.left(36);
        QByteArray compressed = good;
        compressed[20] = 0x55; // MPEG layer 3 in a WAV wrapper
        QTest::newRow("compressed") << compressed;
    }

    void unplayableSound()
    {
        QFETCH(QByteArray, bytes);
        const QString path = writeFile(QStringLiteral("broken.wav"), bytes);

        StdoutCapture capture;
        AlarmPlayer player(path);
        QVERIFY(!player.hasAudioPlayer());
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith(QStringLiteral("Error initializing AVAudioPlayer: ")),
                 qPrintable(lines.first()));
        QVERIFY(lines.first().size() > QStringLiteral("Error initializing AVAudioPlayer: ").size());
    }

    void phasesEndWithoutASound()
    {
        StdoutCapture capture;
        UserManager users(nullptr);
        DefaultViewModel model(Alarm::makeDefault(), {}, &users, nullptr,
                               QStringLiteral(":/sounds/no-such-gong.wav"));
        model.setTaskTitle(QStringLiteral("Write report"));
        model.setIsTimerRunning(true);
        for (int i = 0; i < 1500; ++i)
            model.tick();
        QVERIFY(!model.isTimerRunning());
        QCOMPARE(model.time(), 1500.0);
        QVERIFY(model.shouldAskIfTaskIsDone());
        QCOMPARE(capture.lines(), (QStringList{QStringLiteral("new"), QStringLiteral("Sound file not found")}));
    }
};

QTEST_GUILESS_MAIN(TestAlarmPlayer)
#include "tst_alarmplayer.moc"
