#include "common/jwt.h"

#include "common/base64url.h"

#include <QJsonDocument>

namespace {

std::optional<QJsonObject> jsonObject(const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

std::optional<SignedToken> SignedToken::parse(QByteArrayView compact)
{
    const qsizetype first = compact.indexOf('.');
    const qsizetype second = first < 0 ? -1 : compact.indexOf('.', first + 1);
    if (second < 0 || compact.indexOf('.', second + 1) >= 0)
        return std::nullopt;
    const auto header = jsonObject(base64UrlDecode(compact.first(first)));
    const auto claims = jsonObject(base64UrlDecode(compact.sliced(first + 1, second - first - 1)));
    const auto signature = base64UrlDecode(compact.sliced(second + 1));
    if (!header || !claims || !signature || signature->isEmpty())
        return std::nullopt;
    return SignedToken{*header, *claims, compact.first(second).toByteArray(), *signature};
}
