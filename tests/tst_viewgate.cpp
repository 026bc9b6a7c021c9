// While the popover is hidden its views do not follow the countdown; they
// catch up before it is measured or shown.

#include "accounts/usermanager.h"
#include "app/popoverwindow.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QQmlEngineExtensionPlugin>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTest>

Q_IMPORT_QML_PLUGIN(StintPlugin)

class TestViewGate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hiddenViewsHoldUntilMeasuredOrShown()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("[Bb]inding loop")));
        StdoutCapture capture;
        UserManager users{nullptr};
        DefaultViewModel model{Alarm::makeDefault(), nullptr, &users};
        PopoverWindow popover(PopoverWindow::Mode::popover);
        popover.setInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&model)}});
        popover.setSource(QUrl(QStringLiteral("qrc:/Stint/ui/ContentView.qml")));
        QVERIFY(popover.rootObject());
        const int heightWithoutStop = popover.fittingSize().height();
        auto *time = popover.rootObject()->findChild<QObject *>(QStringLiteral("timeText"));
        auto *stop = popover.rootObject()->findChild<QQuickItem *>(QStringLiteral("stopButton"));
        QVERIFY(time && stop);
        const auto shown = [time] { return time->property("text").toString(); };

        model.setIsTimerRunning(true);
        model.tick();
        QCOMPARE(shown(), QStringLiteral("25:00"));
        QVERIFY(!stop->isVisible());
        // Measured as it will show: up to date, then held again.
        QVERIFY(popover.fittingSize().height() > heightWithoutStop);
        QCOMPARE(shown(), QStringLiteral("24:59"));
        QVERIFY(stop->isVisible());
        model.tick();
        QCOMPARE(shown(), QStringLiteral("24:59"));

        popover.show();
        QCOMPARE(shown(), QStringLiteral("24:58"));
        model.tick();
        QCOMPARE(shown(), QStringLiteral("24:57"));
        popover.hide();
        model.tick();
        QCOMPARE(shown(), QStringLiteral("24:57"));
    }
};

QTEST_MAIN(TestViewGate)
#include "tst_viewgate.moc"
