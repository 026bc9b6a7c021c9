#include "devserver/devserver.h"

#include "server/backend.h"
#include "server/httpfront.h"
#include "server/idtoken.h"

#include "common/apipaths.h"
#include "common/base64url.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimeZone>
#include <QTimer>
#include <QUrlQuery>

#include <cstdio>

#include <memory>

const QString DevServer::clientId = QStringLiteral("stint-dev");
const QString DevServer::clientSecret = QStringLiteral("stint-dev-secret");

namespace {

const QString authorizationPath = QStringLiteral("/o/oauth2/v2/auth");
const QString tokenPath = QStringLiteral("/token");
const QString revocationPath = QStringLiteral("/revoke");
const QString tasksPath = ApiPath::tasks;
const QString eventsPath = ApiPath::events;
const QString controlPath = QStringLiteral("/dev/misbehave");
// The stand-ins for Google's APIs, where the backend is pointed.
const QString googleKeysPath = QStringLiteral("/google/oauth2/v3/certs");
const QString googleTokenInfoPath = QStringLiteral("/google/tokeninfo");
const QString googleTasksPath = QStringLiteral("/google/tasks/v1/lists/@default/tasks");
const QString googleCalendarPath = QStringLiteral("/google/calendar/v3/calendars/primary");
const QString googleEventsPath = googleCalendarPath + QStringLiteral("/events");

// The one user this provider knows.
const QString devUserSubject = QStringLiteral("104857392016475820391");
const QString devUserEmail = QStringLiteral("dev.user@example.com");
const QString devUserName = QStringLiteral("Dev User");

constexpr int codeLifetimeSeconds = 300;

QByteArray compactJson(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// An HTML form body: '+' stands for a space, everything else is percent-encoded.
QHash<QString, QString> parseForm(const QByteArray &body)
{
    QHash<QString, QString> fields;
    for (const QByteArray &pair : body.split('&')) {
        if (pair.isEmpty())
            continue;
        const qsizetype equals = pair.indexOf('=');
        QByteArray key = equals < 0 ? pair : pair.left(equals);
        QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
        key.replace('+', ' ');
        value.replace('+', ' ');
        fields.insert(QUrl::fromPercentEncoding(key), QUrl::fromPercentEncoding(value));
    }
    return fields;
}

QString formatDayOffset(int days)
{
    return QDate::currentDate().addDays(days).toString(QStringLiteral("yyyy-MM-dd"));
}

QString formatLocalDateTime(int days, const QString &time)
{
    const QDateTime local(QDate::currentDate().addDays(days), QTime::fromString(time, QStringLiteral("HH:mm")));
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

// Resolves the day-offset tokens described in demo-data.json's "_comment".
QJsonValue resolveDates(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray resolved;
        for (const QJsonValue &item : value.toArray())
            resolved.append(resolveDates(item));
        return resolved;
    }
    if (value.isObject()) {
        QJsonObject resolved;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            resolved.insert(it.key(), resolveDates(it.value()));
        return resolved;
    }
    if (!value.isString())
        return value;

    static const QRegularExpression token(
            QStringLiteral(R"(\{(?:date:([+-]?\d+)|datetime:([+-]?\d+) (\d\d:\d\d)|(timezone))\})"));
    const QString text = value.toString();
    QString result;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &match : token.globalMatch(text)) {
        result += QStringView(text).mid(last, match.capturedStart() - last);
        if (match.hasCaptured(1))
            result += formatDayOffset(match.captured(1).toInt());
        else if (match.hasCaptured(2))
            result += formatLocalDateTime(match.captured(2).toInt(), match.captured(3));
        else
            result += QString::fromUtf8(QTimeZone::systemTimeZoneId());
        last = match.capturedEnd();
    }
    result += QStringView(text).mid(last);
    return result;
}

bool isLoopbackRedirect(const QUrl &url)
{
    if (!url.isValid() || url.scheme() != QLatin1String("http"))
        return false;
    const QString host = url.host();
    return host == QLatin1String("127.0.0.1") || host == QLatin1String("localhost") || host == QLatin1String("::1");
}

bool isValidVerifier(const QString &verifier)
{
    static const QRegularExpression allowed(QStringLiteral(R"(^[A-Za-z0-9\-._~]{43,128}$)"));
    return allowed.match(verifier).hasMatch();
}

} // namespace

DevServer::DevServer(QObject *parent)
    : QObject(parent)
    , m_signingKey(std::make_unique<SigningKey>(QString::fromLatin1(randomToken(9))))
    , m_front(new HttpFront(
              [this](const HttpRequest &request, HttpReply reply) { dispatch(request, std::move(reply)); }, this))
{
    m_front->setAccessLog(false);
    m_front->setLog([](const QString &line) { std::fprintf(stderr, "stint-devserver: %s\n", qPrintable(line)); });
    resetToDemoData();
}

DevServer::~DevServer() = default;

bool DevServer::listen(quint16 port)
{
    if (!m_front->listen(QHostAddress::LocalHost, port))
        return false;
    m_port = m_front->port();
    const QUrl base = baseUrl();
    BackendSettings settings;
    settings.clientIds = {clientId};
    settings.keySetUrl = base.resolved(QUrl(googleKeysPath));
    settings.tokenInfoUrl = base.resolved(QUrl(googleTokenInfoPath));
    settings.tasksUrl = base.resolved(QUrl(googleTasksPath));
    settings.eventsUrl = base.resolved(QUrl(googleEventsPath));
    settings.requestsPerMinute = 0;
    m_backend = new Backend(settings, this);
    m_backend->setLog([](const QString &line) { std::fprintf(stderr, "stint-devserver: %s\n", qPrintable(line)); });
    return true;
}

quint16 DevServer::port() const
{
    return m_port;
}

QUrl DevServer::baseUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(m_port);
    return url;
}

QJsonObject DevServer::infoDictionary() const
{
    const QString base = baseUrl().toString();
    return {
            {QStringLiteral("BACKEND_URL"), base},
            {QStringLiteral("GOOGLE_CLIENT_ID"), clientId},
            {QStringLiteral("GOOGLE_CLIENT_SECRET"), clientSecret},
            {QStringLiteral("GOOGLE_AUTH_URL"), base + authorizationPath},
            {QStringLiteral("GOOGLE_TOKEN_URL"), base + tokenPath},
            {QStringLiteral("GOOGLE_REVOKE_URL"), base + revocationPath},
    };
}

bool DevServer::writeInfoFile(const QString &path, const QJsonObject &extra) const
{
    QJsonObject info = infoDictionary();
    for (auto it = extra.begin(); it != extra.end(); ++it)
        info.insert(it.key(), it.value());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(info).toJson(QJsonDocument::Indented));
    return file.commit();
}

// ---- Data -----------------------------------------------------------------

void DevServer::resetToDemoData()
{
    QFile demo(QStringLiteral(":/devserver/demo-data.json"));
    if (!demo.open(QIODevice::ReadOnly))
        qFatal("stint-devserver: the built-in demo data is missing");
    m_storedData = QJsonDocument::fromJson(demo.readAll()).object();
    m_tasks = resolveDates(m_storedData.value(QStringLiteral("tasks"))).toArray();
    m_events = resolveDates(m_storedData.value(QStringLiteral("events"))).toArray();
}

bool DevServer::loadDataFile(const QString &path, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    QFile file(path);
    if (!file.exists()) {
        resetToDemoData();
        m_dataFile = path;
        saveData();
        return QFile::exists(path) || fail(QStringLiteral("cannot create %1").arg(path));
    }
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject())
        return fail(QStringLiteral("%1 is not a JSON object: %2").arg(path, parseError.errorString()));
    const QJsonObject data = document.object();
    if (!data.value(QStringLiteral("tasks")).isArray() || !data.value(QStringLiteral("events")).isArray())
        return fail(QStringLiteral("%1 needs the arrays \"tasks\" and \"events\"").arg(path));
    m_storedData = data;
    m_tasks = resolveDates(data.value(QStringLiteral("tasks"))).toArray();
    m_events = resolveDates(data.value(QStringLiteral("events"))).toArray();
    m_dataFile = path;
    return true;
}

void DevServer::setData(const QJsonArray &tasks, const QJsonArray &events)
{
    m_dataFile.clear();
    m_storedData = {{QStringLiteral("tasks"), tasks}, {QStringLiteral("events"), events}};
    m_tasks = tasks;
    m_events = events;
}

void DevServer::saveData()
{
    if (m_dataFile.isEmpty())
        return;
    QSaveFile file(m_dataFile);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QJsonDocument(m_storedData).toJson(QJsonDocument::Indented));
    file.commit();
}

DevServer::Answer DevServer::createTask(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const QJsonValue title = document.object().value(QStringLiteral("title"));
    if (!document.isObject() || !title.isString())
        return {400,
                "application/json",
                compactJson(QJsonObject{{QStringLiteral("error"), QStringLiteral("invalid_task")}}),
                {}};

    qlonglong lastPosition = -1;
    for (const QJsonValue &task : std::as_const(m_tasks))
        lastPosition =
                std::max(lastPosition, task.toObject().value(QStringLiteral("position")).toString().toLongLong());
    const QString id = QString::fromLatin1(randomToken(24));
    const QJsonObject task{
            {QStringLiteral("kind"), QStringLiteral("tasks#task")},
            {QStringLiteral("id"), id},
            {QStringLiteral("title"), title.toString()},
            {QStringLiteral("status"), QStringLiteral("needsAction")},
            {QStringLiteral("updated"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
            {QStringLiteral("position"), QStringLiteral("%1").arg(lastPosition + 1, 20, 10, QLatin1Char('0'))},
            {QStringLiteral("webViewLink"), QStringLiteral("https://tasks.google.com/task/%1?sa=6").arg(id)},
    };
    m_tasks.append(task);
    QJsonArray stored = m_storedData.value(QStringLiteral("tasks")).toArray();
    stored.append(task);
    m_storedData.insert(QStringLiteral("tasks"), stored);
    saveData();
    return {200, "application/json", compactJson(task), {}};
}

// ---- Misbehaviour -----------------------------------------------------------

void DevServer::setMisbehaviour(Misbehaviour mode, int delayMs)
{
    m_misbehaviour = mode;
    m_delayMs = std::max(0, delayMs);
}

std::optional<DevServer::Misbehaviour> DevServer::misbehaviourFromName(const QString &name)
{
    const QMetaEnum meta = QMetaEnum::fromType<Misbehaviour>();
    bool ok = false;
    const int value = meta.keyToValue(name.toLatin1().constData(), &ok);
    if (!ok)
        return std::nullopt;
    return static_cast<Misbehaviour>(value);
}

QString DevServer::nameOf(Misbehaviour mode)
{
    return QString::fromLatin1(QMetaEnum::fromType<Misbehaviour>().valueToKey(static_cast<int>(mode)));
}

QStringList DevServer::misbehaviourNames()
{
    const QMetaEnum meta = QMetaEnum::fromType<Misbehaviour>();
    QStringList names;
    for (int i = 0; i < meta.keyCount(); ++i)
        names.append(QString::fromLatin1(meta.key(i)));
    return names;
}

DevServer::Answer DevServer::misbehave(Answer answer) const
{
    switch (m_misbehaviour) {
    case Misbehaviour::emptyBody:
        return {200, "application/json", {}, {}};
    case Misbehaviour::noContent:
        return {204, {}, {}, {}};
    case Misbehaviour::unauthorized:
        return {401,
                "application/json",
                compactJson(QJsonObject{{QStringLiteral("error"), QStringLiteral("unauthorized")}}),
                {}};
    case Misbehaviour::serverError:
        return {500,
                "application/json",
                compactJson(QJsonObject{{QStringLiteral("error"), QStringLiteral("internal_error")}}),
                {}};
    case Misbehaviour::badRequest:
        return {400,
                "application/json",
                compactJson(QJsonObject{{QStringLiteral("error"), QStringLiteral("bad_request")}}),
                {}};
    case Misbehaviour::notJson:
        return {200,
                "text/html",
                QByteArrayLiteral("<!DOCTYPE html><html><head><title>502 Bad Gateway</title></head>"
                                  "<body><h1>Bad Gateway</h1></body></html>"),
                {}};
    case Misbehaviour::truncatedJson:
        answer.body.truncate(answer.body.size() / 2);
        return answer;
    default:
        return answer;
    }
}

DevServer::Answer DevServer::controlMisbehaviour(const HttpRequest &request)
{
    if (!request.peer.isLoopback())
        return {403,
                "application/json",
                compactJson(QJsonObject{{QStringLiteral("error"), QStringLiteral("forbidden")}}),
                {}};
    if (request.method == "POST") {
        const QJsonObject settings = QJsonDocument::fromJson(request.body).object();
        const std::optional<Misbehaviour> mode =
                misbehaviourFromName(settings.value(QStringLiteral("mode")).toString());
        if (!mode) {
            const QJsonObject error{
                    {QStringLiteral("error"), QStringLiteral("unknown mode")},
                    {QStringLiteral("modes"), QJsonArray::fromStringList(misbehaviourNames())},
            };
            return {400, "application/json", compactJson(error), {}};
        }
        setMisbehaviour(*mode, settings.value(QStringLiteral("delayMs")).toInt(m_delayMs));
    }
    const QJsonObject state{{QStringLiteral("mode"), nameOf(m_misbehaviour)}, {QStringLiteral("delayMs"), m_delayMs}};
    return {200, "application/json", compactJson(state), {}};
}

// ---- Requests -----------------------------------------------------------------

void DevServer::record(const RecordedRequest &request)
{
    m_requests.append(request);
    while (m_requests.size() > m_requestLogLimit)
        m_requests.removeFirst();
}

void DevServer::setRequestLogLimit(int limit)
{
    m_requestLogLimit = std::max(0, limit);
    while (m_requests.size() > m_requestLogLimit)
        m_requests.removeFirst();
}

void DevServer::dispatch(const HttpRequest &request, HttpReply reply)
{
    // Every answer is announced for the request log.
    reply = [this, reply = std::move(reply), method = request.method, path = request.path](HttpAnswer answer) {
        reply(answer);
        Q_EMIT requestHandled(method, path, answer.status);
    };
    const auto send = [&reply](const Answer &answer) {
        HttpAnswer sent{answer.status, answer.contentType, answer.body, answer.headers, {}};
        reply(sent);
    };
    const auto methodNotAllowed = [] {
        return Answer{405,
                      "application/json",
                      compactJson(QJsonObject{{QStringLiteral("error"), QStringLiteral("method_not_allowed")}}),
                      {}};
    };
    const QString &path = request.path;
    const bool isGet = request.method == "GET";
    const bool isPost = request.method == "POST";

    if (path == tasksPath || path == eventsPath) {
        serveBackend(request, std::move(reply));
    } else if (path == authorizationPath) {
        send(isGet ? authorize(request) : methodNotAllowed());
    } else if (path == tokenPath) {
        send(isPost ? token(request.body) : methodNotAllowed());
    } else if (path == revocationPath) {
        send(isPost ? revoke(request) : methodNotAllowed());
    } else if (path == controlPath) {
        send(isGet || isPost ? controlMisbehaviour(request) : methodNotAllowed());
    } else if (const std::optional<Answer> google = serveGoogle(request)) {
        send(*google);
    } else if (m_backend) {
        m_backend->handle(request, std::move(reply)); // /healthz, and the backend's own 404
    }
}

// The access token of the grant an ID token came from, while both live.
QString DevServer::accessTokenOf(const QString &idToken) const
{
    const auto issued = m_idTokens.constFind(idToken);
    if (issued == m_idTokens.constEnd())
        return {};
    QString latest;
    QDateTime latestExpiry;
    for (auto it = m_accessTokens.constBegin(); it != m_accessTokens.constEnd(); ++it) {
        if (it->refreshToken == issued->refreshToken && it->expiry > QDateTime::currentDateTimeUtc()
            && (latest.isEmpty() || it->expiry > latestExpiry)) {
            latest = it.key();
            latestExpiry = it->expiry;
        }
    }
    return latest;
}

void DevServer::serveBackend(HttpRequest request, HttpReply reply)
{
    record(request);
    // Trying the API by hand with just an ID token: the dev user's access
    // token of the same grant goes with it, so a revoked grant still fails.
    if (request.header("AccessToken").isNull()) {
        const QByteArray authorization = request.header("Authorization");
        const QString accessToken = authorization.startsWith("Bearer ")
                ? accessTokenOf(QString::fromLatin1(authorization.mid(7)))
                : QString();
        if (!accessToken.isEmpty())
            request.headers.append({QByteArrayLiteral("AccessToken"), accessToken.toLatin1()});
    }
    const auto mangled = [this, reply](HttpAnswer answer) {
        const Answer changed = misbehave({answer.status, answer.contentType, answer.body, {}});
        reply({changed.status, changed.contentType, changed.body, changed.headers, answer.user});
    };

    switch (m_misbehaviour) {
    case Misbehaviour::none:
        m_backend->handle(request, std::move(reply));
        return;
    case Misbehaviour::slow:
        // A client that gives up first leaves a reply that goes nowhere.
        QTimer::singleShot(m_delayMs, this, [this, request, reply] { m_backend->handle(request, reply); });
        return;
    case Misbehaviour::dropConnection:
        reply({0, {}, {}, {}, {}});
        return;
    case Misbehaviour::unauthorized:
    case Misbehaviour::serverError:
    case Misbehaviour::badRequest:
        mangled({});
        return;
    default:
        // Mangles the right answer, so a created task is still created.
        m_backend->handle(request, mangled);
        return;
    }
}

// ---- The stand-in Google APIs -------------------------------------------------

std::optional<DevServer::Answer> DevServer::serveGoogle(const HttpRequest &request)
{
    const QString &path = request.path;
    if (!path.startsWith(QLatin1StringView("/google/")))
        return std::nullopt;
    const auto json = [](int status, const QJsonObject &object) {
        return Answer{status, "application/json", compactJson(object), {}};
    };
    forgetExpired();
    if (path == googleKeysPath) {
        Answer keys = json(200, {{QStringLiteral("keys"), QJsonArray{m_signingKey->jwk()}}});
        keys.headers.append({QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("public, max-age=3600")});
        return keys;
    }
    if (path == googleTokenInfoPath) {
        const QString token =
                QUrlQuery(request.query).queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
        const auto issued = m_accessTokens.constFind(token);
        if (issued == m_accessTokens.constEnd())
            return json(400,
                        {{QStringLiteral("error"), QStringLiteral("invalid_token")},
                         {QStringLiteral("error_description"), QStringLiteral("Invalid Value")}});
        const qint64 expiry = issued->expiry.toSecsSinceEpoch();
        return json(200,
                    {{QStringLiteral("azp"), clientId},
                     {QStringLiteral("aud"), clientId},
                     {QStringLiteral("sub"), devUserSubject},
                     {QStringLiteral("scope"), m_grants.value(issued->refreshToken).scope},
                     {QStringLiteral("exp"), QString::number(expiry)},
                     {QStringLiteral("expires_in"), QString::number(expiry - QDateTime::currentSecsSinceEpoch())},
                     {QStringLiteral("email"), devUserEmail},
                     {QStringLiteral("email_verified"), QStringLiteral("true")},
                     {QStringLiteral("access_type"), QStringLiteral("offline")}});
    }

    // Tasks and Calendar want a live access token, as Google's do.
    const QByteArray authorization = request.header("Authorization");
    if (!authorization.startsWith("Bearer ") || !m_accessTokens.contains(QString::fromLatin1(authorization.mid(7)))) {
        const QJsonObject error{
                {QStringLiteral("code"), 401},
                {QStringLiteral("message"), QStringLiteral("Request had invalid authentication credentials.")},
                {QStringLiteral("status"), QStringLiteral("UNAUTHENTICATED")}};
        return json(401, {{QStringLiteral("error"), error}});
    }
    const QString zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    if (path == googleTasksPath && request.method == "GET")
        return json(200, {{QStringLiteral("kind"), QStringLiteral("tasks#tasks")}, {QStringLiteral("items"), m_tasks}});
    if (path == googleTasksPath && request.method == "POST")
        return createTask(request.body);
    if (path == googleEventsPath && request.method == "GET")
        return json(200,
                    {{QStringLiteral("kind"), QStringLiteral("calendar#events")},
                     {QStringLiteral("summary"), devUserEmail},
                     {QStringLiteral("timeZone"), zone},
                     {QStringLiteral("items"), m_events}});
    return json(
            404,
            {{QStringLiteral("error"),
              QJsonObject{{QStringLiteral("code"), 404}, {QStringLiteral("message"), QStringLiteral("Not Found")}}}});
}

// ---- The stand-in provider ----------------------------------------------------

DevServer::Answer DevServer::authorize(const HttpRequest &request)
{
    const QUrlQuery query(request.query);
    const auto parameter = [&query](const char *name) {
        return query.queryItemValue(QString::fromLatin1(name), QUrl::FullyDecoded);
    };
    const auto refuse = [](const QString &reason) {
        return Answer{400, "text/plain; charset=utf-8", reason.toUtf8(), {}};
    };

    const QString redirectText = parameter("redirect_uri");
    const QUrl redirect(redirectText, QUrl::StrictMode);
    if (!isLoopbackRedirect(redirect))
        return refuse(QStringLiteral("redirect_uri must be http://127.0.0.1:PORT/... or http://localhost:PORT/..."));
    if (parameter("client_id") != clientId)
        return refuse(QStringLiteral("invalid_client: unknown client_id"));

    const QString state = parameter("state");
    const auto redirectWith = [&](const QList<QPair<QString, QString>> &items) {
        QUrl target = redirect;
        QUrlQuery targetQuery(target);
        for (const auto &[key, value] : items)
            targetQuery.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
        if (query.hasQueryItem(QStringLiteral("state")))
            targetQuery.addQueryItem(QStringLiteral("state"), QString::fromLatin1(QUrl::toPercentEncoding(state)));
        target.setQuery(targetQuery);
        return Answer{
                302, "text/plain; charset=utf-8", QByteArrayLiteral("Redirecting"), {{"Location", target.toEncoded()}}};
    };

    if (parameter("response_type") != QLatin1String("code"))
        return redirectWith({{QStringLiteral("error"), QStringLiteral("unsupported_response_type")}});
    const QString challenge = parameter("code_challenge");
    if (parameter("code_challenge_method") != QLatin1String("S256") || challenge.size() != 43)
        return redirectWith({{QStringLiteral("error"), QStringLiteral("invalid_request")},
                             {QStringLiteral("error_description"), QStringLiteral("PKCE with S256 is required")}});
    if (m_consentDenied)
        return redirectWith({{QStringLiteral("error"), QStringLiteral("access_denied")}});

    forgetExpired();
    const QString code = QStringLiteral("4/dev-") + QString::fromLatin1(randomToken(32));
    const QString scope = parameter("scope");
    m_codes.insert(code,
                   {redirectText, challenge, scope, QDateTime::currentDateTimeUtc().addSecs(codeLifetimeSeconds)});
    return redirectWith({{QStringLiteral("code"), code}, {QStringLiteral("scope"), scope}});
}

DevServer::Answer DevServer::token(const QByteArray &body)
{
    const QHash<QString, QString> form = parseForm(body);
    const auto error = [](int status, const QString &code, const QString &description = {}) {
        QJsonObject object{{QStringLiteral("error"), code}};
        if (!description.isEmpty())
            object.insert(QStringLiteral("error_description"), description);
        return Answer{status, "application/json", compactJson(object), {{"Cache-Control", "no-store"}}};
    };
    const auto ok = [](const QJsonObject &tokens) {
        return Answer{200, "application/json", compactJson(tokens), {{"Cache-Control", "no-store"}}};
    };

    if (form.value(QStringLiteral("client_id")) != clientId
        || form.value(QStringLiteral("client_secret")) != clientSecret)
        return error(401, QStringLiteral("invalid_client"));

    forgetExpired();
    const QString grantType = form.value(QStringLiteral("grant_type"));
    if (grantType == QLatin1String("authorization_code")) {
        const auto pending = m_codes.constFind(form.value(QStringLiteral("code")));
        if (pending == m_codes.constEnd())
            return error(400, QStringLiteral("invalid_grant"), QStringLiteral("unknown or used code"));
        const PendingCode code = pending.value();
        m_codes.erase(pending); // a code is good for one try only
        if (form.value(QStringLiteral("redirect_uri")) != code.redirectUri)
            return error(400, QStringLiteral("invalid_grant"), QStringLiteral("redirect_uri mismatch"));
        const QString verifier = form.value(QStringLiteral("code_verifier"));
        if (!isValidVerifier(verifier)
            || base64UrlEncode(QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256))
                    != code.challenge.toLatin1())
            return error(400, QStringLiteral("invalid_grant"), QStringLiteral("code_verifier mismatch"));
        const QString refreshToken = QStringLiteral("1//dev-") + QString::fromLatin1(randomToken(32));
        m_grants.insert(refreshToken, {code.scope});
        return ok(issueFrom(refreshToken, true));
    }
    if (grantType == QLatin1String("refresh_token")) {
        const QString refreshToken = form.value(QStringLiteral("refresh_token"));
        if (!m_grants.contains(refreshToken))
            return error(400, QStringLiteral("invalid_grant"), QStringLiteral("Token has been expired or revoked."));
        return ok(issueFrom(refreshToken, false));
    }
    return error(400, QStringLiteral("unsupported_grant_type"));
}

DevServer::Answer DevServer::revoke(const HttpRequest &request)
{
    QString token = parseForm(request.body).value(QStringLiteral("token"));
    if (token.isEmpty())
        token = QUrlQuery(request.query).queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded);

    // Revoking any token of a grant revokes the whole grant.
    QString grant;
    if (m_grants.contains(token))
        grant = token;
    else if (m_accessTokens.contains(token))
        grant = m_accessTokens.value(token).refreshToken;
    else if (m_idTokens.contains(token))
        grant = m_idTokens.value(token).refreshToken;
    if (grant.isEmpty() || !m_grants.contains(grant))
        return {400,
                "application/json",
                compactJson(QJsonObject{{QStringLiteral("error"), QStringLiteral("invalid_token")}}),
                {}};
    revokeGrant(grant);
    ++m_revocationCount;
    return {200, "application/json", QByteArrayLiteral("{}"), {}};
}

void DevServer::revokeGrant(const QString &refreshToken)
{
    m_grants.remove(refreshToken);
    const auto fromGrant = [&refreshToken](const auto &it) { return it.value().refreshToken == refreshToken; };
    m_accessTokens.removeIf(fromGrant);
    m_idTokens.removeIf(fromGrant);
}

void DevServer::forgetExpired()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto expired = [&now](const auto &it) { return it.value().expiry <= now; };
    m_accessTokens.removeIf(expired);
    m_idTokens.removeIf(expired);
    m_codes.removeIf(expired);
}

QJsonObject DevServer::issueFrom(const QString &refreshToken, bool includeRefreshToken)
{
    forgetExpired();
    const QDateTime issued = QDateTime::currentDateTimeUtc();
    const QDateTime expiry = issued.addSecs(m_tokenLifetime);
    const QString accessToken = QStringLiteral("ya29.dev-") + QString::fromLatin1(randomToken(48));
    const QString idToken = makeIdToken(issued, expiry);
    m_accessTokens.insert(accessToken, {refreshToken, expiry});
    m_idTokens.insert(idToken, {refreshToken, expiry});

    QJsonObject tokens{
            {QStringLiteral("access_token"), accessToken},
            {QStringLiteral("expires_in"), m_tokenLifetime},
            {QStringLiteral("scope"), m_grants.value(refreshToken).scope},
            {QStringLiteral("token_type"), QStringLiteral("Bearer")},
            {QStringLiteral("id_token"), idToken},
    };
    if (includeRefreshToken)
        tokens.insert(QStringLiteral("refresh_token"), refreshToken);
    return tokens;
}

QString DevServer::makeIdToken(const QDateTime &issued, const QDateTime &expiry) const
{
    const QJsonObject claims{
            {QStringLiteral("iss"), QStringLiteral("https://accounts.google.com")},
            {QStringLiteral("azp"), clientId},
            {QStringLiteral("aud"), clientId},
            {QStringLiteral("sub"), devUserSubject},
            {QStringLiteral("email"), devUserEmail},
            {QStringLiteral("email_verified"), true},
            {QStringLiteral("name"), devUserName},
            {QStringLiteral("iat"), issued.toSecsSinceEpoch()},
            {QStringLiteral("exp"), expiry.toSecsSinceEpoch()},
            // Two tokens issued in the same second still differ.
            {QStringLiteral("jti"), QString::fromLatin1(randomToken(12))},
    };
    return QString::fromLatin1(m_signingKey->signToken(claims));
}

void DevServer::setTokenLifetime(int seconds)
{
    m_tokenLifetime = std::max(1, seconds);
}

DevServer::TokenSet DevServer::issueTokens()
{
    const QString refreshToken = QStringLiteral("1//dev-") + QString::fromLatin1(randomToken(32));
    m_grants.insert(refreshToken, {QStringLiteral("openid email profile")});
    const QJsonObject tokens = issueFrom(refreshToken, true);
    return {tokens.value(QStringLiteral("access_token")).toString(), refreshToken,
            tokens.value(QStringLiteral("id_token")).toString(), m_tokenLifetime};
}

bool DevServer::isRefreshTokenActive(const QString &refreshToken) const
{
    return m_grants.contains(refreshToken);
}

bool DevServer::isIdTokenAccepted(const QString &idToken) const
{
    const auto it = m_idTokens.constFind(idToken);
    return it != m_idTokens.constEnd() && it.value().expiry > QDateTime::currentDateTimeUtc();
}
