#pragma once

#include "accounts/googleuser.h"

#include <QObject>

#include <optional>

class GoogleSignIn;

// The signed-in Google user and the two credentials every backend request
// carries. Whether someone is signed in is the sign-in layer's to say: the
// token accessors ask it at every call and keep nothing.
class UserManager : public QObject
{
    Q_OBJECT

public:
    explicit UserManager(GoogleSignIn *signIn, QObject *parent = nullptr);

    GoogleSignIn *signIn() const { return m_signIn; }

    // The user of the latest successful restore or sign-in; kept after sign-out.
    std::optional<GoogleUser> googleUser() const { return m_googleUser; }
    void setGoogleUser(std::optional<GoogleUser> user);

    // Empty when nobody is signed in (or the user has no identity token).
    QString currentIdToken() const;
    QString currentAccessToken() const;

Q_SIGNALS:
    void googleUserChanged();

private:
    GoogleSignIn *m_signIn;
    std::optional<GoogleUser> m_googleUser;
};
