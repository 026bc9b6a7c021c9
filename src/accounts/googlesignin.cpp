#include "accounts/googlesignin.h"

#include "accounts/tokenstore.h"
#include "backend/configuration.h"
#include "backend/network.h"
#include "common/base64url.h"
#include "common/jwt.h"
#include "common/outputline.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QHostAddress>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QOAuth2AuthorizationCodeFlow>
#include <QOAuthHttpServerReplyHandler>
#include <QUrlQuery>

#include <algorithm>
#include <climits>

const QStringList GoogleSignIn::baseScopes = {QStringLiteral("openid"), QStringLiteral("email"),
                                              QStringLiteral("profile")};

namespace {

const QString googleAuthorizationEndpoint = QStringLiteral("https://accounts.google.com/o/oauth2/v2/auth");
const QString googleTokenEndpoint = QStringLiteral("https://oauth2.googleapis.com/token");
const QString googleRevocationEndpoint = QStringLiteral("https://oauth2.googleapis.com/revoke");

// Tokens are refreshed this long before they run out, or at 80% of their
// lifetime when they live shorter than that.
constexpr qint64 refreshMarginSeconds = 300;
constexpr int firstRetrySeconds = 30;
constexpr int longestRetrySeconds = 600;
// The page in the browser is answered before the listener goes away.
constexpr int listenerLingerMs = 2000;
// A sign-in nobody finishes in the browser is given up after this long, so
// its listener does not stay open for the rest of the session.
constexpr std::chrono::milliseconds defaultSignInTimeout = std::chrono::minutes(10);

QByteArray pkceChallenge(const QByteArray &verifier)
{
    return base64UrlEncode(QCryptographicHash::hash(verifier, QCryptographicHash::Sha256));
}

QByteArray formBody(const QList<QPair<QString, QString>> &fields)
{
    QByteArray body;
    for (const auto &[key, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

QNetworkRequest formRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(Network::transferTimeout());
    return request;
}

struct IdentityClaims
{
    QString subject;
    QString email;
    QString name;
    QDateTime expiry;
};

// The claims of an ID token, read without checking its signature: it came
// straight from the token endpoint over TLS, which is what vouches for it.
std::optional<IdentityClaims> readIdentityToken(const QString &token)
{
    const std::optional<SignedToken> parsed = SignedToken::parse(token.toLatin1());
    if (!parsed)
        return std::nullopt;
    const QJsonObject &claims = parsed->claims;
    const QJsonValue subject = claims.value(QStringLiteral("sub"));
    if (!subject.isString() || subject.toString().isEmpty())
        return std::nullopt;
    IdentityClaims result;
    result.subject = subject.toString();
    result.email = claims.value(QStringLiteral("email")).toString();
    result.name = claims.value(QStringLiteral("name")).toString();
    const QJsonValue expiry = claims.value(QStringLiteral("exp"));
    if (expiry.isDouble())
        result.expiry = QDateTime::fromSecsSinceEpoch(expiry.toInteger());
    return result;
}

// Seconds the access token lives, or -1 when the answer does not say.
qint64 lifetimeOf(const QJsonObject &tokens)
{
    const QJsonValue value = tokens.value(QStringLiteral("expires_in"));
    if (value.isDouble())
        return value.toInteger(-1);
    bool ok = false;
    const qint64 seconds = value.toString().toLongLong(&ok);
    return ok ? seconds : -1;
}

// The user that a token answer describes. `previous` supplies the identity
// when a refresh answer carries no new ID token.
std::optional<GoogleUser> userFromTokens(const QJsonObject &tokens, const std::optional<GoogleUser> &previous,
                                         QString *error)
{
    const QString accessToken = tokens.value(QStringLiteral("access_token")).toString();
    if (accessToken.isEmpty()) {
        *error = QStringLiteral("the token endpoint gave no access token");
        return std::nullopt;
    }
    GoogleUser user = previous.value_or(GoogleUser{});
    const qint64 lifetime = lifetimeOf(tokens);
    user.accessToken.tokenString = accessToken;
    user.accessToken.expirationDate = lifetime > 0 ? QDateTime::currentDateTimeUtc().addSecs(lifetime) : QDateTime();

    const QString idToken = tokens.value(QStringLiteral("id_token")).toString();
    if (!idToken.isEmpty()) {
        const std::optional<IdentityClaims> claims = readIdentityToken(idToken);
        if (!claims) {
            *error = QStringLiteral("the identity token from the token endpoint could not be read");
            return std::nullopt;
        }
        user.userID = claims->subject;
        user.email = claims->email;
        user.name = claims->name;
        user.idToken =
                GoogleToken{idToken, claims->expiry.isValid() ? claims->expiry : user.accessToken.expirationDate};
    }
    return user;
}

} // namespace

// The flow's reply handler: gives it the loopback redirect address and
// hears the token endpoint. The browser talks to a listener of its own,
// whose requests GoogleSignIn checks first; only the answer to this sign-in
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

struct GoogleSignIn::Attempt
{
    QPointer<QOAuth2AuthorizationCodeFlow> flow;
    QPointer<SignInReplyHandler> handler;
    QPointer<QOAuthHttpServerReplyHandler> listener;
    QString state;
    QByteArray codeVerifier;
    QString hint;
    QString code; // percent-decoded, as the provider issued it
    bool callbackAccepted = false;
    Completion completion;
};

namespace {

void releaseFlow(QOAuth2AuthorizationCodeFlow *flow, SignInReplyHandler *handler,
                 QOAuthHttpServerReplyHandler *listener, QObject *owner)
{
    if (flow) {
        QObject::disconnect(flow, nullptr, owner, nullptr);
        if (handler)
            QObject::disconnect(handler, nullptr, flow, nullptr);
        flow->deleteLater();
    }
    if (handler) {
        handler->onTokenRequestFailed = nullptr;
        if (handler->tokenRequestInFlight) {
            handler->abandoned = true;
            // Outlives the owner if need be; goes at the latest with the
            // manager whose reply it waits for.
            handler->setParent(Network::sharedManager());
        } else {
            handler->deleteLater();
        }
    }
    if (listener) {
        QObject::disconnect(listener, nullptr, owner, nullptr);
        listener->close();
        QTimer::singleShot(listenerLingerMs, listener, &QObject::deleteLater);
    }
}

} // namespace

SignInSettings SignInSettings::fromInfoDictionary()
{
    const auto textOr = [](const QString &key, const QString &fallback) {
        const QString value = Configuration::text(key);
        return value.isEmpty() ? fallback : value;
    };
    SignInSettings settings;
    settings.clientId = Configuration::text(QStringLiteral("GOOGLE_CLIENT_ID"));
    settings.clientSecret = Configuration::text(QStringLiteral("GOOGLE_CLIENT_SECRET"));
    settings.authorizationEndpoint = QUrl(textOr(QStringLiteral("GOOGLE_AUTH_URL"), googleAuthorizationEndpoint));
    settings.tokenEndpoint = QUrl(textOr(QStringLiteral("GOOGLE_TOKEN_URL"), googleTokenEndpoint));
    settings.revocationEndpoint = QUrl(textOr(QStringLiteral("GOOGLE_REVOKE_URL"), googleRevocationEndpoint));
    return settings;
}

GoogleSignIn::GoogleSignIn(SignInSettings settings, TokenStore *store, QObject *parent)
    : QObject(parent), m_settings(std::move(settings)), m_store(store)
{
    m_refreshTimer.setSingleShot(true);
    connect(&m_refreshTimer, &QTimer::timeout, this, &GoogleSignIn::refreshNow);
    m_signInTimer.setSingleShot(true);
    m_signInTimer.setInterval(defaultSignInTimeout);
    connect(&m_signInTimer, &QTimer::timeout, this, [this] {
        printLine(QStringLiteral("The sign-in timed out: no answer came from the browser"));
        finishAttempt(std::nullopt, QStringLiteral("the sign-in timed out"));
    });
}

GoogleSignIn::~GoogleSignIn()
{
    // A pending sign-in's completion is dropped: nobody is left to hear it.
    if (m_attempt)
        releaseFlow(m_attempt->flow, m_attempt->handler, m_attempt->listener, this);
}

void GoogleSignIn::setBrowserOpener(std::function<void(const QUrl &)> opener)
{
    m_openBrowser = std::move(opener);
}

void GoogleSignIn::setSignInTimeout(std::chrono::milliseconds timeout)
{
    m_signInTimer.setInterval(timeout);
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
    scheduleRefresh(lifetimeOf(tokens));
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
    requestRefresh(m_pendingRestore->refreshToken, [this, session](const RefreshAnswer &answer) {
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

void GoogleSignIn::requestRefresh(const QString &refreshToken, std::function<void(const RefreshAnswer &)> done)
{
    // Qt 6.4's refreshAccessToken() swallows failures and can stay stuck in
    // "refreshing", so the refresh grant is sent by hand.
    const QByteArray body = formBody({
            {QStringLiteral("grant_type"), QStringLiteral("refresh_token")},
            {QStringLiteral("client_id"), m_settings.clientId},
            {QStringLiteral("client_secret"), m_settings.clientSecret},
            {QStringLiteral("refresh_token"), refreshToken},
    });
    QNetworkReply *reply = Network::sharedManager()->post(formRequest(m_settings.tokenEndpoint), body);
    // An unanswered refresh goes away with this object.
    reply->setParent(this);
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QJsonObject tokens = QJsonDocument::fromJson(reply->readAll()).object();
        RefreshAnswer answer;
        if (reply->error() == QNetworkReply::NoError
            && !tokens.value(QStringLiteral("access_token")).toString().isEmpty()) {
            answer.tokens = tokens;
        } else if (status == 400 || status == 401) {
            const QString error = tokens.value(QStringLiteral("error")).toString();
            answer.rejected = true;
            answer.description = QStringLiteral("the token endpoint refused the sign-in: ")
                    + (error.isEmpty() ? QStringLiteral("HTTP %1").arg(status) : error);
        } else if (reply->error() != QNetworkReply::NoError) {
            answer.description = QStringLiteral("could not reach the token endpoint: ") + reply->errorString();
        } else {
            answer.description = QStringLiteral("the token endpoint gave no access token");
        }
        done(answer);
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
    requestRefresh(*m_refreshToken, [this, session](const RefreshAnswer &answer) {
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

    m_attempt = std::make_unique<Attempt>();
    m_attempt->completion = std::move(completion);
    m_attempt->state = QString::fromLatin1(randomToken(24));
    m_attempt->codeVerifier = randomToken(48); // 64 characters
    m_attempt->hint = hint;

    if (m_settings.clientId.isEmpty() || !m_settings.authorizationEndpoint.isValid()
        || !m_settings.tokenEndpoint.isValid()) {
        finishAttempt(std::nullopt, QStringLiteral("Google sign-in is not set up in this build"));
        return;
    }

    // Listening on the loopback address only: the default handler would
    // listen on every interface.
    auto *listener = new QOAuthHttpServerReplyHandler(QHostAddress::LocalHost, 0, this);
    m_attempt->listener = listener;
    if (!listener->isListening()) {
        finishAttempt(std::nullopt, QStringLiteral("could not listen on 127.0.0.1 for the browser"));
        return;
    }
    auto *handler = new SignInReplyHandler(listener->callback(), this);
    m_attempt->handler = handler;

    auto *flow = new QOAuth2AuthorizationCodeFlow(Network::sharedManager(), this);
    m_attempt->flow = flow;
    flow->setReplyHandler(handler);
    flow->setAuthorizationUrl(m_settings.authorizationEndpoint);
    flow->setAccessTokenUrl(m_settings.tokenEndpoint);
    flow->setClientIdentifier(m_settings.clientId);
    flow->setClientIdentifierSharedKey(m_settings.clientSecret);
    flow->setState(m_attempt->state);

    QStringList scopes = baseScopes;
    for (const QString &scope : additionalScopes) {
        if (!scope.isEmpty() && !scopes.contains(scope))
            scopes.append(scope);
    }
    flow->setScope(scopes.join(u' '));

    flow->setModifyParametersFunction([this, flow](QAbstractOAuth::Stage stage,
                                                   QMultiMap<QString, QVariant> *parameters) {
        if (!m_attempt || m_attempt->flow != flow)
            return;
        const auto put = [parameters](const QString &key, const QVariant &value) {
            parameters->remove(key);
            parameters->insert(key, value);
        };
        switch (stage) {
        case QAbstractOAuth::Stage::RequestingAuthorization:
            put(QStringLiteral("code_challenge"), QString::fromLatin1(pkceChallenge(m_attempt->codeVerifier)));
            put(QStringLiteral("code_challenge_method"), QStringLiteral("S256"));
            // Without these Google gives no refresh token.
            put(QStringLiteral("access_type"), QStringLiteral("offline"));
            put(QStringLiteral("prompt"), QStringLiteral("consent"));
            if (!m_attempt->hint.isEmpty())
                put(QStringLiteral("login_hint"), m_attempt->hint);
            break;
        case QAbstractOAuth::Stage::RequestingAccessToken:
            // Qt 6.4 percent-encodes the code it was handed once more;
            // the values go in encoded exactly once so that QUrlQuery
            // keeps them as they are.
            put(QStringLiteral("code"), QString::fromLatin1(QUrl::toPercentEncoding(m_attempt->code)));
            put(QStringLiteral("client_secret"), QString::fromLatin1(QUrl::toPercentEncoding(m_settings.clientSecret)));
            put(QStringLiteral("code_verifier"), QString::fromLatin1(m_attempt->codeVerifier));
            if (m_attempt->handler)
                m_attempt->handler->tokenRequestInFlight = true;
            break;
        default:
            break;
        }
    });

    connect(listener, &QAbstractOAuthReplyHandler::callbackReceived, this,
            [this, listener](const QVariantMap &data) { handleAuthorizationCallback(listener, data); });
    handler->onTokenRequestFailed = [this](const QString &reason) { finishAttempt(std::nullopt, reason); };
    connect(flow, &QAbstractOAuth::granted, this, &GoogleSignIn::handleGranted);
    connect(flow, &QAbstractOAuth2::error, this, [this](const QString &error) {
        finishAttempt(std::nullopt, QStringLiteral("Google sign-in was not granted: ") + error);
    });
    connect(flow, &QAbstractOAuth::authorizeWithBrowser, this, [this](const QUrl &url) {
        if (m_openBrowser) {
            m_openBrowser(url);
        } else if (!QDesktopServices::openUrl(url)) {
            finishAttempt(std::nullopt, QStringLiteral("could not open the browser for the sign-in"));
        }
    });

    m_signInTimer.start();
    flow->grant();
}

void GoogleSignIn::handleAuthorizationCallback(QObject *listener, const QVariantMap &data)
{
    if (!m_attempt || m_attempt->listener != listener)
        return;
    QOAuthHttpServerReplyHandler *page = m_attempt->listener;

    // Anything that is not the answer to this sign-in (a stale tab, a stray
    // visit, another program or page on this machine) gets an error page
    // and changes nothing: the sign-in goes on waiting for its answer.
    if (data.value(QStringLiteral("state")).toString() != m_attempt->state) {
        page->setCallbackText(tr("This answer does not belong to the sign-in that Stint started. "
                                 "Go back to Stint and sign in again."));
        return;
    }
    // A reload of the page: the code is being exchanged already.
    if (m_attempt->callbackAccepted)
        return;
    const QString error = data.value(QStringLiteral("error")).toString();
    if (!error.isEmpty()) {
        page->setCallbackText(tr("The sign-in was cancelled. You can close this tab."));
        finishAttempt(std::nullopt, QStringLiteral("Google sign-in was not granted: ") + error);
        return;
    }
    const QString code = data.value(QStringLiteral("code")).toString();
    if (code.isEmpty()) {
        page->setCallbackText(tr("The sign-in did not complete. Go back to Stint and sign in again."));
        finishAttempt(std::nullopt, QStringLiteral("the answer to the sign-in carried no authorization code"));
        return;
    }
    m_attempt->code = QUrl::fromPercentEncoding(code.toUtf8());
    m_attempt->callbackAccepted = true;
    m_signInTimer.stop();
    page->setCallbackText(tr("You are signed in to Stint. You can close this tab."));
    Q_EMIT m_attempt->handler->callbackReceived(data);
}

void GoogleSignIn::handleGranted()
{
    if (!m_attempt || !m_attempt->flow || m_attempt->flow != sender())
        return;
    QOAuth2AuthorizationCodeFlow *flow = m_attempt->flow;

    QJsonObject tokens{
            {QStringLiteral("access_token"), flow->token()},
            {QStringLiteral("id_token"), flow->extraTokens().value(QStringLiteral("id_token")).toString()},
    };
    const QDateTime expiry = flow->expirationAt();
    if (expiry.isValid()) {
        const qint64 ms = QDateTime::currentDateTimeUtc().msecsTo(expiry);
        tokens.insert(QStringLiteral("expires_in"), std::max<qint64>(1, (ms + 500) / 1000));
    }
    QString error;
    std::optional<GoogleUser> user = userFromTokens(tokens, std::nullopt, &error);
    if (!user) {
        finishAttempt(std::nullopt, error);
        return;
    }

    ++m_session;
    m_pendingRestore.reset();
    const QString refreshToken = flow->refreshToken();
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
    const std::unique_ptr<Attempt> attempt = std::move(m_attempt);
    m_signInTimer.stop();
    releaseFlow(attempt->flow, attempt->handler, attempt->listener, this);
    if (!attempt->completion)
        return;
    // Never inside the call that got here: that may be signIn() itself.
    QTimer::singleShot(0, this,
                       [completion = attempt->completion, user = std::move(user), error] { completion(user, error); });
}

bool GoogleSignIn::handleURL(const QUrl &url)
{
    if (!m_attempt || !m_attempt->handler || !m_attempt->listener || m_attempt->callbackAccepted)
        return false;
    const QUrlQuery query(url);
    if (!query.hasQueryItem(QStringLiteral("state"))
        || query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded) != m_attempt->state)
        return false;
    if (!query.hasQueryItem(QStringLiteral("code")) && !query.hasQueryItem(QStringLiteral("error")))
        return false;
    // The same map, decoded the same way, that the loopback listener makes
    // of the browser's redirect.
    QVariantMap data;
    const auto items = query.queryItems();
    for (const auto &[key, value] : items)
        data.insert(key, value);
    handleAuthorizationCallback(m_attempt->listener, data);
    return true;
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
    // Fire and forget: the reply is on its own, so a sign-out just before
    // quitting still gets a chance to reach the provider.
    QNetworkReply *reply = Network::sharedManager()->post(formRequest(m_settings.revocationEndpoint),
                                                          formBody({{QStringLiteral("token"), revocable}}));
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply] {
        if (reply->error() != QNetworkReply::NoError)
            printLine(QStringLiteral("The Google sign-in could not be revoked: ") + reply->errorString());
        reply->deleteLater();
    });
}
