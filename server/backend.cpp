#include "server/backend.h"

#include "server/httpclient.h"
#include "common/apipaths.h"

#include <QJsonObject>
#include <QTimer>

namespace {

constexpr int startRetryMs = 5000;

const QLatin1StringView otherRoute("other");
const QLatin1StringView completeRoute("/api/v1/tasks/{id}/complete");
const QLatin1StringView reopenRoute("/api/v1/tasks/{id}/reopen");

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

} // namespace

Backend::Backend(BackendSettings settings, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
    , m_google(new HttpClient(this))
    , m_context(m_google, &m_metrics,
                [this](const ExchangePtr &exchange, HttpAnswer answer) { finish(exchange, std::move(answer)); })
    , m_auth(m_settings, m_context)
    , m_limiter(m_settings.requestsPerMinute)
    , m_lists(m_settings, m_context)
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

void Backend::start()
{
    // Asked again every few seconds until a key set has come.
    m_auth.withKeySet([this] {
        if (!m_auth.hasKeys())
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
                      double(totalNs) / 1e9);
    m_metrics.observe(QLatin1StringView("stint_http_request_own_duration_seconds"),
                      {{QLatin1StringView("route"), route}},
                      double(std::max<qint64>(0, totalNs - exchange->googleNs)) / 1e9);
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
            m_lists.setTaskStatus(exchange, id, exchange->route == completeRoute);
        });
    }

    authenticate(exchange, request, [this, body = request.body, isTasks](const ExchangePtr &exchange) {
        if (!isTasks)
            m_lists.listEvents(exchange);
        else if (exchange->method == "POST")
            m_lists.createTask(exchange, body);
        else
            m_lists.listTasks(exchange);
    });
}

// ---- Who is asking ------------------------------------------------------------

void Backend::authenticate(const ExchangePtr &exchange, const HttpRequest &request, Continue next)
{
    m_auth.checkIdToken(exchange, request.header("Authorization"),
                        [this, accessToken = request.header("AccessToken"), next](const ExchangePtr &exchange) {
                            admit(exchange, accessToken, next);
                        });
}

void Backend::admit(const ExchangePtr &exchange, const QByteArray &accessToken, Continue next)
{
    if (!m_limiter.allow(exchange->subject)) {
        m_metrics.add(QLatin1StringView("stint_rate_limited_total"));
        HttpAnswer answer =
                HttpAnswer::error(429, QLatin1StringView("rate_limited"), QStringLiteral("Too many requests"));
        answer.headers.append({QByteArrayLiteral("Retry-After"), QByteArrayLiteral("10")});
        return finish(exchange, std::move(answer));
    }
    if (accessToken.isEmpty())
        return finish(exchange, unauthorized(QStringLiteral("The AccessToken header is missing")));
    exchange->accessToken = accessToken;
    m_auth.checkAccessToken(exchange, std::move(next));
}
