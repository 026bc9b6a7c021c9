// The popover's colours come from the desktop: its accent, its negative
// colour, its light or dark scheme (read from a stand-in settings portal on a
// private session bus), readable either way.

#include "ui/colorschemewatcher.h"
#include "ui/theme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

QPalette palette(QColor window, QColor base, QColor highlight)
{
    QPalette palette(window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Highlight, highlight);
    return palette;
}

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

// Answers Read as the real portal does: the value wrapped in one variant
// more than the signature says.
class StandInPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public Q_SLOTS:
    QDBusVariant Read(const QString &group, const QString &key)
    {
        const QVariant value = group == appearance && key == colorScheme ? QVariant(1u) : QVariant(QString());
        return QDBusVariant(QVariant::fromValue(QDBusVariant(value)));
    }
};

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

    QProcess m_bus;
    StandInPortal m_portal;

    void announce(const QString &group, const QString &key, uint value)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.Settings"),
                                                         QStringLiteral("SettingChanged"));
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        QVERIFY(QDBusConnection(QStringLiteral("portal")).send(signal));
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A session bus of our own, before anything in the process asks for one.
        m_bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        const QByteArray address = m_bus.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QDBusConnection portal = QDBusConnection::connectToBus(QString::fromUtf8(address), QStringLiteral("portal"));
        QVERIFY(portal.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &m_portal,
                                      QDBusConnection::ExportAllSlots));
        QVERIFY(portal.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    void cleanupTestCase()
    {
        m_bus.terminate();
        m_bus.waitForFinished();
    }

    void readsThePreferenceThenFollowsIt()
    {
        ColorSchemeWatcher watcher;
        QSignalSpy changes(&watcher, &ColorSchemeWatcher::schemeChanged);
        QCOMPARE(watcher.scheme(), 0); // not known yet: asked without waiting
        QTRY_COMPARE(watcher.scheme(), 1);
        announce(appearance, colorScheme, 2);
        QTRY_COMPARE(watcher.scheme(), 2);
        // Other groups and keys are none of ours; an unknown value means none.
        announce(QStringLiteral("org.gnome.desktop.interface"), colorScheme, 1);
        announce(appearance, QStringLiteral("contrast"), 1);
        announce(appearance, colorScheme, 7);
        QTRY_COMPARE(watcher.scheme(), 0);
        QCOMPARE(changes.count(), 3);
    }
    void colors_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<int>("scheme"); // 0 no preference, 1 dark, 2 light
        QTest::addColumn<bool>("kdeNegative");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("desktopAccent");
        // What Qt uses when the desktop gives no palette (GNOME, bare X); and KDE's Breeze.
        const QPalette qtPlain = palette(QColor(0xef, 0xef, 0xef), Qt::white, QColor(48, 140, 198));
        const QPalette kdeDark = palette(QColor(0x2a, 0x2e, 0x32), QColor(0x1b, 0x1e, 0x20), QColor(0x3d, 0xae, 0xe9));
        QTest::newRow("Qt's own palette: not its highlight") << qtPlain << 0 << false << false << false;
        QTest::newRow("portal asks for dark over Qt's palette") << qtPlain << 1 << false << true << false;
        QTest::newRow("KDE light") << palette(QColor(0xef, 0xf0, 0xf1), Qt::white, QColor(0x3d, 0xae, 0xe9)) << 0
                                   << true << false << true;
        QTest::newRow("KDE dark while the portal says light") << kdeDark << 2 << true << true << true;
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
        QCOMPARE(colors.danger == negative, kdeNegative);
        // Readable: text and accent stand out from the rows they sit on.
        QVERIFY(qAbs(colors.text.lightness() - colors.rowBackground.lightness()) > 150);
        QVERIFY(qAbs(colors.secondaryText.lightness() - colors.rowBackground.lightness()) > 70);
        QVERIFY(qAbs(colors.accent.lightness() - colors.rowBackground.lightness()) > 50);
    }
};

QTEST_GUILESS_MAIN(TestTheme)
#include "tst_theme.moc"
