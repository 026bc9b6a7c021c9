#include "backend/event.h"

#include "backend/dates.h"
#include "backend/jsondecoding.h"

#include <QJsonArray>
#include <QUrl>

using namespace Qt::StringLiterals;
using JsonDecoding::ObjectReader;

// Every decoder below reads its members in the order the record declares
// them: braced initialisation evaluates left to right, so the first bad
// member in that order is the one reported.
namespace {

Event::ConferenceSolutionKey decodeSolutionKey(const ObjectReader &reader)
{
    return {reader.string("type"_L1)};
}

Event::Status decodeStatus(const ObjectReader &reader)
{
    return {reader.string("statusCode"_L1)};
}

Event::CreateRequest decodeCreateRequest(const ObjectReader &reader)
{
    return {
            reader.string("requestId"_L1),
            reader.object("conferenceSolutionKey"_L1, decodeSolutionKey),
            reader.object("status"_L1, decodeStatus),
    };
}

Event::EntryPoint decodeEntryPoint(const ObjectReader &reader)
{
    return {
            reader.string("entryPointType"_L1),
            reader.string("uri"_L1),
            reader.optionalString("label"_L1),
            reader.optionalString("passcode"_L1),
    };
}

Event::ConferenceSolution decodeConferenceSolution(const ObjectReader &reader)
{
    return {
            reader.object("key"_L1, decodeSolutionKey),
            reader.string("name"_L1),
            reader.string("iconUri"_L1),
    };
}

Event::ConferenceData decodeConferenceData(const ObjectReader &reader)
{
    return {
            reader.optionalObject("createRequest"_L1, decodeCreateRequest),
            reader.array("entryPoints"_L1, decodeEntryPoint),
            reader.object("conferenceSolution"_L1, decodeConferenceSolution),
            reader.string("conferenceId"_L1),
    };
}

std::optional<QDateTime> readDateTime(const ObjectReader &reader)
{
    constexpr auto key = "dateTime"_L1;
    const std::optional<QString> text = reader.optionalString(key);
    if (!text)
        return std::nullopt;
    std::optional<QDateTime> instant = parseRfc3339DateTime(*text);
    if (!instant)
        ObjectReader::failValue(key, "an RFC 3339 date-time", *text);
    return instant;
}

Event::EventDateTime decodeEventDateTime(const ObjectReader &reader)
{
    // A member "date" (all-day events) is deliberately not read: the list
    // shows such events without a time, and nothing else needs the day.
    return {readDateTime(reader), std::nullopt, reader.string("timeZone"_L1)};
}

Event decodeEvent(const ObjectReader &reader)
{
    return {
            reader.string("id"_L1),
            reader.string("kind"_L1),
            reader.string("etag"_L1),
            reader.string("status"_L1),
            reader.string("summary"_L1),
            reader.object("start"_L1, decodeEventDateTime),
            reader.object("end"_L1, decodeEventDateTime),
            reader.optionalObject("conferenceData"_L1, decodeConferenceData),
    };
}

// A value placed in the Zoom link's query. Unreserved characters stay as
// they are, so ordinary meeting numbers and passcodes come out unchanged;
// anything else is escaped, so that a passcode holding "&", "#" or "=" stays
// inside its own parameter instead of cutting the link short or adding one.
QString queryValue(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString Event::meetingLink() const
{
    if (!conferenceData)
        return {};
    // A conference with no entry points has nothing to join; the empty text
    // is not a URL, so "Join Meeting" then opens nothing.
    if (conferenceData->entryPoints.isEmpty())
        return {};
    const EntryPoint &first = conferenceData->entryPoints.first();
    if (!first.uri.contains("zoom"_L1))
        return first.uri;

    // Opens the meeting in the Zoom desktop client rather than in a browser.
    // The meeting number comes from the conference, not from the uri.
    QString link = "zoomus://zoom.us/join?action=join&confno="_L1 + queryValue(conferenceData->conferenceId);
    if (first.passcode)
        link += "&pwd="_L1 + queryValue(*first.passcode);
    return link;
}

Result<QList<Event>> decodeEventList(const QByteArray &json)
{
    return JsonDecoding::decodeArray<Event>(json, "Event"_L1, "events"_L1, decodeEvent);
}
