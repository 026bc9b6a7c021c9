// Meetings: the next one, in whatever time zone, and what the line under the
// ring says about it, also while a focus phase runs into it; the clock it runs
// on; which link "Join Meeting" opens, asking the desktop for a Zoom client,
// and task links: only what is safe to hand to the desktop is opened.

#include "accounts/usermanager.h"
#include "support/meetings.h"
#include "support/stdoutcapture.h"
#include "timer/dayclock.h"
#include "timer/defaultviewmodel.h"
#include "timer/meetingopener.h"
#include "timer/meetingrule.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTemporaryDir>
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

// A conference with an entry point for each of `uris`; the first has the passcode.
Event conference(const QStringList &uris, std::optional<QString> passcode = {}, const QString &id = "8127364455")
{
    Event event;
    event.conferenceData.emplace();
    event.conferenceData->conferenceId = id;
    for (const QString &uri : uris)
        event.conferenceData->entryPoints.append(
                {QStringLiteral("video"), uri, std::nullopt, std::exchange(passcode, {})});
    return event;
}

const QString zoomWeb = QStringLiteral("https://us02web.zoom.us/j/8127364455?pwd=abc");
const QString zoomClient = QStringLiteral("zoomus://zoom.us/join?action=join&confno=8127364455&pwd=abc");
const char *const schemes[] = {"http", "https", "tel", "zoomus", "file"};

} // namespace

class TestMeetings : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void open(const QUrl &url) { m_opened.append(url); } // the desktop's URL handlers

private:
    // A stand-in xdg-mime first on PATH: it records its arguments and answers
    // with `output` and `exitCode`.
    void fakeXdgMime(const QByteArray &output, int exitCode)
    {
        QFile script(m_bin.filePath("xdg-mime"));
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/args\"\nprintf '%s' '" + output + "'\nexit "
                     + QByteArray::number(exitCode) + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_path);
    }

    QTemporaryDir m_bin;
    QByteArray m_path = qgetenv("PATH");
    QList<QUrl> m_opened;
    const QByteArray m_savedZone = qgetenv("TZ");

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        for (const char *scheme : schemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    void init()
    {
        useTimeZone("Europe/Berlin");
        m_opened.clear();
    }
    void cleanupTestCase()
    {
        useTimeZone(m_savedZone);
        for (const char *scheme : schemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

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

    void urlToOpen_data()
    {
        QTest::addColumn<Event>("event");
        QTest::addColumn<bool>("hasZoomHandler");
        QTest::addColumn<QString>("expected"); // empty: nothing is opened
        QTest::newRow("no conference") << Event() << true << "";
        QTest::newRow("web meeting") << conference({"https://meet.google.com/abc"}) << false
                                     << "https://meet.google.com/abc";
        QTest::newRow("phone first") << conference({"tel:+1-646-558-8656", zoomWeb}) << true << "tel:+1-646-558-8656";
        QTest::newRow("zoom with the client") << conference({zoomWeb}, "abc") << true << zoomClient;
        QTest::newRow("zoom without passcode") << conference({zoomWeb}) << true << zoomClient.chopped(8);
        QTest::newRow("number from the conference, not the uri")
                << conference({"https://zoom.us/j/99999999999"}, "abc") << true << zoomClient;
        QTest::newRow("delimiters escaped") << conference({zoomWeb}, "a&b=c#d e", "81 2") << true
                                            << "zoomus://zoom.us/join?action=join&confno=81%202&pwd=a%26b%3Dc%23d%20e";
        QTest::newRow("zoom without the client: its web page") << conference({zoomWeb}, "abc") << false << zoomWeb;
        QTest::newRow("zoom over sip without the client") << conference({"sip:8127364455@zoomcrc.com"}) << false << "";
        QTest::newRow("local file") << conference({"file:///etc/passwd"}) << true << "";
        QTest::newRow("web link without a host") << conference({"https:///path"}) << true << "";
    }

    void urlToOpen()
    {
        QFETCH(Event, event);
        QFETCH(bool, hasZoomHandler);
        QFETCH(QString, expected);
        const std::optional<QUrl> url = meetingUrlToOpen(event, hasZoomHandler);
        QCOMPARE(url ? url->toString(QUrl::FullyEncoded) : QString(), expected);
    }

    void zoomHandlerQuery_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("hasHandler");
        QTest::newRow("registered") << QByteArray("Zoom.desktop\n") << 0 << true;
        QTest::newRow("blank answer") << QByteArray("  \n") << 0 << false;
        QTest::newRow("query failed") << QByteArray("Zoom.desktop\n") << 4 << false;
    }

    void zoomHandlerQuery()
    {
        QFETCH(QByteArray, output);
        QFETCH(int, exitCode);
        QFETCH(bool, hasHandler);
        fakeXdgMime(output, exitCode);
        QObject context;
        std::optional<bool> answer;
        queryZoomHandler(&context, [&](bool has) { answer = has; });
        QVERIFY(!answer); // asked, not waited for
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(*answer, hasHandler);
        QFile args(m_bin.filePath("args"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll().trimmed(), QByteArray("query default x-scheme-handler/zoomus"));

        // "Join Meeting" asks too, and opens the link for the answer.
        StdoutCapture capture;
        UserManager users(nullptr);
        DefaultViewModel viewModel(Alarm::makeDefault(), nullptr, &users);
        viewModel.joinMeeting(conference({zoomWeb}, "abc"));
        QTRY_COMPARE(m_opened, QList<QUrl>{QUrl(hasHandler ? zoomClient : zoomWeb)});
    }

    // A task's link comes from the network: only web addresses are opened.
    void openLinkOpensOnlyWebAddresses()
    {
        StdoutCapture capture;
        openLink(QUrl(QStringLiteral("file:///etc/passwd")));
        openLink(QUrl(QStringLiteral("https://tasks.google.com/task/abc?sa=6")));
        QCOMPARE(m_opened, QList<QUrl>{QUrl(QStringLiteral("https://tasks.google.com/task/abc?sa=6"))});
    }
};

QTEST_MAIN(TestMeetings)
#include "tst_meetings.moc"
