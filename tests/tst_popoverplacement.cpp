// Where the popover opens: next to its icon, with the edge facing the icon
// fixed, always inside the screen's available area.

#include "app/popoverplacement.h"

#include <QTest>

using namespace PopoverPlacement;

namespace {
// A 1920x1080 screen; the panels below take 28 px from one edge.
const QRect screen(0, 0, 1920, 1080);
const QRect belowTopPanel(0, 28, 1920, 1052);
const QRect aboveBottomPanel(0, 0, 1920, 1052);
const QRect rightOfLeftPanel(48, 0, 1872, 1080);
const QRect leftOfRightPanel(0, 0, 1872, 1080);
} // namespace

class TestPopoverPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placement_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");

        const QSize popover(330, 500);
        QTest::newRow("top panel: centred below the icon")
            << QRect(1000, 2, 24, 24) << popover << belowTopPanel << QRect(1011 - 165, 30, 330, 500);
        QTest::newRow("top panel, taller content: grows downwards")
            << QRect(1000, 2, 24, 24) << QSize(330, 700) << belowTopPanel << QRect(846, 30, 330, 700);
        QTest::newRow("top panel, right end: kept on screen")
            << QRect(1890, 2, 24, 24) << popover << belowTopPanel << QRect(1920 - 330, 30, 330, 500);
        QTest::newRow("top panel, left end") << QRect(0, 2, 24, 24) << popover << belowTopPanel
                                             << QRect(0, 30, 330, 500);
        QTest::newRow("bottom panel: above the icon")
            << QRect(1800, 1054, 24, 24) << popover << aboveBottomPanel << QRect(1590, 1054 - 4 - 500, 330, 500);
        QTest::newRow("bottom panel, taller content: grows upwards")
            << QRect(1800, 1054, 24, 24) << QSize(330, 700) << aboveBottomPanel
            << QRect(1590, 1054 - 4 - 700, 330, 700);
        QTest::newRow("left panel, upper half: beside the icon, tops aligned")
            << QRect(12, 100, 24, 24) << popover << rightOfLeftPanel << QRect(48, 100, 330, 500);
        QTest::newRow("right panel, lower half: beside the icon, bottoms aligned")
            << QRect(1884, 900, 24, 24) << popover << leftOfRightPanel << QRect(1542, 424, 330, 500);
        QTest::newRow("a click in the top panel, no icon geometry")
            << QRect(600, 10, 1, 1) << popover << belowTopPanel << QRect(600 - 165, 28, 330, 500);
        QTest::newRow("taller than the room below: pushed up")
            << QRect(900, 500, 24, 24) << QSize(330, 600) << belowTopPanel << QRect(746, 1080 - 600, 330, 600);
        QTest::newRow("taller than the screen: shortened to fit")
            << QRect(1000, 2, 24, 24) << QSize(330, 2000) << belowTopPanel << QRect(846, 28, 330, 1052);
        QTest::newRow("second screen to the right")
            << QRect(3800, 2, 24, 24) << popover << QRect(1920, 28, 1920, 1052)
            << QRect(3840 - 330, 30, 330, 500);
        QTest::newRow("second screen above the first, bottom panel")
            << QRect(100, -26, 24, 24) << popover << QRect(0, -1080, 1920, 1052)
            << QRect(0, -26 - 4 - 500, 330, 500);
    }

    void placement()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, size);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        const QRect frame = PopoverPlacement::placement(anchor, size, available);
        QCOMPARE(frame, expected);
        QVERIFY(available.contains(frame));
    }

    void likelyTrayAnchor_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("top panel") << belowTopPanel << false << QPoint(1919, 13);
        QTest::newRow("top panel, right-to-left") << belowTopPanel << true << QPoint(0, 13);
        QTest::newRow("bottom panel") << aboveBottomPanel << false << QPoint(1919, 1065);
        QTest::newRow("left panel") << rightOfLeftPanel << false << QPoint(23, 1079);
        QTest::newRow("right panel") << leftOfRightPanel << false << QPoint(1895, 1079);
        QTest::newRow("no panel: top corner") << screen << false << QPoint(1919, 0);
        QTest::newRow("a dock on the left, the panel at the bottom")
            << QRect(20, 0, 1900, 1040) << false << QPoint(1919, 1059);
    }

    void likelyTrayAnchor()
    {
        QFETCH(QRect, available);
        QFETCH(bool, rightToLeft);
        QFETCH(QPoint, expected);
        const QRect anchor = PopoverPlacement::likelyTrayAnchor(screen, available, rightToLeft);
        QCOMPARE(anchor.topLeft(), expected);
        // Placed from there, the popover sits in that corner.
        const QRect frame = PopoverPlacement::placement(anchor, QSize(330, 500), available);
        QVERIFY(available.contains(frame));
        QVERIFY(qAbs(frame.center().x() - expected.x()) <= 165 + 48);
    }
};

QTEST_MAIN(TestPopoverPlacement)
#include "tst_popoverplacement.moc"
