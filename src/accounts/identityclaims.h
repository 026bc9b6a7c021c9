#pragma once

#include "accounts/googleuser.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// The user that a token answer describes: its access token and, from the
// claims of its ID token, who they are. `previous` supplies the identity
// when a refresh answer carries no new ID token. None, with `error` set, when
// the answer holds no access token or an ID token that cannot be read.
std::optional<GoogleUser> userFromTokens(const QJsonObject &tokens, const std::optional<GoogleUser> &previous,
                                         QString *error);
