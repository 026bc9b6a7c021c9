// The popover's colours come from the desktop: its accent, its negative
// colour, its light or dark scheme, readable either way.

#include "ui/theme.h"

#include <QTest>

namespace {

// The palette Qt uses when the desktop gives none (GNOME, bare X).
QPalette qtPlainPalette()
{
    QPalette palette(QColor(0xef, 0xef, 0xef));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    return palette;
}

QPalette kdePalette(bool dark)
{
    QPalette palette(dark ? QColor(0x2a, 0x2e, 0x32) : QColor(0xef, 0xf0, 0xf1));
    palette.setColor(QPalette::Base, dark ? QColor(0x1b, 0x1e, 0x20) : Qt::white);
    palette.setColor(QPalette::WindowText, dark ? QColor(0xfc, 0xfc, 0xfc) : QColor(0x23, 0x26, 0x29));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    return palette;
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colors_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<int>("scheme"); // 0 no preference, 1 dark, 2 light
        QTest::addColumn<bool>("kdeNegative");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("desktopAccent");
        QTest::newRow("Qt's own palette: not its highlight") << qtPlainPalette() << 0 << false << false << false;
        QTest::newRow("portal asks for dark over Qt's palette") << qtPlainPalette() << 1 << false << true << false;
        QTest::newRow("KDE light") << kdePalette(false) << 0 << true << false << true;
        QTest::newRow("KDE dark while the portal says light") << kdePalette(true) << 2 << true << true << true;
    }

    void colors()
    {
        QFETCH(QPalette, palette);
        QFETCH(int, scheme);
        QFETCH(bool, kdeNegative);
        QFETCH(bool, dark);
        QFETCH(bool, desktopAccent);
        const QColor negative(218, 68, 83);
        const ThemeColors colors
            = ThemeColors::from(palette, scheme, kdeNegative ? std::optional(negative) : std::nullopt);
        QCOMPARE(colors.dark, dark);
        QCOMPARE(colors.background.lightness() < 128, dark);
        QCOMPARE(colors.accent == palette.color(QPalette::Highlight), desktopAccent);
        if (kdeNegative)
            QCOMPARE(colors.danger, negative);
        // Readable: text and accent stand out from the rows they sit on.
        QVERIFY(qAbs(colors.text.lightness() - colors.rowBackground.lightness()) > 150);
        QVERIFY(qAbs(colors.secondaryText.lightness() - colors.rowBackground.lightness()) > 70);
        QVERIFY(qAbs(colors.accent.lightness() - colors.rowBackground.lightness()) > 50);
    }
};

QTEST_GUILESS_MAIN(TestTheme)
#include "tst_theme.moc"
