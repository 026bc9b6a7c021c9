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

// Checks a Google ID token: RS256 only, signed by a key of `keys`, issued by
// Google, for one of `clientIds`, and not expired more than a minute ago at
// `now` (seconds since the epoch). On success `subject` gets the user's id.
TokenCheck verifyIdToken(const SignedToken &token, const KeySet &keys, const QStringList &clientIds, qint64 now,
                         QString *subject = nullptr);
