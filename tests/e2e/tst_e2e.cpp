// End to end: the real `stint` binary in a real X session (Xvfb) with a real
// Secret Service keyring, against the dev server. A refresh token left in the
// keyring by an earlier run brings the user back signed in, the tasks show,
// one is started, and "Exit" ends the program. The UI is driven through the
// accessibility bus, as a screen reader would.

#include "accounts/tokenstore.h"
#include "devserver/devserver.h"
#include "support/stdoutcapture.h"

#include <QJsonArray>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString environmentPath(const char *name)
{
    const QString path = qEnvironmentVariable(name);
    if (path.isEmpty())
        qFatal("%s is not set", name);
    return path;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    DevServer m_server;
    QProcess m_app;
    QString m_appOutput;

    // Runs the accessibility helper; returns whether it succeeded.
    bool atspi(const QStringList &arguments)
    {
        QProcess helper;
        helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helper.start(environmentPath("STINT_E2E_ATSPI"), arguments);
        // Keep serving the app's requests while the helper waits for the UI.
        const bool finished = QTest::qWaitFor([&] { return helper.state() == QProcess::NotRunning; }, 60000);
        const QByteArray output = helper.readAllStandardOutput();
        if (!output.isEmpty())
            qInfo().noquote() << output;
        return finished && helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0;
    }

    bool appPrinted(const QString &line)
    {
        m_appOutput += QString::fromUtf8(m_app.readAllStandardOutput());
        return m_appOutput.split(u'\n').contains(line);
    }

    int acceptedTaskRequests() const
    {
        int count = 0;
        for (const RecordedRequest &request : m_server.requests()) {
            const QByteArray authorization = request.header("Authorization");
            count += request.method == "GET" && request.path == u"/api/v1/tasks"
                && authorization.startsWith("Bearer ")
                && m_server.isIdTokenAccepted(QString::fromLatin1(authorization.mid(7)));
        }
        return count;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariableIsSet("DISPLAY"));
        QVERIFY(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
        QVERIFY(m_server.listen());
        QVERIFY(m_server.writeInfoFile(m_home.filePath(QStringLiteral("info.json"))));
    }

    void restoredUserStartsATaskAndExits()
    {
        // An earlier run left its refresh token in the desktop keyring.
        const DevServer::TokenSet grant = m_server.issueTokens();
        {
            StdoutCapture capture;
            KeychainTokenStore keyring;
            keyring.write(grant.refreshToken);
            std::optional<std::optional<QString>> stored;
            keyring.read([&](std::optional<QString> token) { stored = token; });
            QTRY_VERIFY_WITH_TIMEOUT(stored.has_value(), 10000);
            QVERIFY(stored->has_value() && **stored == grant.refreshToken);
            QCOMPARE(capture.lines(), QStringList()); // the keyring answered: no fallback
        }
        // ...and had greeted the user already.
        const QString config = m_home.filePath(QStringLiteral("config"));
        QSettings settings(config + QStringLiteral("/Stint/Stint.conf"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("hasLaunchedBefore"), true);
        settings.sync();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("STINT_INFO_FILE"), m_home.filePath(QStringLiteral("info.json")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        m_app.setProcessEnvironment(env);
        m_app.setProcessChannelMode(QProcess::SeparateChannels);
        m_app.start(environmentPath("STINT_E2E_APP"), {});
        QVERIFY(m_app.waitForStarted());

        // Restored from the keyring: the task list is asked for with live tokens.
        QTRY_VERIFY_WITH_TIMEOUT(acceptedTaskRequests() >= 1, 30000);

        // The tasks show up in the popover.
        const QString first = m_server.tasks().first().toObject().value(QStringLiteral("title")).toString();
        QVERIFY(atspi({QStringLiteral("wait"), QStringLiteral("label"), first}));

        // Start the first one: a focus phase for it.
        QVERIFY(atspi({QStringLiteral("press"), QStringLiteral("push button"), QStringLiteral("Start ") + first}));
        QTRY_VERIFY_WITH_TIMEOUT(appPrinted(QStringLiteral("Dropped task: ") + first), 10000);
        QVERIFY(atspi({QStringLiteral("wait"), QStringLiteral("push button"), QStringLiteral("Pause")}));

        // "Exit" in the settings menu ends the program at once.
        QVERIFY(atspi({QStringLiteral("press"), QStringLiteral("push button"), QStringLiteral("Settings")}));
        QVERIFY(atspi({QStringLiteral("press"), QStringLiteral("menu item"), QStringLiteral("Exit")}));
        QTRY_VERIFY_WITH_TIMEOUT(m_app.state() == QProcess::NotRunning, 10000);
        QCOMPARE(m_app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_app.exitCode(), 0);
        QVERIFY(!appPrinted(QStringLiteral("signIn failure")));
    }

    void cleanupTestCase()
    {
        if (m_app.state() != QProcess::NotRunning) {
            m_app.kill();
            m_app.waitForFinished();
        }
        m_appOutput += QString::fromUtf8(m_app.readAllStandardOutput());
        qInfo().noquote() << "stint printed:\n" + m_appOutput;
        const QString errors = QString::fromUtf8(m_app.readAllStandardError());
        if (!errors.isEmpty())
            qInfo().noquote() << "and on stderr:\n" + errors;
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
