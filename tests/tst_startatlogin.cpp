// The login autostart entry: written, read back, removed, and the state
// following the file when it is removed or switched off by hand.

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
        if (configHome.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", (home.path() + configHome).toUtf8());
        const QString path = home.path() + (configHome.isEmpty() ? "/.config" : configHome)
                             + "/autostart/app.stint.Stint.desktop";
        QCOMPARE(StartAtLogin::entryPath(), path);

        QVERIFY(!StartAtLogin::isEnabled());
        QVERIFY(StartAtLogin::setEnabled(true));
        QVERIFY(StartAtLogin::isEnabled());
        QFile entry(path);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("\nExec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"));
        entry.close();
        QVERIFY(StartAtLogin::setEnabled(false));
        QVERIFY(!QFile::exists(path));

        QVERIFY(StartAtLogin::setEnabled(true));
        QFile::remove(path);
        QVERIFY(!StartAtLogin::isEnabled());
        QVERIFY(StartAtLogin::setEnabled(true));
        QVERIFY(entry.open(QIODevice::Append));
        entry.write("Hidden=true\n");
        entry.close();
        QVERIFY(!StartAtLogin::isEnabled());
    }
};

QTEST_GUILESS_MAIN(TestStartAtLogin)
#include "tst_startatlogin.moc"
