#include "accounts/googlesignin.h"

#include "accounts/identityclaims.h"
#include "accounts/signinattempt.h"
#include "accounts/tokenendpoint.h"
#include "accounts/tokenstore.h"
#include "common/outputline.h"

#include <QNetworkInformation>
#include <QPointer>

#include <algorithm>
#include <climits>
#include <utility>

const QStringList GoogleSignIn::baseScopes = {QStringLiteral("openid"), QStringLiteral("email"),
                                              QStringLiteral("profile")};

namespace {

// Tokens are refreshed this long before they run out, or at 80% of their
// lifetime when they live shorter than that.
constexpr qint64 refreshMarginSeconds = 300;
constexpr int firstRetrySeconds = 30;
constexpr int longestRetrySeconds = 600;
// A sign-in nobody finishes in the browser is given up after this long, so
// its listener does not stay open for the rest of the session.
constexpr std::chrono::milliseconds defaultSignInTimeout = std::chrono::minutes(10);

} // namespace

using TokenEndpoint::RefreshAnswer;

GoogleSignIn::GoogleSignIn(SignInSettings settings, TokenStore *store, QObject *parent)
    : QObject(parent), m_settings(std::move(settings)), m_store(store), m_signInTimeout(defaultSignInTimeout)
{
    m_refreshTimer.setSingleShot(true);
    connect(&m_refreshTimer, &QTimer::timeout, this, &GoogleSignIn::refreshNow);
}

GoogleSignIn::~GoogleSignIn()
{
    // A pending sign-in's completion is dropped: nobody is left to hear it.
    if (m_attempt)
        m_attempt->dispose();
}

void GoogleSignIn::setBrowserOpener(std::function<void(const QUrl &)> opener)
{
    m_openBrowser = std::move(opener);
}

void GoogleSignIn::setSignInTimeout(std::chrono::milliseconds timeout)
{
    m_signInTimeout = timeout;
    if (m_attempt)
        m_attempt->setTimeout(timeout);
}

int GoogleSignIn::msUntilRefresh() const
{
    return m_refreshTimer.isActive() ? m_refreshTimer.remainingTime() : -1;
}

bool GoogleSignIn::hasPreviousSignIn() const
{
    return m_hasPreviousSignIn || m_refreshToken.has_value();
}

void GoogleSignIn::setCurrentUser(std::optional<GoogleUser> user)
{
    m_currentUser = std::move(user);
    Q_EMIT currentUserChanged();
}

void GoogleSignIn::keepRefreshToken(const QString &refreshToken)
{
    if (m_refreshToken == refreshToken)
        return;
    m_refreshToken = refreshToken;
    m_store->write(refreshToken);
}

// Takes a token answer's user as the signed-in one: keeps a rotated refresh
// token, and plans the next refresh from the answer's lifetime.
void GoogleSignIn::adopt(GoogleUser user, const QJsonObject &tokens)
{
    const QString rotated = tokens.value(QStringLiteral("refresh_token")).toString();
    if (!rotated.isEmpty())
        keepRefreshToken(rotated);
    m_retryDelaySeconds = 0;
    setCurrentUser(std::move(user));
    scheduleRefresh(TokenEndpoint::lifetime(tokens));
}

// ---- Restore and refresh -------------------------------------------------

void GoogleSignIn::restorePreviousSignIn(Completion completion)
{
    const QPointer<GoogleSignIn> self(this);
    m_store->read([self, completion = std::move(completion)](std::optional<QString> stored) {
        if (!self)
            return;
        if (!stored || stored->isEmpty()) {
            self->m_hasPreviousSignIn = false;
            completion(std::nullopt, QStringLiteral("no previous sign-in"));
            return;
        }
        self->m_hasPreviousSignIn = true;
        self->m_pendingRestore = PendingRestore{completion, *stored};
        self->retryPendingRestore();
    });
}

void GoogleSignIn::retryPendingRestore()
{
    if (!m_pendingRestore || m_pendingRestore->inFlight)
        return;
    m_pendingRestore->inFlight = true;
    const quint64 session = m_session;
    TokenEndpoint::refresh(
            m_settings, m_pendingRestore->refreshToken, this, [this, session](const RefreshAnswer &answer) {
                // A sign-in or sign-out since has settled who is signed in.
                if (session != m_session || !m_pendingRestore)
                    return;
                if (!answer.tokens && !answer.rejected) {
                    // Google could not be reached: the grant may well be good. Keep
                    // it and try again later rather than send the user to a browser
                    // that cannot load the consent page either.
                    m_pendingRestore->inFlight = false;
                    if (!m_pendingRestore->told) {
                        m_pendingRestore->told = true;
                        printLine(QStringLiteral("The Google sign-in could not be restored (") + answer.description
                                  + QStringLiteral("); trying again when the network is back"));
                        watchReachability();
                    }
                    return;
                }
                const PendingRestore restore = std::move(*m_pendingRestore);
                m_pendingRestore.reset();
                if (!answer.tokens) {
                    // A refused grant never comes back; keeping it would only fail
                    // the same way at the next start.
                    m_store->remove();
                    restore.completion(std::nullopt, answer.description);
                    return;
                }
                QString error;
                std::optional<GoogleUser> user = userFromTokens(*answer.tokens, std::nullopt, &error);
                if (!user) {
                    restore.completion(std::nullopt, error);
                    return;
                }
                ++m_session;
                m_refreshToken = restore.refreshToken;
                adopt(*user, *answer.tokens);
                restore.completion(user, QString());
            });
}

void GoogleSignIn::watchReachability()
{
    if (m_watchingReachability)
        return;
    m_watchingReachability = true;
    // Where no backend loads (no NetworkManager), opening the popover is
    // what tries again.
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend())
        return;
    QNetworkInformation *information = QNetworkInformation::instance();
    if (!information || !information->supports(QNetworkInformation::Feature::Reachability))
        return;
    connect(information, &QNetworkInformation::reachabilityChanged, this,
            [this](QNetworkInformation::Reachability reachability) {
                if (reachability == QNetworkInformation::Reachability::Online)
                    retryPendingRestore();
            });
}

void GoogleSignIn::scheduleRefresh(qint64 expiresInSeconds)
{
    if (expiresInSeconds <= 0) {
        // No lifetime given: nothing to refresh ahead of.
        m_refreshTimer.stop();
        return;
    }
    const qint64 delayMs = std::max((expiresInSeconds - refreshMarginSeconds) * 1000, expiresInSeconds * 800);
    m_refreshTimer.start(static_cast<int>(std::min<qint64>(delayMs, INT_MAX)));
}

void GoogleSignIn::refreshNow()
{
    if (!m_currentUser || !m_refreshToken)
        return;
    const quint64 session = m_session;
    TokenEndpoint::refresh(m_settings, *m_refreshToken, this, [this, session](const RefreshAnswer &answer) {
        if (session != m_session || !m_currentUser)
            return;
        QString failure = answer.description;
        if (answer.tokens) {
            std::optional<GoogleUser> user = userFromTokens(*answer.tokens, m_currentUser, &failure);
            if (user) {
                adopt(std::move(*user), *answer.tokens);
                return;
            }
        }
        if (answer.rejected) {
            // The user stays signed in with the tokens they have until they
            // sign out and in again; retrying a refused grant cannot help.
            printLine(QStringLiteral("The Google sign-in could not be refreshed (") + failure
                      + QStringLiteral("); sign out and in again to reconnect"));
            return;
        }
        m_retryDelaySeconds =
                m_retryDelaySeconds == 0 ? firstRetrySeconds : std::min(m_retryDelaySeconds * 2, longestRetrySeconds);
        printLine(QStringLiteral("The Google sign-in could not be refreshed (") + failure
                  + QStringLiteral("); trying again in %1 s").arg(m_retryDelaySeconds));
        m_refreshTimer.start(m_retryDelaySeconds * 1000);
    });
}

// ---- Interactive sign-in --------------------------------------------------

void GoogleSignIn::signIn(QWindow *presentingWindow, const QString &hint, const QStringList &additionalScopes,
                          Completion completion)
{
    // The consent page opens in the browser, not over a window of ours.
    Q_UNUSED(presentingWindow);

    if (m_attempt)
        finishAttempt(std::nullopt, QStringLiteral("another sign-in was started"));

    QStringList scopes = baseScopes;
    for (const QString &scope : additionalScopes) {
        if (!scope.isEmpty() && !scopes.contains(scope))
            scopes.append(scope);
    }

    m_attempt = new SignInAttempt(m_settings, m_signInTimeout, this);
    m_attemptCompletion = std::move(completion);
    connect(m_attempt, &SignInAttempt::granted, this, &GoogleSignIn::handleGranted);
    connect(m_attempt, &SignInAttempt::failed, this,
            [this](const QString &reason) { finishAttempt(std::nullopt, reason); });
    m_attempt->start(scopes, hint, m_openBrowser);
}

void GoogleSignIn::handleGranted(const QJsonObject &tokens, const QString &refreshToken)
{
    QString error;
    std::optional<GoogleUser> user = userFromTokens(tokens, std::nullopt, &error);
    if (!user) {
        finishAttempt(std::nullopt, error);
        return;
    }

    ++m_session;
    m_pendingRestore.reset();
    if (!refreshToken.isEmpty()) {
        keepRefreshToken(refreshToken);
    } else {
        // Whatever was stored belongs to an earlier sign-in.
        m_refreshToken.reset();
        m_store->remove();
    }
    adopt(*user, tokens);
    finishAttempt(user, QString());
}

void GoogleSignIn::finishAttempt(std::optional<GoogleUser> user, const QString &error)
{
    if (!m_attempt)
        return;
    std::exchange(m_attempt, nullptr)->dispose();
    const Completion completion = std::exchange(m_attemptCompletion, {});
    if (!completion)
        return;
    // Never inside the call that got here: that may be signIn() itself.
    QTimer::singleShot(0, this, [completion, user = std::move(user), error] { completion(user, error); });
}

bool GoogleSignIn::handleURL(const QUrl &url)
{
    return m_attempt && m_attempt->handleURL(url);
}

void GoogleSignIn::signOut()
{
    m_refreshTimer.stop();
    ++m_session;
    m_pendingRestore.reset();
    m_retryDelaySeconds = 0;
    QString revocable;
    if (m_refreshToken)
        revocable = *m_refreshToken;
    else if (m_currentUser)
        revocable = m_currentUser->accessToken.tokenString;
    m_refreshToken.reset();
    m_hasPreviousSignIn = false;
    setCurrentUser(std::nullopt);
    m_store->remove();

    if (revocable.isEmpty() || !m_settings.revocationEndpoint.isValid())
        return;
    TokenEndpoint::revoke(m_settings.revocationEndpoint, revocable);
}
