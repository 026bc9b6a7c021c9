#pragma once

#include "common/jwt.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

typedef struct evp_pkey_st EVP_PKEY;

// Google's published signing keys: the RSA keys of a JSON Web Key Set, by
// key id. Copies share the keys.
class KeySet
{
public:
    // Keys that are not RSA, have no id, are shorter than 2048 bits or are
    // meant for something other than signatures are skipped; a set without a
    // single usable key is refused.
    static std::optional<KeySet> parse(const QByteArray &json);

    bool contains(const QString &kid) const { return m_keys.contains(kid); }
    EVP_PKEY *key(const QString &kid) const;
    qsizetype size() const { return m_keys.size(); }

private:
    QHash<QString, std::shared_ptr<EVP_PKEY>> m_keys;
};

enum class TokenCheck {
    valid,
    malformed,
    wrongAlgorithm,
    unknownKey,
    badSignature,
    wrongIssuer,
    wrongAudience,
    expired,
};

// Reason words for logs and error bodies; never anything from the token.
QLatin1StringView describe(TokenCheck check);

// What a valid ID token says: whose it is, and until when (seconds since the
// epoch, the clock skew included) it is accepted.
struct VerifiedIdToken
{
    QString subject;
    qint64 acceptedUntil = 0;
};

// How far past its expiry an ID token is still accepted, for clocks that
// differ a little.
inline constexpr qint64 idTokenClockSkew = 60;

// Checks a Google ID token: RS256 only, signed by a key of `keys`, issued by
// Google, for one of `clientIds`, and not expired more than the clock skew
// ago at `now` (seconds since the epoch). A valid token fills `verified`.
TokenCheck verifyIdToken(const SignedToken &token, const KeySet &keys, const QStringList &clientIds, qint64 now,
                         VerifiedIdToken *verified = nullptr);
