#pragma once

#include "server/http.h"
#include "server/idtoken.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QJsonArray>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

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

// The Stint API on top of Google: checks who is asking on every request,
// then reads or writes that user's Google Tasks and Calendar with their own
// access token and answers in the shape the app decodes. Keeps no user data;
// only Google's keys and short-lived answers about tokens are cached.
class Backend : public QObject
{
    Q_OBJECT

public:
    explicit Backend(BackendSettings settings, QObject *parent = nullptr);
    ~Backend() override;

    // Failure lines go here; printed to standard output unless set.
    void setLog(LogSink log) { m_log = std::move(log); }

    // Answers GET /healthz, GET and POST /api/v1/tasks and GET /api/v1/events;
    // `reply` is called exactly once, possibly later.
    void handle(const HttpRequest &request, HttpReply reply);

    static constexpr qsizetype maxBodySize = 64 * 1024;
    static constexpr int maxTitleLength = 1024;

private:
    struct Caller
    {
        QString subject;
        QByteArray userHash;
        QByteArray accessToken;
    };
    struct Upstream
    {
        int status = 0;
        QByteArray body;
        bool timedOut = false;
    };
    struct TokenInfo
    {
        QString subject;
        qint64 expiry = 0;
    };
    struct Bucket
    {
        double tokens = 0;
        qint64 updatedMs = 0;
    };
    struct Zone
    {
        QString id;
        qint64 expiry = 0;
    };
    using Continue = std::function<void(const Caller &)>;
    using UpstreamDone = std::function<void(const Upstream &)>;

    void authenticate(const HttpRequest &request, const HttpReply &reply, Continue next);
    void checkIdToken(const SignedToken &token, bool mayRefresh, const HttpRequest &request, const HttpReply &reply,
                      Continue next);
    void checkAccessToken(Caller caller, const HttpReply &reply, Continue next);
    void withKeySet(bool refresh, std::function<void()> then);
    bool allowRequest(const QString &subject);

    void listTasks(const Caller &caller, const HttpReply &reply);
    void createTask(const Caller &caller, const QByteArray &body, const HttpReply &reply);
    void listEvents(const Caller &caller, const HttpReply &reply);
    void listEventsIn(const Caller &caller, const QString &timeZone, const HttpReply &reply);
    void readPages(const Caller &caller, QUrl url, QLatin1StringView what, QJsonArray items, int page,
                   const HttpReply &reply, std::function<void(const QJsonArray &, const QString &)> done);

    void call(const QUrl &url, const QByteArray &accessToken, UpstreamDone done, const QByteArray &postBody = {});
    // The answer for a failed Google reply, logged; none when it succeeded.
    std::optional<HttpAnswer> failure(const Upstream &upstream, QLatin1StringView what);
    void log(const QString &line) const;

    BackendSettings m_settings;
    LogSink m_log;
    QNetworkAccessManager *m_network;

    std::optional<KeySet> m_keys;
    qint64 m_keysExpiry = 0;
    QElapsedTimer m_sinceKeyFetch;
    bool m_fetchingKeys = false;
    QList<std::function<void()>> m_waitingForKeys;

    QHash<QByteArray, TokenInfo> m_tokenInfo; // by SHA-256 of the access token
    QHash<QString, Bucket> m_buckets; // by user
    QHash<QString, Zone> m_timeZones; // by user
    QElapsedTimer m_clock;
};
