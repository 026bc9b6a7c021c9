#include "accounts/identityclaims.h"

#include "accounts/tokenendpoint.h"
#include "common/jwt.h"

#include <QDateTime>

namespace {

struct IdentityClaims
{
    QString subject;
    QString email;
    QString name;
    QDateTime expiry;
};

// The claims of an ID token, read without checking its signature: it came
// straight from the token endpoint over TLS, which is what vouches for it.
std::optional<IdentityClaims> readIdentityToken(const QString &token)
{
    const std::optional<SignedToken> parsed = SignedToken::parse(token.toLatin1());
    if (!parsed)
        return std::nullopt;
    const QJsonObject &claims = parsed->claims;
    const QJsonValue subject = claims.value(QStringLiteral("sub"));
    if (!subject.isString() || subject.toString().isEmpty())
        return std::nullopt;
    IdentityClaims result;
    result.subject = subject.toString();
    result.email = claims.value(QStringLiteral("email")).toString();
    result.name = claims.value(QStringLiteral("name")).toString();
    const QJsonValue expiry = claims.value(QStringLiteral("exp"));
    if (expiry.isDouble())
        result.expiry = QDateTime::fromSecsSinceEpoch(expiry.toInteger());
    return result;
}

} // namespace

std::optional<GoogleUser> userFromTokens(const QJsonObject &tokens, const std::optional<GoogleUser> &previous,
                                         QString *error)
{
    const QString accessToken = tokens.value(QStringLiteral("access_token")).toString();
    if (accessToken.isEmpty()) {
        *error = QStringLiteral("the token endpoint gave no access token");
        return std::nullopt;
    }
    GoogleUser user = previous.value_or(GoogleUser{});
    const qint64 lifetime = TokenEndpoint::lifetime(tokens);
    user.accessToken.tokenString = accessToken;
    user.accessToken.expirationDate = lifetime > 0 ? QDateTime::currentDateTimeUtc().addSecs(lifetime) : QDateTime();

    const QString idToken = tokens.value(QStringLiteral("id_token")).toString();
    if (!idToken.isEmpty()) {
        const std::optional<IdentityClaims> claims = readIdentityToken(idToken);
        if (!claims) {
            *error = QStringLiteral("the identity token from the token endpoint could not be read");
            return std::nullopt;
        }
        user.userID = claims->subject;
        user.email = claims->email;
        user.name = claims->name;
        user.idToken =
                GoogleToken{idToken, claims->expiry.isValid() ? claims->expiry : user.accessToken.expirationDate};
    }
    return user;
}
