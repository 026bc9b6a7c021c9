// Stint in a D-Bus session of the test's own. The countdown on the session
// bus and the command line that reaches it: the interface in this process,
// then every option against a running Stint. "Silence Notifications While
// Focusing" against the desktops' own pieces: GSettings with the keyfile
// store (GNOME), the real xfconfd (Xfce) and a stand-in of Plasma's
// notification server; then the app itself, killed while silencing and
// started again.

#include "app/donotdisturb.h"
#include "app/timerbus.h"
#include "support/modelfixture.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {

const char xfconfd[] = "/usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd";

// Plasma's notification server as far as inhibitions go.
class PlasmaServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
    Q_PROPERTY(bool Inhibited READ inhibited)

public:
    // Served on a thread of its own: the code under test calls it blocking.
    mutable QMutex mutex;
    QList<uint> inhibitions;
    uint next = 40;
    bool inhibited() const
    {
        QMutexLocker lock(&mutex);
        return !inhibitions.isEmpty();
    }
    void set(bool userOwn)
    {
        QMutexLocker lock(&mutex);
        if (userOwn)
            inhibitions.append(1);
        else
            inhibitions.clear();
    }

public Q_SLOTS:
    uint Inhibit(const QString &, const QString &, const QVariantMap &)
    {
        QMutexLocker lock(&mutex);
        inhibitions.append(++next);
        return next;
    }
    void UnInhibit(uint cookie)
    {
        QMutexLocker lock(&mutex);
        inhibitions.removeOne(cookie);
    }
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QProcess m_bus;
    QProcess m_xfconfd;
    QString m_address;
    PlasmaServer m_plasma;
    QThread m_plasmaThread;

    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    // Whether `desktop`'s Do Not Disturb is on, as the desktop's own tools say.
    bool isOn(const QString &desktop)
    {
        if (desktop == "gnome")
            return run("gsettings", {"get", "org.gnome.desktop.notifications", "show-banners"}) == "false";
        if (desktop == "xfce")
            return run("xfconf-query", {"-c", "xfce4-notifyd", "-p", "/do-not-disturb"}) == "true";
        return m_plasma.inhibited();
    }

    // The user turns it on or off, with the desktop's own tools.
    void userSets(const QString &desktop, bool on)
    {
        if (desktop == "gnome")
            run("gsettings", {"set", "org.gnome.desktop.notifications", "show-banners", on ? "false" : "true"});
        else if (desktop == "xfce")
            run("xfconf-query",
                {"-c", "xfce4-notifyd", "-p", "/do-not-disturb", "-n", "-t", "bool", "-s", on ? "true" : "false"});
        else
            m_plasma.set(on);
        // GSettings learns of a change by watching its file.
        QTest::qWait(desktop == "gnome" ? 600 : 50);
    }

    void use(const QString &desktop)
    {
        qputenv("XDG_CURRENT_DESKTOP", desktop == "gnome" ? "GNOME" : desktop == "xfce" ? "XFCE" : "KDE");
    }

    // Runs `stint arguments`; returns its exit status, and its output in `out`.
    int stint(const QStringList &arguments, QByteArray *out = nullptr)
    {
        QProcess process;
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
        qputenv("XDG_CONFIG_HOME", m_home.filePath("config").toUtf8());
        qputenv("XDG_STATE_HOME", m_home.filePath("state").toUtf8());
        qputenv("XDG_DATA_HOME", m_home.filePath("data").toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_home.filePath("runtime").toUtf8());
        QDir(m_home.path()).mkpath("runtime");
        QFile::setPermissions(m_home.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The Stints started here: past the welcome, in English, and with a
        // backend address, so with no backend of their own.
        QDir(m_home.path()).mkpath("config/Stint");
        QSettings(m_home.filePath("config/Stint/Stint.conf"), QSettings::IniFormat).setValue("hasLaunchedBefore", true);
        QFile info(m_home.filePath("info.json"));
        QVERIFY(info.open(QIODevice::WriteOnly) && info.write("{\"BACKEND_URL\": \"http://127.0.0.1:9\"}") > 0);
        qputenv("STINT_INFO_FILE", info.fileName().toUtf8());
        qputenv("LANGUAGE", "en");
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("GSETTINGS_BACKEND", "keyfile");
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
        QDBusConnection plasma = QDBusConnection::connectToBus(m_address, "plasma");
        QVERIFY(plasma.registerObject("/org/freedesktop/Notifications", &m_plasma,
                                      QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
        QVERIFY(plasma.registerService("org.freedesktop.Notifications"));
        m_plasma.moveToThread(&m_plasmaThread);
        m_plasmaThread.start();
        m_xfconfd.start(xfconfd, {});
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered("org.xfce.Xfconf"),
                                 10000);
    }

    void cleanupTestCase()
    {
        m_xfconfd.terminate();
        m_xfconfd.waitForFinished();
        m_bus.terminate();
        m_bus.waitForFinished();
        m_plasmaThread.quit();
        m_plasmaThread.wait();
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
        follow.start(STINT_PROGRAM, {"--follow", "--json"});
        QVERIFY(follow.waitForReadyRead(10000));
        QCOMPARE(waybarObject(follow.readLine()).value("class"), "stopped");

        QProcess app;
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

    void followsTheFocusPhase_data()
    {
        QTest::addColumn<QString>("desktop");
        for (const char *desktop : {"gnome", "xfce", "plasma"})
            QTest::newRow(desktop) << desktop;
    }

    void followsTheFocusPhase()
    {
        QFETCH(QString, desktop);
        QSettings().remove(DoNotDisturb::settingsKey);
        use(desktop);
        userSets(desktop, false);
        ModelFixture f;
        auto dnd = std::make_unique<DoNotDisturb>(&f.model);
        QVERIFY(dnd->isAvailable());
        QVERIFY(!dnd->isEnabled()); // off by default

        f.model.setIsTimerRunning(true);
        QTest::qWait(200);
        QVERIFY(!isOn(desktop));
        dnd->setEnabled(true); // during a focus phase: at once
        QTRY_VERIFY(isOn(desktop));
        f.model.setIsTimerRunning(false); // pause
        QTRY_VERIFY(!isOn(desktop));
        f.model.setIsTimerRunning(true);
        QTRY_VERIFY(isOn(desktop));
        f.model.stopAndSwitchPhase(); // stop: the rest is not silenced
        f.model.setIsTimerRunning(true);
        QTRY_VERIFY(!isOn(desktop));
        f.model.stopAndSwitchPhase();

        // Given back by the end of the phase, before its notification.
        f.model.setIsTimerRunning(true);
        QTRY_VERIFY(isOn(desktop));
        bool silencedAtEnd = true;
        connect(&f.model, &DefaultViewModel::phaseEnded, this, [&] { silencedAtEnd = dnd->isSilencing(); });
        f.run();
        QVERIFY(!silencedAtEnd);
        QTRY_VERIFY(!isOn(desktop));

        // The user's own stays on.
        userSets(desktop, true);
        f.model.stopAndSwitchPhase();
        f.model.stopAndSwitchPhase();
        f.model.setIsTimerRunning(true);
        QTest::qWait(200);
        f.model.setIsTimerRunning(false);
        QTest::qWait(200);
        QVERIFY(isOn(desktop));
        userSets(desktop, false);

        // Given back at exit.
        f.model.setIsTimerRunning(true);
        QTRY_VERIFY(isOn(desktop));
        dnd.reset();
        QVERIFY(!isOn(desktop));
        QVERIFY(!QFile::exists(DoNotDisturb::defaultStateDir() + "/do-not-disturb.json"));
        QSettings().remove(DoNotDisturb::settingsKey);
    }

    void withoutOneTheEntryIsDisabled()
    {
        qputenv("XDG_CURRENT_DESKTOP", "sway");
        ModelFixture f;
        DoNotDisturb dnd(&f.model);
        QVERIFY(!dnd.isAvailable());
        QVERIFY(!dnd.unavailableReason().isEmpty());
    }

    // The app killed while silencing: the next start gives it back.
    void killedThenStartedAgain()
    {
        use("gnome");
        userSets("gnome", false);
        QSettings(m_home.filePath("config/Stint/Stint.conf"), QSettings::IniFormat)
                .setValue(DoNotDisturb::settingsKey, true);
        const auto startFocus = [&] { // true once the app is up to take it
            QProcess client;
            client.start(STINT_PROGRAM, {"--start"});
            return client.waitForFinished(10000) && client.exitCode() == 0;
        };

        for (const bool kill : {false, true}) {
            QProcess app;
            app.start(STINT_PROGRAM, {});
            QTRY_VERIFY_WITH_TIMEOUT(startFocus(), 10000);
            QTRY_VERIFY(isOn("gnome"));
            if (kill)
                app.kill();
            else
                app.terminate(); // SIGTERM: given back on the way out
            QVERIFY(app.waitForFinished(10000));
            QCOMPARE(isOn("gnome"), kill);
        }
        QProcess app;
        app.start(STINT_PROGRAM, {});
        QTRY_VERIFY_WITH_TIMEOUT(!isOn("gnome"), 10000);
        app.terminate();
        QVERIFY(app.waitForFinished(10000));
        QVERIFY(!isOn("gnome"));
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
