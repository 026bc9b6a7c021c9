#include "devserver/devserver.h"

#include "server/backend.h"
#include "server/httpfront.h"

#include "common/apipaths.h"
#include "common/outputline.h"

#include <QJsonDocument>
#include <QMetaEnum>
#include <QSaveFile>
#include <QTimer>

namespace {

const QString controlPath = QStringLiteral("/dev/misbehave");
const QString eventsControlPath = QStringLiteral("/dev/events");
constexpr int requestLogLimit = 1000;

void logLine(const QString &line)
{
    printErrorLine(QStringLiteral("stint-devserver: ") + line);
}

} // namespace

DevServer::DevServer(QObject *parent)
    : QObject(parent)
    , m_front(new HttpFront(
              [this](const HttpRequest &request, HttpReply reply) { dispatch(request, std::move(reply)); }, this))
{
    m_front->setAccessLog(false);
    m_front->setLog(logLine);
}

DevServer::~DevServer() = default;

bool DevServer::listen(quint16 port)
{
    if (!m_front->listen(QHostAddress::LocalHost, port))
        return false;
    m_port = m_front->port();
    BackendSettings settings;
    settings.clientIds = {m_provider.clientId()};
    settings.requestsPerMinute = 0;
    GoogleApis::pointAt(settings, baseUrl());
    m_backend = new Backend(settings, this);
    m_backend->setLog(logLine);
    m_backend->start();
    return true;
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
            {QStringLiteral("GOOGLE_CLIENT_ID"), m_provider.clientId()},
            {QStringLiteral("GOOGLE_CLIENT_SECRET"), m_provider.clientSecret()},
            {QStringLiteral("GOOGLE_AUTH_URL"), base + OAuthProvider::authorizationPath},
            {QStringLiteral("GOOGLE_TOKEN_URL"), base + OAuthProvider::tokenPath},
            {QStringLiteral("GOOGLE_REVOKE_URL"), base + OAuthProvider::revocationPath},
    };
}

QJsonObject DevServer::googleSettings() const
{
    const QString base = baseUrl().toString();
    BackendSettings google;
    GoogleApis::pointAt(google, baseUrl());
    return {
            {QStringLiteral("GOOGLE_AUTH_URL"), base + OAuthProvider::authorizationPath},
            {QStringLiteral("GOOGLE_TOKEN_URL"), base + OAuthProvider::tokenPath},
            {QStringLiteral("GOOGLE_REVOKE_URL"), base + OAuthProvider::revocationPath},
            {QStringLiteral("GOOGLE_KEYS_URL"), google.keySetUrl.toString()},
            {QStringLiteral("GOOGLE_TOKENINFO_URL"), google.tokenInfoUrl.toString()},
            {QStringLiteral("GOOGLE_TASKS_URL"), google.tasksUrl.toString()},
            {QStringLiteral("GOOGLE_EVENTS_URL"), google.eventsUrl.toString()},
    };
}

bool DevServer::writeInfoFile(const QString &path, const QJsonObject &extra) const
{
    return writeSettingsFile(path, infoDictionary(), extra);
}

bool DevServer::writeSettingsFile(const QString &path, QJsonObject info, const QJsonObject &extra)
{
    for (auto it = extra.begin(); it != extra.end(); ++it)
        info.insert(it.key(), it.value());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(info).toJson(QJsonDocument::Indented));
    return file.commit();
}

void DevServer::dispatch(const HttpRequest &request, HttpReply reply)
{
    // Every answer is announced for the request log.
    reply = [this, reply = std::move(reply), method = request.method, path = request.path](HttpAnswer answer) {
        const int status = answer.status;
        reply(std::move(answer));
        Q_EMIT requestHandled(method, path, status);
    };
    if (request.path == ApiPath::tasks || request.path.startsWith(ApiPath::tasks + u'/')
        || request.path == ApiPath::events)
        serveBackend(request, std::move(reply));
    else if (request.path == controlPath)
        reply(controlMisbehaviour(request));
    else if (request.path == eventsControlPath)
        reply(controlEvents(request));
    else if (std::optional<HttpAnswer> answer = m_provider.serve(request))
        reply(std::move(*answer));
    else if (std::optional<HttpAnswer> answer = m_google.serve(request)) {
        if (m_googleDelayMs == 0)
            reply(std::move(*answer));
        else
            QTimer::singleShot(m_googleDelayMs, this, [reply, answer = std::move(*answer)] { reply(answer); });
    } else if (m_backend)
        m_backend->handle(request, std::move(reply)); // /healthz, and the backend's own 404
}

void DevServer::serveBackend(HttpRequest request, HttpReply reply)
{
    m_requests.append(request);
    while (m_requests.size() > requestLogLimit)
        m_requests.removeFirst();
    // Trying the API by hand with just an ID token: the dev user's access
    // token of the same grant goes with it, so a revoked grant still fails.
    if (request.header("AccessToken").isNull()) {
        const QByteArray authorization = request.header("Authorization");
        const QString accessToken = authorization.startsWith("Bearer ")
                ? m_provider.accessTokenOf(QString::fromLatin1(authorization.mid(7)))
                : QString();
        if (!accessToken.isEmpty())
            request.headers.append({QByteArrayLiteral("AccessToken"), accessToken.toLatin1()});
    }

    switch (m_misbehaviour) {
    case Misbehaviour::none:
        m_backend->handle(request, std::move(reply));
        return;
    case Misbehaviour::slow:
        // A client that gives up first leaves a reply that goes nowhere.
        QTimer::singleShot(m_delayMs, this, [this, request, reply] { m_backend->handle(request, reply); });
        return;
    case Misbehaviour::dropConnection:
        reply(HttpAnswer{0, {}, {}, {}, {}});
        return;
    case Misbehaviour::unauthorized:
    case Misbehaviour::serverError:
    case Misbehaviour::badRequest:
        reply(misbehave({}));
        return;
    default:
        // Mangles the right answer, so a created task is still created.
        m_backend->handle(request, [this, reply](HttpAnswer answer) { reply(misbehave(std::move(answer))); });
        return;
    }
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

// The answer the current mode makes of the backend's own; the access log
// keeps the user it was for.
HttpAnswer DevServer::misbehave(HttpAnswer answer) const
{
    const auto replaced = [&answer](HttpAnswer bad) {
        bad.user = answer.user;
        return bad;
    };
    switch (m_misbehaviour) {
    case Misbehaviour::emptyBody:
        return replaced({200, "application/json", {}, {}, {}});
    case Misbehaviour::noContent:
        return replaced({204, {}, {}, {}, {}});
    case Misbehaviour::unauthorized:
        return replaced(HttpAnswer::error(401, QLatin1StringView("unauthorized"), QStringLiteral("Misbehaving")));
    case Misbehaviour::serverError:
        return replaced(HttpAnswer::error(500, QLatin1StringView("internal_error"), QStringLiteral("Misbehaving")));
    case Misbehaviour::badRequest:
        return replaced(HttpAnswer::error(400, QLatin1StringView("bad_request"), QStringLiteral("Misbehaving")));
    case Misbehaviour::notJson:
        return replaced({200,
                         "text/html",
                         QByteArrayLiteral("<!DOCTYPE html><html><head><title>502 Bad Gateway</title></head>"
                                           "<body><h1>Bad Gateway</h1></body></html>"),
                         {},
                         {}});
    case Misbehaviour::truncatedJson:
        answer.body.truncate(answer.body.size() / 2);
        return answer;
    default:
        return answer;
    }
}

HttpAnswer DevServer::controlMisbehaviour(const HttpRequest &request)
{
    if (!request.peer.isLoopback())
        return HttpAnswer::error(403, QLatin1StringView("forbidden"), QStringLiteral("Only from this machine"));
    if (request.method != "GET" && request.method != "POST")
        return HttpAnswer::error(405, QLatin1StringView("method_not_allowed"), QStringLiteral("Use GET or POST"));
    if (request.method == "POST") {
        const QJsonObject settings = QJsonDocument::fromJson(request.body).object();
        const std::optional<Misbehaviour> mode = settings.contains(QLatin1StringView("mode"))
                ? misbehaviourFromName(settings.value(QLatin1StringView("mode")).toString())
                : m_misbehaviour;
        if (!mode)
            return HttpAnswer::error(400, QLatin1StringView("unknown_mode"),
                                     QStringLiteral("The modes are: ")
                                             + misbehaviourNames().join(QStringLiteral(", ")));
        setMisbehaviour(*mode, settings.value(QLatin1StringView("delayMs")).toInt(m_delayMs));
        setGoogleDelay(settings.value(QLatin1StringView("googleDelayMs")).toInt(m_googleDelayMs));
    }
    return HttpAnswer::json(200,
                            QJsonObject{{QStringLiteral("mode"), nameOf(m_misbehaviour)},
                                        {QStringLiteral("delayMs"), m_delayMs},
                                        {QStringLiteral("googleDelayMs"), m_googleDelayMs}});
}

// ---- Changing the calendar --------------------------------------------------

HttpAnswer DevServer::controlEvents(const HttpRequest &request)
{
    if (!request.peer.isLoopback())
        return HttpAnswer::error(403, QLatin1StringView("forbidden"), QStringLiteral("Only from this machine"));
    if (request.method == "GET")
        return HttpAnswer::json(200, m_google.data().events());
    if (request.method != "POST")
        return HttpAnswer::error(405, QLatin1StringView("method_not_allowed"), QStringLiteral("Use GET or POST"));
    const std::optional<QJsonObject> event = putEvent(QJsonDocument::fromJson(request.body).object());
    if (!event)
        return HttpAnswer::error(400, QLatin1StringView("no_id"),
                                 QStringLiteral("An event is a JSON object with an \"id\""));
    return HttpAnswer::json(200, *event);
}
