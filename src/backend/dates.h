#pragma once

#include <QDateTime>
#include <QStringView>

#include <optional>

// An RFC 3339 internet date-time ("2024-05-03T10:00:00+02:00",
// "2024-05-03T08:00:00Z", fractional seconds allowed) as the instant it names.
// A bare date, a missing zone designator or any trailing text is refused.
std::optional<QDateTime> parseRfc3339DateTime(QStringView text);

// A task's due text, by the first of the two formats the backend writes that
// fits the whole text: "yyyy-MM-dd'T'HH:mm:ss.SSS'Z'" and "yyyy-MM-dd". The Z
// is a literal letter, not a zone: the digits are wall-clock time in the
// user's own time zone, so a due day lands on that day wherever the user is.
std::optional<QDateTime> parseDueDate(QStringView text);
