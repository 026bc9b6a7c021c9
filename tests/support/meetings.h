#pragma once

#include "backend/event.h"

// A meeting of `minutes` from `start`, joined by `link` (none when empty).
inline Event meeting(const QString &summary, const QDateTime &start, const QString &link = {}, int minutes = 30)
{
    Event event;
    event.id = summary;
    event.status = QStringLiteral("confirmed");
    event.summary = summary;
    event.start.dateTime = start;
    event.end.dateTime = start.addSecs(minutes * 60);
    if (!link.isEmpty()) {
        event.conferenceData.emplace();
        event.conferenceData->entryPoints = {{QStringLiteral("video"), link, std::nullopt, std::nullopt}};
    }
    return event;
}
