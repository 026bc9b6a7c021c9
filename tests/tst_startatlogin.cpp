// The login autostart entry: written, removed, and the state following the
// file when it is removed or switched off by hand.

#include "app/startatlogin.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestStartAtLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entryFollowsTheChoice_data()
    {
        QTest::addColumn<QString>("configHome");
        QTest::newRow("XDG_CONFIG_HOME") << "/conf";
        QTest::newRow("~/.config") << "";
    }

    void entryFollowsTheChoice()
    {
        QFETCH(QString, configHome);
        QTemporaryDir home;
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", configHome.isEmpty() ? QByteArray() : (home.path() + configHome).toUtf8());
        QFile entry(home.path() + (configHome.isEmpty() ? "/.config" : configHome) + "/autostart/app.stint.Stint.desktop");
        QVERIFY(!StartAtLogin::isEnabled());
        QVERIFY(StartAtLogin::setEnabled(true) && StartAtLogin::isEnabled());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("\nExec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"));
        entry.close();
        QVERIFY(StartAtLogin::setEnabled(false) && !entry.exists());

        QVERIFY(StartAtLogin::setEnabled(true) && entry.remove());
        QVERIFY(!StartAtLogin::isEnabled());
        QVERIFY(StartAtLogin::setEnabled(true) && entry.open(QIODevice::Append));
        entry.write("Hidden=true\n");
        entry.close();
        QVERIFY(!StartAtLogin::isEnabled());
    }
};

QTEST_GUILESS_MAIN(TestStartAtLogin)
#include "tst_startatlogin.moc"
