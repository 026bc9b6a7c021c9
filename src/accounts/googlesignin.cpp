#include "accounts/googlesignin.h"
#include "accounts/tokenstore.h"
// Placeholder until the sign-in layer lands.
const QStringList GoogleSignIn::baseScopes = {QStringLiteral("openid"), QStringLiteral("email"), QStringLiteral("profile")};
SignInSettings SignInSettings::fromInfoDictionary() { return {}; }
GoogleSignIn::GoogleSignIn(SignInSettings settings, TokenStore *store, QObject *parent)
    : QObject(parent), m_settings(std::move(settings)), m_store(store) {}
GoogleSignIn::~GoogleSignIn() = default;
void GoogleSignIn::restorePreviousSignIn(Completion completion) { completion(std::nullopt, QStringLiteral("not implemented")); }
bool GoogleSignIn::hasPreviousSignIn() const { return m_hasPreviousSignIn; }
void GoogleSignIn::signIn(QWindow *, const QString &, const QStringList &, Completion completion) { completion(std::nullopt, QStringLiteral("not implemented")); }
bool GoogleSignIn::handleURL(const QUrl &) { return false; }
void GoogleSignIn::signOut() { m_currentUser.reset(); Q_EMIT currentUserChanged(); }
void GoogleSignIn::setBrowserOpener(std::function<void(const QUrl &)> opener) { m_openBrowser = std::move(opener); }
