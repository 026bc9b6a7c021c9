#pragma once

#include "server/answercache.h"
#include "server/http.h"
#include "server/idtoken.h"
#include "server/metrics.h"
#include "server/ratelimiter.h"

#include <QElapsedTimer>
#include <QHash>
#include <QJsonArray>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

class HttpClient;
struct HttpResponse;

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
// only Google's keys and short-lived answers about tokens are cached, each
// under a SHA-256 of the token, until the token expires.
class Backend : public QObject
{
    Q_OBJECT

public:
    explicit Backend(BackendSettings settings, QObject *parent = nullptr);
    ~Backend() override;

    // PEM certificates trusted for Google's addresses beside the system's
    // (a stand-in Google with a certificate of its own).
    void setGoogleCaFile(const QString &path);

    // Failure lines go here; printed to standard output unless set.
    void setLog(LogSink log) { m_log = std::move(log); }

    // Fetches Google's key set now, and again every few seconds until it
    // has it once: until then the instance is not ready.
    void start();
    // Ready to take traffic: the key set has been read once, and the
    // instance is not draining. GET /healthz says so with 200, else 503.
    bool isReady() const { return m_keys.has_value() && !m_draining; }
    // From now on /healthz answers 503, so that a load balancer stops
    // sending requests; the requests still coming are served as before.
    void startDraining() { m_draining = true; }

    // Answers GET /healthz, GET and POST /api/v1/tasks, POST
    // /api/v1/tasks/{id}/complete and /reopen, and GET /api/v1/events;
    // `reply` is called exactly once, possibly later.
    void handle(const HttpRequest &request, HttpReply reply);

    // Everything Metrics holds, in the Prometheus text format.
    QByteArray metricsText();

    static constexpr qsizetype maxBodySize = 64 * 1024;
    static constexpr int maxTitleLength = 1024;

private:
    // One request on its way: who asks, and the clock for the metrics.
    struct Exchange
    {
        HttpReply reply;
        QLatin1StringView route;
        QByteArray method;
        QElapsedTimer clock;
        qint64 googleNs = 0;
        QString subject;
        QByteArray userHash;
        QByteArray accessToken;
    };
    using ExchangePtr = std::shared_ptr<Exchange>;
    using Continue = std::function<void(const ExchangePtr &)>;
    using UpstreamDone = std::function<void(const HttpResponse &)>;

    struct VerifiedToken
    {
        QString subject;
        QByteArray userHash;
        qint64 acceptedUntil = 0;
    };
    struct TokenInfo
    {
        QString subject;
        qint64 expiry = 0;
    };
    struct Zone
    {
        QString id;
        qint64 expiry = 0;
    };

    void finish(const ExchangePtr &exchange, HttpAnswer answer);

    void authenticate(const ExchangePtr &exchange, const HttpRequest &request, Continue next);
    void checkIdToken(const ExchangePtr &exchange, const QByteArray &key, const SignedToken &token, bool mayRefresh,
                      const QByteArray &accessToken, Continue next);
    void admit(const ExchangePtr &exchange, const VerifiedToken &verified, const QByteArray &accessToken,
               Continue next);
    void checkAccessToken(const ExchangePtr &exchange, Continue next);
    void withKeySet(std::function<void()> then);

    void listTasks(const ExchangePtr &exchange);
    void createTask(const ExchangePtr &exchange, const QByteArray &body);
    void setTaskStatus(const ExchangePtr &exchange, const QByteArray &taskId, bool completed);
    void listEvents(const ExchangePtr &exchange);
    void listEventsIn(const ExchangePtr &exchange, const QString &timeZone);
    using Shape = std::function<QJsonArray(const QJsonArray &items, const QString &pageZone)>;
    // Reads every page of a Google list from `page` on, up to the cap, and
    // answers with `shape` of the items (those of the pages before, then
    // these).
    void readList(const ExchangePtr &exchange, QUrl url, QLatin1StringView api, const QString &variant, Shape shape,
                  QJsonArray items = {}, int page = 0);

    // A call to Google, timed for the exchange and the metrics.
    void call(const ExchangePtr &exchange, QLatin1StringView api, const QUrl &url, const QByteArray &accessToken,
              UpstreamDone done, const QByteArray &postBody = {}, QByteArrayView method = "POST");
    void timed(const ExchangePtr &exchange, QLatin1StringView api, const HttpResponse &response, qint64 startedNs);
    void countGoogle(QLatin1StringView api, const HttpResponse &response, qint64 tookNs);
    // The answer for a failed Google reply, logged; none when it succeeded.
    std::optional<HttpAnswer> failure(const HttpResponse &upstream, const QString &what);
    void countCache(QLatin1StringView cache, bool hit);
    void log(const QString &line) const;

    BackendSettings m_settings;
    LogSink m_log;
    HttpClient *m_google;
    Metrics m_metrics;
    int m_inFlight = 0;
    bool m_draining = false;

    std::optional<KeySet> m_keys;
    qint64 m_keysExpiry = 0;
    QElapsedTimer m_sinceKeyFetch;
    bool m_fetchingKeys = false;
    QList<std::function<void()>> m_waitingForKeys;

    QHash<QByteArray, VerifiedToken> m_verified; // by SHA-256 of the ID token
    QHash<QByteArray, TokenInfo> m_tokenInfo; // by SHA-256 of the access token
    RateLimiter m_limiter;
    QHash<QString, Zone> m_timeZones; // by user
    AnswerCache m_answers;
};
