#include "accounts/usermanager.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"
#include "ui/textdropdelegate.h"
#include "ui/ticktimer.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTranslator>

// The C++ halves of the timer view: the text drop and the tick source.
// (The ring's geometry is checked where it shows, in the QML tests.)
class TestUiHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dropEnteredAndExitedPrintTheirLines();
    void dropWithoutTextIsRefused();
    void dropAppliesFirstTextLaterOnMainThread();
    void dropDuringRestStartsFullFocusPhase();
    void dropIsDroppedWhenDelegateGoesFirst();

    void tickSourceCountsWholeSecondsOfItsClock();

    void germanTextsAreBuiltIn();

private:
    std::unique_ptr<DefaultViewModel> makeViewModel()
    {
        return std::make_unique<DefaultViewModel>(Alarm::makeDefault(), nullptr, &m_users);
    }

    UserManager m_users{nullptr};
};

void TestUiHelpers::dropEnteredAndExitedPrintTheirLines()
{
    TextDropDelegate delegate;
    StdoutCapture capture;
    delegate.dropEntered();
    delegate.dropExited();
    QCOMPARE(capture.lines(), QStringList({"dropEntered", "dropExited"}));
}

void TestUiHelpers::dropWithoutTextIsRefused()
{
    auto viewModel = makeViewModel();
    TextDropDelegate delegate;
    delegate.setViewModel(viewModel.get());
    QSignalSpy titleChanged(viewModel.get(), &DefaultViewModel::taskTitleChanged);

    StdoutCapture capture;
    QVERIFY(!delegate.performDrop({}));
    QCoreApplication::processEvents();
    QCOMPARE(titleChanged.count(), 0);
    QVERIFY(!viewModel->isTimerRunning());
    QVERIFY(capture.lines().isEmpty());
}

void TestUiHelpers::dropAppliesFirstTextLaterOnMainThread()
{
    auto viewModel = makeViewModel();
    TextDropDelegate delegate;
    delegate.setViewModel(viewModel.get());

    QThread *titleThread = nullptr;
    connect(viewModel.get(), &DefaultViewModel::taskTitleChanged, this,
            [&] { titleThread = QThread::currentThread(); }, Qt::DirectConnection);

    StdoutCapture capture;
    QVERIFY(delegate.performDrop({"Write the report", "Call the bank"}));
    // Taken, but nothing applied yet.
    QCOMPARE(viewModel->taskTitle(), QString());
    QVERIFY(capture.lines().isEmpty());

    QTRY_COMPARE(viewModel->taskTitle(), QStringLiteral("Write the report"));
    QCOMPARE(titleThread, QThread::currentThread());
    QCOMPARE(capture.lines(), QStringList({"Dropped text: Write the report"}));
    QVERIFY(viewModel->isTimerRunning());
}

void TestUiHelpers::dropDuringRestStartsFullFocusPhase()
{
    auto viewModel = makeViewModel();
    viewModel->stopAndSwitchPhase(); // rest
    viewModel->setIsTimerRunning(true);
    viewModel->tick();
    TextDropDelegate delegate;
    delegate.setViewModel(viewModel.get());

    StdoutCapture capture;
    QVERIFY(delegate.performDrop({"Inbox zero"}));
    QTRY_COMPARE(viewModel->taskTitle(), QStringLiteral("Inbox zero"));
    QCOMPARE(viewModel->currentState(), PomodoroState::focus);
    QCOMPARE(viewModel->time(), 1500.0);
    QCOMPARE(viewModel->progress(), 1.0);
    QVERIFY(viewModel->isTimerRunning());
}

void TestUiHelpers::dropIsDroppedWhenDelegateGoesFirst()
{
    auto viewModel = makeViewModel();
    auto delegate = std::make_unique<TextDropDelegate>();
    delegate->setViewModel(viewModel.get());

    StdoutCapture capture;
    QVERIFY(delegate->performDrop({"Too late"}));
    delegate.reset();
    QCoreApplication::processEvents();
    QCOMPARE(viewModel->taskTitle(), QString());
    QVERIFY(capture.lines().isEmpty());
}

// The tick source counts whole seconds on its clock, including time the
// machine spent asleep, and only while the countdown runs.
void TestUiHelpers::tickSourceCountsWholeSecondsOfItsClock()
{
    auto viewModel = makeViewModel();
    viewModel->setTaskTitle(QStringLiteral("Write report"));
    std::chrono::milliseconds now{5'000'000};
    TickTimer ticks(viewModel.get(), [&now] { return now; });
    QVERIFY(!ticks.isRunning());

    viewModel->setIsTimerRunning(true);
    QVERIFY(ticks.isRunning());
    now += std::chrono::milliseconds(2'700);
    ticks.catchUp();
    QCOMPARE(viewModel->time(), 1498.0);
    now += std::chrono::milliseconds(300); // the 0.7 s left over make a third second
    ticks.catchUp();
    QCOMPARE(viewModel->time(), 1497.0);

    // Paused for a while: nothing counts, and the restart counts from then.
    viewModel->setIsTimerRunning(false);
    QVERIFY(!ticks.isRunning());
    now += std::chrono::minutes(5);
    viewModel->setIsTimerRunning(true);
    now += std::chrono::milliseconds(1'000);
    ticks.catchUp();
    QCOMPARE(viewModel->time(), 1496.0);

    // Nobody watching: it wakes only when the minutes left change (1496 s
    // left: in 56 s) and gives those seconds at once; watched again, it
    // catches up straight away.
    ticks.setSecondsWatched(false);
    QVERIFY(ticks.remainingTime() > 55'000 && ticks.remainingTime() <= 56'000);
    now += std::chrono::seconds(56);
    ticks.catchUp();
    QCOMPARE(viewModel->time(), 1440.0);
    now += std::chrono::seconds(10);
    ticks.setSecondsWatched(true);
    QCOMPARE(viewModel->time(), 1430.0);
    QVERIFY(ticks.remainingTime() <= 1'000);

    // Asleep for an hour: the phase ends once, with one gong and the question.
    now += std::chrono::hours(1);
    ticks.catchUp();
    QCOMPARE(viewModel->time(), 1500.0);
    QVERIFY(!viewModel->isTimerRunning());
    QVERIFY(!ticks.isRunning());
    QCOMPARE(viewModel->alarmPlayer().playCount(), 1);
    QVERIFY(viewModel->shouldAskIfTaskIsDone());
}

// The views look their texts up by file name and source text.
void TestUiHelpers::germanTextsAreBuiltIn()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/i18n/stint_de.qm")));
    QCOMPARE(german.translate("TimerView", "Is the task now done?"),
             QStringLiteral("Ist die Aufgabe jetzt erledigt?"));
    QCOMPARE(german.translate("ContentView", "Events"), QStringLiteral("Termine"));
    QCOMPARE(german.translate("CircularProgressView", "Stay focused"),
             QStringLiteral("Fokuszeit"));
}

QTEST_MAIN(TestUiHelpers)
#include "tst_uihelpers.moc"
