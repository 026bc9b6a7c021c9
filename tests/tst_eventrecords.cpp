#include "backend/event.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(STINT_TEST_DATA_DIR "/events/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(file.fileName()));
    return file.readAll();
}

qint64 utcMSecs(int hour, int minute, int msec = 0)
{
    return QDateTime(QDate(2024, 5, 3), QTime(hour, minute, 0, msec), Qt::UTC).toMSecsSinceEpoch();
}

Event::EntryPoint entryPoint(const QString &uri, std::optional<QString> passcode = std::nullopt)
{
    return {"video", uri, std::nullopt, std::move(passcode)};
}

Event conferenceEvent(
    QList<Event::EntryPoint> entryPoints, const QString &conferenceId = "81234567890")
{
    Event event;
    event.conferenceData = Event::ConferenceData{
        std::nullopt, std::move(entryPoints), {{"addOn"}, "Zoom Meeting", {}}, conferenceId};
    return event;
}

} // namespace

class TestEventRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesReply()
    {
        const QList<Event> events = decodeEventList(fixture("good.json")).value();
        QCOMPARE(events.size(), 3);
        // +02:00 and Z name instants; "timeZone" does not shift them.
        QCOMPARE(events[0].start.dateTime->toMSecsSinceEpoch(), utcMSecs(8, 0));
        QCOMPARE(events[0].end.dateTime->toMSecsSinceEpoch(), utcMSecs(8, 30));
        QCOMPARE(events[0].conferenceData->entryPoints[0].passcode, "424242");
        QCOMPARE(events[0].conferenceData->entryPoints[1].passcode, std::nullopt);
        QCOMPARE(events[1].start.dateTime->toMSecsSinceEpoch(), utcMSecs(18, 0, 250));
        // All-day: "date" is never read; "dateTime" absent or null is none.
        QCOMPARE(events[2].start.dateTime, std::nullopt);
        QCOMPARE(events[2].end.dateTime, std::nullopt);
    }

    void failsWholeReply_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("description");
        const auto row = [](const char *file, const char *description) {
            QTest::newRow(file) << fixture(file) << QString::fromUtf8(description);
        };
        row("all-day-without-timezone.json", R"(Event 1: start: member "timeZone" is missing)");
        row("datetime-without-zone.json",
            R"(Event 0: end: member "dateTime" is not an RFC 3339 date-time: "2024-05-03T09:00:00")");
        row("create-request-without-status.json", R"(Event 0: conferenceData.createRequest: member "status" is missing)");
        row("entry-point-uri-number.json",
            R"(Event 2: conferenceData.entryPoints[1]: member "uri" is not a string (found a number))");
        row("entry-points-not-array.json",
            R"(Event 0: conferenceData: member "entryPoints" is not an array (found an object))");
        row("null-summary.json", R"(Event 0: member "summary" is null)");
        row("start-not-object.json", R"(Event 0: member "start" is not an object (found a string))");
        row("error-object.json", "Expected a JSON array of events, found an object");
    }

    void failsWholeReply()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, description);

        const Result<QList<Event>> result = decodeEventList(json);
        QVERIFY(!result.isSuccess());
        QCOMPARE(result.error().domain, "JSON");
        QCOMPARE(result.error().description, description);
    }

    void meetingLink_data()
    {
        QTest::addColumn<Event>("event");
        QTest::addColumn<QString>("link");
        const QString zoomUri = "https://us02web.zoom.us/j/81234567890?pwd=abc";
        const QString zoomLink = "zoomus://zoom.us/join?action=join&confno=81234567890";
        QTest::newRow("no conference") << Event() << QString();
        QTest::newRow("web link") << conferenceEvent({entryPoint("https://meet.google.com/abc-defg-hij")})
                                  << "https://meet.google.com/abc-defg-hij";
        QTest::newRow("zoom with passcode") << conferenceEvent({entryPoint(zoomUri, "424242")}) << zoomLink + "&pwd=424242";
        QTest::newRow("zoom without passcode") << conferenceEvent({entryPoint(zoomUri)}) << zoomLink;
        QTest::newRow("phone first") << conferenceEvent({{"phone", "tel:+1-646-558-8656", {}, "424242"}, entryPoint(zoomUri)})
                                     << "tel:+1-646-558-8656";
        QTest::newRow("number from conference, not uri")
            << conferenceEvent({entryPoint("https://zoom.us/j/99999999999")}) << zoomLink;
        QTest::newRow("delimiters escaped") << conferenceEvent({entryPoint(zoomUri, "a&b=c#d e")}, "81 2")
                                            << "zoomus://zoom.us/join?action=join&confno=81%202&pwd=a%26b%3Dc%23d%20e";
    }

    void meetingLink()
    {
        QFETCH(Event, event);
        QFETCH(QString, link);
        QCOMPARE(event.meetingLink(), link);
    }
};

QTEST_GUILESS_MAIN(TestEventRecords)
#include "tst_eventrecords.moc"
