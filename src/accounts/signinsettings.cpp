#include "accounts/signinsettings.h"

#include "backend/configuration.h"

namespace {

const QString googleAuthorizationEndpoint = QStringLiteral("https://accounts.google.com/o/oauth2/v2/auth");
const QString googleTokenEndpoint = QStringLiteral("https://oauth2.googleapis.com/token");
const QString googleRevocationEndpoint = QStringLiteral("https://oauth2.googleapis.com/revoke");

} // namespace

SignInSettings SignInSettings::fromInfoDictionary()
{
    const QJsonObject stored = Configuration::infoDictionary();
    const auto textOr = [&stored](const QString &key, const QString &fallback) {
        const QString value = Configuration::text(stored, key);
        return value.isEmpty() ? fallback : value;
    };
    SignInSettings settings;
    settings.clientId = Configuration::text(stored, QStringLiteral("GOOGLE_CLIENT_ID"));
    settings.clientSecret = Configuration::text(stored, QStringLiteral("GOOGLE_CLIENT_SECRET"));
    settings.authorizationEndpoint = QUrl(textOr(QStringLiteral("GOOGLE_AUTH_URL"), googleAuthorizationEndpoint));
    settings.tokenEndpoint = QUrl(textOr(QStringLiteral("GOOGLE_TOKEN_URL"), googleTokenEndpoint));
    settings.revocationEndpoint = QUrl(textOr(QStringLiteral("GOOGLE_REVOKE_URL"), googleRevocationEndpoint));
    return settings;
}
