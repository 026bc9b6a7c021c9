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
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QColor>("negative");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QColor>("accent");
        QTest::addColumn<QColor>("danger");

        const QColor noNegative;
        const QColor kdeNegative(218, 68, 83);
        QTest::newRow("Qt's own palette: light, a calm blue")
            << qtPlainPalette() << 0 << noNegative << false << QColor(0x1c, 0x71, 0xd8) << QColor(0xc0, 0x1c, 0x28);
        QTest::newRow("GNOME asks for dark through the portal")
            << qtPlainPalette() << 1 << noNegative << true << QColor(0x62, 0xa0, 0xea) << QColor(0xff, 0x7b, 0x63);
        QTest::newRow("GNOME asks for light") << qtPlainPalette() << 2 << noNegative << false
                                              << QColor(0x1c, 0x71, 0xd8) << QColor(0xc0, 0x1c, 0x28);
        QTest::newRow("KDE light: its highlight and negative colour")
            << kdePalette(false) << 0 << kdeNegative << false << QColor(0x3d, 0xae, 0xe9) << kdeNegative;
        QTest::newRow("KDE dark") << kdePalette(true) << 0 << kdeNegative << true << QColor(0x3d, 0xae, 0xe9)
                                  << kdeNegative;
        QTest::newRow("KDE dark palette while the portal says light")
            << kdePalette(true) << 2 << kdeNegative << true << QColor(0x3d, 0xae, 0xe9) << kdeNegative;
    }

    void colors()
    {
        QFETCH(QPalette, palette);
        QFETCH(int, scheme);
        QFETCH(QColor, negative);
        QFETCH(bool, dark);
        QFETCH(QColor, accent);
        QFETCH(QColor, danger);

        const ThemeColors colors = ThemeColors::from(
            palette, scheme, negative.isValid() ? std::optional(negative) : std::nullopt);
        QCOMPARE(colors.dark, dark);
        QCOMPARE(colors.accent, accent);
        QCOMPARE(colors.danger, danger);
        QCOMPARE(colors.background.lightness() < 128, dark);
        // Readable: text and quieter text stand out from the rows they sit on.
        QVERIFY(qAbs(colors.text.lightness() - colors.rowBackground.lightness()) > 150);
        QVERIFY(qAbs(colors.secondaryText.lightness() - colors.rowBackground.lightness()) > 70);
        QVERIFY(qAbs(colors.accent.lightness() - colors.rowBackground.lightness()) > 50);
    }
};

QTEST_GUILESS_MAIN(TestTheme)
#include "tst_theme.moc"
