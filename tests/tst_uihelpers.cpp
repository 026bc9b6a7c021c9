#include "accounts/usermanager.h"
#include "timer/defaultviewmodel.h"
#include "ui/textdropdelegate.h"
#include "ui/ticktimer.h"

#include <QTest>
#include <QThread>

// The C++ halves of the timer view: the text drop and the tick source.
class TestUiHelpers : public QObject
{
    Q_OBJECT

private:
    UserManager m_users{nullptr};

    std::unique_ptr<DefaultViewModel> makeViewModel()
    {
        return std::make_unique<DefaultViewModel>(Alarm::makeDefault(), nullptr, &m_users);
    }

private Q_SLOTS:
    void dropAppliesFirstTextLaterOnMainThread()
    {
        auto viewModel = makeViewModel();
        TextDropDelegate delegate;
        delegate.setViewModel(viewModel.get());

        QThread *titleThread = nullptr;
        connect(viewModel.get(), &DefaultViewModel::taskTitleChanged, this,
                [&] { titleThread = QThread::currentThread(); }, Qt::DirectConnection);

        QVERIFY(delegate.performDrop({"Write the report", "Call the bank"}));
        QCOMPARE(viewModel->taskTitle(), QString()); // taken, but not applied yet

        QTRY_COMPARE(viewModel->taskTitle(), QStringLiteral("Write the report"));
        QCOMPARE(titleThread, QThread::currentThread());
        QVERIFY(viewModel->isTimerRunning());
    }

    void dropWithoutTextOrAfterTheDelegateChangesNothing()
    {
        auto viewModel = makeViewModel();
        auto delegate = std::make_unique<TextDropDelegate>();
        delegate->setViewModel(viewModel.get());

        QVERIFY(!delegate->performDrop({}));
        QVERIFY(delegate->performDrop({"Too late"}));
        delegate.reset();
        QCoreApplication::processEvents();
        QCOMPARE(viewModel->taskTitle(), QString());
        QVERIFY(!viewModel->isTimerRunning());
    }

    // The tick source counts whole seconds on its clock, including time the
    // machine spent asleep, and only while the countdown runs.
    void tickSourceCountsWholeSecondsOfItsClock()
    {
        auto viewModel = makeViewModel();
        viewModel->setTaskTitle(QStringLiteral("Write report"));
        std::chrono::milliseconds now{5'000'000};
        TickTimer ticks(viewModel.get(), [&now] { return now; });

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
        // left: in 56 s); watched again, it catches up straight away.
        ticks.setSecondsWatched(false);
        QVERIFY(ticks.remainingTime() > 55'000 && ticks.remainingTime() <= 56'000);
        now += std::chrono::seconds(66);
        ticks.setSecondsWatched(true);
        QCOMPARE(viewModel->time(), 1430.0);

        // Asleep for an hour: the phase ends once, with one gong and the question.
        now += std::chrono::hours(1);
        ticks.catchUp();
        QCOMPARE(viewModel->time(), 1500.0);
        QVERIFY(!viewModel->isTimerRunning());
        QVERIFY(!ticks.isRunning());
        QCOMPARE(viewModel->alarmPlayer().playCount(), 1);
        QVERIFY(viewModel->shouldAskIfTaskIsDone());
    }
};

QTEST_MAIN(TestUiHelpers)
#include "tst_uihelpers.moc"
