#include "devserver/signingkey.h"

#include "common/base64url.h"
#include "server/sslowned.h"

#include <QJsonDocument>

#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/rsa.h>

namespace {

QByteArray bigNumberParam(EVP_PKEY *key, const char *name)
{
    BIGNUM *raw = nullptr;
    if (EVP_PKEY_get_bn_param(key, name, &raw) != 1)
        return {};
    Owned<BIGNUM, BN_free> number(raw);
    QByteArray bytes(BN_num_bytes(number.get()), Qt::Uninitialized);
    BN_bn2bin(number.get(), reinterpret_cast<unsigned char *>(bytes.data()));
    return bytes;
}

} // namespace

SigningKey::SigningKey(const QString &kid, int bits)
    : m_kid(kid), m_key(EVP_RSA_gen(static_cast<unsigned>(bits)), EVP_PKEY_free)
{
    if (!m_key)
        qFatal("OpenSSL could not make an RSA key");
}

QJsonObject SigningKey::jwk() const
{
    return {
            {QStringLiteral("kty"), QStringLiteral("RSA")},
            {QStringLiteral("alg"), QStringLiteral("RS256")},
            {QStringLiteral("use"), QStringLiteral("sig")},
            {QStringLiteral("kid"), m_kid},
            {QStringLiteral("n"),
             QString::fromLatin1(base64UrlEncode(bigNumberParam(m_key.get(), OSSL_PKEY_PARAM_RSA_N)))},
            {QStringLiteral("e"),
             QString::fromLatin1(base64UrlEncode(bigNumberParam(m_key.get(), OSSL_PKEY_PARAM_RSA_E)))},
    };
}

QByteArray SigningKey::sign(const QByteArray &data) const
{
    Owned<EVP_MD_CTX, EVP_MD_CTX_free> context(EVP_MD_CTX_new());
    size_t length = 0;
    if (!context || EVP_DigestSignInit(context.get(), nullptr, EVP_sha256(), nullptr, m_key.get()) != 1
        || EVP_DigestSign(context.get(), nullptr, &length, reinterpret_cast<const unsigned char *>(data.constData()),
                          size_t(data.size()))
                != 1)
        return {};
    QByteArray signature(qsizetype(length), Qt::Uninitialized);
    if (EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(signature.data()), &length,
                       reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size()))
        != 1)
        return {};
    signature.truncate(qsizetype(length));
    return signature;
}

QByteArray SigningKey::signToken(const QJsonObject &claims, QJsonObject header) const
{
    if (!header.contains(QLatin1StringView("alg")))
        header.insert(QStringLiteral("alg"), QStringLiteral("RS256"));
    if (!header.contains(QLatin1StringView("kid")))
        header.insert(QStringLiteral("kid"), m_kid);
    if (!header.contains(QLatin1StringView("typ")))
        header.insert(QStringLiteral("typ"), QStringLiteral("JWT"));
    const QByteArray input = base64UrlEncode(QJsonDocument(header).toJson(QJsonDocument::Compact)) + '.'
            + base64UrlEncode(QJsonDocument(claims).toJson(QJsonDocument::Compact));
    return input + '.' + base64UrlEncode(sign(input));
}
