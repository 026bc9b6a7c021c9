#include "server/digest.h"

#include <openssl/evp.h>

const EVP_MD *sha256Digest()
{
    static EVP_MD *const digest = EVP_MD_fetch(nullptr, "SHA256", nullptr);
    return digest;
}

QByteArray sha256(QByteArrayView data)
{
    QByteArray hash(32, Qt::Uninitialized);
    unsigned int size = 0;
    if (!sha256Digest()
        || EVP_Digest(data.data(), size_t(data.size()), reinterpret_cast<unsigned char *>(hash.data()), &size,
                      sha256Digest(), nullptr)
                != 1
        || size != 32)
        qFatal("OpenSSL cannot compute SHA-256");
    return hash;
}
