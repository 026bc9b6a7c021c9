#pragma once

#include "backend/error.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// A calendar event as the backend returns it. Only the members below are
// read; anything else an event carries is ignored.
struct Event
{
    Q_GADGET

    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(QString summary MEMBER summary CONSTANT)
    /// Whether the event has a start time of day (all-day events have none).
    Q_PROPERTY(bool hasStartDateTime READ hasStartDateTime CONSTANT)
    Q_PROPERTY(QDateTime startDateTime READ startDateTimeOrInvalid CONSTANT)
    /// Whether the event has a video conference, and so a "Join Meeting" button.
    Q_PROPERTY(bool hasConferenceData READ hasConferenceData CONSTANT)
    Q_PROPERTY(QString meetingLink READ meetingLink CONSTANT)

public:
    struct ConferenceSolutionKey
    {
        QString type;
    };

    struct Status
    {
        QString statusCode;
    };

    struct CreateRequest
    {
        QString requestId;
        ConferenceSolutionKey conferenceSolutionKey;
        Status status;
    };

    struct EntryPoint
    {
        QString entryPointType;
        QString uri;
        std::optional<QString> label;
        std::optional<QString> passcode;
    };

    struct ConferenceSolution
    {
        ConferenceSolutionKey key;
        QString name;
        QString iconUri;
    };

    struct ConferenceData
    {
        std::optional<CreateRequest> createRequest;
        QList<EntryPoint> entryPoints;
        ConferenceSolution conferenceSolution;
        QString conferenceId;
    };

    struct EventDateTime
    {
        std::optional<QDateTime> dateTime; // an absolute instant (RFC 3339 with a zone)
        std::optional<QDateTime> date; // never decoded; kept for the record's shape
        QString timeZone;
    };

    QString id;
    QString kind;
    QString etag;
    QString status;
    QString summary;
    EventDateTime start;
    EventDateTime end;
    std::optional<ConferenceData> conferenceData;

    // The link "Join Meeting" opens: for a Zoom meeting a link for the Zoom
    // client ("zoomus://zoom.us/join?action=join&confno=..."), otherwise the
    // first entry point's uri; empty without conference data or entry points.
    QString meetingLink() const;

private:
    bool hasStartDateTime() const { return start.dateTime.has_value(); }
    QDateTime startDateTimeOrInvalid() const { return start.dateTime.value_or(QDateTime()); }
    bool hasConferenceData() const { return conferenceData.has_value(); }
};

// Decodes the reply of the events request: a JSON array of events. One bad
// event, or one bad member deep inside one, fails the whole list.
Result<QList<Event>> decodeEventList(const QByteArray &json);
