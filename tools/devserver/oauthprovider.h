#pragma once

#include "devserver/signingkey.h"
#include "server/http.h"

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QString>

#include <optional>

// A stand-in for Google's OAuth endpoints, for one client (the dev client
// unless told another): /o/oauth2/v2/auth approves at once (as the dev user,
// or as the user a login_hint names, so that load tests can be several users)
// and redirects back to the loopback
// redirect_uri with a code (PKCE S256 required), /token trades a code or a
// refresh token for tokens, /revoke ends a grant. Its ID tokens are signed
// with an RS256 key made at start, which the stand-in Google publishes.
class OAuthProvider
{
public:
    static constexpr QLatin1StringView authorizationPath{"/o/oauth2/v2/auth"};
    static constexpr QLatin1StringView tokenPath{"/token"};
    static constexpr QLatin1StringView revocationPath{"/revoke"};

    // A complete set of tokens, as the token endpoint would give them.
    struct TokenSet
    {
        QString accessToken;
        QString refreshToken;
        QString idToken;
        int expiresIn = 0;
    };
    // Who signed in, and what they allowed.
    struct Grant
    {
        QString scope;
        QString subject;
        QString email;
        QString name;
    };
    // What the provider knows of a live access token.
    struct AccessGrant
    {
        Grant grant;
        QDateTime expiry;
    };

    OAuthProvider();

    // The answer for a request to one of the three endpoints; none for any
    // other path.
    std::optional<HttpAnswer> serve(const HttpRequest &request);

    // The one client it knows; the dev client until set.
    void setClient(const QString &clientId, const QString &clientSecret);
    QString clientId() const { return m_clientId; }
    QString clientSecret() const { return m_clientSecret; }

    // Lifetime of the access and ID tokens issued from now on.
    void setTokenLifetime(int seconds);
    // A fresh grant, without the browser: what a sign-in would have given.
    TokenSet issueTokens();
    bool isRefreshTokenActive(const QString &refreshToken) const;
    bool isIdTokenAccepted(const QString &idToken) const;
    int revocationCount() const { return m_revocationCount; }

    QJsonObject publicKey() const { return m_signingKey.jwk(); }
    std::optional<AccessGrant> accessGrant(const QString &accessToken) const;
    // The newest live access token of the grant an ID token came from.
    QString accessTokenOf(const QString &idToken) const;

private:
    struct IssuedToken
    {
        QString refreshToken; // the grant it came from
        QDateTime expiry;
    };
    struct PendingCode
    {
        QString redirectUri;
        QString challenge;
        Grant grant;
        QDateTime expiry;
    };

    HttpAnswer authorize(const HttpRequest &request);
    HttpAnswer token(const QByteArray &body);
    HttpAnswer revoke(const HttpRequest &request);
    QJsonObject issueFrom(const QString &refreshToken, bool includeRefreshToken);
    QString makeIdToken(const Grant &grant, const QDateTime &issued, const QDateTime &expiry) const;
    void forgetExpired();

    const SigningKey m_signingKey;
    QString m_clientId;
    QString m_clientSecret;
    int m_tokenLifetime = 3600;
    QHash<QString, Grant> m_grants; // by refresh token
    QHash<QString, IssuedToken> m_accessTokens;
    QHash<QString, IssuedToken> m_idTokens;
    QHash<QString, PendingCode> m_codes;
    int m_revocationCount = 0;
};
