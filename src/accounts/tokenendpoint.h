#pragma once

#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>

class QObject;
class QUrl;
struct SignInSettings;

// The provider's token and revocation endpoints, spoken to directly with
// form-encoded POSTs. No token is ever printed.
namespace TokenEndpoint {

// What the token endpoint said to a refresh: tokens, or why not.
struct RefreshAnswer
{
    std::optional<QJsonObject> tokens;
    bool rejected = false; // the grant itself was refused (revoked, expired)
    QString description;
};

// Sends the refresh grant for `refreshToken`. `done` hears the answer on the
// main thread, unless `context` goes first: an unanswered request goes away
// with it.
void refresh(const SignInSettings &settings, const QString &refreshToken, QObject *context,
             std::function<void(const RefreshAnswer &)> done);

// Asks the provider to revoke `token`. Fire and forget: the request is on its
// own, so one sent just before quitting still gets a chance to reach the
// provider. A failure is one line on stdout.
void revoke(const QUrl &revocationEndpoint, const QString &token);

// Seconds the access token of a token answer lives, or -1 when the answer
// does not say.
qint64 lifetime(const QJsonObject &tokens);

} // namespace TokenEndpoint
