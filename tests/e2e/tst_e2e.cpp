// End to end: the real `stint` binary in a real X session (Xvfb) with a real
// D-Bus session and Secret Service keyring, against the dev server. A refresh
// token left in the keyring by an earlier run brings the user back signed in.
// The UI is driven through the accessibility bus, as a screen reader would,
// and with real pointer clicks and key presses (xdotool), as a user would:
// in the plain window (no tray) and as a popover by its icon in a real tray
// (trayer, an XEmbed tray), each under a window manager (openbox).
//
// Readings of the desktop (windows, properties) are waited for with qWaitFor,
// not QTRY: QTRY reads its expression several times and fails on a reading
// that changed in between.

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

using namespace Qt::StringLiterals;

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

QString xdotool(const QStringList &arguments)
{
    return run(u"xdotool"_s, arguments);
}

// Whether openbox has taken over the screen: the root names its check
// window, and that window is alive (not left behind by an earlier test's).
bool windowManagerRunning()
{
    const QString root = run(u"xprop"_s, {u"-root"_s, u"_NET_SUPPORTING_WM_CHECK"_s});
    const qsizetype hash = root.indexOf(u'#');
    return hash >= 0
            && run(u"xprop"_s, {u"-id"_s, root.mid(hash + 1).trimmed(), u"_NET_WM_NAME"_s}).contains(u"Openbox");
}

// An ampersand, both kinds of quotes and letters outside ASCII. Typed with
// layouts that hold those letters (US, German, French), as a user who writes
// them would: xdotool types a letter missing from the layout by remapping a
// key for a moment, which races with any Qt or GTK program reading the keymap.
const QString typedTitle = u"Jürgen & \"Zoé's\" crème à la carte"_s;

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
        if (const QByteArray output = helper.readAllStandardOutput(); !output.isEmpty())
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
            count += request.method == "GET" && request.path == u"/api/v1/tasks" && authorization.startsWith("Bearer ")
                    && m_server.isIdTokenAccepted(QString::fromLatin1(authorization.mid(7)));
        }
        return count;
    }

    QStringList createdTitles() const
    {
        QStringList titles;
        for (const RecordedRequest &request : m_server.requests()) {
            if (request.method == "POST" && request.path == u"/api/v1/tasks")
                titles << QJsonDocument::fromJson(request.body).object().value("title"_L1).toString();
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

        QSettings settings(m_home.filePath(u"config/Stint/Stint.conf"_s), QSettings::IniFormat);
        settings.setValue("hasLaunchedBefore"_L1, true);
        settings.sync();
    }

    void startApp()
    {
        leaveEarlierRun();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"STINT_INFO_FILE"_s, m_home.filePath(u"info.json"_s));
        env.insert(u"XDG_CONFIG_HOME"_s, m_home.filePath(u"config"_s));
        env.insert(u"XDG_DATA_HOME"_s, m_home.filePath(u"data"_s));
        env.insert(u"XDG_RUNTIME_DIR"_s, m_home.path());
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        env.insert(u"QT_LINUX_ACCESSIBILITY_ALWAYS_ON"_s, u"1"_s);
        m_appOutput.clear();
        m_app.setProcessEnvironment(env);
        m_app.start(environmentPath("STINT_E2E_APP"), {});
        QVERIFY(m_app.waitForStarted());
        // Restored from the keyring: the task list is asked for with live tokens.
        QTRY_VERIFY_WITH_TIMEOUT(acceptedTaskRequests() >= 1, 30000);
    }

    void startDesktop(bool withTray)
    {
        auto *wm = new QProcess(this);
        wm->setProcessChannelMode(QProcess::MergedChannels);
        wm->start(u"openbox"_s, {u"--sm-disable"_s});
        m_desktop << wm;
        QVERIFY2(QTest::qWaitFor(windowManagerRunning, 30000),
                 qPrintable(u"openbox did not start: "_s + QString::fromLocal8Bit(wm->readAll())));
        if (!withTray)
            return;
        auto *tray = new QProcess(this);
        tray->setProcessChannelMode(QProcess::MergedChannels);
        tray->start(u"trayer"_s,
                    {u"--edge"_s, u"top"_s, u"--align"_s, u"right"_s, u"--widthtype"_s, u"request"_s, u"--height"_s,
                     u"24"_s, u"--SetDockType"_s, u"true"_s});
        m_desktop << tray;
        // trayer takes the tray selection before it maps its panel.
        const QStringList trayer = {u"search"_s, u"--onlyvisible"_s, u"--class"_s, u"trayer"_s};
        QVERIFY2(QTest::qWaitFor([&] { return !xdotool(trayer).isEmpty(); }, 30000),
                 qPrintable(u"trayer did not start: "_s + QString::fromLocal8Bit(tray->readAll())));
    }

    // The app's visible top-level windows, in screen coordinates.
    QList<QRect> appWindows()
    {
        QList<QRect> windows;
        const QString pid = QString::number(m_app.processId());
        for (const QString &id :
             xdotool({u"search"_s, u"--onlyvisible"_s, u"--pid"_s, pid}).split(u'\n', Qt::SkipEmptyParts)) {
            QHash<QString, int> values;
            for (const QString &line : xdotool({u"getwindowgeometry"_s, u"--shell"_s, id}).split(u'\n')) {
                if (const qsizetype equals = line.indexOf(u'='); equals > 0)
                    values.insert(line.left(equals), line.mid(equals + 1).toInt());
            }
            windows << QRect(values.value(u"X"_s), values.value(u"Y"_s), values.value(u"WIDTH"_s),
                             values.value(u"HEIGHT"_s));
        }
        return windows;
    }

    // The icon is the app's small window, the popover its wide one.
    QRect appWindow(bool wide)
    {
        for (const QRect &window : appWindows()) {
            if ((window.width() >= 300) == wide)
                return window;
        }
        return {};
    }

    void click(const QPoint &at)
    {
        xdotool({u"mousemove"_s, QString::number(at.x()), QString::number(at.y()), u"click"_s, u"1"_s});
    }

    // Types a title into the open task entry with real key presses and
    // checks that it reaches the backend and the list.
    void typeNewTask(const QString &title)
    {
        QVERIFY(atspi({u"press"_s, u"push button"_s, u"Add task"_s}));
        QVERIFY(atspi({u"wait"_s, u"text"_s, u"Enter task name"_s}));
        run(u"setxkbmap"_s, {u"-layout"_s, u"us,de,fr"_s});
        xdotool({u"type"_s, u"--delay"_s, u"40"_s, u"--"_s, title});
        xdotool({u"key"_s, u"Return"_s});
        run(u"setxkbmap"_s, {u"-layout"_s, u"us"_s});
        QTRY_VERIFY2_WITH_TIMEOUT(createdTitles().contains(title), qPrintable(createdTitles().join(u'|')), 10000);
        QVERIFY(atspi({u"wait"_s, u"label"_s, title}));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.listen());
        QVERIFY(m_server.writeInfoFile(m_home.filePath(u"info.json"_s)));
        // Few enough tasks that a new one, added at the end, shows without scrolling.
        const QJsonArray all = m_server.tasks();
        m_server.setData({all.at(0), all.at(1)}, m_server.events());
    }

    // The restored user types a task while the restored list may still be
    // arriving (the list must not take the focus from the entry), and
    // leaves through "Exit" in the settings menu.
    void restoredUserInTheWindow()
    {
        startDesktop(false);
        if (!QTest::currentTestFailed())
            startApp();
        if (!QTest::currentTestFailed())
            typeNewTask(typedTitle);
        if (QTest::currentTestFailed())
            return;

        QVERIFY(atspi({u"press"_s, u"push button"_s, u"Settings"_s}));
        QVERIFY(atspi({u"press"_s, u"menu item"_s, u"Exit"_s}));
        QTRY_VERIFY_WITH_TIMEOUT(m_app.state() == QProcess::NotRunning, 10000);
        QCOMPARE(m_app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_app.exitCode(), 0);
        QVERIFY(!appPrinted(u"signIn failure"_s));
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
        QVERIFY(QTest::qWaitFor(
                [&] {
                    const QRect previous = std::exchange(icon, appWindow(false));
                    return icon.isValid() && icon == previous;
                },
                10000));
        QVERIFY(!appWindow(true).isValid());

        // A click on the icon opens the popover right under it.
        click(icon.center());
        QRect shown;
        QVERIFY(QTest::qWaitFor([&] { return (shown = appWindow(true)).isValid(); }, 10000));
        QVERIFY2(shown.top() > icon.bottom() && shown.top() <= icon.bottom() + 10,
                 qPrintable(u"popover at y %1, icon bottom %2"_s.arg(shown.top()).arg(icon.bottom())));
        QVERIFY(shown.left() <= icon.center().x() && icon.center().x() <= shown.right());
        const QString states =
                u"for w in $(xdotool search --onlyvisible --pid %1); do xprop -id $w _NET_WM_STATE; done"_s;
        QVERIFY(run(u"sh"_s, {u"-c"_s, states.arg(m_app.processId())})
                        .contains(u"SKIP_TASKBAR")); // its icon's, not the taskbar's

        // It takes keys at once: Space starts the countdown; the stop button
        // appears and everything still fits, down to the task list.
        QVERIFY(atspi({u"wait"_s, u"list"_s, u"Tasks"_s}));
        xdotool({u"key"_s, u"space"_s});
        QVERIFY(atspi({u"wait"_s, u"push button"_s, u"Stop"_s}));
        QVERIFY(atspi({u"inside"_s, u"list"_s, u"Tasks"_s}));
        QCOMPARE(appWindow(true).top(), shown.top()); // grown downwards, away from the icon

        // Another tab and back: still all inside.
        QVERIFY(atspi({u"press"_s, u"page tab"_s, u"Events"_s}));
        QVERIFY(atspi({u"inside"_s, u"list"_s, u"Events"_s}));
        QVERIFY(atspi({u"press"_s, u"page tab"_s, u"Timer"_s}));
        QVERIFY(atspi({u"inside"_s, u"list"_s, u"Tasks"_s}));

        typeNewTask(typedTitle + u" (popover)"_s);
        if (QTest::currentTestFailed())
            return;

        // A click elsewhere hides it; the icon brings it back and closes it.
        click(QPoint(40, 600));
        QVERIFY(QTest::qWaitFor([&] { return !appWindow(true).isValid(); }, 10000));
        QTest::qWait(500);
        click(icon.center());
        QVERIFY(QTest::qWaitFor([&] { return appWindow(true).isValid(); }, 10000));
        click(icon.center());
        QVERIFY(QTest::qWaitFor([&] { return !appWindow(true).isValid(); }, 10000));
    }

    void cleanup()
    {
        if (m_app.state() != QProcess::NotRunning) {
            m_app.terminate();
            if (!m_app.waitForFinished(5000)) {
                m_app.kill();
                m_app.waitForFinished();
            }
        }
        m_appOutput += QString::fromUtf8(m_app.readAllStandardOutput());
        qInfo().noquote() << "stint printed:\n" + m_appOutput + QString::fromUtf8(m_app.readAllStandardError());
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
