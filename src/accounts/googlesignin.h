#pragma once

#include "accounts/googleuser.h"
#include "accounts/signinsettings.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>

class QWindow;
class SignInAttempt;
class TokenStore;

// Google sign-in for an installed app: the OAuth 2.0 authorization-code flow
// in the system browser with a loopback redirect on 127.0.0.1, PKCE (S256)
// and a checked `state`. The refresh token is kept in a TokenStore; the
// access and identity tokens are refreshed shortly before they expire, so a
// request made hours after sign-in still carries valid tokens.
//
// Completions and signals arrive on the main thread. No token is ever
// printed: failures are described without them.
class GoogleSignIn : public QObject
{
    Q_OBJECT

public:
    // `user` present means success; otherwise `error` says what went wrong.
    using Completion = std::function<void(std::optional<GoogleUser> user, QString error)>;

    static const QStringList baseScopes; // openid email profile

    GoogleSignIn(SignInSettings settings, TokenStore *store, QObject *parent = nullptr);
    ~GoogleSignIn() override;

    // Signs the earlier user in again with the stored refresh token. When
    // Google refuses the grant, the stored token is forgotten and the
    // completion reports the failure. When Google cannot be reached (no
    // network, a timeout, a server error) the token is kept, one line says
    // so, and the restore stays pending: it is tried again when the network
    // comes back and at every retryPendingRestore(), and completes only
    // then. A sign-in or sign-out meanwhile ends it without a call.
    void restorePreviousSignIn(Completion completion);
    // Tries a restore that is waiting for the network once more, now.
    void retryPendingRestore();
    // Whether a refresh token was found by the last restore (or stored since).
    bool hasPreviousSignIn() const;

    // Opens the consent page in the browser and completes when the browser
    // comes back to the loopback redirect (or to handleURL). `presentingWindow`
    // and `hint` may be null/empty. A second call while one is pending
    // replaces the first, whose completion then reports failure. Requests to
    // the redirect that do not carry this sign-in's `state` get an error
    // page and are otherwise ignored. Without an answer the sign-in ends
    // after the sign-in timeout (10 minutes), and its listener closes.
    void signIn(QWindow *presentingWindow, const QString &hint, const QStringList &additionalScopes,
                Completion completion);

    // Completes a pending sign-in from its redirect URL (a matching `state`
    // and a `code`); returns false and does nothing for any other URL.
    bool handleURL(const QUrl &url);

    // Forgets the user and the stored refresh token, and asks the provider to
    // revoke it.
    void signOut();

    std::optional<GoogleUser> currentUser() const { return m_currentUser; }

    // The client to sign in with from now on (a sign-in under way keeps its
    // own). Signing out is the caller's choice: a session of another client
    // cannot be refreshed with this one.
    void setSettings(SignInSettings settings) { m_settings = std::move(settings); }
    const SignInSettings &settings() const { return m_settings; }

    // How the consent page is opened; the system browser by default. Tests
    // play the browser through this.
    void setBrowserOpener(std::function<void(const QUrl &)> opener);
    // How long an interactive sign-in waits for the browser; tests shorten it.
    void setSignInTimeout(std::chrono::milliseconds timeout);

    // Milliseconds until the tokens are next refreshed, or -1 when no
    // refresh is planned.
    int msUntilRefresh() const;

Q_SIGNALS:
    void currentUserChanged();

private:
    // implementation detail, free to change

    // A restore waiting for Google to become reachable.
    struct PendingRestore
    {
        Completion completion;
        QString refreshToken;
        bool inFlight = false;
        bool told = false; // the one line about it has been printed
    };

    void finishAttempt(std::optional<GoogleUser> user, const QString &error);
    void watchReachability();
    void handleGranted(const QJsonObject &tokens, const QString &refreshToken);
    void refreshNow();
    void scheduleRefresh(qint64 expiresInSeconds);
    void setCurrentUser(std::optional<GoogleUser> user);
    void keepRefreshToken(const QString &refreshToken);
    void adopt(GoogleUser user, const QJsonObject &tokens);

    SignInSettings m_settings;
    TokenStore *m_store = nullptr;
    std::optional<GoogleUser> m_currentUser;
    std::optional<QString> m_refreshToken;
    bool m_hasPreviousSignIn = false;
    std::function<void(const QUrl &)> m_openBrowser;
    QTimer m_refreshTimer;
    std::chrono::milliseconds m_signInTimeout;
    std::optional<PendingRestore> m_pendingRestore;
    bool m_watchingReachability = false;
    int m_retryDelaySeconds = 0;
    // Bumped by every sign-in and sign-out, so an answer to an older
    // session's refresh cannot bring that session back.
    quint64 m_session = 0;
    // The pending interactive sign-in, if any, and whom it answers.
    SignInAttempt *m_attempt = nullptr;
    Completion m_attemptCompletion;
};
