// "Start at Login": the autostart entry written, read back, removed, and
// the state following the file when it is removed by hand.

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
        QTest::addColumn<bool>("configHomeSet");
        QTest::newRow("XDG_CONFIG_HOME") << true;
        QTest::newRow("~/.config") << false;
    }

    void entryFollowsTheChoice()
    {
        QFETCH(bool, configHomeSet);
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toUtf8());
        if (configHomeSet)
            qputenv("XDG_CONFIG_HOME", (home.path() + "/conf").toUtf8());
        else
            qunsetenv("XDG_CONFIG_HOME");
        const QString expected = home.path() + (configHomeSet ? "/conf" : "/.config")
                                 + "/autostart/app.stint.Stint.desktop";

        QCOMPARE(StartAtLogin::entryPath(), expected);
        QVERIFY(!StartAtLogin::isEnabled());
        QVERIFY(StartAtLogin::setEnabled(true));
        QVERIFY(StartAtLogin::isEnabled());
        QFile entry(expected);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nExec=\"" + QCoreApplication::applicationFilePath() + "\"\n"));
        entry.close();

        QVERIFY(StartAtLogin::setEnabled(false));
        QVERIFY(!QFile::exists(expected));
        QVERIFY(!StartAtLogin::isEnabled());

        // Removed by hand, or switched off in the desktop's settings.
        QVERIFY(StartAtLogin::setEnabled(true));
        QFile::remove(expected);
        QVERIFY(!StartAtLogin::isEnabled());
        QVERIFY(StartAtLogin::setEnabled(true));
        QVERIFY(entry.open(QIODevice::Append));
        entry.write("Hidden=true\n");
        entry.close();
        QVERIFY(!StartAtLogin::isEnabled());

        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
};

QTEST_GUILESS_MAIN(TestStartAtLogin)
#include "tst_startatlogin.moc"
