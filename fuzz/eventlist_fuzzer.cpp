// Feeds arbitrary bytes to the event-list decoder, and short inputs also to
// the date parsers. Besides not crashing, only an event with conference data
// may have a meeting link, and an accepted date-time must name a valid
// instant that reads back the same from its own text.

#include "backend/dates.h"
#include "backend/event.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkDates(const QString &text)
{
    if (const std::optional<QDateTime> instant = parseRfc3339DateTime(text)) {
        check(instant->isValid());
        const std::optional<QDateTime> again = parseRfc3339DateTime(instant->toUTC().toString(Qt::ISODateWithMs));
        check(again.has_value());
        check(again->toMSecsSinceEpoch() == instant->toMSecsSinceEpoch());
    }
    if (const std::optional<QDateTime> due = parseDueDate(text))
        check(due->isValid());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size <= 64)
        checkDates(QString::fromUtf8(json));

    const Result<QList<Event>> result = decodeEventList(json);
    if (!result.isSuccess()) {
        check(result.error().domain == QLatin1StringView("JSON"));
        check(!result.error().description.isEmpty());
        return 0;
    }
    for (const Event &event : result.value()) {
        check(event.conferenceData.has_value() || event.meetingLink().isEmpty());
    }
    return 0;
}
