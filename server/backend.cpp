#include "server/backend.h"

#include "server/digest.h"
#include "server/googlereplies.h"
#include "server/httpclient.h"
#include "common/apipaths.h"
#include "common/outputline.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>
#include <QTimer>
#include <QUrlQuery>

namespace {

constexpr qint64 defaultKeyLifetime = 300;
constexpr qint64 timeZoneLifetime = 3600;
constexpr qsizetype maxCachedUsers = 50000;
constexpr int eventDays = 7;
constexpr int startRetryMs = 5000;

const QLatin1StringView otherRoute("other");
const QLatin1StringView completeRoute("/api/v1/tasks/{id}/complete");
const QLatin1StringView reopenRoute("/api/v1/tasks/{id}/reopen");

qint64 nowSeconds()
{
    return QDateTime::currentSecsSinceEpoch();
}

// Lifetime a Cache-Control header grants, in seconds.
qint64 maxAge(const QByteArray &cacheControl)
{
    static const QRegularExpression pattern(QStringLiteral(R"((?:^|[,\s])max-age=(\d{1,9}))"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(cacheControl));
    return match.hasMatch() ? match.captured(1).toLongLong() : defaultKeyLifetime;
}

HttpAnswer unauthorized(const QString &message)
{
    return HttpAnswer::error(401, QLatin1StringView("unauthorized"), message);
}

HttpAnswer unusable()
{
    return HttpAnswer::error(502, QLatin1StringView("google_unavailable"),
                             QStringLiteral("Google's answer was not usable"));
}

// Seconds since the epoch in a tokeninfo answer, which writes numbers as text.
qint64 numberIn(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString().toLongLong() : value.toInteger();
}

template<typename Map, typename Stale>
void trim(Map &map, Stale stale)
{
    if (map.size() > maxCachedUsers)
        map.removeIf(stale);
    if (map.size() > maxCachedUsers)
        map.clear();
}

// Google's task ids: 1 to 256 of A-Z, a-z, 0-9, '_' and '-'; nothing that
// could change the path it is put into.
bool isTaskId(QStringView id)
{
    if (id.isEmpty() || id.size() > 256)
        return false;
    return std::all_of(id.begin(), id.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
                || c == u'-';
    });
}

double seconds(qint64 ns)
{
    return double(ns) / 1e9;
}

} // namespace

Backend::Backend(BackendSettings settings, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
    , m_google(new HttpClient(this))
    , m_limiter(m_settings.requestsPerMinute)
{
    m_google->setTimeout(m_settings.googleTimeoutMs);

    using Type = Metrics::Type;
    static const struct
    {
        const char *name;
        Type type;
        const char *help;
    } families[] = {
            {"stint_http_requests_total", Type::counter, "Requests answered, by route, method and status."},
            {"stint_http_request_duration_seconds", Type::histogram,
             "Time from a request's arrival to its answer, by route."},
            {"stint_http_request_own_duration_seconds", Type::histogram,
             "The same, less the time spent waiting for Google: the backend's own."},
            {"stint_google_requests_total", Type::counter,
             "Calls to Google, by API and status (timeout or error: no answer)."},
            {"stint_google_request_duration_seconds", Type::histogram, "Time Google took to answer, by API."},
            {"stint_google_connections_opened_total", Type::counter,
             "Connections opened to Google; the rest of the calls reused one."},
            {"stint_cache_hits_total", Type::counter,
             "Answers found in a cache: key set, ID token, tokeninfo, time zone, shaped answer."},
            {"stint_cache_misses_total", Type::counter, "Answers that had to be asked of Google or checked again."},
            {"stint_rate_limited_total", Type::counter,
             "Requests refused with 429 because their user was over the limit."},
            {"stint_requests_in_flight", Type::gauge, "Requests received and not answered yet."},
            {"stint_ready", Type::gauge, "1 while /healthz answers 200: key set read, not draining."},
    };
    for (const auto &[name, type, help] : families)
        m_metrics.describe(QLatin1StringView(name), type, QLatin1StringView(help));
}

Backend::~Backend() = default;

void Backend::setGoogleCaFile(const QString &path)
{
    m_google->setExtraCaFile(path);
}

void Backend::log(const QString &line) const
{
    if (m_log)
        m_log(line);
    else
        printLine(line);
}

void Backend::start()
{
    // Asked again every few seconds until a key set has come.
    withKeySet([this] {
        if (!m_keys)
            QTimer::singleShot(startRetryMs, this, &Backend::start);
    });
}

QByteArray Backend::metricsText()
{
    m_metrics.set(QLatin1StringView("stint_requests_in_flight"), {}, m_inFlight);
    m_metrics.set(QLatin1StringView("stint_ready"), {}, isReady() ? 1 : 0);
    m_metrics.set(QLatin1StringView("stint_google_connections_opened_total"), {},
                  double(m_google->connectionsOpened()));
    return m_metrics.text();
}

void Backend::countCache(QLatin1StringView cache, bool hit)
{
    m_metrics.add(hit ? QLatin1StringView("stint_cache_hits_total") : QLatin1StringView("stint_cache_misses_total"),
                  {{QLatin1StringView("cache"), QByteArray(cache.data(), cache.size())}});
}

void Backend::finish(const ExchangePtr &exchange, HttpAnswer answer)
{
    if (!exchange->reply)
        return;
    const qint64 totalNs = exchange->clock.nsecsElapsed();
    const QByteArray route(exchange->route.data(), exchange->route.size());
    m_metrics.add(QLatin1StringView("stint_http_requests_total"),
                  {{QLatin1StringView("route"), route},
                   {QLatin1StringView("method"), exchange->method},
                   {QLatin1StringView("status"), QByteArray::number(answer.status)}});
    m_metrics.observe(QLatin1StringView("stint_http_request_duration_seconds"), {{QLatin1StringView("route"), route}},
                      seconds(totalNs));
    m_metrics.observe(QLatin1StringView("stint_http_request_own_duration_seconds"),
                      {{QLatin1StringView("route"), route}},
                      seconds(std::max<qint64>(0, totalNs - exchange->googleNs)));
    if (answer.user.isEmpty())
        answer.user = exchange->userHash;
    if (exchange->route == completeRoute || exchange->route == reopenRoute)
        answer.loggedPath = exchange->route;
    --m_inFlight;
    const HttpReply reply = std::exchange(exchange->reply, {});
    reply(std::move(answer));
}

void Backend::handle(const HttpRequest &request, HttpReply reply)
{
    auto exchange = std::make_shared<Exchange>();
    exchange->clock.start();
    exchange->reply = std::move(reply);
    exchange->method = request.method == "GET" || request.method == "POST" ? request.method : QByteArray("other");
    const bool isTasks = request.path == ApiPath::tasks;
    // POST /api/v1/tasks/{id}/complete or /reopen: one route per verb, the
    // id kept out of labels and the access log.
    QStringView taskId;
    if (request.path.startsWith(ApiPath::tasks + u'/')) {
        const QStringView rest = QStringView(request.path).sliced(ApiPath::tasks.size() + 1);
        for (const QLatin1StringView suffix : {ApiPath::completeSuffix, ApiPath::reopenSuffix}) {
            if (rest.endsWith(suffix)) {
                taskId = rest.chopped(suffix.size());
                exchange->route = suffix == ApiPath::completeSuffix ? completeRoute : reopenRoute;
            }
        }
    }
    if (exchange->route.isNull())
        exchange->route = isTasks                 ? ApiPath::tasks
                : request.path == ApiPath::events ? ApiPath::events
                : request.path == ApiPath::health ? ApiPath::health
                                                  : otherRoute;
    ++m_inFlight;

    const auto methodNotAllowed = [&](const QByteArray &allowed) {
        HttpAnswer answer = HttpAnswer::error(405, QLatin1StringView("method_not_allowed"),
                                              QStringLiteral("Use %1").arg(QString::fromLatin1(allowed)));
        answer.headers.append({QByteArrayLiteral("Allow"), allowed});
        finish(exchange, std::move(answer));
    };
    if (exchange->route == ApiPath::health) {
        if (request.method != "GET")
            return methodNotAllowed("GET");
        const QString state = isReady() ? QStringLiteral("ok")
                : m_draining            ? QStringLiteral("draining")
                                        : QStringLiteral("starting");
        return finish(exchange,
                      HttpAnswer::json(isReady() ? 200 : 503, QJsonObject{{QStringLiteral("status"), state}}));
    }
    if (exchange->route == otherRoute)
        return finish(exchange,
                      HttpAnswer::error(404, QLatin1StringView("not_found"), QStringLiteral("No such endpoint")));
    const bool isStatusChange = exchange->route == completeRoute || exchange->route == reopenRoute;
    if (isStatusChange && request.method != "POST")
        return methodNotAllowed("POST");
    if (request.method != "GET" && !(isTasks && request.method == "POST") && !isStatusChange)
        return methodNotAllowed(isTasks ? "GET, POST" : "GET");
    if (request.body.size() > maxBodySize)
        return finish(
                exchange,
                HttpAnswer::error(413, QLatin1StringView("too_large"), QStringLiteral("The body is over 64 KiB")));
    if (isStatusChange) {
        if (!isTaskId(taskId))
            return finish(exchange,
                          HttpAnswer::error(400, QLatin1StringView("invalid_task_id"),
                                            QStringLiteral("The task id must be 1 to 256 of A-Z, a-z, 0-9, _ and -")));
        return authenticate(exchange, request, [this, id = taskId.toLatin1()](const ExchangePtr &exchange) {
            setTaskStatus(exchange, id, exchange->route == completeRoute);
        });
    }

    authenticate(exchange, request, [this, body = request.body, isTasks](const ExchangePtr &exchange) {
        if (!isTasks)
            listEvents(exchange);
        else if (exchange->method == "POST")
            createTask(exchange, body);
        else
            listTasks(exchange);
    });
}

// ---- Who is asking ------------------------------------------------------------

void Backend::authenticate(const ExchangePtr &exchange, const HttpRequest &request, Continue next)
{
    const QByteArray authorization = request.header("Authorization");
    if (!authorization.startsWith("Bearer "))
        return finish(exchange, unauthorized(QStringLiteral("A Google ID token is needed as the bearer token")));
    const QByteArrayView idToken = QByteArrayView(authorization).sliced(7);
    const QByteArray accessToken = request.header("AccessToken");

    // A token verified before is not parsed or checked again while it is
    // accepted: no RSA work on a warm request.
    const QByteArray key = sha256(idToken);
    const auto known = m_verified.constFind(key);
    if (known != m_verified.constEnd() && known->acceptedUntil > nowSeconds()) {
        countCache(QLatin1StringView("idtoken"), true);
        return admit(exchange, *known, accessToken, std::move(next));
    }
    countCache(QLatin1StringView("idtoken"), false);

    const std::optional<SignedToken> token = SignedToken::parse(idToken);
    if (!token)
        return finish(exchange, unauthorized(describe(TokenCheck::malformed)));
    const bool keysFresh = m_keys && m_keysExpiry > nowSeconds();
    countCache(QLatin1StringView("keyset"), keysFresh);
    if (!keysFresh) {
        withKeySet([this, exchange, key, token = *token, accessToken, next] {
            checkIdToken(exchange, key, token, false, accessToken, next);
        });
        return;
    }
    checkIdToken(exchange, key, *token, true, accessToken, std::move(next));
}

void Backend::checkIdToken(const ExchangePtr &exchange, const QByteArray &key, const SignedToken &token,
                           bool mayRefresh, const QByteArray &accessToken, Continue next)
{
    if (!m_keys) {
        return finish(exchange,
                      HttpAnswer::error(502, QLatin1StringView("key_set_unavailable"),
                                        QStringLiteral("Google's signing keys cannot be read")));
    }
    VerifiedIdToken verified;
    const TokenCheck check = verifyIdToken(token, *m_keys, m_settings.clientIds, nowSeconds(), &verified);
    if (check == TokenCheck::unknownKey && mayRefresh
        && (!m_sinceKeyFetch.isValid() || m_sinceKeyFetch.elapsed() >= m_settings.keyRefetchIntervalMs)) {
        // Google has rotated its keys since we last looked.
        withKeySet([this, exchange, key, token, accessToken, next] {
            checkIdToken(exchange, key, token, false, accessToken, next);
        });
        return;
    }
    if (check != TokenCheck::valid)
        return finish(exchange, unauthorized(describe(check)));

    const VerifiedToken entry{verified.subject, sha256(verified.subject.toUtf8()).toHex().left(10),
                              verified.acceptedUntil};
    const qint64 now = nowSeconds();
    trim(m_verified, [now](const auto &it) { return it.value().acceptedUntil <= now; });
    m_verified.insert(key, entry);
    admit(exchange, entry, accessToken, std::move(next));
}

void Backend::admit(const ExchangePtr &exchange, const VerifiedToken &verified, const QByteArray &accessToken,
                    Continue next)
{
    exchange->subject = verified.subject;
    exchange->userHash = verified.userHash;
    if (!m_limiter.allow(verified.subject)) {
        m_metrics.add(QLatin1StringView("stint_rate_limited_total"));
        HttpAnswer answer =
                HttpAnswer::error(429, QLatin1StringView("rate_limited"), QStringLiteral("Too many requests"));
        answer.headers.append({QByteArrayLiteral("Retry-After"), QByteArrayLiteral("10")});
        return finish(exchange, std::move(answer));
    }
    if (accessToken.isEmpty())
        return finish(exchange, unauthorized(QStringLiteral("The AccessToken header is missing")));
    exchange->accessToken = accessToken;
    checkAccessToken(exchange, std::move(next));
}

void Backend::withKeySet(std::function<void()> then)
{
    m_waitingForKeys.append(std::move(then));
    if (m_fetchingKeys)
        return;
    m_fetchingKeys = true;
    m_sinceKeyFetch.start();
    m_google->get(m_settings.keySetUrl, {}, [this](const HttpResponse &response) {
        countGoogle(QLatin1StringView("keys"), response, m_sinceKeyFetch.nsecsElapsed());
        std::optional<KeySet> keys = response.status == 200 ? KeySet::parse(response.body) : std::nullopt;
        if (keys) {
            m_keys = std::move(keys);
            m_keysExpiry = nowSeconds() + maxAge(response.header("Cache-Control"));
        } else {
            // Stale keys still beat none; they are tried again in a minute.
            log(QStringLiteral("google key set: unusable answer (%1)")
                        .arg(response.status ? QStringLiteral("HTTP %1").arg(response.status)
                                             : QStringLiteral("no answer")));
            m_keysExpiry = nowSeconds() + 60;
        }
        m_fetchingKeys = false;
        const QList<std::function<void()>> waiting = std::exchange(m_waitingForKeys, {});
        for (const auto &then : waiting)
            then();
    });
}

void Backend::checkAccessToken(const ExchangePtr &exchange, Continue next)
{
    const QByteArray key = sha256(exchange->accessToken);
    const auto cached = m_tokenInfo.constFind(key);
    if (cached != m_tokenInfo.constEnd() && cached->expiry > nowSeconds()) {
        countCache(QLatin1StringView("tokeninfo"), true);
        if (cached->subject != exchange->subject)
            return finish(exchange, unauthorized(QStringLiteral("The access token belongs to another user")));
        return next(exchange);
    }
    countCache(QLatin1StringView("tokeninfo"), false);

    QUrl url = m_settings.tokenInfoUrl;
    url.setQuery(QUrlQuery{{QStringLiteral("access_token"),
                            QString::fromLatin1(QUrl::toPercentEncoding(QString::fromLatin1(exchange->accessToken)))}});
    const qint64 started = exchange->clock.nsecsElapsed();
    m_google->get(url, {}, [this, exchange, key, next, started](const HttpResponse &response) {
        timed(exchange, QLatin1StringView("tokeninfo"), response, started);
        if (response.status == 400 || response.status == 401) // Google's word for a token it does not know
            return finish(exchange, unauthorized(QStringLiteral("The access token is not valid")));
        if (auto failed = failure(response, QLatin1StringView("google tokeninfo")))
            return finish(exchange, *failed);
        // Anything but Google's tokeninfo JSON is Google's failure, not the user's.
        const QJsonDocument document = QJsonDocument::fromJson(response.body);
        const QJsonObject info = document.object();
        const QJsonValue expiryValue = info.value(QLatin1StringView("exp"));
        if (!document.isObject() || !info.value(QLatin1StringView("aud")).isString()
            || !info.value(QLatin1StringView("sub")).isString()
            || !(expiryValue.isString() || expiryValue.isDouble())) {
            log(QStringLiteral("google tokeninfo: not the expected JSON -> 502"));
            return finish(exchange, unusable());
        }
        // Each claim on its own: issued to one of our clients, by one of our
        // clients, for the user the ID token names, and still valid.
        if (!m_settings.clientIds.contains(info.value(QLatin1StringView("aud")).toString()))
            return finish(exchange, unauthorized(QStringLiteral("The access token was issued to another client")));
        if (!m_settings.clientIds.contains(info.value(QLatin1StringView("azp")).toString()))
            return finish(exchange, unauthorized(QStringLiteral("The access token was issued to another client")));
        if (info.value(QLatin1StringView("sub")).toString() != exchange->subject)
            return finish(exchange, unauthorized(QStringLiteral("The access token belongs to another user")));
        const qint64 expiry = numberIn(info, QLatin1StringView("exp"));
        const qint64 now = nowSeconds();
        if (expiry <= now)
            return finish(exchange, unauthorized(QStringLiteral("The access token has expired")));
        trim(m_tokenInfo, [now](const auto &it) { return it.value().expiry <= now; });
        m_tokenInfo.insert(key, {exchange->subject, expiry});
        next(exchange);
    });
}

// ---- Google -----------------------------------------------------------------------

void Backend::call(const ExchangePtr &exchange, QLatin1StringView api, const QUrl &url, const QByteArray &accessToken,
                   UpstreamDone done, const QByteArray &postBody, QByteArrayView method)
{
    HttpClient::Headers headers{{QByteArrayLiteral("Authorization"), "Bearer " + accessToken},
                                {QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json")}};
    const qint64 started = exchange->clock.nsecsElapsed();
    auto timedDone = [this, exchange, api, started, done = std::move(done)](const HttpResponse &response) {
        timed(exchange, api, response, started);
        done(response);
    };
    if (postBody.isNull()) {
        m_google->get(url, headers, std::move(timedDone));
    } else {
        headers.append({QByteArrayLiteral("Content-Type"), QByteArrayLiteral("application/json")});
        if (method == "PATCH")
            m_google->patch(url, headers, postBody, std::move(timedDone));
        else
            m_google->post(url, headers, postBody, std::move(timedDone));
    }
}

void Backend::timed(const ExchangePtr &exchange, QLatin1StringView api, const HttpResponse &response, qint64 startedNs)
{
    const qint64 tookNs = exchange->clock.nsecsElapsed() - startedNs;
    exchange->googleNs += tookNs;
    countGoogle(api, response, tookNs);
}

void Backend::countGoogle(QLatin1StringView api, const HttpResponse &response, qint64 tookNs)
{
    const QByteArray apiLabel(api.data(), api.size());
    m_metrics.observe(QLatin1StringView("stint_google_request_duration_seconds"),
                      {{QLatin1StringView("api"), apiLabel}}, seconds(tookNs));
    const QByteArray status = response.failure == HttpResponse::Failure::timeout ? QByteArray("timeout")
            : response.status == 0                                               ? QByteArray("error")
                                                                                 : QByteArray::number(response.status);
    m_metrics.add(QLatin1StringView("stint_google_requests_total"),
                  {{QLatin1StringView("api"), apiLabel}, {QLatin1StringView("status"), status}});
}

std::optional<HttpAnswer> Backend::failure(const HttpResponse &upstream, const QString &what)
{
    if (upstream.failure == HttpResponse::Failure::none && upstream.status >= 200 && upstream.status < 300)
        return std::nullopt;
    const bool timedOut = upstream.failure == HttpResponse::Failure::timeout;
    HttpAnswer answer;
    if (timedOut) {
        answer = HttpAnswer::error(504, QLatin1StringView("google_timeout"),
                                   QStringLiteral("Google did not answer in time"));
    } else if (upstream.status == 401 || upstream.status == 403) {
        answer = HttpAnswer::error(upstream.status,
                                   QLatin1StringView(upstream.status == 401 ? "unauthorized" : "forbidden"),
                                   QStringLiteral("Google refused the access token"));
    } else {
        answer = unusable();
    }
    log(QStringLiteral("%1: %2 -> %3")
                .arg(what,
                     timedOut                  ? QStringLiteral("timeout")
                             : upstream.status ? QStringLiteral("HTTP %1").arg(upstream.status)
                                               : QStringLiteral("no connection"))
                .arg(answer.status));
    return answer;
}

void Backend::readList(const ExchangePtr &exchange, QUrl url, QLatin1StringView api, const QString &variant,
                       Shape shape, QJsonArray items, int page)
{
    const QString what = QStringLiteral("google ") + api; // "google tasks", "google events"
    call(exchange, api, url, exchange->accessToken, [=, this](const HttpResponse &upstream) mutable {
        if (auto failed = failure(upstream, what))
            return finish(exchange, *failed);
        QByteArray memoKey;
        if (page == 0) {
            // The same first page as a moment ago, of a list that had only
            // that page: the answer shaped from it then still holds.
            memoKey = sha256({variant.toUtf8(), "\n", upstream.body});
            const std::optional<QByteArray> known = m_answers.find(memoKey, nowSeconds());
            countCache(QLatin1StringView("answer"), known.has_value());
            if (known)
                return finish(exchange, HttpAnswer{200, "application/json", *known, {}, {}});
        }
        std::optional<GoogleReplies::Page> read = GoogleReplies::readPage(upstream.body);
        if (!read) {
            log(QStringLiteral("%1: not the expected JSON -> 502").arg(what));
            return finish(exchange, unusable());
        }
        if (items.isEmpty())
            items = std::move(read->items); // the usual single page, not copied item by item
        else
            for (const QJsonValue &item : std::as_const(read->items))
                items.append(item);
        const bool more = !read->nextPageToken.isEmpty();
        if (!more || page + 1 >= m_settings.maxPages) {
            if (more)
                log(QStringLiteral("%1: stopped after %2 pages").arg(what).arg(page + 1));
            HttpAnswer answer = HttpAnswer::json(200, shape(items, read->timeZone));
            if (page == 0 && !more)
                m_answers.insert(memoKey, answer.body, nowSeconds());
            return finish(exchange, std::move(answer));
        }
        QUrlQuery query(url);
        query.removeAllQueryItems(QStringLiteral("pageToken"));
        query.addQueryItem(QStringLiteral("pageToken"),
                           QString::fromLatin1(QUrl::toPercentEncoding(read->nextPageToken)));
        url.setQuery(query);
        readList(exchange, url, api, variant, std::move(shape), std::move(items), page + 1);
    });
}

void Backend::listTasks(const ExchangePtr &exchange)
{
    QUrl url = m_settings.tasksUrl;
    url.setQuery(QUrlQuery{{QStringLiteral("maxResults"), QStringLiteral("100")},
                           {QStringLiteral("showCompleted"), QStringLiteral("true")},
                           {QStringLiteral("showHidden"), QStringLiteral("false")},
                           {QStringLiteral("showDeleted"), QStringLiteral("false")}});
    readList(exchange, url, QLatin1StringView("tasks"), QString(),
             [](const QJsonArray &items, const QString &) { return GoogleReplies::tasks(items); });
}

void Backend::createTask(const ExchangePtr &exchange, const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const QJsonValue title = document.object().value(QLatin1StringView("title"));
    if (!document.isObject() || !title.isString())
        return finish(exchange,
                      HttpAnswer::error(400, QLatin1StringView("invalid_task"),
                                        QStringLiteral("The body must be {\"title\": text}")));
    if (title.toString().size() > maxTitleLength)
        return finish(exchange,
                      HttpAnswer::error(400, QLatin1StringView("invalid_task"),
                                        QStringLiteral("The title is over 1024 characters")));
    const QByteArray create =
            QJsonDocument(QJsonObject{{QStringLiteral("title"), title}}).toJson(QJsonDocument::Compact);
    call(
            exchange, QLatin1StringView("tasks"), m_settings.tasksUrl, exchange->accessToken,
            [this, exchange](const HttpResponse &upstream) {
                if (auto failed = failure(upstream, QLatin1StringView("google tasks insert")))
                    return finish(exchange, *failed);
                const QJsonDocument created = QJsonDocument::fromJson(upstream.body);
                if (!created.isObject()) {
                    log(QStringLiteral("google tasks insert: not the expected JSON -> 502"));
                    return finish(exchange, unusable());
                }
                finish(exchange, HttpAnswer::json(200, GoogleReplies::task(created.object())));
            },
            create);
}

void Backend::setTaskStatus(const ExchangePtr &exchange, const QByteArray &taskId, bool completed)
{
    const QJsonObject change = completed ? QJsonObject{{QStringLiteral("status"), QStringLiteral("completed")}}
                                         : QJsonObject{{QStringLiteral("status"), QStringLiteral("needsAction")},
                                                       {QStringLiteral("completed"), QJsonValue::Null}};
    QUrl url = m_settings.tasksUrl;
    url.setPath(url.path() + u'/' + QString::fromLatin1(taskId));
    const QString what = completed ? QStringLiteral("google tasks complete") : QStringLiteral("google tasks reopen");
    call(
            exchange, QLatin1StringView("tasks"), url, exchange->accessToken,
            [this, exchange, what](const HttpResponse &upstream) {
                if (upstream.failure == HttpResponse::Failure::none && upstream.status == 404) {
                    log(QStringLiteral("%1: HTTP 404 -> 404").arg(what));
                    return finish(exchange,
                                  HttpAnswer::error(404, QLatin1StringView("task_not_found"),
                                                    QStringLiteral("Google has no such task")));
                }
                if (upstream.failure == HttpResponse::Failure::timeout) {
                    log(QStringLiteral("%1: timeout -> 502").arg(what));
                    return finish(exchange, unusable());
                }
                if (auto failed = failure(upstream, what))
                    return finish(exchange, *failed);
                const QJsonDocument updated = QJsonDocument::fromJson(upstream.body);
                if (!updated.isObject()) {
                    log(QStringLiteral("%1: not the expected JSON -> 502").arg(what));
                    return finish(exchange, unusable());
                }
                // Nothing of the user's list is kept here beyond answers keyed
                // by Google's own reply, so the next GET asks Google and shows
                // the change.
                finish(exchange, HttpAnswer::json(200, GoogleReplies::task(updated.object())));
            },
            QJsonDocument(change).toJson(QJsonDocument::Compact), "PATCH");
}

void Backend::listEvents(const ExchangePtr &exchange)
{
    const auto known = m_timeZones.constFind(exchange->subject);
    const bool hit = known != m_timeZones.constEnd() && known->expiry > nowSeconds();
    countCache(QLatin1StringView("timezone"), hit);
    if (hit)
        return listEventsIn(exchange, known->id);

    // The calendar's time zone comes with any events page; a one-item page
    // asks for it with the events scope alone (the calendar resource itself
    // needs a wider one).
    QUrl zoneUrl = m_settings.eventsUrl;
    zoneUrl.setQuery(QUrlQuery{{QStringLiteral("maxResults"), QStringLiteral("1")},
                               {QStringLiteral("fields"), QStringLiteral("timeZone")}});
    call(exchange, QLatin1StringView("calendar"), zoneUrl, exchange->accessToken,
         [this, exchange](const HttpResponse &upstream) {
             if (auto failed = failure(upstream, QLatin1StringView("google calendar")))
                 return finish(exchange, *failed);
             const QString zone =
                     QJsonDocument::fromJson(upstream.body).object().value(QLatin1StringView("timeZone")).toString();
             if (zone.isEmpty()) {
                 log(QStringLiteral("google calendar: not the expected JSON -> 502"));
                 return finish(exchange, unusable());
             }
             const qint64 now = nowSeconds();
             trim(m_timeZones, [now](const auto &it) { return it.value().expiry <= now; });
             m_timeZones.insert(exchange->subject, {zone, now + timeZoneLifetime});
             listEventsIn(exchange, zone);
         });
}

void Backend::listEventsIn(const ExchangePtr &exchange, const QString &timeZone)
{
    const QTimeZone zone(timeZone.toUtf8());
    const QTimeZone usable = zone.isValid() ? zone : QTimeZone::utc();
    const QDate today = QDateTime::currentDateTimeUtc().toTimeZone(usable).date();
    const QDateTime from(today, QTime(0, 0), usable);
    const QDateTime to(today.addDays(eventDays), QTime(0, 0), usable);

    QUrl url = m_settings.eventsUrl;
    url.setQuery(QUrlQuery{{QStringLiteral("timeMin"),
                            QString::fromLatin1(QUrl::toPercentEncoding(
                                    from.toOffsetFromUtc(from.offsetFromUtc()).toString(Qt::ISODate)))},
                           {QStringLiteral("timeMax"),
                            QString::fromLatin1(QUrl::toPercentEncoding(
                                    to.toOffsetFromUtc(to.offsetFromUtc()).toString(Qt::ISODate)))},
                           {QStringLiteral("singleEvents"), QStringLiteral("true")},
                           {QStringLiteral("orderBy"), QStringLiteral("startTime")},
                           {QStringLiteral("showDeleted"), QStringLiteral("false")},
                           {QStringLiteral("maxResults"), QStringLiteral("250")}});
    // The calendar's zone only fills in moments that have none; the window
    // (from today's midnight) is in the request, so a new day is a new page.
    readList(exchange, url, QLatin1StringView("events"), timeZone,
             [timeZone](const QJsonArray &items, const QString &pageZone) {
                 return GoogleReplies::events(items, pageZone.isEmpty() ? timeZone : pageZone);
             });
}
