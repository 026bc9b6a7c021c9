// Start-up: the order of the steps, the first-launch welcome, the popover's
// toggle and size, and the window fallback on a desktop without a tray (the
// offscreen platform has none).

#include "accounts/tokenstore.h"
#include "app/appdelegate.h"
#include "app/popoverwindow.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"
#include "accounts/googlesignin.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickItem>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Tells when the restore of an earlier sign-in began: it reads the store first.
class RecordingTokenStore : public MemoryTokenStore
{
public:
    int reads = 0;

    void read(ReadCompletion completion) override
    {
        ++reads;
        MemoryTokenStore::read(std::move(completion));
    }
};

// Answers the first modal dialog that shows up with `answer`, noting what it said.
struct AlertWatcher
{
    QTimer poll;
    bool seen = false;
    QString text;
    QString informativeText;
    QStringList buttons;
    std::function<void()> onSeen;

    AlertWatcher()
    {
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            seen = true;
            text = box->text();
            informativeText = box->informativeText();
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            if (onSeen)
                onSeen();
            box->buttons().first()->click();
        });
        poll.start();
    }
};

} // namespace

class TestAppDelegate : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toLocal8Bit());
        QApplication::setOrganizationName(QStringLiteral("StintTest"));
        QApplication::setApplicationName(QStringLiteral("StintTest"));
        QSettings().clear();
    }

    void firstLaunchGreetsOnceBeforeTheRestore()
    {
        RecordingTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        AlertWatcher alert;
        int readsDuringAlert = -1;
        alert.onSeen = [&] { readsDuringAlert = store.reads; };

        delegate.applicationDidFinishLaunching();

        QVERIFY(alert.seen);
        QCOMPARE(alert.text, QStringLiteral("Welcome to the App!"));
        QCOMPARE(alert.informativeText, QStringLiteral("This is the first time you've launched the app."));
        QCOMPARE(alert.buttons, QStringList{QStringLiteral("Get Started")});
        QCOMPARE(readsDuringAlert, 0); // the restore waits for the welcome
        QTRY_COMPARE(store.reads, 1);
        QVERIFY(QSettings().value(QStringLiteral("hasLaunchedBefore")).toBool());

        // "Get Started" opened the popover, at its width.
        QVERIFY(delegate.popover()->isShown());
        QCOMPARE(delegate.popover()->width(), 330);
        QVERIFY(delegate.popover()->rootObject());
        QCOMPARE(delegate.popover()->rootObject()->property("selectedIndex").toInt(), 0);
        QCOMPARE(delegate.popover()->rootObject()->property("viewModel").value<QObject *>(),
                 delegate.viewModel());
        QCOMPARE(delegate.userManager(), delegate.viewModel()->userManager());
        QVERIFY(capture.lines().contains(QStringLiteral("new")));
    }

    void laterLaunchesDoNotGreet()
    {
        RecordingTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        AlertWatcher alert;
        delegate.applicationDidFinishLaunching();
        QVERIFY(!alert.seen);
        QTRY_COMPARE(store.reads, 1);
    }

    void withoutATrayThePopoverIsAWindow()
    {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        MemoryTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        delegate.applicationDidFinishLaunching();

        QVERIFY(!delegate.statusBarItem());
        QCOMPARE(delegate.popover()->mode(), PopoverWindow::Mode::standalone);
        QCOMPARE(delegate.popover()->title(), QStringLiteral("Stint"));
        QVERIFY(!(delegate.popover()->flags() & Qt::FramelessWindowHint));
        QVERIFY(delegate.popover()->isShown());
        const QStringList lines = capture.lines();
        QCOMPARE(lines.filter(QStringLiteral("system tray")).size(), 1);
    }

    void toggleClosesAndReopensAtFullWidth()
    {
        MemoryTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        delegate.applicationDidFinishLaunching();
        PopoverWindow *popover = delegate.popover();
        QVERIFY(popover->isShown());

        delegate.togglePopover();
        QVERIFY(!popover->isShown());

        popover->resize(200, 100); // whatever happened meanwhile, the next opening measures again
        delegate.togglePopover();
        QVERIFY(popover->isShown());
        QCOMPARE(popover->width(), 330);
        QCOMPARE(popover->height(), popover->fittingSize().height());
        QVERIFY(popover->height() > 100);
    }

    void urlEventsWithoutAUsableUrlChangeNothing()
    {
        MemoryTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        delegate.applicationDidFinishLaunching();
        const QStringList before = capture.lines();
        delegate.handleGetURLEvent(QString());
        delegate.handleGetURLEvent(QStringLiteral("::not a url::"));
        delegate.openURLs({QUrl(QStringLiteral("stint://oauth2redirect?code=1&state=unknown"))});
        QCOMPARE(capture.lines(), before);
        QVERIFY(!delegate.googleSignIn()->currentUser());
    }

    void calendarChangesArePrinted()
    {
        MemoryTokenStore store;
        StdoutCapture capture;
        AppDelegate delegate(&store);
        delegate.calendarAccessChanged();
        delegate.calendarAccessChanged();
        QCOMPARE(capture.lines().filter(QStringLiteral("Access")),
                 (QStringList{QStringLiteral("Access denied"), QStringLiteral("Access denied")}));
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
