// Calendar access: every change of the desktop's calendar store gives one
// line, "Access granted" when the store can be read, "Access denied" when not.

#include "accounts/calendaraccess.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestCalendarAccess : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dataHome;

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
        file.write(bytes);
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
    }

    void onlyFullAccessIsGranted_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("line");
        QTest::newRow("not determined") << 0 << "Access denied";
        QTest::newRow("restricted") << 1 << "Access denied";
        QTest::newRow("denied") << 2 << "Access denied";
        QTest::newRow("full access") << 3 << "Access granted";
        QTest::newRow("write only") << 4 << "Access denied";
    }

    void onlyFullAccessIsGranted()
    {
        QFETCH(int, status);
        QFETCH(QString, line);
        QCOMPARE(CalendarAccess::describe(status), line);
    }

    void followsTheStoreFromItsCreation()
    {
        const QString store = CalendarAccess::storePath();
        QVERIFY(store.startsWith(m_dataHome.path()));
        QCOMPARE(CalendarAccess::authorizationStatus(), CalendarAccess::denied);

        CalendarAccess access;
        QSignalSpy changed(&access, &CalendarAccess::storeChanged);

        // Unrelated changes next to the store are not its changes.
        QVERIFY(QDir(m_dataHome.path()).mkpath(QStringLiteral("applications")));
        QTest::qWait(300);
        QCOMPARE(changed.count(), 0);

        // The store appears (the desktop's calendar service sets it up).
        QVERIFY(QDir().mkpath(store + QStringLiteral("/system")));
        QTRY_VERIFY(changed.count() >= 1);
        QCOMPARE(CalendarAccess::authorizationStatus(), CalendarAccess::fullAccess);

        // Several edits in a row: one notification each.
        const QString calendar = store + QStringLiteral("/system/calendar.ics");
        writeFile(calendar, "BEGIN:VCALENDAR\n");
        QTest::qWait(300);
        for (int edit = 0; edit < 3; ++edit) {
            const int before = changed.count();
            writeFile(calendar, "X-EDIT:1\n");
            QTRY_VERIFY(changed.count() > before);
            QTest::qWait(100);
        }

        // Removed (the calendar service was purged): followed, and denied.
        const int before = changed.count();
        QVERIFY(QDir(store).removeRecursively());
        QTRY_VERIFY(changed.count() > before);
        QCOMPARE(CalendarAccess::authorizationStatus(), CalendarAccess::denied);
    }
};

QTEST_GUILESS_MAIN(TestCalendarAccess)
#include "tst_calendaraccess.moc"
