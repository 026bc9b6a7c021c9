#include "devserver/oauthprovider.h"

#include "devserver/devaccount.h"

#include "common/base64url.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

constexpr int codeLifetimeSeconds = 300;

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

// Token and revocation endpoints answer in OAuth's own shape (RFC 6749 5.2),
// which the app's sign-in reads, and are never cached.
HttpAnswer oauthAnswer(int status, const QJsonObject &body)
{
    HttpAnswer answer = HttpAnswer::json(status, body);
    answer.headers.append({QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store")});
    return answer;
}

HttpAnswer oauthError(int status, QLatin1StringView code, const QString &description = {})
{
    QJsonObject body{{QStringLiteral("error"), code}};
    if (!description.isEmpty())
        body.insert(QStringLiteral("error_description"), description);
    return oauthAnswer(status, body);
}

// The dev user, or another made up from a login_hint: the same hint is always
// the same user.
OAuthProvider::Grant grantFor(const QString &scope, const QString &hint)
{
    if (hint.isEmpty())
        return {scope, DevAccount::subject, DevAccount::email, DevAccount::name};
    const QByteArray digest = QCryptographicHash::hash(hint.toUtf8(), QCryptographicHash::Sha256).toHex();
    return {scope, QStringLiteral("dev-") + QString::fromLatin1(digest.left(20)),
            hint.contains(u'@') ? hint : hint + QStringLiteral("@example.com"), hint};
}

QString newRefreshToken()
{
    return QStringLiteral("1//dev-") + QString::fromLatin1(randomToken(32));
}

} // namespace

OAuthProvider::OAuthProvider()
    : m_signingKey(QString::fromLatin1(randomToken(9)))
    , m_clientId(DevAccount::clientId)
    , m_clientSecret(DevAccount::clientSecret)
{
}

void OAuthProvider::setClient(const QString &clientId, const QString &clientSecret)
{
    m_clientId = clientId;
    m_clientSecret = clientSecret;
}

std::optional<HttpAnswer> OAuthProvider::serve(const HttpRequest &request)
{
    const auto only = [&request](const char *method, auto &&answer) {
        if (request.method == method)
            return answer();
        HttpAnswer refused = HttpAnswer::error(405, QLatin1StringView("method_not_allowed"),
                                               QStringLiteral("Use %1").arg(QLatin1StringView(method)));
        refused.headers.append({QByteArrayLiteral("Allow"), QByteArray(method)});
        return refused;
    };
    if (request.path == authorizationPath)
        return only("GET", [&] { return authorize(request); });
    if (request.path == tokenPath)
        return only("POST", [&] { return token(request.body); });
    if (request.path == revocationPath)
        return only("POST", [&] { return revoke(request); });
    return std::nullopt;
}

HttpAnswer OAuthProvider::authorize(const HttpRequest &request)
{
    const QUrlQuery query(request.query);
    const auto parameter = [&query](const char *name) {
        return query.queryItemValue(QString::fromLatin1(name), QUrl::FullyDecoded);
    };

    // Without a redirect that goes back to this machine there is nowhere to
    // send an answer, so the browser is told instead.
    const QString redirectText = parameter("redirect_uri");
    const QUrl redirect(redirectText, QUrl::StrictMode);
    if (!isLoopbackRedirect(redirect))
        return HttpAnswer::error(
                400, QLatin1StringView("invalid_request"),
                QStringLiteral("redirect_uri must be http://127.0.0.1:PORT/... or http://localhost:PORT/..."));
    if (parameter("client_id") != m_clientId)
        return HttpAnswer::error(400, QLatin1StringView("invalid_client"), QStringLiteral("Unknown client_id"));

    const auto redirectWith = [&](const QList<QPair<QString, QString>> &items) {
        QUrl target = redirect;
        QUrlQuery targetQuery(target);
        for (const auto &[key, value] : items)
            targetQuery.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
        if (query.hasQueryItem(QStringLiteral("state")))
            targetQuery.addQueryItem(QStringLiteral("state"),
                                     QString::fromLatin1(QUrl::toPercentEncoding(parameter("state"))));
        target.setQuery(targetQuery);
        return HttpAnswer{302,
                          "text/plain; charset=utf-8",
                          QByteArrayLiteral("Redirecting"),
                          {{QByteArrayLiteral("Location"), target.toEncoded()}},
                          {}};
    };
    if (parameter("response_type") != QLatin1String("code"))
        return redirectWith({{QStringLiteral("error"), QStringLiteral("unsupported_response_type")}});
    const QString challenge = parameter("code_challenge");
    if (parameter("code_challenge_method") != QLatin1String("S256") || challenge.size() != 43)
        return redirectWith({{QStringLiteral("error"), QStringLiteral("invalid_request")},
                             {QStringLiteral("error_description"), QStringLiteral("PKCE with S256 is required")}});

    forgetExpired();
    const QString code = QStringLiteral("4/dev-") + QString::fromLatin1(randomToken(32));
    const QString scope = parameter("scope");
    m_codes.insert(code,
                   {redirectText, challenge, grantFor(scope, parameter("login_hint")),
                    QDateTime::currentDateTimeUtc().addSecs(codeLifetimeSeconds)});
    return redirectWith({{QStringLiteral("code"), code}, {QStringLiteral("scope"), scope}});
}

HttpAnswer OAuthProvider::token(const QByteArray &body)
{
    const QHash<QString, QString> form = parseForm(body);
    if (form.value(QStringLiteral("client_id")) != m_clientId
        || form.value(QStringLiteral("client_secret")) != m_clientSecret)
        return oauthError(401, QLatin1StringView("invalid_client"));

    forgetExpired();
    const QString grantType = form.value(QStringLiteral("grant_type"));
    if (grantType == QLatin1String("authorization_code")) {
        const auto pending = m_codes.constFind(form.value(QStringLiteral("code")));
        if (pending == m_codes.constEnd())
            return oauthError(400, QLatin1StringView("invalid_grant"), QStringLiteral("unknown or used code"));
        const PendingCode code = pending.value();
        m_codes.erase(pending); // a code is good for one try only
        if (form.value(QStringLiteral("redirect_uri")) != code.redirectUri)
            return oauthError(400, QLatin1StringView("invalid_grant"), QStringLiteral("redirect_uri mismatch"));
        const QString verifier = form.value(QStringLiteral("code_verifier"));
        if (!isValidVerifier(verifier)
            || base64UrlEncode(QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256))
                    != code.challenge.toLatin1())
            return oauthError(400, QLatin1StringView("invalid_grant"), QStringLiteral("code_verifier mismatch"));
        const QString refreshToken = newRefreshToken();
        m_grants.insert(refreshToken, code.grant);
        return oauthAnswer(200, issueFrom(refreshToken, true));
    }
    if (grantType == QLatin1String("refresh_token")) {
        const QString refreshToken = form.value(QStringLiteral("refresh_token"));
        if (!m_grants.contains(refreshToken))
            return oauthError(400, QLatin1StringView("invalid_grant"),
                              QStringLiteral("Token has been expired or revoked."));
        return oauthAnswer(200, issueFrom(refreshToken, false));
    }
    return oauthError(400, QLatin1StringView("unsupported_grant_type"));
}

HttpAnswer OAuthProvider::revoke(const HttpRequest &request)
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
        return oauthError(400, QLatin1StringView("invalid_token"));
    m_grants.remove(grant);
    const auto fromGrant = [&grant](const auto &it) { return it.value().refreshToken == grant; };
    m_accessTokens.removeIf(fromGrant);
    m_idTokens.removeIf(fromGrant);
    ++m_revocationCount;
    return oauthAnswer(200, {});
}

void OAuthProvider::forgetExpired()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto expired = [&now](const auto &it) { return it.value().expiry <= now; };
    m_accessTokens.removeIf(expired);
    m_idTokens.removeIf(expired);
    m_codes.removeIf(expired);
}

QJsonObject OAuthProvider::issueFrom(const QString &refreshToken, bool includeRefreshToken)
{
    forgetExpired();
    const QDateTime issued = QDateTime::currentDateTimeUtc();
    const QDateTime expiry = issued.addSecs(m_tokenLifetime);
    const QString accessToken = QStringLiteral("ya29.dev-") + QString::fromLatin1(randomToken(48));
    const QString idToken = makeIdToken(m_grants.value(refreshToken), issued, expiry);
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

QString OAuthProvider::makeIdToken(const Grant &grant, const QDateTime &issued, const QDateTime &expiry) const
{
    const QJsonObject claims{
            {QStringLiteral("iss"), QStringLiteral("https://accounts.google.com")},
            {QStringLiteral("azp"), m_clientId},
            {QStringLiteral("aud"), m_clientId},
            {QStringLiteral("sub"), grant.subject},
            {QStringLiteral("email"), grant.email},
            {QStringLiteral("email_verified"), true},
            {QStringLiteral("name"), grant.name},
            {QStringLiteral("iat"), issued.toSecsSinceEpoch()},
            {QStringLiteral("exp"), expiry.toSecsSinceEpoch()},
            // Two tokens issued in the same second still differ.
            {QStringLiteral("jti"), QString::fromLatin1(randomToken(12))},
    };
    return QString::fromLatin1(m_signingKey.signToken(claims));
}

void OAuthProvider::setTokenLifetime(int seconds)
{
    m_tokenLifetime = std::max(1, seconds);
}

OAuthProvider::TokenSet OAuthProvider::issueTokens()
{
    const QString refreshToken = newRefreshToken();
    m_grants.insert(refreshToken, grantFor(QStringLiteral("openid email profile"), {}));
    const QJsonObject tokens = issueFrom(refreshToken, true);
    return {tokens.value(QStringLiteral("access_token")).toString(), refreshToken,
            tokens.value(QStringLiteral("id_token")).toString(), m_tokenLifetime};
}

bool OAuthProvider::isRefreshTokenActive(const QString &refreshToken) const
{
    return m_grants.contains(refreshToken);
}

bool OAuthProvider::isIdTokenAccepted(const QString &idToken) const
{
    const auto it = m_idTokens.constFind(idToken);
    return it != m_idTokens.constEnd() && it->expiry > QDateTime::currentDateTimeUtc();
}

std::optional<OAuthProvider::AccessGrant> OAuthProvider::accessGrant(const QString &accessToken) const
{
    const auto it = m_accessTokens.constFind(accessToken);
    if (it == m_accessTokens.constEnd() || it->expiry <= QDateTime::currentDateTimeUtc())
        return std::nullopt;
    return AccessGrant{m_grants.value(it->refreshToken), it->expiry};
}

QString OAuthProvider::accessTokenOf(const QString &idToken) const
{
    const auto issued = m_idTokens.constFind(idToken);
    if (issued == m_idTokens.constEnd())
        return {};
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QString latest;
    QDateTime latestExpiry;
    for (auto it = m_accessTokens.constBegin(); it != m_accessTokens.constEnd(); ++it) {
        if (it->refreshToken == issued->refreshToken && it->expiry > now
            && (latest.isEmpty() || it->expiry > latestExpiry)) {
            latest = it.key();
            latestExpiry = it->expiry;
        }
    }
    return latest;
}
