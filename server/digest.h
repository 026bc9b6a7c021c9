#pragma once

#include <QByteArray>
#include <QByteArrayView>

typedef struct evp_md_st EVP_MD;

// SHA-256 through OpenSSL, which uses the processor's SHA instructions: the
// backend hashes every request's tokens, several times faster than
// QCryptographicHash does.
QByteArray sha256(QByteArrayView data);

// OpenSSL's SHA-256, fetched once: an implicit fetch (EVP_sha256()) looks
// the algorithm up again on every use.
const EVP_MD *sha256Digest();
