#pragma once

#include <QStringList>
#include <QUrl>

struct BackendSettings
{
    // OAuth client ids whose tokens are accepted.
    QStringList clientIds;
    QUrl keySetUrl{QStringLiteral("https://www.googleapis.com/oauth2/v3/certs")};
    QUrl tokenInfoUrl{QStringLiteral("https://oauth2.googleapis.com/tokeninfo")};
    QUrl tasksUrl{QStringLiteral("https://tasks.googleapis.com/tasks/v1/lists/@default/tasks")};
    QUrl eventsUrl{QStringLiteral("https://www.googleapis.com/calendar/v3/calendars/primary/events")};
    int googleTimeoutMs = 10000;
    // Per user; 0 turns the limit off.
    int requestsPerMinute = 120;
    // A token naming a key we do not know fetches the key set again, but
    // not more often than this.
    int keyRefetchIntervalMs = 60 * 1000;
    // Pages of a list read at most; what they hold is served.
    int maxPages = 20;
};
