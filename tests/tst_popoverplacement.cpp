// Where the popover opens: next to its icon, with the edge facing the icon
// fixed, always inside the screen's available area.

#include "app/popoverplacement.h"

#include <QTest>

namespace {
// A 1920x1080 screen; the panels take 28 px (48 at the sides) from one edge.
const QRect screen(0, 0, 1920, 1080);
const QRect belowTopPanel(0, 28, 1920, 1052);
const QRect aboveBottomPanel(0, 0, 1920, 1052);
const QRect rightOfLeftPanel(48, 0, 1872, 1080);
const QRect leftOfRightPanel(0, 0, 1872, 1080);
const QSize popover(330, 500);
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
        const auto row = [](const char *name, QRect anchor, QSize size, QRect available, QRect expected) {
            QTest::newRow(name) << anchor << size << available << expected;
        };
        row("top panel: centred below", {1000, 2, 24, 24}, popover, belowTopPanel, {846, 30, 330, 500});
        row("bottom panel, right end: above", {1800, 1054, 24, 24}, popover, aboveBottomPanel, {1590, 550, 330, 500});
        row("left panel, upper half", {12, 100, 24, 24}, popover, rightOfLeftPanel, {48, 100, 330, 500});
        row("right panel, lower half", {1884, 900, 24, 24}, popover, leftOfRightPanel, {1542, 424, 330, 500});
        row("no icon geometry, a click", {600, 10, 1, 1}, popover, belowTopPanel, {435, 28, 330, 500});
        row("no room below: pushed up", {900, 500, 24, 24}, {330, 600}, belowTopPanel, {746, 480, 330, 600});
        row("taller than the screen", {1000, 2, 24, 24}, {330, 2000}, belowTopPanel, {846, 28, 330, 1052});
        row("second screen above, bottom panel", {100, -26, 24, 24}, popover, {0, -1080, 1920, 1052},
            {0, -530, 330, 500});
    }

    void placement()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, size);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        QCOMPARE(PopoverPlacement::placement(anchor, size, available), expected);
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
        QTest::newRow("no panel") << screen << false << QPoint(1919, 0);
        QTest::newRow("dock left, wider panel bottom") << QRect(20, 0, 1900, 1040) << false << QPoint(1919, 1059);
    }

    void likelyTrayAnchor()
    {
        QFETCH(QRect, available);
        QFETCH(bool, rightToLeft);
        QFETCH(QPoint, expected);
        QCOMPARE(PopoverPlacement::likelyTrayAnchor(screen, available, rightToLeft).topLeft(), expected);
    }
};

QTEST_MAIN(TestPopoverPlacement)
#include "tst_popoverplacement.moc"
