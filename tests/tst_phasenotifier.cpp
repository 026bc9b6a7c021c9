// The phase-end notification against a stand-in notification server on a
// private bus: what is shown, the answers given through it, withdrawal, and
// a bus without any server.

#include "accounts/usermanager.h"
#include "app/phasenotifier.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTest>

namespace {

// Speaks the server's side of org.freedesktop.Notifications and records
// what it was asked.
class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown
    {
        uint id;
        uint replaces;
        QString summary, body;
        QStringList actions;
    };
    QList<Shown> shown;
    QList<uint> closed;

public Q_SLOTS:
    uint Notify(const QString &, uint replacesId, const QString &, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &, int)
    {
        const uint id = replacesId ? replacesId : uint(shown.size() + 1);
        shown.append({id, replacesId, summary, body, actions});
        return id;
    }
    void CloseNotification(uint id)
    {
        closed.append(id);
        Q_EMIT NotificationClosed(id, 3);
    }

Q_SIGNALS:
    void ActionInvoked(uint id, const QString &action);
    void NotificationClosed(uint id, uint reason);
};

} // namespace

class TestPhaseNotifier : public QObject
{
    Q_OBJECT

private:
    QProcess m_daemon;
    QString m_address;
    int m_connections = 0;

    // A fresh connection to the private bus.
    QDBusConnection openConnection()
    {
        return QDBusConnection::connectToBus(m_address, QStringLiteral("c%1").arg(++m_connections));
    }

    struct Setup
    {
        StdoutCapture capture;
        UserManager users{nullptr};
        DefaultViewModel model{Alarm::makeDefault(), nullptr, &users};
        int opened = 0;
    };

    // Puts `server` on the bus under the well-known name, on a connection of its own.
    void serve(NotificationServer &server)
    {
        QDBusConnection bus = openConnection();
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QObject::connect(&server, &QObject::destroyed, [bus]() mutable {
            bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        });
    }

    static void endPhase(DefaultViewModel &model)
    {
        model.setIsTimerRunning(true);
        while (model.isTimerRunning())
            model.tick();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        QVERIFY(m_daemon.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
    }

    void cleanupTestCase()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    void phaseEndIsShownAndAnswered_data()
    {
        QTest::addColumn<bool>("rest");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("answer"); // "yes", "no", "popover", or "" when not asked
        QTest::newRow("Yes in the notification") << false << "Write report" << "yes";
        QTest::newRow("No in the notification") << false << "Write report" << "no";
        QTest::newRow("answered in the popover") << true << "Write report" << "popover";
        QTest::newRow("rest without a task") << true << "" << "";
    }

    void phaseEndIsShownAndAnswered()
    {
        QFETCH(bool, rest);
        QFETCH(QString, task);
        QFETCH(QString, answer);
        NotificationServer server;
        serve(server);
        Setup s;
        PhaseNotifier notifier(&s.model, [&s] { ++s.opened; }, openConnection());
        s.model.setTaskTitle(task);
        if (rest)
            s.model.stopAndSwitchPhase();
        endPhase(s.model);

        QTRY_COMPARE(server.shown.size(), 1);
        const auto shown = server.shown[0];
        QCOMPARE(shown.summary, rest ? QStringLiteral("Rest over") : QStringLiteral("Focus phase over"));
        QCOMPARE(shown.body, task);
        QStringList actions{"default", "Open Stint"};
        if (!answer.isEmpty())
            actions << QStringList{"yes", "Yes", "no", "No"};
        QCOMPARE(shown.actions, actions);
        QTRY_COMPARE(notifier.shownId(), shown.id);

        // A click on the body opens the popover and leaves the question;
        // another app's notification is none of ours.
        Q_EMIT server.ActionInvoked(shown.id, QStringLiteral("default"));
        QTRY_COMPARE(s.opened, 1);
        Q_EMIT server.ActionInvoked(shown.id + 100, QStringLiteral("yes"));
        QCOMPARE(s.model.shouldAskIfTaskIsDone(), !answer.isEmpty());

        if (answer == u"popover") {
            s.model.answerTaskQuestion();
            QTRY_COMPARE(server.closed, QList<uint>{shown.id});
        } else if (!answer.isEmpty()) {
            Q_EMIT server.ActionInvoked(shown.id, answer);
            QTRY_VERIFY(!s.model.shouldAskIfTaskIsDone());
            QVERIFY(!s.model.shouldAskAboutStatus());
        }
        QCOMPARE(s.model.taskTitle(), task);
        QCOMPARE(s.opened, 1);
    }

    void withoutServerItSaysSoOnce_data()
    {
        QTest::addColumn<bool>("busAtAll");
        QTest::newRow("bus without a server") << true;
        QTest::newRow("no bus") << false;
    }

    void withoutServerItSaysSoOnce()
    {
        QFETCH(bool, busAtAll);
        Setup s;
        QStringList lines;
        {
            StdoutCapture capture;
            QDBusConnection bus = busAtAll ? openConnection() : QDBusConnection(QStringLiteral("none"));
            PhaseNotifier notifier(&s.model, {}, bus);
            s.model.setTaskTitle(QStringLiteral("Write report"));
            endPhase(s.model);
            QTRY_COMPARE(capture.lines().size(), 1);
            endPhase(s.model);
            lines = capture.lines();
        }
        QCOMPARE(lines, QStringList{"No notification server: phase ends are not shown on the desktop"});
        QVERIFY(s.model.shouldAskIfTaskIsDone());
    }
};

QTEST_GUILESS_MAIN(TestPhaseNotifier)
#include "tst_phasenotifier.moc"
