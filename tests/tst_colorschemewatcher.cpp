// The desktop's dark/light preference, read from a stand-in settings portal
// on a private session bus: the first answer, then changes as they come.

#include "ui/colorschemewatcher.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");

// Answers Read as the real portal does: the value wrapped in one variant
// more than the signature says.
class StandInPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    uint scheme = 1;

public Q_SLOTS:
    QDBusVariant Read(const QString &group, const QString &key)
    {
        if (group != u"org.freedesktop.appearance" || key != u"color-scheme")
            return QDBusVariant(QVariant::fromValue(QDBusVariant(QString())));
        return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme)));
    }
};

} // namespace

class TestColorSchemeWatcher : public QObject
{
    Q_OBJECT

private:
    QProcess m_bus;
    StandInPortal m_portal;

    void announce(const QString &group, const QString &key, uint value)
    {
        QDBusMessage signal = QDBusMessage::createSignal(portalPath, settingsInterface, QStringLiteral("SettingChanged"));
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        QVERIFY(QDBusConnection(QStringLiteral("portal")).send(signal));
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A session bus of our own, before anything in the process asks for one.
        m_bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                    QStringLiteral("--print-address")});
        QVERIFY(m_bus.waitForReadyRead(10000));
        const QByteArray address = m_bus.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QDBusConnection portal = QDBusConnection::connectToBus(QString::fromUtf8(address), QStringLiteral("portal"));
        QVERIFY(portal.isConnected());
        QVERIFY(portal.registerObject(portalPath, &m_portal, QDBusConnection::ExportAllSlots));
        QVERIFY(portal.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    void readsThePreferenceThenFollowsIt()
    {
        ColorSchemeWatcher watcher;
        QSignalSpy changes(&watcher, &ColorSchemeWatcher::schemeChanged);
        QCOMPARE(watcher.scheme(), 0); // not known yet: asked without waiting
        QTRY_COMPARE(watcher.scheme(), 1);

        announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 2);
        QTRY_COMPARE(watcher.scheme(), 2);
        // Other groups and keys are none of ours; an unknown value means none.
        announce(QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("color-scheme"), 1);
        announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("contrast"), 1);
        announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 7);
        QTRY_COMPARE(watcher.scheme(), 0);
        QCOMPARE(changes.count(), 3);
    }

    void cleanupTestCase()
    {
        m_bus.terminate();
        m_bus.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestColorSchemeWatcher)
#include "tst_colorschemewatcher.moc"
