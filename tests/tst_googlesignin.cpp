// The sign-in layer against the dev server's stand-in provider, over real
// HTTP on 127.0.0.1, with the test playing the browser. Tokens are compared
// with QVERIFY, never QCOMPARE, so a failure does not print them.

#include "accounts/googlesignin.h"
#include "accounts/tokenstore.h"
#include "backend/network.h"
#include "common/base64url.h"
#include "devserver/devserver.h"
#include "support/stdoutcapture.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

namespace {

struct Outcome
{
    bool called = false;
    std::optional<GoogleUser> user;
    QString error;
};

GoogleSignIn::Completion recordInto(const std::shared_ptr<Outcome> &outcome)
{
    return [outcome](std::optional<GoogleUser> user, QString error) {
        QVERIFY(!outcome->called);
        *outcome = {true, std::move(user), std::move(error)};
    };
}

std::optional<QString> storedToken(TokenStore &store)
{
    auto result = std::make_shared<std::optional<std::optional<QString>>>();
    store.read([result](std::optional<QString> token) { *result = token; });
    (void)QTest::qWaitFor([&] { return result->has_value(); }, 5000);
    return result->value_or(QStringLiteral("(no answer)"));
}

} // namespace

class tst_GoogleSignIn : public QObject
{
    Q_OBJECT

private:
    DevServer m_server;
    QTemporaryDir m_dir;
    QNetworkAccessManager m_browser;
    std::unique_ptr<MemoryTokenStore> m_store;
    std::unique_ptr<GoogleSignIn> m_signIn;
    std::shared_ptr<Outcome> m_outcome;

    // A browser's GET, not following redirects: the status, 0 if refused.
    int browse(const QUrl &url, QUrl *location = nullptr)
    {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        std::unique_ptr<QNetworkReply> reply(m_browser.get(request));
        if (!QSignalSpy(reply.get(), &QNetworkReply::finished).wait(5000))
            return -1;
        if (location)
            *location = reply->header(QNetworkRequest::LocationHeader).toUrl();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }

    // Starts a sign-in and returns the consent page's address.
    QUrl startSignIn(const std::shared_ptr<Outcome> &outcome)
    {
        QUrl consent;
        m_signIn->setBrowserOpener([&consent](const QUrl &url) { consent = url; });
        m_signIn->signIn(nullptr, QString(), {QStringLiteral("https://www.googleapis.com/auth/tasks")},
                         recordInto(outcome));
        return consent;
    }

    // Starts a sign-in and consents: the loopback address the browser gets.
    QUrl consent()
    {
        QUrl loopback;
        browse(startSignIn(m_outcome), &loopback);
        return loopback;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.listen());
        const QString info = m_dir.filePath(QStringLiteral("info.json"));
        QVERIFY(m_server.writeInfoFile(info));
        qputenv("STINT_INFO_FILE", info.toLocal8Bit());
    }

    void init()
    {
        m_server.setTokenLifetime(3600);
        Network::setTransferTimeout(60000);
        m_signIn.reset();
        m_store = std::make_unique<MemoryTokenStore>();
        m_signIn = std::make_unique<GoogleSignIn>(SignInSettings::fromInfoDictionary(), m_store.get());
        m_outcome = std::make_shared<Outcome>();
    }

    void signInThroughTheBrowser()
    {
        const QUrl consentPage = startSignIn(m_outcome);
        const QUrlQuery query(consentPage); // the provider checks the rest
        QVERIFY(query.queryItemValue(QStringLiteral("state")).size() >= 22);
        QCOMPARE(query.queryItemValue(QStringLiteral("scope"), QUrl::FullyDecoded),
                 QStringLiteral("openid email profile https://www.googleapis.com/auth/tasks"));
        QUrl loopback;
        QCOMPARE(browse(consentPage, &loopback), 302);
        QCOMPARE(loopback.host(), QStringLiteral("127.0.0.1"));
        QCOMPARE(browse(loopback), 200);

        QTRY_VERIFY(m_outcome->called);
        QVERIFY2(m_outcome->user, qPrintable(m_outcome->error));
        QCOMPARE(m_outcome->user->email, QStringLiteral("dev.user@example.com"));
        QVERIFY(m_server.isIdTokenAccepted(m_outcome->user->idToken->tokenString));
        const qint64 lifetime = QDateTime::currentDateTimeUtc().secsTo(m_outcome->user->accessToken.expirationDate);
        QVERIFY2(lifetime > 3500 && lifetime <= 3600, qPrintable(QString::number(lifetime)));
        const std::optional<QString> stored = storedToken(*m_store);
        QVERIFY(stored && m_server.isRefreshTokenActive(*stored));
    }

    // The token endpoint refusing the code ends the sign-in with its reason.
    void refusedCodeFailsTheSignIn()
    {
        QUrl loopback = consent();
        QUrlQuery answer(loopback);
        answer.removeQueryItem(QStringLiteral("code"));
        answer.addQueryItem(QStringLiteral("code"), QStringLiteral("forged"));
        loopback.setQuery(answer);
        browse(loopback);
        QTRY_VERIFY(m_outcome->called);
        QVERIFY(!m_outcome->user && !m_signIn->currentUser() && !storedToken(*m_store));
        QVERIFY2(m_outcome->error.contains(u"invalid_grant"), qPrintable(m_outcome->error));
    }

    // Answers that are not this sign-in's (a stale tab, another page, a URL
    // handed over with another state) leave it waiting for its own, which a
    // URL handed to the app (command line, second start) may carry too.
    void onlyItsOwnAnswerCompletesTheSignIn()
    {
        const QUrl loopback = consent();
        QUrl stray = loopback;
        stray.setQuery("error=access_denied&state=x" + QUrlQuery(loopback).queryItemValue(QStringLiteral("state")));
        QCOMPARE(browse(stray), 200);
        QVERIFY(!m_signIn->handleURL(QUrl(QStringLiteral("stint://oauth2redirect?code=c&state=other"))));
        QUrl callback(QStringLiteral("stint://oauth2redirect"));
        callback.setQuery(QUrlQuery(loopback));
        QVERIFY(m_signIn->handleURL(callback));
        QTRY_VERIFY(m_outcome->called);
        QVERIFY2(m_outcome->user, qPrintable(m_outcome->error));
        QVERIFY(!m_signIn->handleURL(callback)); // nothing pending any more
    }

    // A second sign-in replaces the pending one; one nobody answers ends
    // after the timeout. Either way its listener closes.
    void pendingSignInEnds()
    {
        const QUrl firstLoopback = consent();
        m_signIn->setSignInTimeout(std::chrono::milliseconds(200));
        auto second = std::make_shared<Outcome>();
        QUrl secondLoopback;
        StdoutCapture capture;
        QCOMPARE(browse(startSignIn(second), &secondLoopback), 302);
        QTRY_VERIFY(m_outcome->called && !m_outcome->user);
        QCOMPARE(browse(firstLoopback), 0);
        QTRY_VERIFY(second->called && !second->user);
        QCOMPARE(capture.lines().size(), 1);
        QCOMPARE(browse(secondLoopback), 0);
    }

    void restore_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("a live grant") << "live";
        QTest::newRow("nothing stored") << "none";
        QTest::newRow("a refused grant") << "refused";
    }

    void restore()
    {
        QFETCH(QString, stored);
        if (stored != u"none")
            m_store->write(stored == u"live" ? m_server.issueTokens().refreshToken : QStringLiteral("1//never-issued"));
        m_signIn->restorePreviousSignIn(recordInto(m_outcome));
        QTRY_VERIFY(m_outcome->called);
        QCOMPARE(bool(m_outcome->user), stored == u"live");
        QCOMPARE(bool(m_signIn->currentUser()), stored == u"live");
        QCOMPARE(m_signIn->hasPreviousSignIn(), stored != u"none");
        // Renewed five minutes ahead of expiry.
        const int due = m_signIn->msUntilRefresh();
        QVERIFY2(stored != u"live" || (due > 3200 * 1000 && due <= 3302 * 1000), qPrintable(QString::number(due)));
        // A refused grant is forgotten; a working one kept until sign-out,
        // which revokes it.
        QCOMPARE(storedToken(*m_store).has_value(), stored == u"live");
        const int revocations = m_server.revocationCount();
        m_signIn->signOut();
        QVERIFY(!m_signIn->currentUser() && !m_signIn->hasPreviousSignIn() && !storedToken(*m_store));
        QTRY_COMPARE(m_server.revocationCount(), revocations + (stored == u"live" ? 1 : 0));
    }

    // Short-lived tokens are renewed in time (at 80 % of their life); a
    // refused grant is reported and the user keeps the stale tokens until
    // they sign in again.
    void refreshRenewsUntilTheGrantIsRefused()
    {
        m_server.setTokenLifetime(2);
        const DevServer::TokenSet tokens = m_server.issueTokens();
        m_store->write(tokens.refreshToken);
        m_signIn->restorePreviousSignIn(recordInto(m_outcome));
        QTRY_VERIFY(m_outcome->user.has_value());
        QVERIFY(m_signIn->msUntilRefresh() <= 1800);
        const QString first = m_signIn->currentUser()->idToken->tokenString;
        QSignalSpy userChanged(m_signIn.get(), &GoogleSignIn::currentUserChanged);
        QTRY_VERIFY_WITH_TIMEOUT(userChanged.count() >= 1, 5000);
        const QString renewed = m_signIn->currentUser()->idToken->tokenString;
        QVERIFY(renewed != first && m_server.isIdTokenAccepted(renewed));

        // Revoked elsewhere (the account's security page).
        QNetworkRequest revoke(m_server.baseUrl().resolved(QUrl(QStringLiteral("/revoke"))));
        revoke.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        const std::unique_ptr<QNetworkReply> revoked(
                m_browser.post(revoke, "token=" + QUrl::toPercentEncoding(tokens.refreshToken)));
        QTRY_VERIFY(!m_server.isRefreshTokenActive(tokens.refreshToken));
        StdoutCapture capture;
        QTRY_COMPARE_WITH_TIMEOUT(capture.lines().size(), 1, 5000);
        QVERIFY2(capture.lines().first().contains(QLatin1String("invalid_grant")), qPrintable(capture.lines().first()));
        QVERIFY(m_signIn->currentUser());
    }

    // Offline at start (Google answers 503, then not at all): the stored
    // grant is kept and tried again, quietly, and the browser is never
    // opened for it.
    void restoreWaitsForAReachableGoogle()
    {
        // The token endpoint: `reply` to every request once its headers are in.
        QByteArray reply = "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n\r\n";
        int requests = 0;
        QTcpServer google;
        QVERIFY(google.listen(QHostAddress::LocalHost));
        connect(&google, &QTcpServer::newConnection, [&] {
            QTcpSocket *socket = google.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [&reply, &requests, socket] {
                if (socket->readAll().contains("\r\n\r\n") && ++requests && !reply.isEmpty())
                    socket->write(reply), socket->disconnectFromHost();
            });
        });
        Network::setTransferTimeout(300);
        SignInSettings settings = SignInSettings::fromInfoDictionary();
        settings.tokenEndpoint = QUrl(QStringLiteral("http://127.0.0.1:%1/token").arg(google.serverPort()));
        m_store->write(QStringLiteral("stored-grant"));
        m_signIn = std::make_unique<GoogleSignIn>(settings, m_store.get());
        int browserOpenings = 0;
        m_signIn->setBrowserOpener([&](const QUrl &) { ++browserOpenings; });

        StdoutCapture capture;
        m_signIn->restorePreviousSignIn(recordInto(m_outcome));
        QTRY_COMPARE(capture.lines().size(), 1);
        reply.clear();
        m_signIn->retryPendingRestore(); // must time out to be retried below
        QTRY_COMPARE(requests, 2);
        QVERIFY(!m_outcome->called && !m_signIn->currentUser() && m_signIn->hasPreviousSignIn());
        QVERIFY(storedToken(*m_store) == QStringLiteral("stored-grant"));

        // The network is back.
        const QByteArray idToken =
                base64UrlEncode("{\"alg\":\"RS256\"}") + '.' + base64UrlEncode("{\"sub\":\"42\"}") + ".sig";
        const QByteArray tokens = "{\"access_token\":\"a\",\"expires_in\":3600,\"id_token\":\"" + idToken + "\"}";
        reply = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(tokens.size()) + "\r\n\r\n" + tokens;
        QTRY_VERIFY((m_signIn->retryPendingRestore(), m_outcome->called));
        QVERIFY(m_outcome->user && m_outcome->user->userID == u"42");
        QCOMPARE(browserOpenings, 0);
        QCOMPARE(capture.lines().size(), 1);
    }

    void keyringMissingKeepsTheTokenInMemory()
    {
        // A bus nobody listens on: no Secret Service can answer.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/stint-test-bus");
        StdoutCapture capture;
        KeychainTokenStore store;
        store.write(QStringLiteral("first-test-value"));
        QVERIFY(storedToken(store) == QStringLiteral("first-test-value"));
        store.remove();
        QVERIFY(!storedToken(store));
        QCOMPARE(capture.lines().size(), 1);
        QVERIFY(!capture.lines().first().contains(QLatin1String("test-value")));
    }
};

QTEST_MAIN(tst_GoogleSignIn)
#include "tst_googlesignin.moc"
