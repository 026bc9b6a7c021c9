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
        QTest::addColumn<QPoint>("expected");
        const QRect screen(0, 28, 1920, 1052); // a top panel 28 px high

        QTest::newRow("icon in a top panel: centred below")
            << QRect(1000, 2, 24, 24) << QPoint(1012 - 165, 26 + 4);
        QTest::newRow("icon at the right edge: kept on screen")
            << QRect(1890, 2, 24, 24) << QPoint(1920 - 330, 30);
        QTest::newRow("icon at the left edge") << QRect(0, 2, 24, 24) << QPoint(0, 30);
        QTest::newRow("icon in a bottom panel: above it")
            << QRect(1800, 1056, 24, 24) << QPoint(1920 - 330, 1056 - 4 - 500);
        QTest::newRow("only a click position") << QRect(QPoint(600, 10), QSize(1, 1)) << QPoint(600 - 165, 30);
        QTest::newRow("popover taller than the room below")
            << QRect(900, 520, 24, 24) << QPoint(912 - 165, 28 + 1052 - 500);
    }

    void placement()
    {
        QFETCH(QRect, anchor);
        QFETCH(QPoint, expected);
        const QRect screen(0, 28, 1920, 1052);
        const QSize size(330, 500);
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
