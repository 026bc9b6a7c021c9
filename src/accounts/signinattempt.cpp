#include "accounts/signinattempt.h"

#include "backend/network.h"
#include "common/base64url.h"
#include "common/outputline.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QOAuth2AuthorizationCodeFlow>
#include <QOAuthHttpServerReplyHandler>
#include <QUrlQuery>

#include <algorithm>

namespace {

// The page in the browser is answered before the listener goes away.
constexpr int listenerLingerMs = 2000;

// The texts of the page the browser shows after the redirect, translated in
// GoogleSignIn's context, where their translations are.
struct BrowserPage
{
    Q_DECLARE_TR_FUNCTIONS(GoogleSignIn)
};

QByteArray pkceChallenge(const QByteArray &verifier)
{
    return base64UrlEncode(QCryptographicHash::hash(verifier, QCryptographicHash::Sha256));
}

} // namespace

// The flow's reply handler: gives it the loopback redirect address and
// hears the token endpoint. The browser talks to a listener of its own,
// whose requests the attempt checks first; only the answer to this sign-in
// is passed on here, so a stray or forged request never reaches the flow.
// Qt 6.4's handler drops a failed token request without a word, which would
// leave the sign-in pending for ever; this one reports it.
class SignInReplyHandler final : public QOAuthOobReplyHandler
{
public:
    SignInReplyHandler(QString redirectUri, QObject *parent)
        : QOAuthOobReplyHandler(parent), m_redirectUri(std::move(redirectUri))
    {
    }

    QString callback() const override { return m_redirectUri; }

    std::function<void(const QString &reason)> onTokenRequestFailed;
    bool tokenRequestInFlight = false;
    // Left behind by a finished sign-in while the flow's token request was
    // still out: the flow calls back into this object when the reply
    // arrives, so it may only go away after that.
    bool abandoned = false;

protected:
    void networkReplyFinished(QNetworkReply *reply) override
    {
        tokenRequestInFlight = false;
        if (abandoned) {
            deleteLater();
            return;
        }
        const QString failure = describeFailure(reply);
        if (!failure.isEmpty()) {
            // A copy: the call may end the sign-in, which clears the member.
            const auto report = onTokenRequestFailed;
            if (report)
                report(failure);
            return;
        }
        QOAuthOobReplyHandler::networkReplyFinished(reply);
    }

private:
    QString m_redirectUri;

    static QString describeFailure(QNetworkReply *reply)
    {
        // peek() leaves the body for the base class to read.
        const QJsonObject body = QJsonDocument::fromJson(reply->peek(reply->bytesAvailable())).object();
        const QString error = body.value(QStringLiteral("error")).toString();
        if (!error.isEmpty())
            return QStringLiteral("the token endpoint refused the sign-in: ") + error;
        if (reply->error() != QNetworkReply::NoError)
            return QStringLiteral("could not reach the token endpoint: ") + reply->errorString();
        if (body.value(QStringLiteral("access_token")).toString().isEmpty())
            return QStringLiteral("the token endpoint gave no access token");
        return {};
    }
};

SignInAttempt::SignInAttempt(SignInSettings settings, std::chrono::milliseconds timeout, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
    , m_state(QString::fromLatin1(randomToken(24)))
    , m_codeVerifier(randomToken(48)) // 64 characters
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeout);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        printLine(QStringLiteral("The sign-in timed out: no answer came from the browser"));
        Q_EMIT failed(QStringLiteral("the sign-in timed out"));
    });
}

SignInAttempt::~SignInAttempt()
{
    release();
}

void SignInAttempt::setTimeout(std::chrono::milliseconds timeout)
{
    m_timer.setInterval(timeout);
}

void SignInAttempt::start(const QStringList &scopes, const QString &hint,
                          const std::function<void(const QUrl &)> &openBrowser)
{
    m_hint = hint;
    if (m_settings.clientId.isEmpty() || !m_settings.authorizationEndpoint.isValid()
        || !m_settings.tokenEndpoint.isValid()) {
        Q_EMIT failed(QStringLiteral("Google sign-in is not set up in this build"));
        return;
    }

    // Listening on the loopback address only: the default handler would
    // listen on every interface.
    auto *listener = new QOAuthHttpServerReplyHandler(QHostAddress::LocalHost, 0, this);
    m_listener = listener;
    if (!listener->isListening()) {
        Q_EMIT failed(QStringLiteral("could not listen on 127.0.0.1 for the browser"));
        return;
    }
    auto *handler = new SignInReplyHandler(listener->callback(), this);
    m_handler = handler;

    auto *flow = new QOAuth2AuthorizationCodeFlow(Network::sharedManager(), this);
    m_flow = flow;
    flow->setReplyHandler(handler);
    flow->setAuthorizationUrl(m_settings.authorizationEndpoint);
    flow->setAccessTokenUrl(m_settings.tokenEndpoint);
    flow->setClientIdentifier(m_settings.clientId);
    flow->setClientIdentifierSharedKey(m_settings.clientSecret);
    flow->setState(m_state);
    flow->setScope(scopes.join(u' '));

    flow->setModifyParametersFunction([this, flow](QAbstractOAuth::Stage stage,
                                                   QMultiMap<QString, QVariant> *parameters) {
        if (m_flow != flow)
            return;
        const auto put = [parameters](const QString &key, const QVariant &value) {
            parameters->remove(key);
            parameters->insert(key, value);
        };
        switch (stage) {
        case QAbstractOAuth::Stage::RequestingAuthorization:
            put(QStringLiteral("code_challenge"), QString::fromLatin1(pkceChallenge(m_codeVerifier)));
            put(QStringLiteral("code_challenge_method"), QStringLiteral("S256"));
            // Without these Google gives no refresh token.
            put(QStringLiteral("access_type"), QStringLiteral("offline"));
            put(QStringLiteral("prompt"), QStringLiteral("consent"));
            if (!m_hint.isEmpty())
                put(QStringLiteral("login_hint"), m_hint);
            break;
        case QAbstractOAuth::Stage::RequestingAccessToken:
            // Qt 6.4 percent-encodes the code it was handed once more;
            // the values go in encoded exactly once so that QUrlQuery
            // keeps them as they are.
            put(QStringLiteral("code"), QString::fromLatin1(QUrl::toPercentEncoding(m_code)));
            put(QStringLiteral("client_secret"), QString::fromLatin1(QUrl::toPercentEncoding(m_settings.clientSecret)));
            put(QStringLiteral("code_verifier"), QString::fromLatin1(m_codeVerifier));
            if (m_handler)
                m_handler->tokenRequestInFlight = true;
            break;
        default:
            break;
        }
    });

    connect(listener, &QAbstractOAuthReplyHandler::callbackReceived, this, &SignInAttempt::handleCallback);
    handler->onTokenRequestFailed = [this](const QString &reason) { Q_EMIT failed(reason); };
    connect(flow, &QAbstractOAuth::granted, this, &SignInAttempt::handleGranted);
    connect(flow, &QAbstractOAuth2::error, this, [this](const QString &error) {
        Q_EMIT failed(QStringLiteral("Google sign-in was not granted: ") + error);
    });
    connect(flow, &QAbstractOAuth::authorizeWithBrowser, this, [this, openBrowser](const QUrl &url) {
        if (openBrowser) {
            openBrowser(url);
        } else if (!QDesktopServices::openUrl(url)) {
            Q_EMIT failed(QStringLiteral("could not open the browser for the sign-in"));
        }
    });

    m_timer.start();
    flow->grant();
}

void SignInAttempt::handleCallback(const QVariantMap &data)
{
    QOAuthHttpServerReplyHandler *page = m_listener;
    if (!page)
        return;

    // Anything that is not the answer to this sign-in (a stale tab, a stray
    // visit, another program or page on this machine) gets an error page
    // and changes nothing: the sign-in goes on waiting for its answer.
    if (data.value(QStringLiteral("state")).toString() != m_state) {
        page->setCallbackText(BrowserPage::tr("This answer does not belong to the sign-in that Stint started. "
                                              "Go back to Stint and sign in again."));
        return;
    }
    // A reload of the page: the code is being exchanged already.
    if (m_callbackAccepted)
        return;
    const QString error = data.value(QStringLiteral("error")).toString();
    if (!error.isEmpty()) {
        page->setCallbackText(BrowserPage::tr("The sign-in was cancelled. You can close this tab."));
        Q_EMIT failed(QStringLiteral("Google sign-in was not granted: ") + error);
        return;
    }
    const QString code = data.value(QStringLiteral("code")).toString();
    if (code.isEmpty()) {
        page->setCallbackText(BrowserPage::tr("The sign-in did not complete. Go back to Stint and sign in again."));
        Q_EMIT failed(QStringLiteral("the answer to the sign-in carried no authorization code"));
        return;
    }
    m_code = QUrl::fromPercentEncoding(code.toUtf8());
    m_callbackAccepted = true;
    m_timer.stop();
    page->setCallbackText(BrowserPage::tr("You are signed in to Stint. You can close this tab."));
    Q_EMIT m_handler->callbackReceived(data);
}

bool SignInAttempt::handleURL(const QUrl &url)
{
    if (!m_handler || !m_listener || m_callbackAccepted)
        return false;
    const QUrlQuery query(url);
    if (!query.hasQueryItem(QStringLiteral("state"))
        || query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded) != m_state)
        return false;
    if (!query.hasQueryItem(QStringLiteral("code")) && !query.hasQueryItem(QStringLiteral("error")))
        return false;
    // The same map, decoded the same way, that the loopback listener makes
    // of the browser's redirect.
    QVariantMap data;
    const auto items = query.queryItems();
    for (const auto &[key, value] : items)
        data.insert(key, value);
    handleCallback(data);
    return true;
}

void SignInAttempt::handleGranted()
{
    QOAuth2AuthorizationCodeFlow *flow = m_flow;
    if (!flow)
        return;
    QJsonObject tokens{
            {QStringLiteral("access_token"), flow->token()},
            {QStringLiteral("id_token"), flow->extraTokens().value(QStringLiteral("id_token")).toString()},
    };
    const QDateTime expiry = flow->expirationAt();
    if (expiry.isValid()) {
        const qint64 ms = QDateTime::currentDateTimeUtc().msecsTo(expiry);
        tokens.insert(QStringLiteral("expires_in"), std::max<qint64>(1, (ms + 500) / 1000));
    }
    Q_EMIT granted(tokens, flow->refreshToken());
}

void SignInAttempt::dispose()
{
    release();
    QTimer::singleShot(listenerLingerMs, this, &QObject::deleteLater);
}

void SignInAttempt::release()
{
    m_timer.stop();
    QOAuth2AuthorizationCodeFlow *flow = m_flow;
    SignInReplyHandler *handler = m_handler;
    QOAuthHttpServerReplyHandler *listener = m_listener;
    m_flow.clear();
    m_handler.clear();
    m_listener.clear();
    if (flow) {
        disconnect(flow, nullptr, this, nullptr);
        if (handler)
            disconnect(handler, nullptr, flow, nullptr);
        flow->deleteLater();
    }
    if (handler) {
        handler->onTokenRequestFailed = nullptr;
        if (handler->tokenRequestInFlight) {
            handler->abandoned = true;
            // Outlives the attempt if need be; goes at the latest with the
            // manager whose reply it waits for.
            handler->setParent(Network::sharedManager());
        } else {
            handler->deleteLater();
        }
    }
    if (listener) {
        disconnect(listener, nullptr, this, nullptr);
        listener->close();
    }
}
