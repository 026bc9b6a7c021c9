// The next meeting: which one it is, in whatever time zone, and what the
// line under the ring says about it, also while a focus phase runs into it;
// and the clock it runs on.

#include "support/meetings.h"
#include "timer/dayclock.h"
#include "timer/meetingrule.h"

#include <QSignalSpy>
#include <QTest>

#include <ctime>

namespace {

// Local time follows TZ; the C library only rereads it on tzset().
void useTimeZone(const QByteArray &zone)
{
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
}

// 7 December 2026 in local time, `day` days later.
QDateTime at(int hour, int minute, int second = 0, int day = 0)
{
    return QDateTime(QDate(2026, 12, 7).addDays(day), QTime(hour, minute, second));
}

Event allDay(const QString &summary)
{
    Event event = meeting(summary, {});
    event.start.dateTime.reset();
    event.end.dateTime.reset();
    return event;
}

} // namespace

class TestMeetings : public QObject
{
    Q_OBJECT

    const QByteArray m_savedZone = qgetenv("TZ");

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { useTimeZone("Europe/Berlin"); }
    void cleanupTestCase() { useTimeZone(m_savedZone); }

    void nextMeeting_data()
    {
        QTest::addColumn<QList<Event>>("events");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("next"); // empty: none
        const Event standup = meeting("Standup", at(9, 0), {}, 30);
        const Event review = meeting("Review", at(9, 45));
        QTest::newRow("no events") << QList<Event>{} << at(9, 20) << "";
        QTest::newRow("all-day events never") << QList{allDay("Holiday")} << at(9, 20) << "";
        QTest::newRow("one under way first") << QList{review, standup} << at(9, 20) << "Standup";
        QTest::newRow("ends at the moment: over") << QList{standup, review} << at(9, 30) << "Review";
        QTest::newRow("last one over") << QList{standup, review} << at(10, 15) << "";
        Event cancelled = standup;
        cancelled.status = "cancelled";
        QTest::newRow("cancelled") << QList{cancelled, review} << at(8, 0) << "Review";
        QTest::newRow("from yesterday into today")
                << QList{meeting("Night shift", at(23, 0, 0, -1), {}, 120)} << at(0, 30) << "Night shift";
        QTest::newRow("into tomorrow") << QList{meeting("Late call", at(23, 45), {}, 30)} << at(23, 30) << "Late call";
        QTest::newRow("tomorrow at midnight") << QList{meeting("Early call", at(0, 0, 0, 1))} << at(23, 30) << "";
        // 23:30 in UTC is 00:30 of the next day in Berlin.
        const QDateTime lateInUtc(QDate(2026, 12, 7), QTime(23, 30), Qt::UTC);
        QTest::newRow("tomorrow here, today in UTC") << QList{meeting("Call", lateInUtc)} << at(20, 0) << "";
        QTest::newRow("written in another zone")
                << QList{meeting("Call", lateInUtc.addSecs(-3 * 3600)), review} << at(9, 50) << "Review";
    }

    void nextMeeting()
    {
        QFETCH(QList<Event>, events);
        QFETCH(QDateTime, now);
        QFETCH(QString, next);
        const std::optional<Event> found = ::nextMeeting(events, now);
        QCOMPARE(found ? found->summary : QString(), next);
    }

    void line_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("focusEnds");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("changesAt");
        QTest::newRow("hours ahead") << at(7, 0) << QDateTime() << "Standup at 9:30 AM" << at(8, 30);
        QTest::newRow("an hour ahead") << at(8, 30) << QDateTime() << "Standup in 60 min" << at(8, 31);
        QTest::newRow("counting") << at(9, 17, 30) << QDateTime() << "Standup in 13 min" << at(9, 18);
        QTest::newRow("last seconds") << at(9, 29, 30) << QDateTime() << "Standup in 1 min" << at(9, 30);
        QTest::newRow("under way") << at(9, 30) << QDateTime() << "Standup now" << at(9, 45);
        QTest::newRow("over, then tomorrow") << at(9, 45) << QDateTime() << "" << at(0, 0, 0, 1);
        QTest::newRow("focus runs into it")
                << at(9, 10) << at(9, 35) << "Standup starts 5 min before this focus phase ends" << at(9, 30);
        QTest::newRow("focus ends before it") << at(9, 0) << at(9, 25) << "Standup in 30 min" << at(9, 1);
    }

    void line()
    {
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, focusEnds);
        QFETCH(QString, text);
        QFETCH(QDateTime, changesAt);
        const MeetingLine line = meetingLine({meeting("Standup", at(9, 30), {}, 15)}, now, focusEnds);
        QCOMPARE(line.text, text);
        QCOMPARE(line.changesAt, changesAt);
    }

    // The system's clock wakes at a moment asked for, at once when it is past.
    void systemClockWakes()
    {
        SystemDayClock clock;
        QSignalSpy woke(&clock, &DayClock::woke);
        clock.wakeAt(clock.now().addSecs(3600));
        clock.wakeAt(clock.now().addMSecs(-1));
        QVERIFY(woke.wait(1000));
        QVERIFY(!clock.nextWake().isValid());
    }
};

QTEST_GUILESS_MAIN(TestMeetings)
#include "tst_meetings.moc"
