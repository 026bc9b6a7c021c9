// The sign-in layer against the dev server's stand-in provider, over real
// HTTP on 127.0.0.1, with the test playing the browser. Tokens are compared
// with QVERIFY, never QCOMPARE, so a failure does not print them.

#include "accounts/googlesignin.h"
#include "accounts/tokenstore.h"
#include "backend/network.h"
#include "devserver/devserver.h"
#include "support/cannedserver.h"
#include "support/stdoutcapture.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

namespace {

const QString tasksScope = QStringLiteral("https://www.googleapis.com/auth/tasks");
const QString calendarScope = QStringLiteral("https://www.googleapis.com/auth/calendar.events.readonly");

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
    if (!QTest::qWaitFor([&] { return result->has_value(); }, 5000))
        qFatal("the token store did not answer");
    return **result;
}

} // namespace

class tst_GoogleSignIn : public QObject
{
    Q_OBJECT

private:
    DevServer m_server;
    QTemporaryDir m_dir;
    QNetworkAccessManager m_browser;
    // Fresh for every test.
    std::unique_ptr<MemoryTokenStore> m_store;
    std::unique_ptr<GoogleSignIn> m_signIn;
    std::shared_ptr<Outcome> m_outcome;

    // One GET as a browser would make it, without following redirects.
    // Returns the status, or 0 when the connection failed.
    int browse(const QUrl &url, QUrl *location = nullptr, QByteArray *body = nullptr)
    {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        std::unique_ptr<QNetworkReply> reply(m_browser.get(request));
        if (!QSignalSpy(reply.get(), &QNetworkReply::finished).wait(5000))
            return -1;
        if (location)
            *location = reply->header(QNetworkRequest::LocationHeader).toUrl();
        if (body)
            *body = reply->readAll();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }

    void revoke(const QString &token)
    {
        QNetworkRequest request(m_server.baseUrl().resolved(QUrl(QStringLiteral("/revoke"))));
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        std::unique_ptr<QNetworkReply> reply(m_browser.post(request, "token=" + QUrl::toPercentEncoding(token)));
        QSignalSpy(reply.get(), &QNetworkReply::finished).wait(5000);
        QVERIFY(!m_server.isRefreshTokenActive(token));
    }

    // Starts a sign-in and returns the consent page's address.
    QUrl startSignIn(const std::shared_ptr<Outcome> &outcome)
    {
        QUrl consent;
        m_signIn->setBrowserOpener([&consent](const QUrl &url) { consent = url; });
        m_signIn->signIn(nullptr, QString(), {tasksScope, calendarScope}, recordInto(outcome));
        return consent;
    }

    // Starts a sign-in, consents, and returns the loopback address the
    // browser is sent back to.
    QUrl consent()
    {
        QUrl loopback;
        if (browse(startSignIn(m_outcome), &loopback) != 302)
            qFatal("the consent page did not send the browser back");
        return loopback;
    }

    // Signs in through a restore of a freshly issued grant.
    DevServer::TokenSet restoreFreshGrant()
    {
        const DevServer::TokenSet tokens = m_server.issueTokens();
        m_store->write(tokens.refreshToken);
        m_signIn->restorePreviousSignIn(recordInto(m_outcome));
        if (!QTest::qWaitFor([&] { return m_outcome->called; }, 5000) || !m_outcome->user)
            qFatal("the restore of a fresh grant failed");
        return tokens;
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
        m_server.setConsentDenied(false);
        Network::setTransferTimeout(60000);
        m_store = std::make_unique<MemoryTokenStore>();
        m_signIn = std::make_unique<GoogleSignIn>(SignInSettings::fromInfoDictionary(), m_store.get());
        m_outcome = std::make_shared<Outcome>();
    }

    void cleanup()
    {
        m_signIn.reset();
        m_store.reset();
    }

    void signInThroughTheBrowser()
    {
        QSignalSpy userChanged(m_signIn.get(), &GoogleSignIn::currentUserChanged);
        const QUrl consentPage = startSignIn(m_outcome);
        // The provider checks the rest of the request itself.
        const QUrlQuery query(consentPage);
        const QString state = query.queryItemValue(QStringLiteral("state"));
        QVERIFY(state.size() >= 22);
        QCOMPARE(query.queryItemValue(QStringLiteral("scope"), QUrl::FullyDecoded).split(u' '),
                 QStringList({"openid", "email", "profile", tasksScope, calendarScope}));

        QUrl loopback;
        QCOMPARE(browse(consentPage, &loopback), 302);
        QCOMPARE(loopback.host(), QStringLiteral("127.0.0.1"));
        QCOMPARE(QUrlQuery(loopback).queryItemValue(QStringLiteral("state")), state);
        QCOMPARE(m_outcome->called, false);
        QCOMPARE(browse(loopback), 200);

        QTRY_VERIFY(m_outcome->called);
        QVERIFY2(m_outcome->user, qPrintable(m_outcome->error));
        const GoogleUser &user = *m_outcome->user;
        QCOMPARE(user.email, QStringLiteral("dev.user@example.com"));
        QVERIFY(m_server.isIdTokenAccepted(user.idToken->tokenString));
        const qint64 lifetime = QDateTime::currentDateTimeUtc().secsTo(user.accessToken.expirationDate);
        QVERIFY2(lifetime > 3500 && lifetime <= 3600, qPrintable(QString::number(lifetime)));
        QVERIFY(m_signIn->currentUser()->idToken->tokenString == user.idToken->tokenString);
        QCOMPARE(userChanged.count(), 1);
        const std::optional<QString> stored = storedToken(*m_store);
        QVERIFY(stored && m_server.isRefreshTokenActive(*stored));
    }

    void signInFailures_data()
    {
        QTest::addColumn<bool>("denied");
        QTest::addColumn<QString>("reason");
        QTest::newRow("user says no") << true << "access_denied";
        QTest::newRow("token endpoint refuses the code") << false << "invalid_grant";
    }

    void signInFailures()
    {
        QFETCH(bool, denied);
        QFETCH(QString, reason);
        QSignalSpy userChanged(m_signIn.get(), &GoogleSignIn::currentUserChanged);
        m_server.setConsentDenied(denied);
        QUrl loopback = consent();
        QUrlQuery answer(loopback);
        if (!denied) {
            answer.removeQueryItem(QStringLiteral("code"));
            answer.addQueryItem(QStringLiteral("code"), QStringLiteral("forged"));
        }
        loopback.setQuery(answer);
        browse(loopback);

        QTRY_VERIFY(m_outcome->called);
        QVERIFY(!m_outcome->user && !m_signIn->currentUser());
        QVERIFY2(m_outcome->error.contains(reason), qPrintable(m_outcome->error));
        QCOMPARE(userChanged.count(), 0);
        QVERIFY(!storedToken(*m_store));
    }

    void strayRequestsLeaveThePendingSignIn_data()
    {
        QTest::addColumn<QString>("query"); // STATE stands for the real one
        QTest::addColumn<QString>("path");
        QTest::newRow("wrong state") << "code=forged&state=forged" << "/";
        QTest::newRow("refusal with wrong state") << "error=access_denied&state=STATEx" << "/";
        QTest::newRow("favicon") << "" << "/favicon.ico";
    }

    void strayRequestsLeaveThePendingSignIn()
    {
        QFETCH(QString, query);
        QFETCH(QString, path);
        const QUrl loopback = consent();
        QUrl stray = loopback;
        stray.setPath(path);
        stray.setQuery(query.replace(QLatin1String("STATE"), QUrlQuery(loopback).queryItemValue(QStringLiteral("state"))));
        QByteArray page;
        StdoutCapture capture;
        QCOMPARE(browse(stray, nullptr, &page), 200);
        QVERIFY2(page.contains("does not belong to the sign-in"), page.constData());

        QCOMPARE(browse(loopback), 200);
        QTRY_VERIFY(m_outcome->called);
        QVERIFY2(m_outcome->user, qPrintable(m_outcome->error));
        QCOMPARE(capture.lines(), QStringList());
    }

    void unansweredSignInTimesOut()
    {
        m_signIn->setSignInTimeout(std::chrono::milliseconds(200));
        StdoutCapture capture;
        const QUrl loopback = consent();
        QTRY_VERIFY(m_outcome->called);
        QVERIFY(!m_outcome->user);
        QCOMPARE(capture.lines(), QStringList{QStringLiteral("The sign-in timed out: no answer came from the browser")});
        QCOMPARE(browse(loopback), 0); // the listener is closed
    }

    void secondSignInReplacesThePendingOne()
    {
        const QUrl firstLoopback = consent();
        auto second = std::make_shared<Outcome>();
        const QUrl secondConsent = startSignIn(second);
        QTRY_VERIFY(m_outcome->called);
        QVERIFY(!m_outcome->user);
        QCOMPARE(browse(firstLoopback), 0); // its listener is gone

        QUrl secondLoopback;
        QCOMPARE(browse(secondConsent, &secondLoopback), 302);
        QCOMPARE(browse(secondLoopback), 200);
        QTRY_VERIFY(second->called);
        QVERIFY(second->user);
    }

    void restore_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("a live grant") << "live";
        QTest::newRow("nothing stored") << "none";
        QTest::newRow("a revoked grant") << "revoked";
    }

    void restore()
    {
        QFETCH(QString, stored);
        const bool succeeds = stored == u"live";
        QSignalSpy userChanged(m_signIn.get(), &GoogleSignIn::currentUserChanged);
        const DevServer::TokenSet tokens = m_server.issueTokens();
        if (stored != u"none")
            m_store->write(tokens.refreshToken);
        if (stored == u"revoked")
            revoke(tokens.refreshToken);

        m_signIn->restorePreviousSignIn(recordInto(m_outcome));
        QCOMPARE(m_outcome->called, false);
        QTRY_VERIFY(m_outcome->called);
        QCOMPARE(bool(m_outcome->user), succeeds);
        QCOMPARE(bool(m_signIn->currentUser()), succeeds);
        QCOMPARE(userChanged.count(), succeeds ? 1 : 0);
        QCOMPARE(m_signIn->hasPreviousSignIn(), stored != u"none");
        if (stored == u"none")
            QCOMPARE(m_outcome->error, QStringLiteral("no previous sign-in"));
        if (stored == u"revoked") {
            QVERIFY2(m_outcome->error.contains(QLatin1String("invalid_grant")), qPrintable(m_outcome->error));
            QVERIFY(!storedToken(*m_store));
        }
        if (succeeds) {
            // New tokens from the stored grant, not the ones issued with it.
            QVERIFY(m_outcome->user->idToken->tokenString != tokens.idToken);
            QVERIFY(m_server.isIdTokenAccepted(m_outcome->user->idToken->tokenString));
            QVERIFY(storedToken(*m_store) == tokens.refreshToken);
        }
    }

    void refreshIsPlannedAheadOfExpiry_data()
    {
        QTest::addColumn<int>("lifetime");
        QTest::addColumn<int>("latestSeconds"); // the refresh is due by then
        QTest::newRow("an hour: five minutes ahead") << 3600 << 3300;
        QTest::newRow("short-lived: at 80 %") << 100 << 80;
    }

    void refreshIsPlannedAheadOfExpiry()
    {
        QFETCH(int, lifetime);
        QFETCH(int, latestSeconds);
        m_server.setTokenLifetime(lifetime);
        restoreFreshGrant();
        const int due = m_signIn->msUntilRefresh();
        // The answer's lifetime is rounded to whole seconds.
        QVERIFY2(due <= (latestSeconds + 2) * 1000 && due > (latestSeconds - 30) * 1000, qPrintable(QString::number(due)));
    }

    // Short-lived tokens are renewed in time; once the grant is revoked, the
    // refusal is reported once and the user keeps the stale tokens until
    // they sign in again.
    void refreshRenewsUntilTheGrantIsRefused()
    {
        m_server.setTokenLifetime(2);
        const DevServer::TokenSet tokens = restoreFreshGrant();
        const GoogleUser first = *m_signIn->currentUser();
        QSignalSpy userChanged(m_signIn.get(), &GoogleSignIn::currentUserChanged);
        QTRY_VERIFY_WITH_TIMEOUT(userChanged.count() >= 1, 5000);
        const GoogleUser current = *m_signIn->currentUser();
        QVERIFY(current.idToken->tokenString != first.idToken->tokenString);
        QVERIFY(current.accessToken.tokenString != first.accessToken.tokenString);
        QCOMPARE(current.userID, first.userID);
        QVERIFY(m_server.isIdTokenAccepted(current.idToken->tokenString));

        revoke(tokens.refreshToken);
        StdoutCapture capture;
        QTRY_COMPARE_WITH_TIMEOUT(capture.lines().size(), 1, 5000);
        QVERIFY2(capture.lines().first().contains(QLatin1String("invalid_grant")), qPrintable(capture.lines().first()));
        const QString idToken = m_signIn->currentUser()->idToken->tokenString;
        QTest::qWait(2500); // no retrying
        QCOMPARE(capture.lines().size(), 1);
        QVERIFY(m_signIn->currentUser()->idToken->tokenString == idToken);
    }

    // Offline at start: the stored grant is kept and tried again, quietly,
    // and the browser is never opened for it.
    void restoreWaitsForAReachableGoogle_data()
    {
        QTest::addColumn<QByteArray>("reply"); // what the token endpoint does meanwhile
        QTest::addColumn<bool>("listening");
        QTest::newRow("connection refused") << QByteArray() << false;
        QTest::newRow("timeout") << QByteArray() << true;
        QTest::newRow("server error") << QByteArray("HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n\r\n") << true;
    }

    void restoreWaitsForAReachableGoogle()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, listening);
        CannedServer google;
        QVERIFY(google.listen());
        if (!listening)
            google.close();
        google.setReply(reply);
        Network::setTransferTimeout(300);
        SignInSettings settings = SignInSettings::fromInfoDictionary();
        settings.tokenEndpoint = google.url(QStringLiteral("/token"));
        m_store->write(QStringLiteral("stored-grant"));
        m_signIn = std::make_unique<GoogleSignIn>(settings, m_store.get());
        int browserOpenings = 0;
        m_signIn->setBrowserOpener([&](const QUrl &) { ++browserOpenings; });

        StdoutCapture capture;
        m_signIn->restorePreviousSignIn(recordInto(m_outcome));
        QTRY_COMPARE(capture.lines().size(), 1);
        QVERIFY2(capture.lines().first().startsWith(QLatin1String("The Google sign-in could not be restored (")),
                 qPrintable(capture.lines().first()));
        const int requests = google.requests();
        m_signIn->retryPendingRestore();
        QTRY_VERIFY(!listening || google.requests() > requests);
        QVERIFY(!m_outcome->called && !m_signIn->currentUser() && m_signIn->hasPreviousSignIn());
        QVERIFY(storedToken(*m_store) == QStringLiteral("stored-grant"));

        // The network is back.
        google.close();
        QVERIFY(google.listen());
        const QByteArray claims = QByteArray("{\"sub\":\"42\"}").toBase64(QByteArray::Base64UrlEncoding);
        const QByteArray tokens = "{\"access_token\":\"a\",\"expires_in\":3600,\"id_token\":\"h." + claims + ".s\"}";
        google.setReply("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(tokens.size()) + "\r\n\r\n" + tokens);
        // Again until the attempt still under way has failed.
        QTRY_VERIFY((m_signIn->retryPendingRestore(), m_outcome->called));
        Network::setTransferTimeout(60000);
        QVERIFY(m_outcome->user && m_outcome->user->userID == u"42");
        QCOMPARE(browserOpenings, 0);
        QCOMPARE(capture.lines().size(), 1);
    }

    void signOutForgetsAndRevokes()
    {
        const DevServer::TokenSet tokens = restoreFreshGrant();
        const QString idToken = m_signIn->currentUser()->idToken->tokenString;
        const int revocations = m_server.revocationCount();
        QSignalSpy userChanged(m_signIn.get(), &GoogleSignIn::currentUserChanged);
        m_signIn->signOut();
        QVERIFY(!m_signIn->currentUser() && !m_signIn->hasPreviousSignIn());
        QCOMPARE(userChanged.count(), 1);
        QVERIFY(!storedToken(*m_store));
        QTRY_COMPARE(m_server.revocationCount(), revocations + 1);
        QVERIFY(!m_server.isRefreshTokenActive(tokens.refreshToken));
        QVERIFY(!m_server.isIdTokenAccepted(idToken));
    }

    // URLs handed to the app (the command line, a second start) complete
    // the pending sign-in only when they are its answer.
    void handleURL_data()
    {
        QTest::addColumn<QString>("url"); // STATE and CODE stand for the real ones
        QTest::newRow("wrong state") << "stint://oauth2redirect?code=CODE&state=other";
        QTest::newRow("unrelated") << "https://example.com/";
        QTest::newRow("the callback") << "stint://oauth2redirect?code=CODE&state=STATE";
    }

    void handleURL()
    {
        QFETCH(QString, url);
        const bool isCallback = url.contains(QLatin1String("code=CODE&state=STATE"));
        QVERIFY(!m_signIn->handleURL(QUrl(url))); // nothing pending
        const QUrl loopback = consent();
        const QUrlQuery answer(loopback);
        url.replace(QLatin1String("CODE"), answer.queryItemValue(QStringLiteral("code"), QUrl::FullyEncoded));
        url.replace(QLatin1String("STATE"), answer.queryItemValue(QStringLiteral("state"), QUrl::FullyEncoded));

        QCOMPARE(m_signIn->handleURL(QUrl(url)), isCallback);
        if (!isCallback)
            QCOMPARE(browse(loopback), 200); // ignored: the loopback still completes it
        QTRY_VERIFY(m_outcome->called);
        QVERIFY2(m_outcome->user, qPrintable(m_outcome->error));
        QCOMPARE(m_signIn->handleURL(QUrl(url)), false);
    }

    void keyringMissingKeepsTheTokenInMemory()
    {
        // A bus nobody listens on: no Secret Service can answer.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/stint-test-bus");
        StdoutCapture capture;
        KeychainTokenStore store;
        store.write(QStringLiteral("first-test-value"));
        QVERIFY(storedToken(store) == QStringLiteral("first-test-value"));
        store.write(QStringLiteral("second-test-value"));
        QVERIFY(storedToken(store) == QStringLiteral("second-test-value"));
        store.remove();
        QVERIFY(!storedToken(store));
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QLatin1String("memory only until Stint quits")), qPrintable(lines.first()));
        QVERIFY(!lines.first().contains(QLatin1String("test-value")));
    }
};

QTEST_MAIN(tst_GoogleSignIn)
#include "tst_googlesignin.moc"
