// The countdown in the tray: what the icon draws and the tooltip says for
// each state of the timer, and that it is drawn only when that changes.

#include "accounts/usermanager.h"
#include "app/traycountdown.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QSystemTrayIcon>
#include <QTest>

#include <cmath>

namespace {

// The share of the ring drawn in full colour, along the middle of the stroke.
double fractionDrawn(const QImage &image)
{
    const double size = TrayCountdown::iconSize, radius = (size - size / 6.0) / 2;
    int full = 0;
    for (int i = 0; i < 720; ++i) {
        const double angle = 2 * M_PI * (i + 0.5) / 720;
        const QPoint at(int(size / 2 + radius * std::cos(angle)), int(size / 2 - radius * std::sin(angle)));
        full += qAlpha(image.pixel(at)) > 200;
    }
    return full / 720.0;
}

struct Fixture
{
    StdoutCapture capture;
    UserManager users{nullptr};
    DefaultViewModel model{Alarm::makeDefault(), nullptr, &users};
};

} // namespace

class TestTrayCountdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Stint")); }

    void showsThePhaseAndTheMinutesLeft_data()
    {
        QTest::addColumn<bool>("rest");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("pause");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<double>("fraction"); // of the ring; none: the app's own icon
        QTest::newRow("ready") << false << 0 << false << "Stint" << -1.0;
        QTest::newRow("focus, 21 min 59 s left") << false << 181 << false << "Focus · 22 min left" << 0.88;
        QTest::newRow("focus, last second") << false << 1499 << false << "Focus · 1 min left" << 0.04;
        QTest::newRow("rest, 2 min 59 s left") << true << 121 << false << "Rest · 3 min left" << 0.6;
        QTest::newRow("paused at 12 min") << false << 780 << true << "Paused · 12 min left" << 0.48;
        QTest::newRow("focus ran out") << false << 1500 << false << "Stint" << -1.0;
    }

    void showsThePhaseAndTheMinutesLeft()
    {
        QFETCH(bool, rest);
        QFETCH(int, ticks);
        QFETCH(bool, pause);
        QFETCH(QString, toolTip);
        QFETCH(double, fraction);
        Fixture f;
        QSystemTrayIcon tray;
        const QIcon appIcon(QStringLiteral(":/Stint/ui/icons/timer.svg"));
        TrayCountdown countdown(&f.model, &tray, appIcon);
        if (rest)
            f.model.stopAndSwitchPhase();
        f.model.setIsTimerRunning(ticks > 0);
        for (int i = 0; i < ticks; ++i)
            f.model.tick();
        if (pause)
            f.model.setIsTimerRunning(false);

        QCOMPARE(tray.toolTip(), toolTip);
        if (fraction < 0) {
            QCOMPARE(tray.icon().cacheKey(), appIcon.cacheKey());
            return;
        }
        const QImage drawn = TrayCountdown::render(countdown.face());
        QVERIFY(qAbs(fractionDrawn(drawn) - fraction) < 0.02);
        // Focus, rest and pause are drawn in different colours.
        const QColor arc = drawn.pixelColor(TrayCountdown::iconSize / 2, TrayCountdown::iconSize / 24);
        QVERIFY(pause ? arc.saturation() < 80 : rest ? arc.hue() > 90 && arc.hue() < 160 : arc.hue() > 200);
    }

    void drawsOncePerMinuteAndAtEachChange()
    {
        Fixture f;
        TrayCountdown countdown(&f.model, nullptr, QIcon());
        const int atStart = countdown.redraws();
        f.model.setIsTimerRunning(true); // starts: drawn
        for (int i = 0; i < 120; ++i)
            f.model.tick(); // 25 -> 24 -> 23 minutes
        f.model.setIsTimerRunning(false); // paused: drawn
        f.model.setIsTimerRunning(false); // announced again, same face: not drawn
        QCOMPARE(countdown.redraws(), atStart + 4);
    }
};

QTEST_MAIN(TestTrayCountdown)
#include "tst_traycountdown.moc"
