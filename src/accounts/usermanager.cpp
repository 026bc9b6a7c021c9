#include "accounts/usermanager.h"

#include "accounts/googlesignin.h"
#include "common/outputline.h"

UserManager::UserManager(GoogleSignIn *signIn, QObject *parent) : QObject(parent), m_signIn(signIn)
{
    printLine(QStringLiteral("new"));
}

void UserManager::setGoogleUser(std::optional<GoogleUser> user)
{
    m_googleUser = std::move(user);
    Q_EMIT googleUserChanged();
}

QString UserManager::currentIdToken() const
{
    if (!m_signIn)
        return {};
    const std::optional<GoogleUser> user = m_signIn->currentUser();
    if (!user || !user->idToken)
        return {};
    return user->idToken->tokenString;
}

QString UserManager::currentAccessToken() const
{
    if (!m_signIn)
        return {};
    const std::optional<GoogleUser> user = m_signIn->currentUser();
    return user ? user->accessToken.tokenString : QString();
}
