// Calendar access: every change of the desktop's calendar store gives one
// line, "Access granted" when the store can be read, "Access denied" when not.

#include "accounts/calendaraccess.h"

#include <QDir>
#include <QFile>
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

    void followsTheStoreFromItsCreation()
    {
        const QString store = CalendarAccess::storePath();
        QVERIFY(store.startsWith(m_dataHome.path()));
        QCOMPARE(CalendarAccess::authorizationStatus(), CalendarAccess::denied);

        CalendarAccess access;
        QSignalSpy changed(&access, &CalendarAccess::storeChanged);

        // The store appears (the desktop's calendar service sets it up).
        QVERIFY(QDir().mkpath(store + QStringLiteral("/system")));
        QTRY_VERIFY(changed.count() >= 1);
        QCOMPARE(CalendarAccess::describe(CalendarAccess::authorizationStatus()), QStringLiteral("Access granted"));

        // An edit inside it.
        const int beforeEdit = changed.count();
        writeFile(store + QStringLiteral("/system/calendar.ics"), "BEGIN:VCALENDAR\n");
        QTRY_VERIFY(changed.count() > beforeEdit);

        // Removed (the calendar service was purged): followed, and denied.
        const int before = changed.count();
        QVERIFY(QDir(store).removeRecursively());
        QTRY_VERIFY(changed.count() > before);
        QCOMPARE(CalendarAccess::describe(CalendarAccess::authorizationStatus()), QStringLiteral("Access denied"));
    }
};

QTEST_GUILESS_MAIN(TestCalendarAccess)
#include "tst_calendaraccess.moc"
