#include "server/backend.h"

#include "server/googlereplies.h"
#include "common/apipaths.h"
#include "common/outputline.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimeZone>
#include <QUrlQuery>

namespace {

const QString tasksPath = ApiPath::tasks;
const QString eventsPath = ApiPath::events;
const QString healthPath = ApiPath::health;

constexpr qint64 defaultKeyLifetime = 300;
constexpr qint64 timeZoneLifetime = 3600;
constexpr qsizetype maxCachedUsers = 50000;
constexpr int eventDays = 7;

qint64 nowSeconds()
{
    return QDateTime::currentSecsSinceEpoch();
}

QByteArray sha256(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
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

} // namespace

Backend::Backend(BackendSettings settings, QObject *parent)
    : QObject(parent), m_settings(std::move(settings)), m_network(new QNetworkAccessManager(this))
{
    m_network->setTransferTimeout(m_settings.googleTimeoutMs);
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    m_clock.start();
}

Backend::~Backend() = default;

void Backend::log(const QString &line) const
{
    if (m_log)
        m_log(line);
    else
        printLine(line);
}

void Backend::handle(const HttpRequest &request, HttpReply reply)
{
    const auto methodNotAllowed = [&reply](const QByteArray &allowed) {
        HttpAnswer answer = HttpAnswer::error(405, QLatin1StringView("method_not_allowed"),
                                              QStringLiteral("Use %1").arg(QString::fromLatin1(allowed)));
        answer.headers.append({QByteArrayLiteral("Allow"), allowed});
        reply(answer);
    };
    if (request.path == healthPath) {
        if (request.method != "GET")
            return methodNotAllowed("GET");
        return reply(HttpAnswer::json(200, QJsonObject{{QStringLiteral("status"), QStringLiteral("ok")}}));
    }
    if (request.path != tasksPath && request.path != eventsPath)
        return reply(HttpAnswer::error(404, QLatin1StringView("not_found"), QStringLiteral("No such endpoint")));
    const bool isTasks = request.path == tasksPath;
    if (request.method != "GET" && !(isTasks && request.method == "POST"))
        return methodNotAllowed(isTasks ? "GET, POST" : "GET");
    if (request.body.size() > maxBodySize)
        return reply(HttpAnswer::error(413, QLatin1StringView("too_large"), QStringLiteral("The body is over 64 KiB")));

    authenticate(request, reply, [this, request, reply, isTasks](const Caller &caller) {
        if (!isTasks)
            listEvents(caller, reply);
        else if (request.method == "POST")
            createTask(caller, request.body, reply);
        else
            listTasks(caller, reply);
    });
}

// ---- Who is asking ------------------------------------------------------------

void Backend::authenticate(const HttpRequest &request, const HttpReply &reply, Continue next)
{
    const QByteArray authorization = request.header("Authorization");
    if (!authorization.startsWith("Bearer "))
        return reply(unauthorized(QStringLiteral("A Google ID token is needed as the bearer token")));
    const std::optional<SignedToken> token = SignedToken::parse(QByteArrayView(authorization).sliced(7));
    if (!token)
        return reply(unauthorized(describe(TokenCheck::malformed)));
    if (!m_keys || m_keysExpiry <= nowSeconds()) {
        withKeySet(true,
                   [this, token = *token, request, reply, next] { checkIdToken(token, false, request, reply, next); });
        return;
    }
    checkIdToken(*token, true, request, reply, std::move(next));
}

void Backend::checkIdToken(const SignedToken &token, bool mayRefresh, const HttpRequest &request,
                           const HttpReply &reply, Continue next)
{
    if (!m_keys) {
        return reply(HttpAnswer::error(502, QLatin1StringView("key_set_unavailable"),
                                       QStringLiteral("Google's signing keys cannot be read")));
    }
    Caller caller;
    const TokenCheck check = verifyIdToken(token, *m_keys, m_settings.clientIds, nowSeconds(), &caller.subject);
    if (check == TokenCheck::unknownKey && mayRefresh
        && (!m_sinceKeyFetch.isValid() || m_sinceKeyFetch.elapsed() >= m_settings.keyRefetchIntervalMs)) {
        // Google has rotated its keys since we last looked.
        withKeySet(true, [this, token, request, reply, next] { checkIdToken(token, false, request, reply, next); });
        return;
    }
    if (check != TokenCheck::valid)
        return reply(unauthorized(describe(check)));

    caller.userHash = sha256(caller.subject.toUtf8()).toHex().left(10);
    if (!allowRequest(caller.subject)) {
        HttpAnswer answer =
                HttpAnswer::error(429, QLatin1StringView("rate_limited"), QStringLiteral("Too many requests"));
        answer.headers.append({QByteArrayLiteral("Retry-After"), QByteArrayLiteral("10")});
        answer.user = caller.userHash;
        return reply(answer);
    }
    caller.accessToken = request.header("AccessToken");
    if (caller.accessToken.isEmpty())
        return reply(unauthorized(QStringLiteral("The AccessToken header is missing")));
    checkAccessToken(std::move(caller), reply, std::move(next));
}

void Backend::withKeySet(bool refresh, std::function<void()> then)
{
    if (!refresh && m_keys)
        return then();
    m_waitingForKeys.append(std::move(then));
    if (m_fetchingKeys)
        return;
    m_fetchingKeys = true;
    m_sinceKeyFetch.start();
    QNetworkReply *reply = m_network->get(QNetworkRequest(m_settings.keySetUrl));
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        std::optional<KeySet> keys = status == 200 ? KeySet::parse(reply->readAll()) : std::nullopt;
        if (keys) {
            m_keys = std::move(keys);
            m_keysExpiry = nowSeconds() + maxAge(reply->rawHeader("Cache-Control"));
        } else {
            // Stale keys still beat none; they are tried again in a minute.
            log(QStringLiteral("google key set: unusable answer (HTTP %1%2)")
                        .arg(status)
                        .arg(reply->error() == QNetworkReply::NoError ? QString()
                                                                      : QStringLiteral(", ") + reply->errorString()));
            m_keysExpiry = nowSeconds() + 60;
        }
        m_fetchingKeys = false;
        const QList<std::function<void()>> waiting = std::exchange(m_waitingForKeys, {});
        for (const auto &then : waiting)
            then();
    });
}

bool Backend::allowRequest(const QString &subject)
{
    if (m_settings.requestsPerMinute <= 0)
        return true;
    const double capacity = m_settings.requestsPerMinute;
    const qint64 now = m_clock.elapsed();
    trim(m_buckets, [&](const auto &it) { return now - it.value().updatedMs > 60000; });
    auto found = m_buckets.find(subject);
    if (found == m_buckets.end())
        found = m_buckets.insert(subject, {capacity, now});
    Bucket &bucket = found.value();
    bucket.tokens = std::min(capacity, bucket.tokens + double(now - bucket.updatedMs) * capacity / 60000.0);
    bucket.updatedMs = now;
    if (bucket.tokens < 1.0)
        return false;
    bucket.tokens -= 1.0;
    return true;
}

void Backend::checkAccessToken(Caller caller, const HttpReply &reply, Continue next)
{
    const QByteArray key = sha256(caller.accessToken);
    const auto cached = m_tokenInfo.constFind(key);
    if (cached != m_tokenInfo.constEnd() && cached->expiry > nowSeconds()) {
        if (cached->subject != caller.subject)
            return reply(unauthorized(QStringLiteral("The access token belongs to another user")));
        return next(caller);
    }

    QUrl url = m_settings.tokenInfoUrl;
    url.setQuery(QUrlQuery{{QStringLiteral("access_token"),
                            QString::fromLatin1(QUrl::toPercentEncoding(QString::fromLatin1(caller.accessToken)))}});
    QNetworkReply *network = m_network->get(QNetworkRequest(url));
    connect(network, &QNetworkReply::finished, this, [this, network, caller, key, reply, next] {
        network->deleteLater();
        const int status = network->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QByteArray body = network->isOpen() ? network->readAll() : QByteArray();
        if (status == 400 || status == 401) // Google's word for a token it does not know
            return reply(unauthorized(QStringLiteral("The access token is not valid")));
        Upstream upstream{status, body,
                          network->error() == QNetworkReply::OperationCanceledError
                                  || network->error() == QNetworkReply::TimeoutError};
        if (auto failed = failure(upstream, QLatin1StringView("google tokeninfo")))
            return reply(*failed);
        const QJsonObject info = QJsonDocument::fromJson(body).object();
        const QString audience = info.value(QLatin1StringView("aud")).toString();
        const QString party = info.value(QLatin1StringView("azp")).toString();
        const qint64 expiry = numberIn(info, QLatin1StringView("exp"));
        if (!m_settings.clientIds.contains(audience) && !m_settings.clientIds.contains(party))
            return reply(unauthorized(QStringLiteral("The access token was issued to another client")));
        if (info.value(QLatin1StringView("sub")).toString() != caller.subject)
            return reply(unauthorized(QStringLiteral("The access token belongs to another user")));
        if (expiry <= nowSeconds())
            return reply(unauthorized(QStringLiteral("The access token has expired")));
        const qint64 now = nowSeconds();
        trim(m_tokenInfo, [now](const auto &it) { return it.value().expiry <= now; });
        m_tokenInfo.insert(key, {caller.subject, expiry});
        next(caller);
    });
}

// ---- Google -----------------------------------------------------------------------

void Backend::call(const QUrl &url, const QByteArray &accessToken, UpstreamDone done, const QByteArray &postBody)
{
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", "Bearer " + accessToken);
    request.setRawHeader("Accept", "application/json");
    QNetworkReply *reply;
    if (postBody.isNull()) {
        reply = m_network->get(request);
    } else {
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        reply = m_network->post(request, postBody);
    }
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        done({reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
              reply->isOpen() ? reply->readAll() : QByteArray(),
              reply->error() == QNetworkReply::OperationCanceledError
                      || reply->error() == QNetworkReply::TimeoutError});
    });
}

std::optional<HttpAnswer> Backend::failure(const Upstream &upstream, QLatin1StringView what)
{
    if (upstream.status >= 200 && upstream.status < 300)
        return std::nullopt;
    HttpAnswer answer;
    if (upstream.timedOut) {
        answer = HttpAnswer::error(504, QLatin1StringView("google_timeout"),
                                   QStringLiteral("Google did not answer in time"));
    } else if (upstream.status == 401 || upstream.status == 403) {
        answer = HttpAnswer::error(upstream.status,
                                   QLatin1StringView(upstream.status == 401 ? "unauthorized" : "forbidden"),
                                   QStringLiteral("Google refused the access token"));
    } else {
        answer = HttpAnswer::error(502, QLatin1StringView("google_unavailable"),
                                   QStringLiteral("Google's answer was not usable"));
    }
    log(QStringLiteral("%1: %2 -> %3")
                .arg(what,
                     upstream.timedOut         ? QStringLiteral("timeout")
                             : upstream.status ? QStringLiteral("HTTP %1").arg(upstream.status)
                                               : QStringLiteral("no connection"))
                .arg(answer.status));
    return answer;
}

void Backend::readPages(const Caller &caller, QUrl url, QLatin1StringView what, QJsonArray items, int page,
                        const HttpReply &reply, std::function<void(const QJsonArray &, const QString &)> done)
{
    call(url, caller.accessToken, [=, this](const Upstream &upstream) mutable {
        if (auto failed = failure(upstream, what))
            return reply(*failed);
        const std::optional<GoogleReplies::Page> read = GoogleReplies::readPage(upstream.body);
        if (!read) {
            log(QStringLiteral("%1: not the expected JSON -> 502").arg(what));
            return reply(HttpAnswer::error(502, QLatin1StringView("google_unavailable"),
                                           QStringLiteral("Google's answer was not usable")));
        }
        for (const QJsonValue &item : read->items)
            items.append(item);
        if (read->nextPageToken.isEmpty() || page + 1 >= m_settings.maxPages) {
            if (!read->nextPageToken.isEmpty())
                log(QStringLiteral("%1: stopped after %2 pages").arg(what).arg(page + 1));
            return done(items, read->timeZone);
        }
        QUrlQuery query(url);
        query.removeAllQueryItems(QStringLiteral("pageToken"));
        query.addQueryItem(QStringLiteral("pageToken"),
                           QString::fromLatin1(QUrl::toPercentEncoding(read->nextPageToken)));
        url.setQuery(query);
        readPages(caller, url, what, items, page + 1, reply, done);
    });
}

void Backend::listTasks(const Caller &caller, const HttpReply &reply)
{
    QUrl url = m_settings.tasksUrl;
    url.setQuery(QUrlQuery{{QStringLiteral("maxResults"), QStringLiteral("100")},
                           {QStringLiteral("showCompleted"), QStringLiteral("true")},
                           {QStringLiteral("showHidden"), QStringLiteral("false")},
                           {QStringLiteral("showDeleted"), QStringLiteral("false")}});
    readPages(caller, url, QLatin1StringView("google tasks"), {}, 0, reply,
              [reply, user = caller.userHash](const QJsonArray &items, const QString &) {
                  HttpAnswer answer = HttpAnswer::json(200, GoogleReplies::tasks(items));
                  answer.user = user;
                  reply(answer);
              });
}

void Backend::createTask(const Caller &caller, const QByteArray &body, const HttpReply &reply)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const QJsonValue title = document.object().value(QLatin1StringView("title"));
    if (!document.isObject() || !title.isString())
        return reply(HttpAnswer::error(400, QLatin1StringView("invalid_task"),
                                       QStringLiteral("The body must be {\"title\": text}")));
    if (title.toString().size() > maxTitleLength)
        return reply(HttpAnswer::error(400, QLatin1StringView("invalid_task"),
                                       QStringLiteral("The title is over 1024 characters")));
    const QByteArray create =
            QJsonDocument(QJsonObject{{QStringLiteral("title"), title}}).toJson(QJsonDocument::Compact);
    call(
            m_settings.tasksUrl, caller.accessToken,
            [this, reply, user = caller.userHash](const Upstream &upstream) {
                if (auto failed = failure(upstream, QLatin1StringView("google tasks insert")))
                    return reply(*failed);
                const QJsonDocument created = QJsonDocument::fromJson(upstream.body);
                if (!created.isObject()) {
                    log(QStringLiteral("google tasks insert: not the expected JSON -> 502"));
                    return reply(HttpAnswer::error(502, QLatin1StringView("google_unavailable"),
                                                   QStringLiteral("Google's answer was not usable")));
                }
                HttpAnswer answer = HttpAnswer::json(200, GoogleReplies::task(created.object()));
                answer.user = user;
                reply(answer);
            },
            create);
}

void Backend::listEvents(const Caller &caller, const HttpReply &reply)
{
    const auto known = m_timeZones.constFind(caller.subject);
    if (known != m_timeZones.constEnd() && known->expiry > nowSeconds())
        return listEventsIn(caller, known->id, reply);

    // The calendar's time zone comes with any events page; a one-item page
    // asks for it with the events scope alone (the calendar resource itself
    // needs a wider one).
    QUrl zoneUrl = m_settings.eventsUrl;
    zoneUrl.setQuery(QUrlQuery{{QStringLiteral("maxResults"), QStringLiteral("1")},
                               {QStringLiteral("fields"), QStringLiteral("timeZone")}});
    call(zoneUrl, caller.accessToken, [this, caller, reply](const Upstream &upstream) {
        if (auto failed = failure(upstream, QLatin1StringView("google calendar")))
            return reply(*failed);
        const QString zone =
                QJsonDocument::fromJson(upstream.body).object().value(QLatin1StringView("timeZone")).toString();
        if (zone.isEmpty()) {
            log(QStringLiteral("google calendar: not the expected JSON -> 502"));
            return reply(HttpAnswer::error(502, QLatin1StringView("google_unavailable"),
                                           QStringLiteral("Google's answer was not usable")));
        }
        const qint64 now = nowSeconds();
        trim(m_timeZones, [now](const auto &it) { return it.value().expiry <= now; });
        m_timeZones.insert(caller.subject, {zone, now + timeZoneLifetime});
        listEventsIn(caller, zone, reply);
    });
}

void Backend::listEventsIn(const Caller &caller, const QString &timeZone, const HttpReply &reply)
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
    readPages(caller, url, QLatin1StringView("google calendar events"), {}, 0, reply,
              [reply, user = caller.userHash, timeZone](const QJsonArray &items, const QString &pageZone) {
                  HttpAnswer answer =
                          HttpAnswer::json(200, GoogleReplies::events(items, pageZone.isEmpty() ? timeZone : pageZone));
                  answer.user = user;
                  reply(answer);
              });
}
