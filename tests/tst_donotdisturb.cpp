// "Silence Notifications While Focusing" against the desktops' own pieces on
// a private session bus: GSettings with the keyfile store (GNOME), the real
// xfconfd (Xfce) and a stand-in of Plasma's notification server; then the
// app itself, killed while silencing and started again.

#include "app/donotdisturb.h"
#include "support/modelfixture.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMutex>
#include <QThread>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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

class TestDoNotDisturb : public QObject
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

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.filePath("config").toUtf8());
        qputenv("XDG_STATE_HOME", m_home.filePath("state").toUtf8());
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
        QSettings settings(m_home.filePath("config/Stint/Stint.conf"), QSettings::IniFormat);
        settings.setValue(DoNotDisturb::settingsKey, true);
        settings.setValue("hasLaunchedBefore", true);
        settings.sync();
        QFile info(m_home.filePath("info.json"));
        QVERIFY(info.open(QIODevice::WriteOnly));
        info.write("{\"BACKEND_URL\": \"http://127.0.0.1:9\"}");
        info.close();
        QDir(m_home.path()).mkpath("runtime");
        QFile::setPermissions(m_home.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("STINT_INFO_FILE", info.fileName());
        env.insert("XDG_RUNTIME_DIR", m_home.filePath("runtime"));
        const auto startFocus = [&] { // true once the app is up to take it
            QProcess client;
            client.setProcessEnvironment(env);
            client.start(STINT_PROGRAM, {"--start"});
            return client.waitForFinished(10000) && client.exitCode() == 0;
        };

        for (const bool kill : {false, true}) {
            QProcess app;
            app.setProcessEnvironment(env);
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
        app.setProcessEnvironment(env);
        app.start(STINT_PROGRAM, {});
        QTRY_VERIFY_WITH_TIMEOUT(!isOn("gnome"), 10000);
        app.terminate();
        QVERIFY(app.waitForFinished(10000));
        QVERIFY(!isOn("gnome"));
    }
};

QTEST_MAIN(TestDoNotDisturb)
#include "tst_donotdisturb.moc"
