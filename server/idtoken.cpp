#include "server/idtoken.h"

#include "common/base64url.h"
#include "server/digest.h"
#include "server/sslowned.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/param_build.h>

namespace {

constexpr int minimumKeyBits = 2048;

std::shared_ptr<EVP_PKEY> rsaPublicKey(const QByteArray &modulus, const QByteArray &exponent)
{
    Owned<BIGNUM, BN_free> n(
            BN_bin2bn(reinterpret_cast<const unsigned char *>(modulus.constData()), int(modulus.size()), nullptr));
    Owned<BIGNUM, BN_free> e(
            BN_bin2bn(reinterpret_cast<const unsigned char *>(exponent.constData()), int(exponent.size()), nullptr));
    Owned<OSSL_PARAM_BLD, OSSL_PARAM_BLD_free> build(OSSL_PARAM_BLD_new());
    if (!n || !e || !build || !OSSL_PARAM_BLD_push_BN(build.get(), OSSL_PKEY_PARAM_RSA_N, n.get())
        || !OSSL_PARAM_BLD_push_BN(build.get(), OSSL_PKEY_PARAM_RSA_E, e.get()))
        return nullptr;
    Owned<OSSL_PARAM, OSSL_PARAM_free> params(OSSL_PARAM_BLD_to_param(build.get()));
    Owned<EVP_PKEY_CTX, EVP_PKEY_CTX_free> context(EVP_PKEY_CTX_new_from_name(nullptr, "RSA", nullptr));
    EVP_PKEY *key = nullptr;
    if (!params || !context || EVP_PKEY_fromdata_init(context.get()) != 1
        || EVP_PKEY_fromdata(context.get(), &key, EVP_PKEY_PUBLIC_KEY, params.get()) != 1)
        return nullptr;
    std::shared_ptr<EVP_PKEY> owned(key, EVP_PKEY_free);
    if (EVP_PKEY_get_bits(key) < minimumKeyBits)
        return nullptr;
    return owned;
}

bool hasAudience(const QJsonValue &audience, const QStringList &clientIds)
{
    if (audience.isString())
        return clientIds.contains(audience.toString());
    if (!audience.isArray())
        return false;
    const QJsonArray list = audience.toArray();
    return std::any_of(list.begin(), list.end(),
                       [&](const QJsonValue &one) { return one.isString() && clientIds.contains(one.toString()); });
}

} // namespace

std::optional<KeySet> KeySet::parse(const QByteArray &json)
{
    const QJsonValue keys = QJsonDocument::fromJson(json).object().value(QLatin1StringView("keys"));
    if (!keys.isArray())
        return std::nullopt;
    KeySet set;
    for (const QJsonValue &entry : keys.toArray()) {
        const QJsonObject jwk = entry.toObject();
        const QString kid = jwk.value(QLatin1StringView("kid")).toString();
        const QJsonValue use = jwk.value(QLatin1StringView("use"));
        const QJsonValue alg = jwk.value(QLatin1StringView("alg"));
        if (kid.isEmpty() || jwk.value(QLatin1StringView("kty")).toString() != QLatin1StringView("RSA")
            || (!use.isUndefined() && use.toString() != QLatin1StringView("sig"))
            || (!alg.isUndefined() && alg.toString() != QLatin1StringView("RS256")))
            continue;
        const auto n = base64UrlDecode(jwk.value(QLatin1StringView("n")).toString().toLatin1());
        const auto e = base64UrlDecode(jwk.value(QLatin1StringView("e")).toString().toLatin1());
        if (!n || !e || n->isEmpty() || e->isEmpty())
            continue;
        if (std::shared_ptr<EVP_PKEY> key = rsaPublicKey(*n, *e))
            set.m_keys.insert(kid, std::move(key));
    }
    if (set.m_keys.isEmpty())
        return std::nullopt;
    return set;
}

EVP_PKEY *KeySet::key(const QString &kid) const
{
    const auto found = m_keys.constFind(kid);
    return found == m_keys.constEnd() ? nullptr : found.value().get();
}

QLatin1StringView describe(TokenCheck check)
{
    switch (check) {
    case TokenCheck::valid:
        return QLatin1StringView("valid");
    case TokenCheck::malformed:
        return QLatin1StringView("malformed ID token");
    case TokenCheck::wrongAlgorithm:
        return QLatin1StringView("ID token not signed with RS256");
    case TokenCheck::unknownKey:
        return QLatin1StringView("ID token signed with an unknown key");
    case TokenCheck::badSignature:
        return QLatin1StringView("bad ID token signature");
    case TokenCheck::wrongIssuer:
        return QLatin1StringView("ID token not issued by Google");
    case TokenCheck::wrongAudience:
        return QLatin1StringView("ID token issued to another client");
    case TokenCheck::expired:
        return QLatin1StringView("ID token expired");
    }
    return QLatin1StringView("invalid ID token");
}

TokenCheck verifyIdToken(const SignedToken &token, const KeySet &keys, const QStringList &clientIds, qint64 now,
                         VerifiedIdToken *verified)
{
    // The algorithm first: a token must never choose how it is checked.
    if (token.header.value(QLatin1StringView("alg")).toString() != QLatin1StringView("RS256"))
        return TokenCheck::wrongAlgorithm;
    EVP_PKEY *key = keys.key(token.kid());
    if (!key)
        return TokenCheck::unknownKey;
    Owned<EVP_MD_CTX, EVP_MD_CTX_free> context(EVP_MD_CTX_new());
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, sha256Digest(), nullptr, key) != 1
        || EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char *>(token.signature.constData()),
                            size_t(token.signature.size()),
                            reinterpret_cast<const unsigned char *>(token.signingInput.constData()),
                            size_t(token.signingInput.size()))
                != 1)
        return TokenCheck::badSignature;

    const QString issuer = token.claims.value(QLatin1StringView("iss")).toString();
    if (issuer != QLatin1StringView("accounts.google.com")
        && issuer != QLatin1StringView("https://accounts.google.com"))
        return TokenCheck::wrongIssuer;
    if (!hasAudience(token.claims.value(QLatin1StringView("aud")), clientIds))
        return TokenCheck::wrongAudience;
    const QJsonValue expiry = token.claims.value(QLatin1StringView("exp"));
    if (!expiry.isDouble())
        return TokenCheck::malformed;
    const double acceptedUntil = expiry.toDouble() + double(idTokenClockSkew);
    if (acceptedUntil <= double(now))
        return TokenCheck::expired;
    const QString sub = token.claims.value(QLatin1StringView("sub")).toString();
    if (sub.isEmpty())
        return TokenCheck::malformed;
    if (verified) {
        // Whole seconds, so "now < acceptedUntil" holds exactly when the check above does;
        // bounded, so that an absurd expiry cannot overflow.
        *verified = {sub, qint64(std::ceil(std::min(acceptedUntil, 4e18)))};
    }
    return TokenCheck::valid;
}
