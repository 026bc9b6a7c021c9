#include "devserver/googleapis.h"

#include "devserver/devaccount.h"
#include "devserver/oauthprovider.h"

#include "server/backend.h"

#include <QJsonDocument>
#include <QTimeZone>
#include <QUrlQuery>

namespace {

const QString keysPath = QStringLiteral("/google/oauth2/v3/certs");
const QString tokenInfoPath = QStringLiteral("/google/tokeninfo");
const QString tasksPath = QStringLiteral("/google/tasks/v1/lists/@default/tasks");
const QString eventsPath = QStringLiteral("/google/calendar/v3/calendars/primary/events");

// Google APIs' own error shape: {"error": {"code": ..., "message": ..., "status": ...}}.
HttpAnswer googleError(int status, const QString &message, const QString &statusWord)
{
    return HttpAnswer::json(status,
                            QJsonObject{{QStringLiteral("error"),
                                         QJsonObject{{QStringLiteral("code"), status},
                                                     {QStringLiteral("message"), message},
                                                     {QStringLiteral("status"), statusWord}}}});
}

} // namespace

GoogleApis::GoogleApis(const OAuthProvider &provider) : m_provider(provider) { }

void GoogleApis::pointAt(BackendSettings &settings, const QUrl &base)
{
    settings.keySetUrl = base.resolved(QUrl(keysPath));
    settings.tokenInfoUrl = base.resolved(QUrl(tokenInfoPath));
    settings.tasksUrl = base.resolved(QUrl(tasksPath));
    settings.eventsUrl = base.resolved(QUrl(eventsPath));
}

std::optional<HttpAnswer> GoogleApis::serve(const HttpRequest &request)
{
    const QString &path = request.path;
    if (!path.startsWith(QLatin1StringView("/google/")))
        return std::nullopt;
    if (path == keysPath) {
        HttpAnswer keys =
                HttpAnswer::json(200, QJsonObject{{QStringLiteral("keys"), QJsonArray{m_provider.publicKey()}}});
        keys.headers.append({QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("public, max-age=3600")});
        return keys;
    }
    if (path == tokenInfoPath)
        return tokenInfo(request);

    // Tasks and Calendar want a live access token, as Google's do.
    const QByteArray authorization = request.header("Authorization");
    if (!authorization.startsWith("Bearer ") || !m_provider.accessGrant(QString::fromLatin1(authorization.mid(7))))
        return googleError(401, QStringLiteral("Request had invalid authentication credentials."),
                           QStringLiteral("UNAUTHENTICATED"));
    if (path == tasksPath && request.method == "GET")
        return HttpAnswer::json(200,
                                QJsonObject{{QStringLiteral("kind"), QStringLiteral("tasks#tasks")},
                                            {QStringLiteral("items"), m_data.tasks()}});
    if (path == tasksPath && request.method == "POST") {
        if (const std::optional<QJsonObject> task = m_data.addTask(request.body))
            return HttpAnswer::json(200, *task);
        return googleError(400, QStringLiteral("Invalid task."), QStringLiteral("INVALID_ARGUMENT"));
    }
    if (path.startsWith(tasksPath + u'/') && request.method == "PATCH") {
        const QJsonDocument change = QJsonDocument::fromJson(request.body);
        if (!change.isObject())
            return googleError(400, QStringLiteral("Invalid task."), QStringLiteral("INVALID_ARGUMENT"));
        if (const std::optional<QJsonObject> task =
                    m_data.patchTask(path.sliced(tasksPath.size() + 1), change.object()))
            return HttpAnswer::json(200, *task);
        return googleError(404, QStringLiteral("Not Found"), QStringLiteral("NOT_FOUND"));
    }
    if (path == eventsPath && request.method == "GET")
        return HttpAnswer::json(
                200,
                QJsonObject{{QStringLiteral("kind"), QStringLiteral("calendar#events")},
                            {QStringLiteral("summary"), DevAccount::email},
                            {QStringLiteral("timeZone"), QString::fromUtf8(QTimeZone::systemTimeZoneId())},
                            {QStringLiteral("items"), m_data.events()}});
    return googleError(404, QStringLiteral("Not Found"), QStringLiteral("NOT_FOUND"));
}

HttpAnswer GoogleApis::tokenInfo(const HttpRequest &request) const
{
    const QString token = QUrlQuery(request.query).queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    const std::optional<OAuthProvider::AccessGrant> grant = m_provider.accessGrant(token);
    if (!grant)
        return HttpAnswer::json(400,
                                QJsonObject{{QStringLiteral("error"), QStringLiteral("invalid_token")},
                                            {QStringLiteral("error_description"), QStringLiteral("Invalid Value")}});
    // Google writes the numbers of a tokeninfo answer as text.
    const qint64 expiry = grant->expiry.toSecsSinceEpoch();
    return HttpAnswer::json(
            200,
            QJsonObject{{QStringLiteral("azp"), m_provider.clientId()},
                        {QStringLiteral("aud"), m_provider.clientId()},
                        {QStringLiteral("sub"), grant->grant.subject},
                        {QStringLiteral("scope"), grant->grant.scope},
                        {QStringLiteral("exp"), QString::number(expiry)},
                        {QStringLiteral("expires_in"), QString::number(expiry - QDateTime::currentSecsSinceEpoch())},
                        {QStringLiteral("email"), grant->grant.email},
                        {QStringLiteral("email_verified"), QStringLiteral("true")},
                        {QStringLiteral("access_type"), QStringLiteral("offline")}});
}
