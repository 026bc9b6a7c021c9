// End to end: the real `stint` binary in a real X session (Xvfb) with a real
// D-Bus session and Secret Service keyring, against the dev server. A refresh
// token left in the keyring by an earlier run brings the user back signed in.
// The UI is driven through the accessibility bus, as a screen reader would,
// and with real pointer clicks and key presses (xdotool), as a user would:
// in the plain window (no tray) and as a popover by its icon in a real tray
// (trayer, an XEmbed tray), each under a window manager (openbox).

#include "accounts/tokenstore.h"
#include "devserver/devserver.h"
#include "support/stdoutcapture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
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

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void xdotool(const QStringList &arguments)
{
    run(QStringLiteral("xdotool"), arguments);
}

// Whether a window manager has taken over the screen: the root names its
// check window, and that window (not one left behind by a window manager
// of an earlier test) is alive and names openbox. Read through qWaitFor,
// not QTRY, which reads it several times and fails on a reading that
// changed in between.
bool windowManagerRunning()
{
    const QString root = run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    const qsizetype hash = root.indexOf(u'#');
    if (hash < 0)
        return false;
    const QString id = root.mid(hash + 1).trimmed();
    return run(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_WM_NAME")})
        .contains(QStringLiteral("Openbox"));
}

// A title with the characters that trip up text handling on the way: an
// ampersand, both kinds of quotes and letters outside ASCII. Typed with
// keyboard layouts that hold those letters (US, German, French), as a user
// who writes them would have: xdotool can type a letter missing from the
// layout only by remapping a key for a moment, which races with the app
// reading the new keymap and loses letters in any Qt or GTK program.
const QString typedTitle = QStringLiteral("Jürgen & \"Zoé's\" crème à la carte");

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    DevServer m_server;
    QProcess m_app;
    QString m_appOutput;
    QList<QProcess *> m_desktop; // window manager, tray

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

    QStringList createdTitles() const
    {
        QStringList titles;
        for (const RecordedRequest &request : m_server.requests()) {
            if (request.method == "POST" && request.path == u"/api/v1/tasks")
                titles << QJsonDocument::fromJson(request.body).object().value(QStringLiteral("title")).toString();
        }
        return titles;
    }

    // The user of an earlier run: a refresh token in the desktop keyring,
    // and the welcome already seen.
    void leaveEarlierRun()
    {
        const DevServer::TokenSet grant = m_server.issueTokens();
        StdoutCapture capture;
        KeychainTokenStore keyring;
        keyring.write(grant.refreshToken);
        std::optional<std::optional<QString>> stored;
        keyring.read([&](std::optional<QString> token) { stored = token; });
        QTRY_VERIFY_WITH_TIMEOUT(stored.has_value(), 10000);
        QVERIFY(stored->has_value() && **stored == grant.refreshToken);
        QCOMPARE(capture.lines(), QStringList()); // the keyring answered: no fallback

        QSettings settings(m_home.filePath(QStringLiteral("config/Stint/Stint.conf")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("hasLaunchedBefore"), true);
        settings.sync();
    }

    void startApp()
    {
        leaveEarlierRun();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("STINT_INFO_FILE"), m_home.filePath(QStringLiteral("info.json")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        m_appOutput.clear();
        m_app.setProcessEnvironment(env);
        m_app.setProcessChannelMode(QProcess::SeparateChannels);
        m_app.start(environmentPath("STINT_E2E_APP"), {});
        QVERIFY(m_app.waitForStarted());
        // Restored from the keyring: the task list is asked for with live tokens.
        QTRY_VERIFY_WITH_TIMEOUT(acceptedTaskRequests() >= 1, 30000);
    }

    void startDesktop(bool withTray)
    {
        auto *wm = new QProcess(this);
        wm->setProcessChannelMode(QProcess::MergedChannels);
        wm->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        m_desktop << wm;
        QVERIFY2(QTest::qWaitFor([] { return windowManagerRunning(); }, 30000),
                 qPrintable(QStringLiteral("openbox did not start: ") + QString::fromLocal8Bit(wm->readAll())));
        if (withTray) {
            auto *tray = new QProcess(this);
            tray->start(QStringLiteral("trayer"),
                        {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"), QStringLiteral("right"),
                         QStringLiteral("--widthtype"), QStringLiteral("request"), QStringLiteral("--height"),
                         QStringLiteral("24"), QStringLiteral("--SetDockType"), QStringLiteral("true")});
            m_desktop << tray;
            QVERIFY(tray->waitForStarted());
            // trayer takes the tray selection before it maps its panel.
            const QStringList trayerWindow = {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                              QStringLiteral("--class"), QStringLiteral("trayer")};
            QVERIFY2(QTest::qWaitFor([&] { return !run(QStringLiteral("xdotool"), trayerWindow).isEmpty(); }, 30000),
                     "trayer did not start");
        }
    }

    // The app's visible top-level windows, in screen coordinates.
    QList<QRect> appWindows()
    {
        QList<QRect> windows;
        const QStringList ids = run(QStringLiteral("xdotool"),
                                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                     QString::number(m_app.processId())})
                                    .split(u'\n', Qt::SkipEmptyParts);
        for (const QString &id : ids) {
            QHash<QString, int> values;
            const QString shell = run(QStringLiteral("xdotool"),
                                      {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
            for (const QString &line : shell.split(u'\n')) {
                const qsizetype equals = line.indexOf(u'=');
                if (equals > 0)
                    values.insert(line.left(equals), line.mid(equals + 1).toInt());
            }
            windows << QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                             values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
        }
        return windows;
    }

    QRect trayIcon()
    {
        for (const QRect &window : appWindows()) {
            if (window.width() < 100)
                return window;
        }
        return {};
    }

    QRect popover()
    {
        for (const QRect &window : appWindows()) {
            if (window.width() >= 300)
                return window;
        }
        return {};
    }

    void click(const QPoint &at)
    {
        xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
                 QStringLiteral("1")});
    }

    // Types a title into the open task entry with real key presses and
    // checks that it reaches the backend and the list.
    void typeNewTask(const QString &title)
    {
        QVERIFY(atspi({QStringLiteral("press"), QStringLiteral("push button"), QStringLiteral("Add task")}));
        QVERIFY(atspi({QStringLiteral("wait"), QStringLiteral("text"), QStringLiteral("Enter task name")}));
        run(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), QStringLiteral("us,de,fr")});
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), QStringLiteral("--"), title});
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        run(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), QStringLiteral("us")});
        QTRY_VERIFY2_WITH_TIMEOUT(createdTitles().contains(title),
                                  qPrintable(QStringLiteral("created: ") + createdTitles().join(u'|')), 10000);
        QVERIFY(atspi({QStringLiteral("wait"), QStringLiteral("label"), title}));
    }

    void stopApp()
    {
        if (m_app.state() != QProcess::NotRunning) {
            m_app.terminate();
            if (!m_app.waitForFinished(5000)) {
                m_app.kill();
                m_app.waitForFinished();
            }
        }
        m_appOutput += QString::fromUtf8(m_app.readAllStandardOutput());
        qInfo().noquote() << "stint printed:\n" + m_appOutput;
        const QString errors = QString::fromUtf8(m_app.readAllStandardError());
        if (!errors.isEmpty())
            qInfo().noquote() << "and on stderr:\n" + errors;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariableIsSet("DISPLAY"));
        QVERIFY(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
        QVERIFY(m_server.listen());
        QVERIFY(m_server.writeInfoFile(m_home.filePath(QStringLiteral("info.json"))));
        // Few enough tasks that a new one, added at the end, shows without scrolling.
        const QJsonArray all = m_server.tasks();
        m_server.setData({all.at(0), all.at(1)}, m_server.events());
    }

    void restoredUserStartsATaskAndExits()
    {
        startApp();
        if (QTest::currentTestFailed())
            return;

        // The tasks show up in the window.
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

    void typingANewTaskInTheWindow()
    {
        startDesktop(false);
        if (!QTest::currentTestFailed())
            startApp();
        if (QTest::currentTestFailed())
            return;
        typeNewTask(typedTitle);
    }

    void popoverByItsTrayIcon()
    {
        startDesktop(true);
        if (!QTest::currentTestFailed())
            startApp();
        if (QTest::currentTestFailed())
            return;
        // The icon, once the tray has embedded it and stopped moving it.
        QRect icon;
        QVERIFY(QTest::qWaitFor([&] {
            const QRect previous = icon;
            icon = trayIcon();
            return icon.isValid() && icon == previous;
        }, 10000));
        QVERIFY(!popover().isValid());

        // A click on the icon opens the popover right under it.
        click(icon.center());
        QRect shown;
        QTRY_VERIFY_WITH_TIMEOUT((shown = popover()).isValid(), 10000);
        QVERIFY2(shown.top() > icon.bottom() && shown.top() <= icon.bottom() + 10,
                 qPrintable(QStringLiteral("popover at y %1, icon bottom %2").arg(shown.top()).arg(icon.bottom())));
        QVERIFY(shown.left() <= icon.center().x() && icon.center().x() <= shown.right());

        // It takes keys at once: Space starts the countdown; the stop button
        // appears and everything still fits, down to the task list.
        QVERIFY(atspi({QStringLiteral("wait"), QStringLiteral("list"), QStringLiteral("Tasks")}));
        xdotool({QStringLiteral("key"), QStringLiteral("space")});
        QVERIFY(atspi({QStringLiteral("wait"), QStringLiteral("push button"), QStringLiteral("Stop")}));
        QVERIFY(atspi({QStringLiteral("inside"), QStringLiteral("list"), QStringLiteral("Tasks")}));
        QVERIFY(popover().top() == shown.top()); // grown downwards, away from the icon

        // Another tab and back: still all inside.
        QVERIFY(atspi({QStringLiteral("press"), QStringLiteral("page tab"), QStringLiteral("Events")}));
        QVERIFY(atspi({QStringLiteral("inside"), QStringLiteral("list"), QStringLiteral("Events")}));
        QVERIFY(atspi({QStringLiteral("press"), QStringLiteral("page tab"), QStringLiteral("Timer")}));
        QVERIFY(atspi({QStringLiteral("inside"), QStringLiteral("list"), QStringLiteral("Tasks")}));

        // Typing goes into the entry of the popover too.
        typeNewTask(typedTitle + QStringLiteral(" (popover)"));
        if (QTest::currentTestFailed())
            return;

        // A click elsewhere hides it; the icon brings it back and closes it.
        click(QPoint(40, 600));
        QTRY_VERIFY_WITH_TIMEOUT(!popover().isValid(), 10000);
        QTest::qWait(500);
        click(icon.center());
        QTRY_VERIFY_WITH_TIMEOUT(popover().isValid(), 10000);
        click(icon.center());
        QTRY_VERIFY_WITH_TIMEOUT(!popover().isValid(), 10000);
    }

    void cleanup()
    {
        stopApp();
        for (QProcess *process : std::as_const(m_desktop)) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
        }
        qDeleteAll(m_desktop);
        m_desktop.clear();
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
