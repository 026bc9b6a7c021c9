#include "server/digest.h"

#include <openssl/evp.h>

const EVP_MD *sha256Digest()
{
    static EVP_MD *const digest = EVP_MD_fetch(nullptr, "SHA256", nullptr);
    return digest;
}

QByteArray sha256(QByteArrayView data)
{
    return sha256({data});
}

QByteArray sha256(std::initializer_list<QByteArrayView> parts)
{
    QByteArray hash(32, Qt::Uninitialized);
    unsigned int size = 0;
    EVP_MD_CTX *context = EVP_MD_CTX_new();
    bool ok = context && sha256Digest() && EVP_DigestInit_ex(context, sha256Digest(), nullptr) == 1;
    for (const QByteArrayView part : parts)
        ok = ok && EVP_DigestUpdate(context, part.data(), size_t(part.size())) == 1;
    ok = ok && EVP_DigestFinal_ex(context, reinterpret_cast<unsigned char *>(hash.data()), &size) == 1;
    EVP_MD_CTX_free(context);
    if (!ok || size != 32)
        qFatal("OpenSSL cannot compute SHA-256");
    return hash;
}
