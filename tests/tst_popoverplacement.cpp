// Where the popover opens: next to the tray icon, fully on screen.

#include "app/popoverwindow.h"

#include <QTest>

class TestPopoverPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placement_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<int>("height");
        QTest::addColumn<QPoint>("expected");
        // The screen has a top panel 28 px high; its available area is below it.
        QTest::newRow("icon in a top panel: centred below")
            << QRect(1000, 2, 24, 24) << 500 << QPoint(1011 - 165, 26 + 4);
        QTest::newRow("icon at the right edge: kept on screen")
            << QRect(1890, 2, 24, 24) << 500 << QPoint(1920 - 330, 30);
        QTest::newRow("icon at the left edge") << QRect(0, 2, 24, 24) << 500 << QPoint(0, 30);
        QTest::newRow("icon in a bottom panel: above it")
            << QRect(1800, 1056, 24, 24) << 500 << QPoint(1920 - 330, 1056 - 4 - 500);
        QTest::newRow("only a click position, in the panel")
            << QRect(QPoint(600, 10), QSize(1, 1)) << 500 << QPoint(600 - 165, 28);
        QTest::newRow("taller than the room below: pushed up")
            << QRect(900, 500, 24, 24) << 600 << QPoint(911 - 165, 1080 - 600);
    }

    void placement()
    {
        QFETCH(QRect, anchor);
        QFETCH(int, height);
        QFETCH(QPoint, expected);
        const QRect screen(0, 28, 1920, 1052);
        const QSize size(330, height);
        const QPoint at = PopoverWindow::placement(anchor, size, screen);
        QCOMPARE(at, expected);
        QVERIFY(screen.contains(QRect(at, size)));
    }

    void popoverLargerThanTheScreenStartsAtItsCorner()
    {
        const QRect screen(0, 0, 300, 400);
        QCOMPARE(PopoverWindow::placement(QRect(10, 10, 20, 20), QSize(330, 500), screen), QPoint(0, 0));
    }
};

QTEST_MAIN(TestPopoverPlacement)
#include "tst_popoverplacement.moc"
