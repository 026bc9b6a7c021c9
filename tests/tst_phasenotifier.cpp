// The phase-end notification against a stand-in notification server on a
// private bus: what is shown, the answers given through it, withdrawal, and
// a bus without any server.

#include "accounts/usermanager.h"
#include "app/phasenotifier.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QDBusConnection>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

namespace {

// The server's side of org.freedesktop.Notifications, recording what it was asked.
class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList summaries, bodies, actions;
    QList<uint> closed;

public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actionList, const QVariantMap &, int)
    {
        summaries << summary;
        bodies << body;
        actions = actionList;
        return 7;
    }
    void CloseNotification(uint id) { closed.append(id); }

Q_SIGNALS:
    void ActionInvoked(uint id, const QString &action);
};

struct Fixture
{
    StdoutCapture capture;
    UserManager users{nullptr};
    DefaultViewModel model{Alarm::makeDefault(), nullptr, &users};

    void endPhase()
    {
        model.setIsTimerRunning(true);
        while (model.isTimerRunning())
            model.tick();
    }
};

} // namespace

class TestPhaseNotifier : public QObject
{
    Q_OBJECT

    QProcess m_daemon;
    QString m_address;
    int m_connections = 0;

    QDBusConnection openConnection()
    {
        return QDBusConnection::connectToBus(m_address, QStringLiteral("c%1").arg(++m_connections));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        QVERIFY(m_daemon.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
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
        QTest::addColumn<QString>("answer"); // "yes", "popover", or "" when not asked
        QTest::newRow("answered in the notification") << false << "Write report" << "yes";
        QTest::newRow("answered in the popover") << true << "Write report" << "popover";
        QTest::newRow("rest without a task") << true << "" << "";
    }

    void phaseEndIsShownAndAnswered()
    {
        QFETCH(bool, rest);
        QFETCH(QString, task);
        QFETCH(QString, answer);
        NotificationServer server;
        QDBusConnection bus = openConnection();
        QVERIFY(bus.registerObject("/org/freedesktop/Notifications", &server,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        QVERIFY(bus.registerService("org.freedesktop.Notifications"));
        const auto release = qScopeGuard([&bus] { bus.unregisterService("org.freedesktop.Notifications"); });
        Fixture f;
        int opened = 0;
        PhaseNotifier notifier(&f.model, [&opened] { ++opened; }, openConnection());
        f.model.setTaskTitle(task);
        if (rest)
            f.model.stopAndSwitchPhase();
        f.endPhase();

        QTRY_COMPARE(server.summaries, QStringList{rest ? "Rest over" : "Focus phase over"});
        QCOMPARE(server.bodies, QStringList{task});
        QCOMPARE(server.actions.size(), answer.isEmpty() ? 2 : 6);
        QTRY_COMPARE(notifier.shownId(), 7u);

        // A click on the body opens the popover and leaves the question;
        // another app's notification is none of ours.
        Q_EMIT server.ActionInvoked(7, QStringLiteral("default"));
        QTRY_COMPARE(opened, 1);
        Q_EMIT server.ActionInvoked(8, QStringLiteral("yes"));
        QCOMPARE(f.model.shouldAskIfTaskIsDone(), !answer.isEmpty());

        if (answer == u"popover") {
            f.model.answerTaskQuestion();
            QTRY_COMPARE(server.closed, QList<uint>{7});
        } else if (!answer.isEmpty()) {
            Q_EMIT server.ActionInvoked(7, answer);
            QTRY_VERIFY(!f.model.shouldAskIfTaskIsDone());
        }
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
        Fixture f;
        PhaseNotifier notifier(&f.model, {}, busAtAll ? openConnection() : QDBusConnection(QStringLiteral("none")));
        f.model.setTaskTitle(QStringLiteral("Write report"));
        const auto reports = [&f] { return f.capture.lines().filter(QStringLiteral("No notification server")); };
        f.endPhase();
        QTRY_COMPARE(reports().size(), 1);
        f.endPhase();
        QCOMPARE(reports().size(), 1);
        QVERIFY(f.model.shouldAskIfTaskIsDone());
    }
};

QTEST_GUILESS_MAIN(TestPhaseNotifier)
#include "tst_phasenotifier.moc"
