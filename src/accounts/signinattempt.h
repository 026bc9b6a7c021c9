#pragma once

#include "accounts/signinsettings.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <chrono>
#include <functional>

class QOAuth2AuthorizationCodeFlow;
class QOAuthHttpServerReplyHandler;
class SignInReplyHandler;

// One interactive sign-in: the OAuth 2.0 authorization-code flow in the
// browser, with PKCE (S256), a `state` of its own and a listener on the
// loopback address for the redirect. Only the answer that carries its state
// is taken; anything else the listener hears gets an error page and changes
// nothing. It reports once, through granted() or failed(), unless dispose()
// comes first.
class SignInAttempt : public QObject
{
    Q_OBJECT

public:
    SignInAttempt(SignInSettings settings, std::chrono::milliseconds timeout, QObject *parent);
    ~SignInAttempt() override;

    // Starts listening and opens the consent page for `scopes` with
    // `openBrowser`, or in the system browser when that is empty. A failure
    // may be reported before this returns.
    void start(const QStringList &scopes, const QString &hint, const std::function<void(const QUrl &)> &openBrowser);

    // How long the attempt waits for the browser, counted from now when it
    // is waiting already.
    void setTimeout(std::chrono::milliseconds timeout);

    // Takes the redirect URL handed to the app (its `state` matching, with a
    // `code` or an `error`) as the browser's answer; returns false and does
    // nothing for any other URL.
    bool handleURL(const QUrl &url);

    // Ends the attempt without a word: nothing is reported after this. The
    // listener stops listening but stays a moment, so the browser still gets
    // its page; then the attempt deletes itself.
    void dispose();

Q_SIGNALS:
    // The token endpoint's answer; `refreshToken` is empty when it gave none.
    void granted(const QJsonObject &tokens, const QString &refreshToken);
    void failed(const QString &reason);

private:
    void handleCallback(const QVariantMap &data);
    void handleGranted();
    void release();

    SignInSettings m_settings;
    QString m_state;
    QByteArray m_codeVerifier;
    QString m_hint;
    QString m_code; // percent-decoded, as the provider issued it
    bool m_callbackAccepted = false;
    QTimer m_timer;
    QPointer<QOAuth2AuthorizationCodeFlow> m_flow;
    QPointer<SignInReplyHandler> m_handler;
    QPointer<QOAuthHttpServerReplyHandler> m_listener;
};
