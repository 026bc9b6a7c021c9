#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The URL-safe base64 of JSON Web Tokens, PKCE and OAuth: "-" and "_" for
// "+" and "/", no padding.
QByteArray base64UrlEncode(QByteArrayView data);

// Decodes base64url text, padded or not; none when it holds anything else.
std::optional<QByteArray> base64UrlDecode(QByteArrayView text);

// `bytes` bytes from the operating system's CSPRNG as base64url text: for
// OAuth `state`, PKCE verifiers, codes and tokens nobody may guess.
QByteArray randomToken(int bytes);
