#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QString>

#include <optional>

// A compact JSON Web Signature (header.payload.signature, each base64url)
// split into its parts. Nothing is checked but the form: both JSON parts are
// objects and the signature is not empty. Whether the signature holds is the
// reader's business (the server checks it; the app reads the claims of a
// token it got straight from Google's token endpoint).
struct SignedToken
{
    QJsonObject header;
    QJsonObject claims;
    QByteArray signingInput; // header.payload, as it came
    QByteArray signature;

    static std::optional<SignedToken> parse(QByteArrayView compact);
    QString kid() const { return header.value(QLatin1StringView("kid")).toString(); }
};
