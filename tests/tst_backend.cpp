// stint-backend over real HTTP: a stand-in Google on 127.0.0.1 records what
// the backend sends and answers what each case needs; every answer of the
// backend goes through the app's own strict decoders.

#include "backend.h"
#include "backend/event.h"
#include "backend/task.h"
#include "httpfront.h"
#include "idtoken.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageAuthenticationCode>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QUrlQuery>

namespace {

const QString ourClient = QStringLiteral("stint-test.apps.googleusercontent.com");
const QString user = QStringLiteral("110169484474386276334");

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(STINT_TEST_DATA_DIR "/google/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject claims(qint64 expiresIn = 3600)
{
    return {{QStringLiteral("iss"), QStringLiteral("https://accounts.google.com")},
            {QStringLiteral("aud"), ourClient},
            {QStringLiteral("sub"), user},
            {QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() + expiresIn}};
}

QByteArray unsignedPart(const QJsonObject &header, const QJsonObject &payload)
{
    return base64UrlEncode(QJsonDocument(header).toJson(QJsonDocument::Compact)) + '.'
        + base64UrlEncode(QJsonDocument(payload).toJson(QJsonDocument::Compact));
}

struct Canned
{
    int status = 200;
    QByteArray body;
    QByteArray cacheControl;
    int delayMs = 0;
};

// Google's endpoints as the backend sees them: canned answers by path (the
// last one of a path repeats) and every request recorded.
class FakeGoogle
{
public:
    explicit FakeGoogle(const SigningKey &signingKey)
        : key(signingKey)
        , front([this](const HttpRequest &request, HttpReply reply) { answer(request, std::move(reply)); })
    {
        front.setAccessLog(false);
        if (!front.listen(QHostAddress::LocalHost, 0))
            qFatal("the stand-in Google cannot listen");
        reset();
    }

    void reset()
    {
        answers.clear();
        received.clear();
        setKeys({key.jwk()});
        set(QStringLiteral("/tokeninfo"), 200, tokenInfo(ourClient, user));
        set(QStringLiteral("/tasks"), 200, "{\"kind\":\"tasks#tasks\",\"items\":[]}");
        set(QStringLiteral("/calendar/events"), 200, "{\"kind\":\"calendar#events\",\"timeZone\":\"Europe/Berlin\",\"items\":[]}");
    }
    static QByteArray tokenInfo(const QString &client, const QString &subject)
    {
        const QString expiry = QString::number(QDateTime::currentSecsSinceEpoch() + 3000);
        return QJsonDocument(QJsonObject{{QStringLiteral("azp"), client},
                                         {QStringLiteral("aud"), client},
                                         {QStringLiteral("sub"), subject},
                                         {QStringLiteral("scope"), QStringLiteral("openid https://www.googleapis.com/auth/tasks")},
                                         {QStringLiteral("exp"), expiry},
                                         {QStringLiteral("expires_in"), QStringLiteral("3000")}})
            .toJson(QJsonDocument::Compact);
    }
    void set(const QString &path, int status, const QByteArray &body, int delayMs = 0)
    {
        answers[path] = {{status, body, {}, delayMs}};
    }
    void queue(const QString &path, int status, const QByteArray &body)
    {
        answers[path].append({status, body, {}, 0});
    }
    void setKeys(const QList<QJsonObject> &keys)
    {
        QJsonArray list;
        for (const QJsonObject &jwk : keys)
            list.append(jwk);
        answers[QStringLiteral("/certs")] = {{200, QJsonDocument(QJsonObject{{QStringLiteral("keys"), list}}).toJson(),
                                              "public, max-age=21600, must-revalidate, no-transform", 0}};
    }
    QList<HttpRequest> to(const QString &path) const
    {
        QList<HttpRequest> list;
        for (const HttpRequest &request : received)
            if (request.path == path)
                list.append(request);
        return list;
    }
    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(front.port()).arg(path));
    }

    const SigningKey &key;
    HttpFront front;
    QHash<QString, QList<Canned>> answers;
    QList<HttpRequest> received;

private:
    void answer(const HttpRequest &request, HttpReply reply)
    {
        received.append(request);
        QList<Canned> &list = answers[request.path];
        const Canned canned = list.isEmpty() ? Canned{404, "{}", {}, 0} : list.size() > 1 ? list.takeFirst() : list.first();
        HttpAnswer answer{canned.status, "application/json", canned.body, {}, {}};
        if (!canned.cacheControl.isEmpty())
            answer.headers.append({QByteArrayLiteral("Cache-Control"), canned.cacheControl});
        QTimer::singleShot(canned.delayMs, [reply, answer] { reply(answer); });
    }
};

struct Reply
{
    int status = 0;
    QByteArray body;
    bool isJsonObject() const { return QJsonDocument::fromJson(body).isObject(); }
};

} // namespace

class TestBackend : public QObject
{
    Q_OBJECT

private:
    const SigningKey m_key{QStringLiteral("key-1")};
    const SigningKey m_impostor{QStringLiteral("key-1")}; // the right id, a key Google never published
    std::unique_ptr<FakeGoogle> m_google;
    std::unique_ptr<Backend> m_backend;
    std::unique_ptr<HttpFront> m_front;
    QNetworkAccessManager m_client;
    QStringList m_log;
    QByteArray m_idToken;
    const QByteArray m_accessToken = "ya29.a0AfB_byC-test-access-token-0123456789";

    void start(int requestsPerMinute = 0, int googleTimeoutMs = 10000, int maxPages = 20, int keyRefetchMs = 60000)
    {
        BackendSettings settings;
        settings.clientIds = {QStringLiteral("another-client"), ourClient};
        settings.keySetUrl = m_google->url(QStringLiteral("/certs"));
        settings.tokenInfoUrl = m_google->url(QStringLiteral("/tokeninfo"));
        settings.tasksUrl = m_google->url(QStringLiteral("/tasks"));
        settings.eventsUrl = m_google->url(QStringLiteral("/calendar/events"));
        settings.requestsPerMinute = requestsPerMinute;
        settings.googleTimeoutMs = googleTimeoutMs;
        settings.maxPages = maxPages;
        settings.keyRefetchIntervalMs = keyRefetchMs;
        m_front.reset();
        m_backend = std::make_unique<Backend>(settings);
        m_backend->setLog([this](const QString &line) { m_log.append(line); });
        m_front = std::make_unique<HttpFront>(
            [this](const HttpRequest &request, HttpReply reply) { m_backend->handle(request, std::move(reply)); });
        m_front->setLog([this](const QString &line) { m_log.append(line); });
        QVERIFY(m_front->listen(QHostAddress::LocalHost, 0));
    }

    Reply send(const QByteArray &method, const QString &path, const QByteArray &idToken,
               const QByteArray &accessToken, const QByteArray &body = {})
    {
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_front->port()).arg(path)));
        request.setRawHeader("Authorization", "Bearer " + idToken);
        if (!body.isNull())
            request.setRawHeader("Content-Type", "application/json");
        request.setRawHeader("AccessToken", accessToken);
        std::unique_ptr<QNetworkReply> reply(m_client.sendCustomRequest(request, method, body));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        if (!finished.wait(20000))
            return {};
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
    }
    Reply get(const QString &path) { return send("GET", path, m_idToken, m_accessToken); }

private Q_SLOTS:
    void init()
    {
        m_google = std::make_unique<FakeGoogle>(m_key);
        m_idToken = m_key.signToken(claims());
        m_log.clear();
        start();
    }

    void cleanup()
    {
        // Nothing the request carried ever reaches a log line.
        const QString everything = m_log.join(u'\n');
        QVERIFY(!everything.contains(QString::fromLatin1(m_accessToken.left(12))));
        for (const QByteArray &part : m_idToken.split('.'))
            QVERIFY(!everything.contains(QString::fromLatin1(part.left(12))));
        m_front.reset();
        m_backend.reset();
    }

    void idTokens_data()
    {
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<int>("status");
        const SigningKey &google = m_key;
        QJsonObject other;

        QTest::newRow("valid") << google.signToken(claims()) << 200;
        other = claims();
        other.insert(QStringLiteral("iss"), QStringLiteral("accounts.google.com"));
        QTest::newRow("issuer without scheme") << google.signToken(other) << 200;
        QTest::newRow("expired within the skew") << google.signToken(claims(-30)) << 200;
        QTest::newRow("expired") << google.signToken(claims(-90)) << 401;
        other = claims();
        other.insert(QStringLiteral("aud"), QStringLiteral("someone-else.apps.googleusercontent.com"));
        QTest::newRow("wrong audience") << google.signToken(other) << 401;
        other = claims();
        other.insert(QStringLiteral("iss"), QStringLiteral("https://accounts.example.com"));
        QTest::newRow("wrong issuer") << google.signToken(other) << 401;
        QTest::newRow("bad signature") << m_impostor.signToken(claims()) << 401;
        QByteArray tampered = google.signToken(claims());
        tampered.replace(tampered.indexOf('.') + 5, 1, "x");
        QTest::newRow("payload changed") << tampered << 401;
        const QByteArray none = unsignedPart({{QStringLiteral("alg"), QStringLiteral("none")}, {QStringLiteral("kid"), google.kid()}}, claims());
        QTest::newRow("alg none") << none + '.' << 401;
        QTest::newRow("alg none with a signature") << none + ".c2ln" << 401;
        // The classic confusion: HS256 keyed with the public key's bytes.
        const QByteArray hsInput = unsignedPart({{QStringLiteral("alg"), QStringLiteral("HS256")}, {QStringLiteral("kid"), google.kid()}}, claims());
        const QByteArray secret = QJsonDocument(google.jwk()).toJson(QJsonDocument::Compact);
        QTest::newRow("HS256 keyed with the public key")
            << hsInput + '.' + base64UrlEncode(QMessageAuthenticationCode::hash(hsInput, secret, QCryptographicHash::Sha256)) << 401;
        QTest::newRow("not a token") << QByteArray("ya29.not-a-jwt") << 401;
        QTest::newRow("empty") << QByteArray() << 401;
    }

    void idTokens()
    {
        QFETCH(QByteArray, token);
        QFETCH(int, status);
        const Reply reply = send("GET", QStringLiteral("/api/v1/tasks"), token, m_accessToken);
        QCOMPARE(reply.status, status);
        QVERIFY(reply.isJsonObject() || status == 200);
        QCOMPARE(m_google->to(QStringLiteral("/tasks")).size(), status == 200 ? 1 : 0);
    }

    void unknownKeyFetchesTheKeySetAgain()
    {
        start(0, 10000, 20, 0);
        SigningKey rotated(QStringLiteral("key-2"));
        QCOMPARE(get(QStringLiteral("/api/v1/tasks")).status, 200);
        m_google->setKeys({m_google->key.jwk(), rotated.jwk()});
        QCOMPARE(send("GET", QStringLiteral("/api/v1/tasks"), rotated.signToken(claims()), m_accessToken).status, 200);
        QCOMPARE(m_google->to(QStringLiteral("/certs")).size(), 2);
        QCOMPARE(send("GET", QStringLiteral("/api/v1/tasks"), rotated.signToken(claims()), m_accessToken).status, 200);
        QCOMPARE(m_google->to(QStringLiteral("/certs")).size(), 2); // now known
    }

    void unknownKeyRefusedWithinTheMinute()
    {
        QCOMPARE(get(QStringLiteral("/api/v1/tasks")).status, 200);
        SigningKey stranger(QStringLiteral("key-3"));
        m_google->setKeys({m_google->key.jwk(), stranger.jwk()});
        QCOMPARE(send("GET", QStringLiteral("/api/v1/tasks"), stranger.signToken(claims()), m_accessToken).status, 401);
        QCOMPARE(m_google->to(QStringLiteral("/certs")).size(), 1);
    }

    void keySetUnreachable()
    {
        m_google->set(QStringLiteral("/certs"), 503, "<html>Service Unavailable</html>");
        const Reply reply = get(QStringLiteral("/api/v1/tasks"));
        QCOMPARE(reply.status, 502);
        QVERIFY(reply.isJsonObject());
        QVERIFY(m_google->to(QStringLiteral("/tasks")).isEmpty());
    }

    void accessTokens_data()
    {
        QTest::addColumn<int>("tokenInfoStatus");
        QTest::addColumn<QByteArray>("tokenInfo");
        QTest::addColumn<int>("status");
        QTest::newRow("ours") << 200 << FakeGoogle::tokenInfo(ourClient, user) << 200;
        QTest::newRow("another client") << 200 << FakeGoogle::tokenInfo(QStringLiteral("evil.apps.googleusercontent.com"), user) << 401;
        QTest::newRow("another user") << 200 << FakeGoogle::tokenInfo(ourClient, QStringLiteral("999")) << 401;
        QTest::newRow("unknown to Google") << 400 << QByteArray("{\"error\":\"invalid_token\",\"error_description\":\"Invalid Value\"}") << 401;
        QTest::newRow("Google down") << 500 << QByteArray("{}") << 502;
    }

    void accessTokens()
    {
        QFETCH(int, tokenInfoStatus);
        QFETCH(QByteArray, tokenInfo);
        QFETCH(int, status);
        m_google->set(QStringLiteral("/tokeninfo"), tokenInfoStatus, tokenInfo);
        QCOMPARE(get(QStringLiteral("/api/v1/tasks")).status, status);
        QCOMPARE(get(QStringLiteral("/api/v1/tasks")).status, status);
        const QList<HttpRequest> asked = m_google->to(QStringLiteral("/tokeninfo"));
        QCOMPARE(asked.size(), status == 200 ? 1 : 2); // a good answer is cached
        QCOMPARE(QUrlQuery(asked.first().query).queryItemValue(QStringLiteral("access_token")), QString::fromLatin1(m_accessToken));
        for (const HttpRequest &call : m_google->to(QStringLiteral("/tasks")))
            QCOMPARE(call.header("Authorization"), "Bearer " + m_accessToken);
    }

    void missingAccessToken()
    {
        QCOMPARE(send("GET", QStringLiteral("/api/v1/events"), m_idToken, QByteArray()).status, 401);
    }

    void tasksEveryPageWithoutHiddenOrDeleted()
    {
        m_google->queue(QStringLiteral("/tasks"), 200, fixture(QStringLiteral("tasks-page1.json")));
        m_google->queue(QStringLiteral("/tasks"), 200, fixture(QStringLiteral("tasks-page2.json")));
        m_google->answers[QStringLiteral("/tasks")].removeFirst(); // the default empty page
        const Reply reply = get(QStringLiteral("/api/v1/tasks"));
        QCOMPARE(reply.status, 200);
        const Result<QList<Task2>> tasks = decodeTaskList(reply.body);
        QVERIFY2(tasks.isSuccess(), qPrintable(reply.body));
        QStringList titles;
        for (const Task2 &task : tasks.value())
            titles << task.title;
        QCOMPARE(titles, (QStringList{QStringLiteral("Call the plumber"), QStringLiteral("Buy washers"), QString()}));
        QCOMPARE(tasks.value().at(1).webViewLink, QUrl(QStringLiteral("https://tasks.google.com/")));
        QCOMPARE(tasks.value().at(0).due.value_or(QString()), QStringLiteral("2024-05-03T00:00:00.000Z"));

        const QList<HttpRequest> calls = m_google->to(QStringLiteral("/tasks"));
        QCOMPARE(calls.size(), 2);
        QVERIFY(!QUrlQuery(calls.at(0).query).hasQueryItem(QStringLiteral("pageToken")));
        QCOMPARE(QUrlQuery(calls.at(1).query).queryItemValue(QStringLiteral("pageToken"), QUrl::FullyDecoded),
                 QStringLiteral("CgwI2cP7sQYQ+PHmhgMa"));
    }

    void tasksPagesAreCapped()
    {
        start(0, 10000, 3);
        m_google->set(QStringLiteral("/tasks"), 200, "{\"items\":[{\"title\":\"again\",\"status\":\"needsAction\",\"position\":\"1\"}],\"nextPageToken\":\"more\"}");
        const Reply reply = get(QStringLiteral("/api/v1/tasks"));
        QCOMPARE(reply.status, 200);
        QCOMPARE(decodeTaskList(reply.body).value().size(), 3);
        QCOMPARE(m_google->to(QStringLiteral("/tasks")).size(), 3);
    }

    void eventsWindowAndShapes()
    {
        m_google->set(QStringLiteral("/calendar/events"), 200, "{\"timeZone\":\"Pacific/Kiritimati\"}");
        m_google->queue(QStringLiteral("/calendar/events"), 200, fixture(QStringLiteral("events.json")));
        const Reply reply = get(QStringLiteral("/api/v1/events"));
        QCOMPARE(reply.status, 200);

        // From midnight today where the calendar is (UTC+14) to a week later.
        const QList<HttpRequest> calls = m_google->to(QStringLiteral("/calendar/events"));
        QCOMPARE(calls.size(), 2); // the time zone, then the events
        const QUrlQuery query(calls.last().query);
        const QTimeZone zone("Pacific/Kiritimati");
        const QDateTime midnight(QDateTime::currentDateTimeUtc().toTimeZone(zone).date(), QTime(0, 0), zone);
        QCOMPARE(QDateTime::fromString(query.queryItemValue(QStringLiteral("timeMin"), QUrl::FullyDecoded), Qt::ISODate), midnight);
        QCOMPARE(QDateTime::fromString(query.queryItemValue(QStringLiteral("timeMax"), QUrl::FullyDecoded), Qt::ISODate), midnight.addDays(7));
        QCOMPARE(query.queryItemValue(QStringLiteral("singleEvents")), QStringLiteral("true"));
        QCOMPARE(query.queryItemValue(QStringLiteral("orderBy")), QStringLiteral("startTime"));

        const Result<QList<Event>> events = decodeEventList(reply.body);
        QVERIFY2(events.isSuccess(), qPrintable(reply.body));
        QStringList summaries;
        for (const Event &event : events.value())
            summaries << event.summary;
        QCOMPARE(summaries, (QStringList{QStringLiteral("Standup"), QStringLiteral("(No title)"), QStringLiteral("Offsite"),
                                         QStringLiteral("Review")}));
        QCOMPARE(events.value().at(0).meetingLink(), QStringLiteral("https://meet.google.com/abc-defg-hij"));
        QCOMPARE(events.value().at(1).meetingLink(), QStringLiteral("zoomus://zoom.us/join?action=join&confno=81234567890&pwd=123456"));
        QCOMPARE(events.value().at(1).start.timeZone, QStringLiteral("Europe/Berlin")); // the page's zone
        QCOMPARE(events.value().at(2).start.timeZone, QStringLiteral("Europe/Berlin"));
        QVERIFY(!events.value().at(3).conferenceData); // no way in yet
    }

    void googleFailures_data()
    {
        QTest::addColumn<int>("googleStatus");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<int>("status");
        const QByteArray page = "{\"items\":[]}";
        QTest::newRow("401") << 401 << QByteArray("{\"error\":{\"code\":401,\"status\":\"UNAUTHENTICATED\"}}") << 0 << 401;
        QTest::newRow("403") << 403 << QByteArray("{\"error\":{\"code\":403,\"status\":\"PERMISSION_DENIED\"}}") << 0 << 403;
        QTest::newRow("429") << 429 << QByteArray("{\"error\":{\"code\":429}}") << 0 << 502;
        QTest::newRow("500") << 500 << page << 0 << 502;
        QTest::newRow("404") << 404 << page << 0 << 502;
        QTest::newRow("HTML") << 200 << QByteArray("<html><body>Sorry</body></html>") << 0 << 502;
        QTest::newRow("items not a list") << 200 << QByteArray("{\"items\":{}}") << 0 << 502;
        QTest::newRow("timeout") << 200 << page << 3000 << 504;
    }

    void googleFailures()
    {
        QFETCH(int, googleStatus);
        QFETCH(QByteArray, body);
        QFETCH(int, delayMs);
        QFETCH(int, status);
        start(0, 400);
        for (const QString &path : {QStringLiteral("/tasks"), QStringLiteral("/calendar/events")}) {
            m_google->set(path, googleStatus, body, delayMs);
            m_log.clear();
            const Reply reply = get(path == QStringLiteral("/tasks") ? QStringLiteral("/api/v1/tasks") : QStringLiteral("/api/v1/events"));
            QCOMPARE(reply.status, status);
            QVERIFY(reply.isJsonObject());
            QCOMPARE(m_log.size(), 2); // the failure, then the access-log line
        }
    }

    void createTask_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::newRow("title") << QByteArray("{\"title\":\"Write report\"}") << 200;
        QTest::newRow("1024 characters") << QByteArray("{\"title\":\"" + QByteArray(1024, 'a') + "\"}") << 200;
        QTest::newRow("1025 characters") << QByteArray("{\"title\":\"" + QByteArray(1025, 'a') + "\"}") << 400;
        QTest::newRow("title not text") << QByteArray("{\"title\":7}") << 400;
        QTest::newRow("array") << QByteArray("[\"Write report\"]") << 400;
        QTest::newRow("not JSON") << QByteArray("title=Write+report") << 400;
        QTest::newRow("over 64 KiB") << QByteArray("{\"title\":\"" + QByteArray(70000, 'a') + "\"}") << 413;
        QTest::newRow("far over 64 KiB") << QByteArray("{\"title\":\"" + QByteArray(400000, 'a') + "\"}") << 413;
    }

    void createTask()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        m_google->set(QStringLiteral("/tasks"), 200, "{\"kind\":\"tasks#task\",\"id\":\"n1\",\"title\":\"Write report\",\"status\":\"needsAction\",\"position\":\"0\"}");
        const Reply reply = send("POST", QStringLiteral("/api/v1/tasks"), m_idToken, m_accessToken, body);
        QCOMPARE(reply.status, status);
        QVERIFY(reply.isJsonObject());
        const QList<HttpRequest> calls = m_google->to(QStringLiteral("/tasks"));
        QCOMPARE(calls.size(), status == 200 ? 1 : 0);
        if (status == 200) {
            QCOMPARE(calls.first().method, QByteArray("POST"));
            QCOMPARE(calls.first().body, QJsonDocument::fromJson(body).toJson(QJsonDocument::Compact));
            QVERIFY(decodeTaskList("[" + reply.body + "]").isSuccess());
        }
    }

    void rateLimitPerUser()
    {
        start(2);
        QCOMPARE(get(QStringLiteral("/api/v1/tasks")).status, 200);
        QCOMPARE(get(QStringLiteral("/api/v1/tasks")).status, 200);
        const Reply third = get(QStringLiteral("/api/v1/tasks"));
        QCOMPARE(third.status, 429);
        QVERIFY(third.isJsonObject());
    }

    void slowClientIsCutOff()
    {
        m_front->setRequestTimeout(300);
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_front->port());
        QVERIFY(socket.waitForConnected(5000));
        QSignalSpy closed(&socket, &QTcpSocket::disconnected);
        for (const char byte : QByteArray("GET /healthz HTTP/1.1\r\nHost: x\r\n")) {
            if (socket.state() != QAbstractSocket::ConnectedState)
                break;
            socket.write(&byte, 1);
            socket.waitForBytesWritten(100);
            QTest::qWait(50);
        }
        QVERIFY(closed.count() == 1 || closed.wait(5000));
        QVERIFY(socket.readAll().isEmpty());
    }

    void shutdownFinishesRequestsInFlight()
    {
        m_google->set(QStringLiteral("/tasks"), 200, "{\"items\":[]}", 500);
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/api/v1/tasks").arg(m_front->port())));
        request.setRawHeader("Authorization", "Bearer " + m_idToken);
        request.setRawHeader("AccessToken", m_accessToken);
        std::unique_ptr<QNetworkReply> reply(m_client.get(request));
        QTRY_COMPARE(m_front->requestsInFlight(), 1);
        QSignalSpy drained(m_front.get(), &HttpFront::drained);
        m_front->shutdown();
        QVERIFY(drained.wait(5000));
        QTRY_VERIFY(reply->isFinished());
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        QCOMPARE(get(QStringLiteral("/healthz")).status, 0); // no longer listening
    }
};

QTEST_GUILESS_MAIN(TestBackend)
#include "tst_backend.moc"
