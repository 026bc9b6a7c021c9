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
        outcome->called = true;
        outcome->user = std::move(user);
        outcome->error = std::move(error);
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
    // One GET as a browser would make it, without following redirects.
    // Returns the status, or 0 when the connection failed.
    int browse(const QUrl &url, QUrl *location = nullptr, QByteArray *body = nullptr)
    {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        std::unique_ptr<QNetworkReply> reply(m_browser.get(request));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        if (!finished.wait(5000))
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
    QUrl startSignIn(GoogleSignIn &signIn, const std::shared_ptr<Outcome> &outcome)
    {
        QUrl consent;
        signIn.setBrowserOpener([&consent](const QUrl &url) { consent = url; });
        signIn.signIn(nullptr, QString(), {tasksScope, calendarScope}, recordInto(outcome));
        return consent;
    }

    // Signs in through a restore of a freshly issued grant.
    DevServer::TokenSet restoreFreshGrant(MemoryTokenStore &store, GoogleSignIn &signIn)
    {
        const DevServer::TokenSet tokens = m_server.issueTokens();
        store.write(tokens.refreshToken);
        auto outcome = std::make_shared<Outcome>();
        signIn.restorePreviousSignIn(recordInto(outcome));
        if (!QTest::qWaitFor([&] { return outcome->called; }, 5000) || !outcome->user)
            qFatal("the restore of a fresh grant failed");
        return tokens;
    }

    DevServer m_server;
    QTemporaryDir m_dir;
    QNetworkAccessManager m_browser;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
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
    }

    void settingsFallBackToGoogle()
    {
        const QByteArray saved = qgetenv("STINT_INFO_FILE");
        qputenv("STINT_INFO_FILE", "/nonexistent/info.json");
        const SignInSettings defaults = SignInSettings::fromInfoDictionary();
        qputenv("STINT_INFO_FILE", saved);
        QCOMPARE(defaults.authorizationEndpoint, QUrl(QStringLiteral("https://accounts.google.com/o/oauth2/v2/auth")));
        QCOMPARE(defaults.tokenEndpoint, QUrl(QStringLiteral("https://oauth2.googleapis.com/token")));
        QCOMPARE(defaults.revocationEndpoint, QUrl(QStringLiteral("https://oauth2.googleapis.com/revoke")));
    }

    void signInThroughTheBrowser()
    {
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        QSignalSpy userChanged(&signIn, &GoogleSignIn::currentUserChanged);
        auto outcome = std::make_shared<Outcome>();
        const QUrl consent = startSignIn(signIn, outcome);

        QCOMPARE(consent.adjusted(QUrl::RemoveQuery), m_server.baseUrl().resolved(QUrl(QStringLiteral("/o/oauth2/v2/auth"))));
        const QUrlQuery query(consent);
        const auto item = [&query](const char *key) { return query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded); };
        QCOMPARE(item("response_type"), QStringLiteral("code"));
        QCOMPARE(item("client_id"), DevServer::clientId);
        QCOMPARE(item("scope").split(u' '),
                 QStringList({"openid", "email", "profile", tasksScope, calendarScope}));
        QCOMPARE(item("access_type"), QStringLiteral("offline"));
        QCOMPARE(item("prompt"), QStringLiteral("consent"));
        QCOMPARE(item("code_challenge_method"), QStringLiteral("S256"));
        QCOMPARE(item("code_challenge").size(), 43);
        QVERIFY(item("state").size() >= 22);
        const QUrl redirect(item("redirect_uri"));
        QCOMPARE(redirect.host(), QStringLiteral("127.0.0.1"));
        QCOMPARE(redirect.path(), QStringLiteral("/"));

        QUrl loopback;
        QCOMPARE(browse(consent, &loopback), 302);
        QCOMPARE(loopback.adjusted(QUrl::RemoveQuery), redirect);
        QCOMPARE(QUrlQuery(loopback).queryItemValue(QStringLiteral("state")), item("state"));
        QCOMPARE(outcome->called, false);
        QCOMPARE(browse(loopback), 200);

        QTRY_VERIFY(outcome->called);
        QCOMPARE(outcome->error, QString());
        QVERIFY(outcome->user);
        const GoogleUser &user = *outcome->user;
        QCOMPARE(user.email, QStringLiteral("dev.user@example.com"));
        QVERIFY(user.idToken);
        QVERIFY(m_server.isIdTokenAccepted(user.idToken->tokenString));
        const qint64 lifetime = QDateTime::currentDateTimeUtc().secsTo(user.accessToken.expirationDate);
        QVERIFY2(lifetime > 3500 && lifetime <= 3600, qPrintable(QString::number(lifetime)));

        QVERIFY(signIn.currentUser()->idToken->tokenString == user.idToken->tokenString);
        QCOMPARE(userChanged.count(), 1);
        QVERIFY(signIn.hasPreviousSignIn());
        const std::optional<QString> stored = storedToken(store);
        QVERIFY(stored && m_server.isRefreshTokenActive(*stored));
    }

    void signInFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("user says no") << "deny" << "access_denied";
        QTest::newRow("token endpoint refuses the code") << "code" << "invalid_grant";
    }

    void signInFailures()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        QSignalSpy userChanged(&signIn, &GoogleSignIn::currentUserChanged);
        auto outcome = std::make_shared<Outcome>();
        m_server.setConsentDenied(fault == QLatin1String("deny"));
        QUrl loopback;
        QCOMPARE(browse(startSignIn(signIn, outcome), &loopback), 302);

        QUrlQuery answer(loopback);
        if (fault == QLatin1String("code")) {
            answer.removeQueryItem(QStringLiteral("code"));
            answer.addQueryItem(QStringLiteral("code"), QStringLiteral("forged"));
        }
        loopback.setQuery(answer);
        browse(loopback);

        QTRY_VERIFY(outcome->called);
        QVERIFY(!outcome->user);
        QVERIFY2(outcome->error.contains(reason), qPrintable(outcome->error));
        QVERIFY(!signIn.currentUser());
        QCOMPARE(userChanged.count(), 0);
        QVERIFY(!storedToken(store));
    }

    void strayRequestsLeaveThePendingSignIn_data()
    {
        QTest::addColumn<QString>("query"); // STATE stands for the real one
        QTest::addColumn<QString>("path");
        QTest::newRow("wrong state") << "code=forged&state=forged" << "/";
        QTest::newRow("no state") << "code=forged" << "/";
        QTest::newRow("refusal without state") << "error=access_denied" << "/";
        QTest::newRow("refusal with wrong state") << "error=access_denied&state=STATEx" << "/";
        QTest::newRow("favicon") << "" << "/favicon.ico";
    }

    void strayRequestsLeaveThePendingSignIn()
    {
        QFETCH(QString, query);
        QFETCH(QString, path);
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        auto outcome = std::make_shared<Outcome>();
        QUrl loopback;
        QCOMPARE(browse(startSignIn(signIn, outcome), &loopback), 302);

        QUrl stray = loopback;
        stray.setPath(path);
        stray.setQuery(query.replace(QLatin1String("STATE"), QUrlQuery(loopback).queryItemValue(QStringLiteral("state"))));
        QByteArray page;
        StdoutCapture capture;
        QCOMPARE(browse(stray, nullptr, &page), 200);
        QVERIFY2(page.contains("does not belong to the sign-in"), page.constData());

        QCOMPARE(browse(loopback), 200);
        QTRY_VERIFY(outcome->called);
        QVERIFY2(outcome->user, qPrintable(outcome->error));
        QCOMPARE(capture.lines(), QStringList());
    }

    void unansweredSignInTimesOut()
    {
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        signIn.setSignInTimeout(std::chrono::milliseconds(200));
        auto outcome = std::make_shared<Outcome>();
        QUrl loopback;
        StdoutCapture capture;
        QCOMPARE(browse(startSignIn(signIn, outcome), &loopback), 302);
        QTRY_VERIFY(outcome->called);
        QVERIFY(!outcome->user);
        QCOMPARE(capture.lines(), QStringList{QStringLiteral("The sign-in timed out: no answer came from the browser")});
        QCOMPARE(browse(loopback), 0); // the listener is closed
    }

    void secondSignInReplacesThePendingOne()
    {
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        auto first = std::make_shared<Outcome>();
        auto second = std::make_shared<Outcome>();
        QUrl firstLoopback;
        QCOMPARE(browse(startSignIn(signIn, first), &firstLoopback), 302);
        const QUrl secondConsent = startSignIn(signIn, second);

        QTRY_VERIFY(first->called);
        QVERIFY(!first->user);
        // The first sign-in's listener is gone.
        QCOMPARE(browse(firstLoopback), 0);

        QUrl secondLoopback;
        QCOMPARE(browse(secondConsent, &secondLoopback), 302);
        QCOMPARE(browse(secondLoopback), 200);
        QTRY_VERIFY(second->called);
        QVERIFY(second->user);
    }

    void restore_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("a live grant") << "live" << true;
        QTest::newRow("nothing stored") << "none" << false;
        QTest::newRow("a revoked grant") << "revoked" << false;
    }

    void restore()
    {
        QFETCH(QString, stored);
        QFETCH(bool, succeeds);
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        QSignalSpy userChanged(&signIn, &GoogleSignIn::currentUserChanged);
        const DevServer::TokenSet tokens = m_server.issueTokens();
        if (stored != QLatin1String("none"))
            store.write(tokens.refreshToken);
        if (stored == QLatin1String("revoked"))
            revoke(tokens.refreshToken);

        auto outcome = std::make_shared<Outcome>();
        signIn.restorePreviousSignIn(recordInto(outcome));
        QCOMPARE(outcome->called, false);
        QTRY_VERIFY(outcome->called);
        QCOMPARE(bool(outcome->user), succeeds);
        QCOMPARE(bool(signIn.currentUser()), succeeds);
        QCOMPARE(userChanged.count(), succeeds ? 1 : 0);
        QCOMPARE(signIn.hasPreviousSignIn(), stored != QLatin1String("none"));
        if (stored == QLatin1String("none"))
            QCOMPARE(outcome->error, QStringLiteral("no previous sign-in"));
        if (stored == QLatin1String("revoked")) {
            QVERIFY2(outcome->error.contains(QLatin1String("invalid_grant")), qPrintable(outcome->error));
            QVERIFY(!storedToken(store));
        }
        if (succeeds) {
            QCOMPARE(outcome->error, QString());
            QCOMPARE(outcome->user->email, QStringLiteral("dev.user@example.com"));
            // New tokens from the stored grant, not the ones issued with it.
            QVERIFY(outcome->user->idToken->tokenString != tokens.idToken);
            QVERIFY(m_server.isIdTokenAccepted(outcome->user->idToken->tokenString));
            QVERIFY(storedToken(store) == tokens.refreshToken);
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
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        restoreFreshGrant(store, signIn);
        const int due = signIn.msUntilRefresh();
        // The answer's lifetime is rounded to whole seconds.
        QVERIFY2(due <= (latestSeconds + 2) * 1000 && due > (latestSeconds - 30) * 1000, qPrintable(QString::number(due)));
    }

    void tokensAreRefreshedBeforeTheyExpire()
    {
        m_server.setTokenLifetime(2);
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        restoreFreshGrant(store, signIn);
        const GoogleUser first = *signIn.currentUser();
        QSignalSpy userChanged(&signIn, &GoogleSignIn::currentUserChanged);

        QTRY_VERIFY_WITH_TIMEOUT(userChanged.count() >= 1, 5000);
        const GoogleUser current = *signIn.currentUser();
        QVERIFY(current.idToken->tokenString != first.idToken->tokenString);
        QVERIFY(current.accessToken.tokenString != first.accessToken.tokenString);
        QCOMPARE(current.userID, first.userID);
        QVERIFY(m_server.isIdTokenAccepted(current.idToken->tokenString));
    }

    void refusedRefreshIsReportedOnce()
    {
        m_server.setTokenLifetime(2);
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        const DevServer::TokenSet tokens = restoreFreshGrant(store, signIn);
        const QString idToken = signIn.currentUser()->idToken->tokenString;
        revoke(tokens.refreshToken);

        StdoutCapture capture;
        QTRY_COMPARE_WITH_TIMEOUT(capture.lines().size(), 1, 5000);
        QVERIFY2(capture.lines().first().contains(QLatin1String("invalid_grant")), qPrintable(capture.lines().first()));
        // No retrying: the user keeps the stale tokens until they sign in again.
        QTest::qWait(2500);
        QCOMPARE(capture.lines().size(), 1);
        QVERIFY(signIn.currentUser());
        QVERIFY(signIn.currentUser()->idToken->tokenString == idToken);
    }

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
        MemoryTokenStore store;
        store.write(QStringLiteral("stored-grant"));
        GoogleSignIn signIn(settings, &store);
        int browserOpenings = 0;
        signIn.setBrowserOpener([&](const QUrl &) { ++browserOpenings; });

        StdoutCapture capture;
        auto outcome = std::make_shared<Outcome>();
        signIn.restorePreviousSignIn(recordInto(outcome));
        QTRY_COMPARE(capture.lines().size(), 1);
        QVERIFY2(capture.lines().first().startsWith(QLatin1String("The Google sign-in could not be restored (")),
                 qPrintable(capture.lines().first()));
        // Still failing: tried again; nothing more is said (checked at the end).
        const int requests = google.requests();
        signIn.retryPendingRestore();
        QTRY_VERIFY(!listening || google.requests() > requests);
        QVERIFY(!outcome->called && !signIn.currentUser() && signIn.hasPreviousSignIn());
        QVERIFY(storedToken(store) == QStringLiteral("stored-grant"));

        // The network is back.
        google.close();
        QVERIFY(google.listen());
        const QByteArray claims = QByteArray("{\"sub\":\"42\"}").toBase64(QByteArray::Base64UrlEncoding);
        const QByteArray tokens = "{\"access_token\":\"a\",\"expires_in\":3600,\"id_token\":\"h." + claims + ".s\"}";
        google.setReply("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(tokens.size()) + "\r\n\r\n" + tokens);
        // Again until the attempt still under way has failed.
        QTRY_VERIFY((signIn.retryPendingRestore(), outcome->called));
        Network::setTransferTimeout(60000);
        QVERIFY(outcome->user && outcome->user->userID == u"42");
        QCOMPARE(browserOpenings, 0);
        QCOMPARE(capture.lines().size(), 1);
    }

    void signOutForgetsAndRevokes()
    {
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        const DevServer::TokenSet tokens = restoreFreshGrant(store, signIn);
        const QString idToken = signIn.currentUser()->idToken->tokenString;
        const int revocations = m_server.revocationCount();
        QSignalSpy userChanged(&signIn, &GoogleSignIn::currentUserChanged);

        signIn.signOut();
        QVERIFY(!signIn.currentUser());
        QCOMPARE(userChanged.count(), 1);
        QVERIFY(!signIn.hasPreviousSignIn());
        QVERIFY(!storedToken(store));
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
        QTest::newRow("no code") << "stint://oauth2redirect?state=STATE";
        QTest::newRow("unrelated") << "https://example.com/";
        QTest::newRow("the callback") << "stint://oauth2redirect?code=CODE&state=STATE";
    }

    void handleURL()
    {
        QFETCH(QString, url);
        const bool isCallback = url.contains(QLatin1String("code=CODE&state=STATE"));
        MemoryTokenStore store;
        GoogleSignIn signIn(SignInSettings::fromInfoDictionary(), &store);
        QVERIFY(!signIn.handleURL(QUrl(url))); // nothing pending
        auto outcome = std::make_shared<Outcome>();
        QUrl loopback;
        QCOMPARE(browse(startSignIn(signIn, outcome), &loopback), 302);
        const QUrlQuery answer(loopback);
        url.replace(QLatin1String("CODE"), answer.queryItemValue(QStringLiteral("code"), QUrl::FullyEncoded));
        url.replace(QLatin1String("STATE"), answer.queryItemValue(QStringLiteral("state"), QUrl::FullyEncoded));

        QCOMPARE(signIn.handleURL(QUrl(url)), isCallback);
        if (!isCallback)
            QCOMPARE(browse(loopback), 200); // ignored: the loopback still completes it
        QTRY_VERIFY(outcome->called);
        QVERIFY2(outcome->user, qPrintable(outcome->error));
        QCOMPARE(signIn.handleURL(QUrl(url)), false);
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
