#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <initializer_list>

typedef struct evp_md_st EVP_MD;

// SHA-256 through OpenSSL, which uses the processor's SHA instructions: the
// backend hashes every request's tokens, several times faster than
// QCryptographicHash does.
QByteArray sha256(QByteArrayView data);
// The hash of the parts one after the other, without joining them first.
QByteArray sha256(std::initializer_list<QByteArrayView> parts);

// OpenSSL's SHA-256, fetched once: an implicit fetch (EVP_sha256()) looks
// the algorithm up again on every use.
const EVP_MD *sha256Digest();
