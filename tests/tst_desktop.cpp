// The desktop's side, against stand-ins on a private session bus: colours
// from its palette and its dark/light preference (the settings portal), the
// phase-end notification and the meeting reminders (the notification server).

#include "app/desktopnotifications.h"
#include "app/lockpause.h"
#include "app/phasenotifier.h"
#include "app/remindernotifier.h"
#include "support/fakeclock.h"
#include "support/meetings.h"
#include "support/modelfixture.h"
#include "timer/meetingreminders.h"
#include "ui/colorschemewatcher.h"
#include "ui/theme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDesktopServices>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QPalette palette(QColor window, QColor base, QColor highlight)
{
    QPalette palette(window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Highlight, highlight);
    return palette;
}

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

// Answers Read as the real portal does: the value wrapped in one variant
// more than the signature says.
class StandInPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public Q_SLOTS:
    QDBusVariant Read(const QString &group, const QString &key)
    {
        const QVariant value = group == appearance && key == colorScheme ? QVariant(1u) : QVariant(QString());
        return QDBusVariant(QVariant::fromValue(QDBusVariant(value)));
    }
};

// The server's side of org.freedesktop.Notifications, recording what it was asked.
class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList shown, actions; // summary: body
    QList<uint> closed;
    QList<int> urgencies;

public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actionList, const QVariantMap &hints, int)
    {
        shown << summary + QLatin1String(": ") + body;
        urgencies << hints.value(QStringLiteral("urgency"), -1).toInt();
        actions = actionList;
        return 6 + shown.size();
    }
    void CloseNotification(uint id) { closed.append(id); }

Q_SIGNALS:
    void ActionInvoked(uint id, const QString &action);
};

// A logind session, as far as its lock goes: the manager finds it by
// process, and it announces LockedHint.
class StandInLogind : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public Q_SLOTS:
    QDBusObjectPath GetSessionByPID(uint)
    {
        return QDBusObjectPath(QStringLiteral("/org/freedesktop/login1/session/_31"));
    }
};

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void open(const QUrl &url) { m_opened.append(url); } // the desktop's web browser

private:
    QProcess m_bus;
    QString m_address;
    int m_connections = 0;
    StandInPortal m_portal;
    QList<QUrl> m_opened;

    QDBusConnection openConnection()
    {
        return QDBusConnection::connectToBus(m_address, QStringLiteral("c%1").arg(++m_connections));
    }

    void announce(const QString &group, const QString &key, uint value)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.Settings"),
                                                         QStringLiteral("SettingChanged"));
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        QVERIFY(QDBusConnection(QStringLiteral("portal")).send(signal));
    }

    // `server` as the desktop's notification server, until the guard goes.
    auto serve(NotificationServer &server)
    {
        QDBusConnection bus = openConnection();
        bus.registerObject("/org/freedesktop/Notifications", &server,
                           QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals);
        bus.registerService("org.freedesktop.Notifications");
        return qScopeGuard([bus]() mutable { bus.unregisterService("org.freedesktop.Notifications"); });
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A session bus of our own, before anything in the process asks for one.
        m_bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
        QDBusConnection portal = QDBusConnection::connectToBus(m_address, QStringLiteral("portal"));
        QVERIFY(portal.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &m_portal,
                                      QDBusConnection::ExportAllSlots));
        QVERIFY(portal.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    void cleanupTestCase()
    {
        m_bus.terminate();
        m_bus.waitForFinished();
    }

    void colors_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<int>("scheme"); // 0 no preference, 1 dark, 2 light
        QTest::addColumn<bool>("kdeNegative");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("desktopAccent");
        // What Qt uses when the desktop gives no palette (GNOME, bare X); and KDE's Breeze.
        const QPalette qtPlain = palette(QColor(0xef, 0xef, 0xef), Qt::white, QColor(48, 140, 198));
        const QPalette kdeDark = palette(QColor(0x2a, 0x2e, 0x32), QColor(0x1b, 0x1e, 0x20), QColor(0x3d, 0xae, 0xe9));
        QTest::newRow("Qt's own palette: not its highlight") << qtPlain << 0 << false << false << false;
        QTest::newRow("portal asks for dark over Qt's palette") << qtPlain << 1 << false << true << false;
        QTest::newRow("KDE light") << palette(QColor(0xef, 0xf0, 0xf1), Qt::white, QColor(0x3d, 0xae, 0xe9)) << 0
                                   << true << false << true;
        QTest::newRow("KDE dark while the portal says light") << kdeDark << 2 << true << true << true;
    }

    void colors()
    {
        QFETCH(QPalette, palette);
        QFETCH(int, scheme);
        QFETCH(bool, kdeNegative);
        QFETCH(bool, dark);
        QFETCH(bool, desktopAccent);
        const QColor negative(218, 68, 83);
        const ThemeColors colors =
                ThemeColors::from(palette, scheme, kdeNegative ? std::optional(negative) : std::nullopt);
        QCOMPARE(colors.dark, dark);
        QCOMPARE(colors.background.lightness() < 128, dark);
        QCOMPARE(colors.accent == palette.color(QPalette::Highlight), desktopAccent);
        QCOMPARE(colors.danger == negative, kdeNegative);
        // Readable: text and accent stand out from the rows they sit on.
        QVERIFY(qAbs(colors.text.lightness() - colors.rowBackground.lightness()) > 150);
        QVERIFY(qAbs(colors.secondaryText.lightness() - colors.rowBackground.lightness()) > 70);
        QVERIFY(qAbs(colors.accent.lightness() - colors.rowBackground.lightness()) > 50);
    }
    void readsThePreferenceThenFollowsIt()
    {
        ColorSchemeWatcher watcher;
        QSignalSpy changes(&watcher, &ColorSchemeWatcher::schemeChanged);
        QCOMPARE(watcher.scheme(), 0); // not known yet: asked without waiting
        QTRY_COMPARE(watcher.scheme(), 1);
        announce(appearance, colorScheme, 2);
        QTRY_COMPARE(watcher.scheme(), 2);
        // Other groups and keys are none of ours; an unknown value means none.
        announce(QStringLiteral("org.gnome.desktop.interface"), colorScheme, 1);
        announce(appearance, QStringLiteral("contrast"), 1);
        announce(appearance, colorScheme, 7);
        QTRY_COMPARE(watcher.scheme(), 0);
        QCOMPARE(changes.count(), 3);
    }
    void phaseEndIsShownAndAnswered_data()
    {
        QTest::addColumn<bool>("rest");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("answer"); // "yes", "popover", or "" when not asked
        QTest::newRow("answered in the notification") << false << u"Write report"_s << u"yes"_s;
        QTest::newRow("answered in the popover") << true << u"Write report"_s << u"popover"_s;
        QTest::newRow("rest without a task") << true << QString() << QString();
    }

    void phaseEndIsShownAndAnswered()
    {
        QFETCH(bool, rest);
        QFETCH(QString, task);
        QFETCH(QString, answer);
        NotificationServer server;
        const auto release = serve(server);
        ModelFixture f;
        int opened = 0;
        DesktopNotifications notifications(openConnection());
        PhaseNotifier notifier(&f.model, &notifications, [&opened] { ++opened; });
        f.model.setTaskTitle(task);
        if (rest)
            f.model.stopAndSwitchPhase();
        f.run();

        QTRY_COMPARE(server.shown, QStringList{(rest ? "Rest over: " : "Focus phase over: ") + task});
        QCOMPARE(server.actions.size(), answer.isEmpty() ? 2 : 6);
        QTRY_COMPARE(notifier.shownId(), 7u);

        // Another app's notification is none of ours; a click on the body
        // opens the popover and leaves the question (signals arrive in order).
        Q_EMIT server.ActionInvoked(8, QStringLiteral("yes"));
        Q_EMIT server.ActionInvoked(7, QStringLiteral("default"));
        QTRY_COMPARE(opened, 1);
        QCOMPARE(f.model.shouldAskIfTaskIsDone(), !answer.isEmpty());

        if (answer == u"popover") {
            f.model.answerTaskQuestion();
            QTRY_COMPARE(server.closed, QList<uint>{7});
        } else if (!answer.isEmpty()) {
            Q_EMIT server.ActionInvoked(7, answer);
            QTRY_VERIFY(!f.model.shouldAskIfTaskIsDone());
        }
    }

    // Meetings with a link are reminded of once, a minute before they start
    // or at a wake-up up to five minutes after, never later; "Join Meeting"
    // joins, and the reminder goes when joined or five minutes after the start.
    void meetingReminders()
    {
        NotificationServer server;
        const auto release = serve(server);
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        const auto at = [](int hour, int minute, int second = 0) {
            return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, second));
        };
        FakeDayClock clock(at(9, 0));
        StdoutCapture capture;
        UserManager users(nullptr);
        DefaultViewModel model(Alarm::makeDefault(), {}, &users, nullptr, AlarmPlayer::defaultResource, &clock);
        model.setCurrentUserRenewed(true);
        model.setEvents({meeting("Lunch", at(9, 30)), meeting("Standup", at(9, 30), "https://meet.example.com/standup"),
                         meeting("Review", at(10, 0), "https://meet.example.com/review"),
                         meeting("Planning", at(11, 0), "https://meet.example.com/planning")});
        DesktopNotifications notifications(openConnection());
        MeetingReminders reminders(&model, &clock);
        int eventsShown = 0;
        ReminderNotifier notifier(&model, &reminders, &notifications, [&eventsShown] { ++eventsShown; });
        QSignalSpy reminded(&reminders, &MeetingReminders::remind);
        QSignalSpy withdrawn(&reminders, &MeetingReminders::withdraw);

        clock.setNow(at(9, 28, 59));
        QCOMPARE(reminded.count(), 0);
        clock.setNow(at(9, 29));
        QTRY_COMPARE(server.shown.size(), 1);
        QVERIFY2(server.shown.first().startsWith("Standup starts in 1 min: "), qPrintable(server.shown.first()));
        QCOMPARE(server.urgencies.first(), 2); // critical: through Do Not Disturb
        model.setEvents(model.events()); // fetched again, and the clock moves on: still once
        clock.setNow(at(9, 29, 30));
        QCOMPARE(reminded.count(), 1);

        Q_EMIT server.ActionInvoked(7, QStringLiteral("default"));
        Q_EMIT server.ActionInvoked(7, QStringLiteral("join"));
        QTRY_COMPARE(server.closed, QList<uint>{7});
        QCOMPARE(m_opened, QList<QUrl>{QUrl("https://meet.example.com/standup")});
        QCOMPARE(eventsShown, 1);

        // Asleep over Review's start: reminded at the wake-up, taken back
        // five minutes after the start.
        clock.resumeAt(at(10, 3));
        QTRY_COMPARE(server.shown.size(), 2);
        QVERIFY2(server.shown.last().startsWith("Review has started: "), qPrintable(server.shown.last()));
        clock.setNow(at(10, 4, 59));
        QCOMPARE(withdrawn.count(), 1);
        clock.setNow(at(10, 5));
        QTRY_COMPARE(server.closed, (QList<uint>{7, 8}));
        // Asleep over Planning's first five minutes: too late.
        clock.resumeAt(at(11, 5));
        QCOMPARE(reminded.count(), 2);
        // Moved to a later time after its reminder: reminded of again.
        model.setEvents({meeting("Retro", at(12, 0), "https://meet.example.com/retro")});
        clock.setNow(at(11, 59));
        QCOMPARE(reminded.count(), 3);
        model.setEvents({meeting("Retro", at(12, 30), "https://meet.example.com/retro")});
        QCOMPARE(withdrawn.count(), 3);
        clock.setNow(at(12, 29));
        QCOMPARE(reminded.count(), 4);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void lockPausesAFocusPhase_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("logind") << "logind";
        QTest::newRow("screensaver") << "screensaver";
    }

    void lockPausesAFocusPhase()
    {
        QFETCH(QString, source);
        StandInLogind logind;
        QDBusConnection system = openConnection();
        QVERIFY(system.registerObject("/org/freedesktop/login1", &logind, QDBusConnection::ExportAllSlots));
        QVERIFY(system.registerService("org.freedesktop.login1"));
        QVERIFY(system.registerService("org.freedesktop.ScreenSaver"));
        const auto release = qScopeGuard([&system] {
            system.unregisterService("org.freedesktop.login1");
            system.unregisterService("org.freedesktop.ScreenSaver");
        });
        const auto lock = [&](bool locked) {
            QDBusMessage signal;
            if (source == "logind") {
                signal = QDBusMessage::createSignal("/org/freedesktop/login1/session/_31",
                                                    "org.freedesktop.DBus.Properties", "PropertiesChanged");
                signal << QStringLiteral("org.freedesktop.login1.Session")
                       << QVariantMap{{QStringLiteral("LockedHint"), locked}} << QStringList();
            } else {
                signal = QDBusMessage::createSignal("/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
                                                    "ActiveChanged");
                signal << locked;
            }
            QVERIFY(system.send(signal));
            QTest::qWait(150);
        };

        ModelFixture f;
        QSettings().remove(LockPause::settingsKey);
        int caughtUp = 0;
        LockPause pause(
                &f.model, [&caughtUp] { ++caughtUp; }, openConnection(), openConnection());
        QSignalSpy noted(&pause, &LockPause::pausedByLockChanged);
        QTest::qWait(150); // the session is looked up
        f.model.setIsTimerRunning(true);
        lock(true); // off by default
        QVERIFY(f.model.isTimerRunning());
        lock(false);

        pause.setEnabled(true);
        f.model.stopAndSwitchPhase();
        f.model.setIsTimerRunning(true);
        lock(true); // resting: goes on
        QVERIFY(f.model.isTimerRunning());
        lock(false);
        f.model.stopAndSwitchPhase();

        f.model.setIsTimerRunning(true);
        lock(true);
        QVERIFY(!f.model.isTimerRunning());
        QVERIFY(pause.pausedByLock());
        QCOMPARE(caughtUp, 1); // the seconds counted before the pause
        lock(false); // not started again by itself
        QVERIFY(!f.model.isTimerRunning());
        QVERIFY(pause.pausedByLock());
        f.model.setIsTimerRunning(true);
        QVERIFY(!pause.pausedByLock());
        QCOMPARE(noted.count(), 2);
        QSettings().remove(LockPause::settingsKey);
    }

    void withoutServerItSaysSoOnce()
    {
        ModelFixture f;
        DesktopNotifications notifications(openConnection()); // a bus, but no notification server on it
        PhaseNotifier notifier(&f.model, &notifications, {});
        f.model.setTaskTitle(QStringLiteral("Write report"));
        const auto reports = [&f] { return f.capture.lines().filter(QStringLiteral("No notification server")); };
        f.run();
        QTRY_COMPARE(reports().size(), 1);
        f.run();
        QCOMPARE(reports().size(), 1);
        QVERIFY(f.model.shouldAskIfTaskIsDone());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
