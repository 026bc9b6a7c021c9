#include "common/base64url.h"

#include <QRandomGenerator>

#include <vector>

QByteArray base64UrlEncode(QByteArrayView data)
{
    return data.toByteArray().toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

std::optional<QByteArray> base64UrlDecode(QByteArrayView text)
{
    auto decoded = QByteArray::fromBase64Encoding(
            text.toByteArray(), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return decoded.decoded;
}

QByteArray randomToken(int bytes)
{
    std::vector<quint32> words((size_t(bytes) + sizeof(quint32) - 1) / sizeof(quint32));
    QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    return base64UrlEncode(QByteArrayView(reinterpret_cast<const char *>(words.data()), bytes));
}
