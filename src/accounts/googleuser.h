#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

struct GoogleToken
{
    QString tokenString;
    QDateTime expirationDate; // invalid when the provider gave no lifetime
};

// The signed-in Google user, as the sign-in layer last saw them. The tokens
// are refreshed by the layer; read them through GoogleSignIn::currentUser()
// at the moment of use rather than keeping a copy.
struct GoogleUser
{
    QString userID; // the "sub" claim of the identity token
    QString email;
    QString name;
    std::optional<GoogleToken> idToken;
    GoogleToken accessToken;
};
