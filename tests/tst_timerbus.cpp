// The countdown on the session bus and the command line that reaches it,
// against a private bus: the interface in this process, then every option
// against a running Stint.

#include "app/timerbus.h"
#include "app/timerclient.h"
#include "support/modelfixture.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestTimerBus : public QObject
{
    Q_OBJECT

private:
    QProcess m_bus;
    QString m_address;
    QTemporaryDir m_home;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", m_address);
        env.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        env.insert("XDG_DATA_HOME", m_home.filePath("data"));
        env.insert("XDG_STATE_HOME", m_home.filePath("state"));
        env.insert("XDG_RUNTIME_DIR", m_home.filePath("runtime"));
        env.insert("STINT_INFO_FILE", m_home.filePath("info.json"));
        env.insert("LANGUAGE", "en");
        return env;
    }

    // Runs `stint arguments`; returns its exit status, and its output in `out`.
    int stint(const QStringList &arguments, QByteArray *out = nullptr)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(STINT_PROGRAM, arguments);
        if (!process.waitForFinished(10000))
            return -1;
        if (out)
            *out = process.readAllStandardOutput().trimmed();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // A waybar object: every key there, of the right type; empty if not.
    static QJsonObject waybarObject(const QByteArray &line)
    {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        const int percentage = object.value("percentage").toInt(-1);
        bool valid = percentage >= 0 && percentage <= 100;
        for (const char *key : {"text", "tooltip", "class", "alt"})
            valid = valid && object.value(key).isString();
        return valid ? object : QJsonObject();
    }

    // The last of the lines a follower printed by now, waiting for one.
    static QByteArray lastLine(QProcess &follower)
    {
        if (!follower.canReadLine() && !follower.waitForReadyRead(5000))
            return {};
        QTest::qWait(300);
        QByteArray line;
        while (follower.canReadLine())
            line = follower.readLine();
        return line;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QDir(m_home.path()).mkpath("runtime");
        QFile::setPermissions(m_home.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(m_home.path()).mkpath("config/Stint");
        // Past the welcome, and a backend address: the app starts no backend of its own.
        for (const auto &[name, text] : {std::pair{"config/Stint/Stint.conf", "[General]\nhasLaunchedBefore=true\n"},
                                         {"info.json", "{\"BACKEND_URL\": \"http://127.0.0.1:9\"}"}}) {
            QFile file(m_home.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        }

        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
    }

    void cleanupTestCase()
    {
        m_bus.terminate();
        m_bus.waitForFinished();
    }

    // Changed goes out at each start, pause, stop and new task, and while
    // counting as the minutes left change: not every second.
    void changedAtEachChangeAndOnceAMinute()
    {
        ModelFixture f;
        TimerBus bus(&f.model);
        QSignalSpy changed(&bus, &TimerBus::Changed);
        // How many times Changed went out once the operation is done.
        const auto after = [&](auto operation) {
            changed.clear();
            operation();
            QCoreApplication::processEvents();
            return changed.count();
        };
        QCOMPARE(after([&] { bus.Start(); }), 1);
        QCOMPARE(after([&] {
                     for (int i = 0; i < 150; ++i) {
                         f.model.tick(); // 25:00 -> 22:30: 24, then 23 min left
                         QCoreApplication::processEvents();
                     }
                 }),
                 2);
        QCOMPARE(after([&] {
                     bus.Pause();
                     bus.Pause(); // already paused: nothing more changes
                 }),
                 1);
        QCOMPARE(bus.remaining(), 25 * 60 - 150);
        QCOMPARE(after([&] { bus.Toggle(); }), 1);
        QVERIFY(bus.running());
        QCOMPARE(after([&] { bus.Stop(); }), 1);
        QCOMPARE(bus.phase(), "rest");
        QVERIFY(!bus.running());
        // Readies the other phase on the way, and comes back: one change.
        QCOMPARE(after([&] { bus.StartTask("  Write report "); }), 1);
        QCOMPARE(bus.phase(), "focus");
        QVERIFY(bus.running());
        QCOMPARE(bus.taskTitle(), "Write report");
        QCOMPARE(bus.remaining(), 25 * 60);
        // The phase runs out.
        QCOMPARE(after([&] { f.run(); }), 1);
        QVERIFY(!bus.running());
    }

    void commandLineAgainstRunningStint()
    {
        QByteArray out;
        // No Stint: nothing is started, and the status says so.
        QCOMPARE(stint({"--status"}), 3);
        QCOMPARE(stint({"--start"}), 3);
        QCOMPARE(stint({"--status", "--json"}, &out), 3);
        QCOMPARE(waybarObject(out).value("class"), "stopped");
        QCOMPARE(stint({"--json"}), 2);
        QCOMPARE(stint({"--help"}, &out), 0);
        for (const char *option : {"--start", "--pause", "--toggle", "--stop", "--status", "--follow", "--json"})
            QVERIFY2(out.contains(option), option);

        QProcess follow;
        follow.setProcessEnvironment(environment());
        follow.start(STINT_PROGRAM, {"--follow", "--json"});
        QVERIFY(follow.waitForReadyRead(10000));
        QCOMPARE(waybarObject(follow.readLine()).value("class"), "stopped");

        QProcess app;
        QProcessEnvironment env = environment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        app.setProcessEnvironment(env);
        app.start(STINT_PROGRAM, {});
        const auto guard = qScopeGuard([&] {
            app.kill();
            app.waitForFinished();
        });
        // Stint coming up is a change for the follower.
        QVERIFY(follow.waitForReadyRead(20000));
        QJsonObject shown = waybarObject(lastLine(follow));
        QCOMPARE(shown.value("class"), "idle");
        QCOMPARE(shown.value("percentage"), 100);

        struct Step
        {
            QStringList arguments;
            int exitCode;
            QString kind, line;
            int thenWaitMs = 0; // a pause at the full length would be no pause
        };
        const QList<Step> steps{
                {{"--start"}, 0, "focus", "Focus · 25 min left", 1100},
                {{"--pause"}, 1, "paused", "Paused · 25 min left"},
                {{"--toggle"}, 0, "focus", "Focus · 25 min left"},
                {{"--stop"}, 1, "idle", "Rest · 5 min"},
                {{"--start", "Write", "report"}, 0, "focus", "Focus · 25 min left · Write report", 1100},
                {{"--toggle"}, 1, "paused", "Paused · 25 min left · Write report"},
        };
        for (const Step &step : steps) {
            const QString name = step.arguments.join(' ');
            QVERIFY2(stint(step.arguments) == 0, qPrintable(name));
            shown = waybarObject(lastLine(follow));
            QCOMPARE(shown.value("class").toString(), step.kind);
            QCOMPARE(stint({"--status"}, &out), step.exitCode);
            QCOMPARE(QString::fromUtf8(out), step.line);
            QCOMPARE(stint({"--status", "--json"}, &out), step.exitCode);
            QCOMPARE(waybarObject(out).value("tooltip").toString(), step.line);
            QTest::qWait(step.thenWaitMs);
        }
        // Stint quitting is a change too; SIGINT ends the follower cleanly.
        app.terminate();
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(waybarObject(lastLine(follow)).value("class"), "stopped");
        ::kill(pid_t(follow.processId()), SIGINT);
        QVERIFY(follow.waitForFinished(5000));
        QCOMPARE(follow.exitStatus(), QProcess::NormalExit);
        QCOMPARE(follow.exitCode(), 0);
    }
};

QTEST_MAIN(TestTimerBus)
#include "tst_timerbus.moc"
