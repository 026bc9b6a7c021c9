#pragma once

#include "server/backendsettings.h"
#include "server/exchange.h"
#include "server/idtoken.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>

#include <functional>
#include <optional>

// Who is asking: checks the Google ID token of a request (RS256 against
// Google's key set, issuer, audience, expiry) and, separately, its access
// token with Google's tokeninfo (issued to one of our clients, for the same
// user, not expired). Remembers each verdict under a SHA-256 of its token
// until the token expires, so a warm request does no RSA work and asks
// Google nothing; a remembered access token counts only for the user it was
// checked for.
class Authenticator
{
public:
    using Continue = std::function<void(const ExchangePtr &)>;

    Authenticator(const BackendSettings &settings, ExchangeContext &context);

    // Google's key set has been read at least once.
    bool hasKeys() const { return m_keys.has_value(); }
    // Fetches the key set (once, however many wait), then calls `then`.
    void withKeySet(std::function<void()> then);

    // Checks the bearer ID token in `authorization`; on success names the
    // exchange's user (subject and hash) and goes on with `next`, else
    // answers the exchange.
    void checkIdToken(const ExchangePtr &exchange, const QByteArray &authorization, Continue next);
    // Checks the exchange's access token for the user its ID token named;
    // goes on with `next` or answers the exchange.
    void checkAccessToken(const ExchangePtr &exchange, Continue next);

private:
    struct VerifiedToken
    {
        QString subject;
        QByteArray userHash;
        qint64 acceptedUntil = 0;
    };
    struct TokenInfo
    {
        QString subject;
        qint64 expiry = 0;
    };

    void checkIdToken(const ExchangePtr &exchange, const QByteArray &key, const SignedToken &token, bool mayRefresh,
                      Continue next);
    void admit(const ExchangePtr &exchange, const VerifiedToken &verified, Continue next);

    void finish(const ExchangePtr &exchange, HttpAnswer answer) { m_context.finish(exchange, std::move(answer)); }
    std::optional<HttpAnswer> failure(const HttpResponse &upstream, const QString &what)
    {
        return m_context.failure(upstream, what);
    }
    void countCache(QLatin1StringView cache, bool hit) { m_context.countCache(cache, hit); }
    void log(const QString &line) const { m_context.log(line); }

    const BackendSettings &m_settings;
    ExchangeContext &m_context;
    HttpClient *m_google;

    std::optional<KeySet> m_keys;
    qint64 m_keysExpiry = 0;
    QElapsedTimer m_sinceKeyFetch;
    bool m_fetchingKeys = false;
    QList<std::function<void()>> m_waitingForKeys;

    QHash<QByteArray, VerifiedToken> m_verified; // by SHA-256 of the ID token
    QHash<QByteArray, TokenInfo> m_tokenInfo; // by SHA-256 of the access token
};
