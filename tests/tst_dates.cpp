// Dates and times: read from the backend's text, and shown in the rows.

#include "backend/dates.h"
#include "backend/task.h"
#include "ui/formatters.h"

#include <QTest>

#include <ctime>

namespace {

// Local time follows TZ; the C library only rereads it on tzset().
void useTimeZone(const QByteArray &zone)
{
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

} // namespace

class TestDates : public QObject
{
    Q_OBJECT

    const QByteArray m_savedZone = qgetenv("TZ");

private Q_SLOTS:
    void cleanup() { useTimeZone(m_savedZone); }

    void rfc3339Accepts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("instant");
        QTest::newRow("Z") << "2024-05-03T08:00:00Z" << utc(2024, 5, 3, 8, 0);
        QTest::newRow("offset") << "2024-05-03T10:00:00+02:00" << utc(2024, 5, 3, 8, 0);
        QTest::newRow("negative offset") << "2024-05-02T22:30:00-09:30" << utc(2024, 5, 3, 8, 0);
        QTest::newRow("lowercase") << "2024-05-03t08:00:00z" << utc(2024, 5, 3, 8, 0);
        QTest::newRow("fraction") << "2024-05-03T08:00:00.5Z" << utc(2024, 5, 3, 8, 0, 0, 500);
        QTest::newRow("long fraction") << "2024-05-03T08:00:00.123456789+00:00" << utc(2024, 5, 3, 8, 0, 0, 123);
        QTest::newRow("crosses day") << "2024-01-01T00:30:00+05:30" << utc(2023, 12, 31, 19, 0);
    }

    void rfc3339Accepts()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, instant);
        // The instant must not depend on where the user is.
        for (const QByteArray zone : {"UTC", "Asia/Kolkata"}) {
            useTimeZone(zone);
            const std::optional<QDateTime> parsed = parseRfc3339DateTime(text);
            QVERIFY2(parsed.has_value(), zone.constData());
            QCOMPARE(parsed->toMSecsSinceEpoch(), instant.toMSecsSinceEpoch());
        }
    }

    void rfc3339Refuses_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text :
             {"", "2024-05-03", "2024-05-03T08:00:00", "2024-05-03T08:00Z", "2024-05-03 08:00:00Z",
              "2024-05-03T24:00:00Z", "2024-02-30T08:00:00Z", "2024-05-03T08:00:60Z", "2024-05-03T08:00:00Z ",
              "2024-05-03T08:00:00.Z", "2024-05-03T08:00:00+0200", "2024-05-03T08:00:00+24:00", "2024-5-3T8:00:00Z",
              "0000-01-01T00:00:00Z", "2024-05-03T08:00:00.\u0661Z", "0001-01-01T00:30:00+01:00"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }

    void rfc3339Refuses()
    {
        QFETCH(QString, text);
        QCOMPARE(parseRfc3339DateTime(text), std::nullopt);
    }

    // A due date names the user's own calendar day, wherever they are.
    void dueDateAcrossZones_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QDateTime>("instant");
        const auto row = [](const char *name, const char *zone, const char *due, const QDateTime &instant) {
            QTest::newRow(name) << QByteArray(zone) << due << instant;
        };
        row("New York, midnight Z", "America/New_York", "2024-05-03T00:00:00.000Z", utc(2024, 5, 3, 4, 0));
        row("Kolkata, day", "Asia/Kolkata", "2024-05-03", utc(2024, 5, 2, 18, 30));
        row("Auckland, afternoon", "Pacific/Auckland", "2024-12-24T15:45:10.250Z", utc(2024, 12, 24, 2, 45, 10, 250));
        // Times the clocks skip read as if the clock had not been put forward yet.
        row("New York, spring gap", "America/New_York", "2024-03-10T02:30:00.000Z", utc(2024, 3, 10, 7, 30));
        row("Santiago, day starting in a gap", "America/Santiago", "2024-09-08", utc(2024, 9, 8, 4, 0));
    }

    void dueDateAcrossZones()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, due);
        QFETCH(QDateTime, instant);
        useTimeZone(zone);
        Task2 task;
        task.due = due;
        const std::optional<QDateTime> parsed = task.dueDate();
        QVERIFY(parsed.has_value());
        QCOMPARE(parsed->toMSecsSinceEpoch(), instant.toMSecsSinceEpoch());
        QCOMPARE(parsed->toLocalTime().date(), QDate::fromString(due.left(10), Qt::ISODate));
    }

    void dueDateRefuses_data()
    {
        QTest::addColumn<QString>("due");
        for (const char *due : {"", "2024-05-03T00:00:00Z", "2024-05-03T00:00:00.000", "2024-05-03T00:00:00.000+00:00",
                                "2024-05-03T00:00:00.000z", "2024-05-03 ", "2024-02-30", "2024-05-03T24:00:00.000Z"})
            QTest::newRow(due) << QString::fromLatin1(due);
    }

    void dueDateRefuses()
    {
        QFETCH(QString, due);
        QCOMPARE(parseDueDate(due), std::nullopt);
    }

    void countdownAndDatePattern()
    {
        QCOMPARE(formatTime(307.6), QStringLiteral("05:07")); // padded, fraction dropped
        QCOMPARE(formatTime(6000), QStringLiteral("100:00"));
        // The weekday goes from the front, from the end, and with an Arabic comma.
        QCOMPARE(mediumDateShortTimePattern(QLocale("en_US")), QStringLiteral("MMM d, yyyy h:mm AP"));
        QCOMPARE(mediumDateShortTimePattern(QLocale("ja_JP")), QStringLiteral("yyyy年M月d日 H:mm"));
        QCOMPARE(mediumDateShortTimePattern(QLocale("ar_EG")), QStringLiteral("d MMM yyyy h:mm AP"));
    }

    // Task due dates and event starts as the rows show them, at noon UTC on
    // 5 March 2024, for someone in `zone`.
    void dayOrDate_data()
    {
        QTest::addColumn<bool>("event");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("when");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, bool event, const char *zone, const char *when, const char *text) {
            QTest::newRow(name) << event << QByteArray(zone) << when << text;
        };
        row("due today", false, "UTC", "2024-03-05T00:00:00Z", "Today");
        row("due yesterday", false, "UTC", "2024-03-04T00:00:00Z", "Yesterday");
        row("due tomorrow", false, "UTC", "2024-03-06T00:00:00Z", "Tomorrow");
        row("due another day", false, "UTC", "2024-03-09T00:00:00Z", "09 March");
        row("due after midnight: a time of day", false, "UTC", "2024-03-05T00:00:01Z", "Mar 5, 2024 12:00 AM");
        row("due, milliseconds do not count", false, "UTC", "2024-03-05T00:00:00.500Z", "Today");
        row("event another day: date and time", true, "UTC", "2024-03-08T00:00:00Z", "Mar 8, 2024 12:00 AM");
        row("Berlin's midnight seen from London is 23:00", true, "Europe/London", "2024-03-05T00:00:00+01:00",
            "Mar 4, 2024 11:00 PM");
        row("Auckland is already on the next day", true, "Pacific/Auckland", "2024-03-06T00:00:00+13:00", "Today");
    }

    void dayOrDate()
    {
        QFETCH(bool, event);
        QFETCH(QByteArray, zone);
        QFETCH(QString, when);
        QFETCH(QString, text);
        useTimeZone(zone);
        const QDateTime at = QDateTime::fromString(when, Qt::ISODate);
        const QDateTime now = QDateTime::fromString(QStringLiteral("2024-03-05T12:00:00Z"), Qt::ISODate);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(event ? formatEventDate(at, now, us) : formatDueDate(at, now, us), text);
    }
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
