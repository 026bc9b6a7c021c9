#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <memory>

typedef struct evp_pkey_st EVP_PKEY;

// An RSA key pair made with OpenSSL, for whoever plays the part of Google's
// sign-in (the dev server, the backend's tests): signs RS256 tokens and
// publishes its public key. Never part of the server that checks tokens.
class SigningKey
{
public:
    explicit SigningKey(const QString &kid, int bits = 2048);
    QString kid() const { return m_kid; }
    // The public key as one JSON Web Key.
    QJsonObject jwk() const;
    // A compact token signed with RS256, with these header members (alg, kid
    // and typ are filled in when absent, so a test can name another
    // algorithm over a genuine RS256 signature) and claims.
    QByteArray signToken(const QJsonObject &claims, QJsonObject header = {}) const;

private:
    QByteArray sign(const QByteArray &data) const;

    QString m_kid;
    std::shared_ptr<EVP_PKEY> m_key;
};
