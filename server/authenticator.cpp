#include "server/authenticator.h"

#include "server/digest.h"
#include "server/httpclient.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrlQuery>

namespace {

constexpr qint64 defaultKeyLifetime = 300;

// Lifetime a Cache-Control header grants, in seconds.
qint64 maxAge(const QByteArray &cacheControl)
{
    static const QRegularExpression pattern(QStringLiteral(R"((?:^|[,\s])max-age=(\d{1,9}))"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(cacheControl));
    return match.hasMatch() ? match.captured(1).toLongLong() : defaultKeyLifetime;
}

// Seconds since the epoch in a tokeninfo answer, which writes numbers as text.
qint64 numberIn(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString().toLongLong() : value.toInteger();
}

} // namespace

Authenticator::Authenticator(const BackendSettings &settings, ExchangeContext &context)
    : m_settings(settings), m_context(context), m_google(context.google())
{
}

void Authenticator::checkIdToken(const ExchangePtr &exchange, const QByteArray &authorization, Continue next)
{
    if (!authorization.startsWith("Bearer "))
        return finish(exchange, unauthorized(QStringLiteral("A Google ID token is needed as the bearer token")));
    const QByteArrayView idToken = QByteArrayView(authorization).sliced(7);

    // A token verified before is not parsed or checked again while it is
    // accepted: no RSA work on a warm request.
    const QByteArray key = sha256(idToken);
    const auto known = m_verified.constFind(key);
    if (known != m_verified.constEnd() && known->acceptedUntil > nowSeconds()) {
        countCache(QLatin1StringView("idtoken"), true);
        return admit(exchange, *known, std::move(next));
    }
    countCache(QLatin1StringView("idtoken"), false);

    const std::optional<SignedToken> token = SignedToken::parse(idToken);
    if (!token)
        return finish(exchange, unauthorized(describe(TokenCheck::malformed)));
    const bool keysFresh = m_keys && m_keysExpiry > nowSeconds();
    countCache(QLatin1StringView("keyset"), keysFresh);
    if (!keysFresh) {
        withKeySet([this, exchange, key, token = *token, next] { checkIdToken(exchange, key, token, false, next); });
        return;
    }
    checkIdToken(exchange, key, *token, true, std::move(next));
}

void Authenticator::checkIdToken(const ExchangePtr &exchange, const QByteArray &key, const SignedToken &token,
                                 bool mayRefresh, Continue next)
{
    if (!m_keys) {
        return finish(exchange,
                      HttpAnswer::error(502, QLatin1StringView("key_set_unavailable"),
                                        QStringLiteral("Google's signing keys cannot be read")));
    }
    VerifiedIdToken verified;
    const TokenCheck check = verifyIdToken(token, *m_keys, m_settings.clientIds, nowSeconds(), &verified);
    if (check == TokenCheck::unknownKey && mayRefresh
        && (!m_sinceKeyFetch.isValid() || m_sinceKeyFetch.elapsed() >= m_settings.keyRefetchIntervalMs)) {
        // Google has rotated its keys since we last looked.
        withKeySet([this, exchange, key, token, next] { checkIdToken(exchange, key, token, false, next); });
        return;
    }
    if (check != TokenCheck::valid)
        return finish(exchange, unauthorized(describe(check)));

    const VerifiedToken entry{verified.subject, sha256(verified.subject.toUtf8()).toHex().left(10),
                              verified.acceptedUntil};
    const qint64 now = nowSeconds();
    trim(m_verified, [now](const auto &it) { return it.value().acceptedUntil <= now; });
    m_verified.insert(key, entry);
    admit(exchange, entry, std::move(next));
}

void Authenticator::admit(const ExchangePtr &exchange, const VerifiedToken &verified, Continue next)
{
    exchange->subject = verified.subject;
    exchange->userHash = verified.userHash;
    next(exchange);
}

void Authenticator::withKeySet(std::function<void()> then)
{
    m_waitingForKeys.append(std::move(then));
    if (m_fetchingKeys)
        return;
    m_fetchingKeys = true;
    m_sinceKeyFetch.start();
    m_google->get(m_settings.keySetUrl, {}, [this](const HttpResponse &response) {
        m_context.countGoogle(QLatin1StringView("keys"), response, m_sinceKeyFetch.nsecsElapsed());
        std::optional<KeySet> keys = response.status == 200 ? KeySet::parse(response.body) : std::nullopt;
        if (keys) {
            m_keys = std::move(keys);
            m_keysExpiry = nowSeconds() + maxAge(response.header("Cache-Control"));
        } else {
            // Stale keys still beat none; they are tried again in a minute.
            log(QStringLiteral("google key set: unusable answer (%1)")
                        .arg(response.status ? QStringLiteral("HTTP %1").arg(response.status)
                                             : QStringLiteral("no answer")));
            m_keysExpiry = nowSeconds() + 60;
        }
        m_fetchingKeys = false;
        const QList<std::function<void()>> waiting = std::exchange(m_waitingForKeys, {});
        for (const auto &then : waiting)
            then();
    });
}

void Authenticator::checkAccessToken(const ExchangePtr &exchange, Continue next)
{
    const QByteArray key = sha256(exchange->accessToken);
    const auto cached = m_tokenInfo.constFind(key);
    if (cached != m_tokenInfo.constEnd() && cached->expiry > nowSeconds()) {
        countCache(QLatin1StringView("tokeninfo"), true);
        if (cached->subject != exchange->subject)
            return finish(exchange, unauthorized(QStringLiteral("The access token belongs to another user")));
        return next(exchange);
    }
    countCache(QLatin1StringView("tokeninfo"), false);

    QUrl url = m_settings.tokenInfoUrl;
    url.setQuery(QUrlQuery{{QStringLiteral("access_token"),
                            QString::fromLatin1(QUrl::toPercentEncoding(QString::fromLatin1(exchange->accessToken)))}});
    const qint64 started = exchange->clock.nsecsElapsed();
    m_google->get(url, {}, [this, exchange, key, next, started](const HttpResponse &response) {
        m_context.timed(exchange, QLatin1StringView("tokeninfo"), response, started);
        if (response.status == 400 || response.status == 401) // Google's word for a token it does not know
            return finish(exchange, unauthorized(QStringLiteral("The access token is not valid")));
        if (auto failed = failure(response, QLatin1StringView("google tokeninfo")))
            return finish(exchange, *failed);
        // Anything but Google's tokeninfo JSON is Google's failure, not the user's.
        const QJsonDocument document = QJsonDocument::fromJson(response.body);
        const QJsonObject info = document.object();
        const QJsonValue expiryValue = info.value(QLatin1StringView("exp"));
        if (!document.isObject() || !info.value(QLatin1StringView("aud")).isString()
            || !info.value(QLatin1StringView("sub")).isString()
            || !(expiryValue.isString() || expiryValue.isDouble())) {
            log(QStringLiteral("google tokeninfo: not the expected JSON -> 502"));
            return finish(exchange, unusable());
        }
        // Each claim on its own: issued to one of our clients, by one of our
        // clients, for the user the ID token names, and still valid.
        if (!m_settings.clientIds.contains(info.value(QLatin1StringView("aud")).toString()))
            return finish(exchange, unauthorized(QStringLiteral("The access token was issued to another client")));
        if (!m_settings.clientIds.contains(info.value(QLatin1StringView("azp")).toString()))
            return finish(exchange, unauthorized(QStringLiteral("The access token was issued to another client")));
        if (info.value(QLatin1StringView("sub")).toString() != exchange->subject)
            return finish(exchange, unauthorized(QStringLiteral("The access token belongs to another user")));
        const qint64 expiry = numberIn(info, QLatin1StringView("exp"));
        const qint64 now = nowSeconds();
        if (expiry <= now)
            return finish(exchange, unauthorized(QStringLiteral("The access token has expired")));
        trim(m_tokenInfo, [now](const auto &it) { return it.value().expiry <= now; });
        m_tokenInfo.insert(key, {exchange->subject, expiry});
        next(exchange);
    });
}
