// stint-backend over real HTTP: a stand-in Google on 127.0.0.1 records what
// the backend sends and answers what each case needs; every answer of the
// backend goes through the app's own strict decoders. Its client for Google
// against a raw server that answers, byte for byte, what each case needs: how
// an answer is framed, when a connection is reused, when a request is sent
// again.

#include "server/backend.h"
#include "backend/event.h"
#include "backend/task.h"
#include "server/httpclient.h"
#include "server/httpfront.h"
#include "server/metrics.h"
#include "server/serversettings.h"
#include "devserver/signingkey.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QRegularExpression>
#include <QProcess>
#include <QSet>
#include <QSslCertificate>
#include <QSslKey>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

namespace {

const QString ourClient = QStringLiteral("stint-test.apps.googleusercontent.com");
const QString user = QStringLiteral("110169484474386276334");
const QString tasksPath = QStringLiteral("/api/v1/tasks");

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(STINT_TEST_DATA_DIR "/google/") + QLatin1StringView(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject claims(qint64 expiresIn = 3600, const char *claim = nullptr, const QString &value = {})
{
    QJsonObject result{{QStringLiteral("iss"), QStringLiteral("https://accounts.google.com")},
                       {QStringLiteral("aud"), ourClient},
                       {QStringLiteral("sub"), user},
                       {QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() + expiresIn}};
    if (claim)
        result.insert(QLatin1StringView(claim), value);
    return result;
}

// The valid claims with one changed, or left out when `value` is null.
QJsonObject claimsWith(const char *claim, const QJsonValue &value)
{
    QJsonObject result = claims();
    if (value.isNull())
        result.remove(QLatin1StringView(claim));
    else
        result.insert(QLatin1StringView(claim), value);
    return result;
}

QByteArray tokenInfo(const QString &audience = ourClient, const QString &party = ourClient,
                     const QString &subject = user, qint64 expiresIn = 3000)
{
    const QString expiry = QString::number(QDateTime::currentSecsSinceEpoch() + expiresIn);
    return QJsonDocument(QJsonObject{{QStringLiteral("azp"), party},
                                     {QStringLiteral("aud"), audience},
                                     {QStringLiteral("sub"), subject},
                                     {QStringLiteral("exp"), expiry}})
            .toJson(QJsonDocument::Compact);
}

// The Prometheus text format, as a scraper reads it: HELP and TYPE lines,
// and samples of declared families with well-formed labels and a number.
QString expositionError(const QByteArray &text)
{
    static const QRegularExpression type(QStringLiteral(R"(^# TYPE ([a-zA-Z_:][a-zA-Z0-9_:]*) )"));
    static const QRegularExpression sample(QStringLiteral(
            R"(^([a-zA-Z_:][a-zA-Z0-9_:]*?)(_bucket|_sum|_count)?(\{[a-zA-Z_][a-zA-Z0-9_]*="(?:[^"\\\n]|\\.)*")"
            R"((?:,[a-zA-Z_][a-zA-Z0-9_]*="(?:[^"\\\n]|\\.)*")*\})? (-?[0-9.]+(?:e[+-]?[0-9]+)?|[+-]Inf|NaN)$)"));
    if (!text.endsWith('\n'))
        return QStringLiteral("no final newline");
    QSet<QString> types;
    for (const QString &line : QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u"# HELP "))
            continue;
        if (const QRegularExpressionMatch match = type.match(line); match.hasMatch()) {
            types.insert(match.captured(1));
            continue;
        }
        const QRegularExpressionMatch match = sample.match(line);
        if (!match.hasMatch())
            return QStringLiteral("not a sample: ") + line;
        if (!types.contains(match.captured(1)) && !types.contains(match.captured(1) + match.captured(2)))
            return QStringLiteral("no TYPE before: ") + line;
    }
    return {};
}

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
    // Google's endpoints as the backend sees them: canned answers by path
    // (the last one of a path repeats) and every request recorded.
    struct Canned
    {
        int status;
        QByteArray body;
        int delayMs = 0;
    };
    QHash<QString, QList<Canned>> m_answers;
    QList<HttpRequest> m_received;
    void serveGoogle(const HttpRequest &request, HttpReply reply)
    {
        m_received.append(request);
        QList<Canned> &list = m_answers[request.path];
        const Canned canned = list.isEmpty() ? Canned{404, "{}"} : list.size() > 1 ? list.takeFirst() : list.first();
        const HttpAnswer answer{canned.status, "application/json", canned.body, {}, {}};
        QTimer::singleShot(canned.delayMs, [reply, answer] { reply(answer); });
    }
    HttpFront m_google{[this](const HttpRequest &request, HttpReply reply) { serveGoogle(request, std::move(reply)); }};
    const SigningKey m_key{QStringLiteral("key-1")};
    std::unique_ptr<Backend> m_backend;
    std::unique_ptr<HttpFront> m_front;
    QNetworkAccessManager m_client;
    QStringList m_log;
    const QByteArray m_idToken = m_key.signToken(claims());
    const QByteArray m_accessToken = "ya29.a0AfB_byC-test-access-token-0123456789";

    void setKeys(const QJsonArray &keys)
    {
        m_answers[QStringLiteral("/certs")] = {
                {200, QJsonDocument(QJsonObject{{QStringLiteral("keys"), keys}}).toJson()}};
    }
    QList<HttpRequest> to(const char *path) const
    {
        QList<HttpRequest> list;
        for (const HttpRequest &request : m_received)
            if (request.path == QLatin1StringView(path))
                list << request;
        return list;
    }
    QUrl google(const char *path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_google.port()).arg(QLatin1StringView(path)));
    }

    void start(int requestsPerMinute = 0, int maxPages = 20, int keyRefetchMs = 60000, int timeoutMs = 10000,
               const QString &googleBase = {})
    {
        const auto google = [&](const char *path) {
            return googleBase.isEmpty() ? this->google(path) : QUrl(googleBase + QLatin1StringView(path));
        };
        m_front.reset();
        m_backend = std::make_unique<Backend>(BackendSettings{{QStringLiteral("another-client"), ourClient},
                                                              google("/certs"),
                                                              google("/tokeninfo"),
                                                              google("/tasks"),
                                                              google("/calendar/events"),
                                                              timeoutMs,
                                                              requestsPerMinute,
                                                              keyRefetchMs,
                                                              maxPages});
        m_backend->setLog([this](const QString &line) { m_log.append(line); });
        m_front = std::make_unique<HttpFront>(
                [this](const HttpRequest &request, HttpReply reply) { m_backend->handle(request, std::move(reply)); });
        m_front->setLog([this](const QString &line) { m_log.append(line); });
        QVERIFY(m_front->listen(QHostAddress::LocalHost, 0));
    }

    Reply send(const QByteArray &method, const QString &path, const QByteArray &idToken = {},
               const QByteArray &accessToken = {}, const QByteArray &body = {})
    {
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_front->port()).arg(path)));
        request.setRawHeader("Authorization", "Bearer " + (idToken.isNull() ? m_idToken : idToken));
        request.setRawHeader("Content-Type", "application/json");
        request.setRawHeader("AccessToken", accessToken.isNull() ? m_accessToken : accessToken);
        std::unique_ptr<QNetworkReply> reply(m_client.sendCustomRequest(request, method, body));
        if (!QSignalSpy(reply.get(), &QNetworkReply::finished).wait(20000))
            return {};
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
    }
    Reply get(const QString &path, const QByteArray &idToken = {}) { return send("GET", path, idToken); }

    QTcpServer m_raw;
    // Google as raw bytes, for the client alone.
    int m_connections = 0;
    QList<QByteArray> m_requests; // each request line, in the order received
    // The parts of the answer to the n-th request (from 1) on a connection;
    // none leaves it unanswered, a part "close" closes the connection.
    std::function<QList<QByteArray>(const QByteArray &requestLine, int n)> m_answer;
    std::unique_ptr<HttpClient> m_http;

    HttpResponse fetch(const QByteArray &method = "GET")
    {
        std::optional<HttpResponse> response;
        const QUrl url(QStringLiteral("http://127.0.0.1:%1/tasks?x=1").arg(m_raw.serverPort()));
        const auto done = [&response](const HttpResponse &got) { response = got; };
        if (method == "GET")
            m_http->get(url, {{"Accept", "application/json"}}, done);
        else
            m_http->post(url, {}, "{}", done);
        if (!QTest::qWaitFor([&response] { return response.has_value(); }, 5000))
            return {};
        return *response;
    }

    void serve(QTcpSocket *socket)
    {
        auto buffer = std::make_shared<QByteArray>();
        auto count = std::make_shared<int>(0);
        connect(socket, &QTcpSocket::readyRead, socket, [=, this] {
            *buffer += socket->readAll();
            qsizetype end;
            while ((end = buffer->indexOf("\r\n\r\n")) >= 0) {
                const qsizetype length = buffer->contains("Content-Length: 2") ? 2 : 0;
                if (buffer->size() < end + 4 + length)
                    return;
                const QByteArray line = buffer->left(buffer->indexOf("\r\n"));
                buffer->remove(0, end + 4 + length);
                m_requests << line;
                // Each part written on its own, a little apart, as a network would.
                const QList<QByteArray> parts = m_answer(line, ++*count);
                for (qsizetype i = 0; i < parts.size(); ++i) {
                    QTimer::singleShot(int(i) * 20, socket, [socket, part = parts.at(i)] {
                        if (part == "close")
                            socket->disconnectFromHost();
                        else
                            socket->write(part);
                    });
                }
            }
        });
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_google.setAccessLog(false);
        QVERIFY(m_google.listen(QHostAddress::LocalHost, 0));
        QVERIFY(m_raw.listen(QHostAddress::LocalHost));
        connect(&m_raw, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_raw.nextPendingConnection()) {
                ++m_connections;
                serve(socket);
            }
        });
    }

    void init()
    {
        m_received.clear();
        m_answers = {{QStringLiteral("/tokeninfo"), {{200, tokenInfo()}}},
                     {QStringLiteral("/tasks"), {{200, "{\"items\":[]}"}}},
                     {QStringLiteral("/calendar/events"), {{200, "{\"timeZone\":\"Europe/Berlin\",\"items\":[]}"}}}};
        setKeys({m_key.jwk()});
        m_log.clear();
        start();
        m_http = std::make_unique<HttpClient>(); // no connection left from the case before
        m_http->setTimeout(500);
        m_connections = 0;
        m_requests.clear();
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

    // What one GET gets back for the caller's tokens and Google's answers.
    void replies_data()
    {
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<QString>("google"); // the path Google misanswers on
        QTest::addColumn<int>("googleStatus");
        QTest::addColumn<QByteArray>("googleBody");
        QTest::addColumn<int>("status");
        // Google's answer on one path; the others answer well.
        const auto row = [](const char *name, const QByteArray &token, const char *google, int googleStatus,
                            const QByteArray &googleBody, int status) {
            QTest::newRow(name) << token << QString::fromLatin1(google) << googleStatus << googleBody << status;
        };
        const char *info = "/tokeninfo", *tasks = "/tasks", *events = "/calendar/events", *certs = "/certs";
        const QByteArray none;
        row("valid", none, "", 0, none, 200);
        row("issuer without scheme", m_key.signToken(claims(3600, "iss", u"accounts.google.com"_qs)), "", 0, none, 200);
        row("expired within the skew", m_key.signToken(claims(-30)), "", 0, none, 200);
        row("expired", m_key.signToken(claims(-90)), "", 0, none, 401);
        row("wrong audience", m_key.signToken(claims(3600, "aud", u"x.apps.googleusercontent.com"_qs)), "", 0, none,
            401);
        row("wrong issuer", m_key.signToken(claims(3600, "iss", u"https://accounts.example.com"_qs)), "", 0, none, 401);
        // The right key id on a key Google never published.
        row("bad signature", SigningKey(m_key.kid()).signToken(claims()), "", 0, none, 401);
        row("key set unreachable", none, certs, 503, "<html/>", 502);
        // Each rule on its own: every other claim of these is right.
        row("another algorithm named over an RS256 signature",
            m_key.signToken(claims(), {{QStringLiteral("alg"), QStringLiteral("RS512")}}), "", 0, none, 401);
        row("audience list without us", m_key.signToken(claimsWith("aud", QJsonArray{u"x"_qs})), "", 0, none, 401);
        row("no subject", m_key.signToken(claimsWith("sub", {})), info, 200, tokenInfo(ourClient, ourClient, {}), 401);
        row("access token for another audience", none, info, 200, tokenInfo(u"evil"_qs), 401);
        row("access token of another party", none, info, 200, tokenInfo(ourClient, u"evil"_qs), 401);
        row("access token of another user", none, info, 200, tokenInfo(ourClient, ourClient, u"999"_qs), 401);
        row("access token expired", none, info, 200, tokenInfo(ourClient, ourClient, user, -1), 401);
        row("access token unknown", none, info, 400, "{\"error\":\"invalid_token\"}", 401);
        row("token info down", none, info, 500, "{}", 502);
        // Whatever is not Google's documented JSON is Google's failure, never the user's.
        row("token info HTML", none, info, 200, "<html>Sorry</html>", 502);
        row("token info without claims", none, info, 200, "{}", 502);
        row("token info a list", none, info, 200, "[]", 502);
        row("token info without an audience", none, info, 200, tokenInfo().replace("\"aud\":", "\"audience\":"), 502);
        row("key set HTML", none, certs, 200, "<html/>", 502);
        row("calendar 401", none, events, 401, "{}", 401);
        row("calendar 500", none, events, 500, "<html/>", 502);
        row("calendar HTML", none, events, 200, "<html/>", 502);
        row("Google 401", none, tasks, 401, "{}", 401);
        row("Google 403", none, tasks, 403, "{}", 403);
        row("Google 429", none, tasks, 429, "{}", 502);
        row("Google HTML", none, tasks, 200, "<html>Sorry</html>", 502);
        row("items not a list", none, tasks, 200, "{\"items\":{}}", 502);
        row("Google too slow", none, tasks, -1, none, 504);
    }

    void replies()
    {
        QFETCH(QByteArray, token);
        QFETCH(QString, google);
        QFETCH(int, googleStatus);
        QFETCH(QByteArray, googleBody);
        QFETCH(int, status);
        if (googleStatus < 0) {
            start(0, 20, 60000, 400);
            m_answers[google] = {{200, "{\"items\":[]}", 3000}};
        } else if (!google.isEmpty())
            m_answers[google] = {{googleStatus, googleBody}};
        const bool events = google.startsWith(QStringLiteral("/calendar"));
        for (int i = 0; i < 2; ++i) {
            m_log.clear();
            const Reply reply = get(events ? QStringLiteral("/api/v1/events") : tasksPath, token);
            QCOMPARE(reply.status, status);
            QVERIFY(reply.isJsonObject() || status == 200);
            if (google == QStringLiteral("/tasks") || events)
                QCOMPARE(m_log.size(), 2); // the failure, then the access-log line
        }
        const bool reachesGoogle = status == 200 || google == QStringLiteral("/tasks");
        QCOMPARE(to("/tasks").size(), reachesGoogle && !events ? 2 : 0);
        for (const HttpRequest &call : to("/tasks"))
            QCOMPARE(call.header("Authorization"), "Bearer " + m_accessToken);
        const QList<HttpRequest> asked = to("/tokeninfo");
        if (!asked.isEmpty())
            QCOMPARE(QUrlQuery(asked.first().query).queryItemValue(QStringLiteral("access_token")),
                     QString::fromLatin1(m_accessToken));
        if (google == QStringLiteral("/tokeninfo") && token.isNull())
            QCOMPARE(asked.size(), 2); // a refusal is not cached...
        else if (status == 200)
            QCOMPARE(asked.size(), 1); // ...an acceptance is
    }

    // A key id not in the cached set fetches the set again, at most once a
    // refetch interval.
    void unknownKey_data()
    {
        QTest::addColumn<int>("refetchMs");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("fetches");
        QTest::newRow("rotated key") << 0 << 200 << 2;
        QTest::newRow("within the interval") << 60000 << 401 << 1;
    }

    void unknownKey()
    {
        QFETCH(int, refetchMs);
        QFETCH(int, status);
        QFETCH(int, fetches);
        start(0, 20, refetchMs);
        const SigningKey rotated(QStringLiteral("key-2"));
        QCOMPARE(get(tasksPath).status, 200);
        setKeys({m_key.jwk(), rotated.jwk()});
        const QByteArray token = rotated.signToken(claims());
        QCOMPARE(get(tasksPath, token).status, status);
        QCOMPARE(get(tasksPath, token).status, status);
        QCOMPARE(to("/certs").size(), fetches); // a known key is not fetched again
    }

    // Every page is read, up to the cap, hidden or deleted tasks left out and
    // an untitled one named like an untitled event.
    void taskPages()
    {
        m_answers[QStringLiteral("/tasks")] = {{200, fixture("tasks-page1.json")}, {200, fixture("tasks-page2.json")}};
        const Result<QList<Task2>> tasks = decodeTaskList(get(tasksPath).body);
        QVERIFY(tasks.isSuccess());
        QStringList titles;
        for (const Task2 &task : tasks.value())
            titles << task.title;
        QCOMPARE(titles,
                 (QStringList{QStringLiteral("Call the plumber"), QStringLiteral("Buy washers"),
                              QStringLiteral("(No title)")}));
        QCOMPARE(tasks.value().at(1).webViewLink, QUrl(QStringLiteral("https://tasks.google.com/")));
        const QList<HttpRequest> calls = to("/tasks");
        QCOMPARE(calls.size(), 2);
        QCOMPARE(QUrlQuery(calls.at(1).query).queryItemValue(QStringLiteral("pageToken"), QUrl::FullyDecoded),
                 QStringLiteral("CgwI2cP7sQYQ+PHmhgMa"));

        start(0, 3);
        m_answers[QStringLiteral("/tasks")] = {
                {200, "{\"items\":[{\"title\":\"a\",\"status\":\"needsAction\"}],\"nextPageToken\":\"more\"}"}};
        QCOMPARE(decodeTaskList(get(tasksPath).body).value().size(), 3);
        QCOMPARE(to("/tasks").size(), 2 + 3);
    }

    // From midnight today where the calendar is (UTC+14) to a week later;
    // cancelled events left out, untitled events and the page's time zone
    // filled in.
    void eventsWindowAndShapes()
    {
        m_answers[QStringLiteral("/calendar/events")] = {{200, "{\"timeZone\":\"Pacific/Kiritimati\"}"},
                                                         {200, fixture("events.json")}};
        const Result<QList<Event>> events = decodeEventList(get(QStringLiteral("/api/v1/events")).body);
        const QUrlQuery query(to("/calendar/events").last().query);
        const QTimeZone zone("Pacific/Kiritimati");
        const QDateTime midnight(QDateTime::currentDateTimeUtc().toTimeZone(zone).date(), QTime(0, 0), zone);
        const auto at = [&](const char *item) {
            return QDateTime::fromString(query.queryItemValue(QLatin1StringView(item), QUrl::FullyDecoded),
                                         Qt::ISODate);
        };
        QCOMPARE(at("timeMin"), midnight);
        QCOMPARE(at("timeMax"), midnight.addDays(7));
        QCOMPARE(query.queryItemValue(QStringLiteral("singleEvents")), QStringLiteral("true"));
        QVERIFY(events.isSuccess());
        QCOMPARE(events.value().size(), 4);
        QCOMPARE(events.value().at(1).summary, QStringLiteral("(No title)"));
        QCOMPARE(events.value().at(1).meetingLink(),
                 QStringLiteral("zoomus://zoom.us/join?action=join&confno=81234567890&pwd=123456"));
        QCOMPARE(events.value().at(1).start.timeZone, QStringLiteral("Europe/Berlin")); // the page's zone
        // The video entry point first, wherever Google lists it.
        QCOMPARE(events.value().at(0).meetingLink(), QStringLiteral("https://meet.google.com/abc-defg-hij"));
        for (const Event &event : events.value())
            QVERIFY(event.status != QStringLiteral("cancelled"));
    }

    void createTask_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("googleStatus");
        QTest::addColumn<QByteArray>("googleBody");
        QTest::addColumn<int>("status");
        const auto titled = [](qsizetype length) { return "{\"title\":\"" + QByteArray(length, 'a') + "\"}"; };
        const QByteArray created = "{\"id\":\"n1\",\"title\":\"a\",\"status\":\"needsAction\",\"position\":\"0\"}";
        const auto row = [](const char *name, const QByteArray &body, int googleStatus, const QByteArray &googleBody,
                            int status) { QTest::newRow(name) << body << googleStatus << googleBody << status; };
        row("1024 characters", titled(1024), 200, created, 200);
        row("1025 characters", titled(1025), 200, created, 400);
        row("title not text", "{\"title\":7}", 200, created, 400);
        row("64 KiB exactly", titled(64 * 1024 - 12), 200, created, 400); // past the size check, too long a title
        row("64 KiB and a byte", titled(64 * 1024 - 11), 200, created, 413);
        row("far over 64 KiB", titled(400000), 200, created, 413);
        row("Google HTML", titled(1), 200, "<html/>", 502);
        row("Google 403", titled(1), 403, "{}", 403);
    }

    void createTask()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, googleStatus);
        QFETCH(QByteArray, googleBody);
        QFETCH(int, status);
        m_answers[QStringLiteral("/tasks")] = {{googleStatus, googleBody}};
        const Reply reply = send("POST", tasksPath, {}, {}, body);
        QCOMPARE(reply.status, status);
        const QList<HttpRequest> calls = to("/tasks");
        const bool asked = status == 200 || status >= 500 || status == 403;
        QCOMPARE(calls.size(), asked ? 1 : 0);
        QVERIFY(status == 200 ? calls.first().body == body && decodeTaskList("[" + reply.body + "]").isSuccess()
                              : reply.isJsonObject());
    }

    // POST /api/v1/tasks/{id}/complete and /reopen: one PATCH to Google with
    // the status alone, Google's answer mapped as for the other routes.
    void taskStatus_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("accessTokenOf"); // the tokeninfo subject; empty: the caller
        QTest::addColumn<int>("googleStatus");
        QTest::addColumn<QByteArray>("googleBody");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("patch"); // what Google is sent; null: nothing
        const QByteArray done =
                R"({"id":"t1","title":"a","status":"completed","completed":"2026-01-02T03:04:05.000Z"})";
        const QByteArray open = R"({"id":"t1","title":"a","status":"needsAction"})";
        const QByteArray completed = R"({"status":"completed"})";
        const QByteArray reopened = R"({"completed":null,"status":"needsAction"})", none;
        const auto row = [](const char *name, const QString &path, const QByteArray &accessTokenOf, int googleStatus,
                            const QByteArray &googleBody, int status, const QByteArray &patch) {
            QTest::newRow(name) << path << accessTokenOf << googleStatus << googleBody << status << patch;
        };
        row("complete", u"/t1/complete"_qs, none, 200, done, 200, completed);
        row("reopen", u"/t1/reopen"_qs, none, 200, open, 200, reopened);
        row("id of 256", "/" + QString(256, u'a') + "/complete", none, 200, done, 200, completed);
        row("id of 257", "/" + QString(257, u'a') + "/complete", none, 200, done, 400, none);
        row("id with a dot", u"/a.b/complete"_qs, none, 200, done, 400, none);
        row("id with an encoded slash", u"/a%2Fb/complete"_qs, none, 200, done, 400, none);
        row("empty id", u"//reopen"_qs, none, 200, done, 400, none);
        row("another user's access token", u"/t1/complete"_qs, "999", 200, done, 401, none);
        row("Google 404", u"/t1/complete"_qs, none, 404, "{}", 404, completed);
        row("Google 401", u"/t1/complete"_qs, none, 401, "{}", 401, completed);
        row("Google HTML", u"/t1/reopen"_qs, none, 200, "<html>Sorry</html>", 502, reopened);
        row("Google 500", u"/t1/complete"_qs, none, 500, "{}", 502, completed);
    }

    void taskStatus()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, accessTokenOf);
        QFETCH(int, googleStatus);
        QFETCH(QByteArray, googleBody);
        QFETCH(int, status);
        QFETCH(QByteArray, patch);
        if (!accessTokenOf.isEmpty())
            m_answers[QStringLiteral("/tokeninfo")] = {
                    {200, ::tokenInfo(ourClient, ourClient, QString::fromLatin1(accessTokenOf))}};
        const QString id = path.section(u'/', 1, 1);
        m_answers[QStringLiteral("/tasks/") + id] = {{googleStatus, googleBody}};
        const Reply reply = send("POST", tasksPath + path, {}, {}, "");
        QCOMPARE(reply.status, status);
        QList<HttpRequest> calls;
        for (const HttpRequest &call : std::as_const(m_received))
            if (call.path.startsWith(QStringLiteral("/tasks")))
                calls << call;
        QCOMPARE(calls.size(), patch.isNull() ? 0 : 1);
        if (!patch.isNull()) {
            QCOMPARE(calls.first().method, "PATCH");
            QCOMPARE(calls.first().path, QStringLiteral("/tasks/") + id);
            QCOMPARE(calls.first().header("Authorization"), "Bearer " + m_accessToken);
            QCOMPARE(QJsonDocument::fromJson(calls.first().body), QJsonDocument::fromJson(patch));
        }
        if (status != 200) {
            QVERIFY(reply.isJsonObject());
            return;
        }
        const Result<QList<Task2>> task = decodeTaskList("[" + reply.body + "]");
        QVERIFY(task.isSuccess());
        QCOMPARE(task.value().first().status,
                 path.endsWith(QStringLiteral("/complete")) ? QStringLiteral("completed")
                                                            : QStringLiteral("needsAction"));
        // The access log names the route, never the id.
        QVERIFY(m_log.last().contains(QStringLiteral("{id}")));
        QVERIFY(!m_log.last().contains(id));
    }

    // Requests as raw bytes on one connection: the statuses of the answers
    // in order (negative: a HEAD answer, which has no body), and whether the
    // server then closed the connection. Nothing sent after a refused
    // request is answered.
    void framing_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<bool>("closed");
        const QByteArray smuggled = "GET /smuggled HTTP/1.1\r\nHost: s\r\n\r\n";
        const QByteArray auth = "Authorization: Bearer " + m_idToken + "\r\nAccessToken: " + m_accessToken + "\r\n";
        const auto post = [&](const QByteArray &fields, const QByteArray &body) {
            return "POST /api/v1/tasks HTTP/1.1\r\nHost: s\r\n" + auth + fields + "\r\n" + body + smuggled;
        };
        const QByteArray health = "GET /healthz HTTP/1.1\r\nHost: s\r\n\r\n";
        const QByteArray task = R"({"title":"a"})";
        QTest::newRow("two Content-Length")
                << post("Content-Length: 0\r\nContent-Length: 43\r\n", {}) << QList{400} << true;
        QTest::newRow("the same Content-Length twice")
                << post("Content-Length: 13\r\nContent-Length: 13\r\n", task) << QList{400} << true;
        QTest::newRow("Content-Length as a list") << post("Content-Length: 13, 13\r\n", task) << QList{400} << true;
        QTest::newRow("Content-Length and chunked")
                << post("Content-Length: 0\r\nTransfer-Encoding: chunked\r\n", "0\r\n\r\n") << QList{400} << true;
        QTest::newRow("Content-Length -1") << post("Content-Length: -1\r\n", {}) << QList{400} << true;
        QTest::newRow("Content-Length +0") << post("Content-Length: +0\r\n", {}) << QList{400} << true;
        QTest::newRow("Content-Length 2^64")
                << post("Content-Length: 18446744073709551616\r\n", {}) << QList{400} << true;
        QTest::newRow("space before the colon") << post("Content-Length : 0\r\n", {}) << QList{400} << true;
        QTest::newRow("Content-Length over 64 KiB") << post("Content-Length: 65537\r\n", {}) << QList{413} << true;
        QTest::newRow("unknown transfer coding")
                << post("Transfer-Encoding: gzip\r\n", "0\r\n\r\n") << QList{501} << true;
        QTest::newRow("chunked, then another coding")
                << post("Transfer-Encoding: chunked, gzip\r\n", "0\r\n\r\n") << QList{501} << true;
        QTest::newRow("obs-fold") << "GET /healthz HTTP/1.1\r\nHost: s\r\nX-Folded: a\r\n b\r\n\r\n" + smuggled
                                  << QList{400} << true;
        QTest::newRow("bare LF") << "GET /healthz HTTP/1.1\nHost: s\n\n" + smuggled << QList{400} << true;
        QTest::newRow("HTTP/2.0") << "GET /healthz HTTP/2.0\r\nHost: s\r\n\r\n" + smuggled << QList{505} << true;
        QTest::newRow("not HTTP") << "GET /healthz SMTP/1.1\r\nHost: s\r\n\r\n" + smuggled << QList{400} << true;
        QTest::newRow("HTTP/1.1 without Host") << "GET /healthz HTTP/1.1\r\n\r\n" + smuggled << QList{400} << true;
        // What a server must serve.
        QTest::newRow("chunked body") << post("Transfer-Encoding: chunked\r\n", "d\r\n" + task + "\r\n0\r\n\r\n")
                                      << QList{200, 404} << false;
        QTest::newRow("pipelined, the slow one first") << "GET /api/v1/tasks HTTP/1.1\r\nHost: s\r\n" + auth
                        + "\r\nGET /api/v1/events HTTP/1.1\r\nHost: s\r\n" + auth
                        + "\r\n" << QList{200, 200} << false;
        QTest::newRow("HEAD, then GET") << "HEAD /healthz HTTP/1.1\r\nHost: s\r\n\r\n" + health << QList{-503, 503}
                                        << false;
        QTest::newRow("Connection: close")
                << "GET /healthz HTTP/1.1\r\nHost: s\r\nConnection: close\r\n\r\n" + health << QList{503} << true;
        QTest::newRow("HTTP/1.0") << "GET /healthz HTTP/1.0\r\n\r\n" + health << QList{503} << true;
        QTest::newRow("HTTP/1.0 keep-alive")
                << "GET /healthz HTTP/1.0\r\nConnection: keep-alive\r\n\r\n" + health << QList{503, 503} << false;
    }

    void framing()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QList<int>, statuses);
        QFETCH(bool, closed);
        // Tasks slower than events: answers still come in request order.
        m_answers[QStringLiteral("/tasks")] = {{200, R"({"items":[{"id":"t1","title":"slow"}]})", 300}};
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_front->port());
        socket.write(sent);
        QByteArray received;
        QList<int> got;
        QList<QByteArray> bodies;
        const auto parse = [&] {
            received += socket.readAll();
            while (got.size() < statuses.size()) {
                const qsizetype end = received.indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QByteArray head = received.left(end);
                static const QRegularExpression length(QStringLiteral("\r\nContent-Length: (\\d+)"));
                const qsizetype size = statuses.at(got.size()) < 0
                        ? 0
                        : length.match(QString::fromLatin1(head)).captured(1).toLongLong();
                if (received.size() < end + 4 + size)
                    return;
                got << head.mid(9, 3).toInt() * (statuses.at(got.size()) < 0 ? -1 : 1);
                bodies << received.mid(end + 4, size);
                received.remove(0, end + 4 + size);
            }
        };
        [[maybe_unused]] const bool settled = QTest::qWaitFor(
                [&] {
                    parse();
                    return got.size() == statuses.size() || socket.state() == QAbstractSocket::UnconnectedState;
                },
                5000);
        if (closed)
            QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QAbstractSocket::UnconnectedState, 3000);
        parse();
        QCOMPARE(got, statuses);
        QVERIFY(received.isEmpty()); // nothing more: no answer to a smuggled request
        QCOMPARE(socket.state() == QAbstractSocket::UnconnectedState, closed);
        if (QTest::currentDataTag() == QByteArrayLiteral("pipelined, the slow one first"))
            QVERIFY(bodies.first().contains("slow"));
        QVERIFY(!m_log.join(u'\n').contains(QStringLiteral("smuggled")) || !closed);
    }

    // Google over TLS with certificates of a throw-away CA: served when that
    // CA is trusted and the certificate names the host; refused (502, and
    // nothing reaches the server) when the CA is not trusted or the name is
    // another host's.
    void googleOverTls_data()
    {
        QTest::addColumn<bool>("trustedCa");
        QTest::addColumn<QString>("name"); // the certificate's subjectAltName
        QTest::addColumn<int>("status");
        QTest::newRow("trusted") << true << QStringLiteral("IP:127.0.0.1") << 200;
        QTest::newRow("untrusted CA") << false << QStringLiteral("IP:127.0.0.1") << 502;
        QTest::newRow("another host") << true << QStringLiteral("DNS:other.example") << 502;
    }

    void googleOverTls()
    {
        QFETCH(bool, trustedCa);
        QFETCH(QString, name);
        QFETCH(int, status);
        QTemporaryDir dir;
        const auto openssl = [&](const QString &arguments) {
            QProcess process;
            process.setWorkingDirectory(dir.path());
            process.start(QStringLiteral("openssl"), arguments.split(u' '));
            return process.waitForFinished(20000) && process.exitCode() == 0;
        };
        const QString ecKey = u" -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes"_qs;
        for (const QString &ca : {QStringLiteral("ca"), QStringLiteral("other-ca")})
            QVERIFY(openssl(u"req -x509 -days 1 -keyout %1.key -out %1.pem -subj /CN=%1"_qs.arg(ca) + ecKey));
        QVERIFY(openssl(u"req -keyout server.key -out server.csr -subj /CN=stand-in"_qs + ecKey));
        QFile extensions(dir.filePath(QStringLiteral("san.ext")));
        QVERIFY(extensions.open(QIODevice::WriteOnly));
        extensions.write("subjectAltName=" + name.toLatin1() + "\n");
        extensions.close();
        QVERIFY(openssl(u"x509 -req -in server.csr -CA %1.pem -CAkey %1.key -CAcreateserial -days 1 -extfile san.ext "
                        "-out server.pem"_qs.arg(trustedCa ? u"ca"_qs : u"other-ca"_qs)));

        QFile key(dir.filePath(QStringLiteral("server.key")));
        QVERIFY(key.open(QIODevice::ReadOnly));
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificateChain(QSslCertificate::fromPath(dir.filePath(QStringLiteral("server.pem"))));
        tls.setPrivateKey(QSslKey(&key, QSsl::Ec));
        tls.setPeerVerifyMode(QSslSocket::VerifyNone);
        HttpFront secure(
                [this](const HttpRequest &request, HttpReply reply) { serveGoogle(request, std::move(reply)); });
        secure.setAccessLog(false);
        QVERIFY(secure.listen(QHostAddress::LocalHost, 0, tls));
        start(0, 20, 60000, 10000, QStringLiteral("https://127.0.0.1:%1").arg(secure.port()));
        m_backend->setGoogleCaFile(dir.filePath(QStringLiteral("ca.pem"))); // only the first CA
        QCOMPARE(get(tasksPath).status, status);
        QCOMPARE(m_received.isEmpty(), status != 200);
    }

    // The options and environment stint-backend starts with: an option wins
    // over its variable, client ids come repeated or comma-separated, and
    // each bad value is refused with a line naming the option.
    void settings_data()
    {
        QTest::addColumn<QString>("arguments"); // split at blanks
        QTest::addColumn<QString>("environment"); // split at semicolons
        QTest::addColumn<QString>("error"); // a part of it; empty: read
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("metricsPort"); // -1: none
        QTest::addColumn<QString>("clientIds"); // split at commas
        const auto row = [](const char *name, const char *arguments, const char *environment, const char *error,
                            int port = 0, int metricsPort = -1, const char *clientIds = "") {
            QTest::newRow(name) << QString::fromLatin1(arguments) << QString::fromLatin1(environment)
                                << QString::fromLatin1(error) << port << metricsPort << QString::fromLatin1(clientIds);
        };
        row("defaults", "--client-id a", "", "", 8080, -1, "a");
        row("environment", "", "STINT_CLIENT_IDS=a, b;STINT_PORT=9000", "", 9000, -1, "a,b");
        row("the option wins", "--client-id a --port 9001", "STINT_PORT=9000;STINT_CLIENT_IDS=z", "", 9001, -1, "a");
        row("metrics above the port", "--client-id a --port 9000 --metrics-port +1", "", "", 9000, 9001, "a");
        row("no client id", "", "", "--client-id");
        row("port too high", "--client-id a --port 65536", "", "--port");
        row("metrics +N on any port", "--client-id a --port 0 --metrics-port +1", "", "--metrics-port");
        row("not a Google address", "--client-id a --google-tasks-url file:///etc/passwd", "", "http(s)");
        row("CA file missing", "--client-id a --google-ca-file /nonexistent/ca.pem", "", "--google-ca-file");
        row("unknown option", "--client-id a --prot 1", "", "prot");
    }

    void settings()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, environment);
        QFETCH(QString, error);
        QFETCH(int, port);
        QFETCH(int, metricsPort);
        QFETCH(QString, clientIds);
        QProcessEnvironment variables;
        for (const QString &each : environment.split(u';', Qt::SkipEmptyParts))
            variables.insert(each.section(u'=', 0, 0), each.section(u'=', 1));
        const SettingsRead read = readServerSettings(
                QStringList{u"stint-backend"_qs} + arguments.split(u' ', Qt::SkipEmptyParts), variables);
        QCOMPARE(read.settings.has_value(), error.isEmpty());
        if (!read.settings) {
            QVERIFY2(read.error.contains(error), qPrintable(read.error));
            return;
        }
        QCOMPARE(read.settings->port, port);
        QCOMPARE(read.settings->metricsPort.has_value() ? *read.settings->metricsPort : -1, metricsPort);
        QCOMPARE(read.settings->backend.clientIds, clientIds.split(u','));
    }

    // Requests count per user, refused ones too, and another user has a
    // bucket of their own; none gets through without the access token.
    void rateLimitPerUser()
    {
        start(2);
        QCOMPARE(send("GET", tasksPath, {}, "").status, 401);
        QCOMPARE(get(tasksPath).status, 200);
        QCOMPARE(get(tasksPath).status, 429);
        QVERIFY(m_backend->metricsText().contains("\nstint_rate_limited_total 1\n"));
        m_answers[QStringLiteral("/tokeninfo")] = {{200, tokenInfo(ourClient, ourClient, QStringLiteral("999"))}};
        QCOMPARE(send("GET", tasksPath, m_key.signToken(claimsWith("sub", QStringLiteral("999"))), "ya29.other").status,
                 200);
    }

    // A remembered access token stays its own user's: with another user's
    // ID token it is refused, from the cache as on the first request.
    void cachedAccessTokenOfAnotherUser()
    {
        QCOMPARE(get(tasksPath).status, 200);
        QCOMPARE(get(tasksPath, m_key.signToken(claimsWith("sub", QStringLiteral("999")))).status, 401);
        QCOMPARE(to("/tokeninfo").size(), 1);
        QCOMPARE(get(tasksPath).status, 200);
    }

    // A latency exactly on a bound counts in that bound's bucket.
    void histogramBounds()
    {
        Metrics metrics;
        const QLatin1StringView name("t_seconds");
        metrics.describe(name, Metrics::Type::histogram, QLatin1StringView("test"));
        for (const double seconds : {0.0005, 0.005, 0.0051, 10.0, 11.0})
            metrics.observe(name, {}, seconds);
        const QByteArray text = metrics.text();
        QCOMPARE(expositionError(text), QString());
        for (const auto &[bound, count] : {std::pair{"0.0005", 1},
                                           {"0.001", 1},
                                           {"0.0025", 1},
                                           {"0.005", 2},
                                           {"0.01", 3},
                                           {"5", 3},
                                           {"10", 4},
                                           {"+Inf", 5}})
            QVERIFY2(text.contains("t_seconds_bucket{le=\"" + QByteArray(bound) + "\"} " + QByteArray::number(count)),
                     bound);
    }

    // A minute of clock skew, to the second: accepted 59 s after the expiry,
    // not 60 s after; a verified token is remembered exactly that long.
    void expiryBoundary()
    {
        const auto keys = KeySet::parse(QJsonDocument(QJsonObject{{"keys", QJsonArray{m_key.jwk()}}}).toJson());
        const auto token = SignedToken::parse(m_key.signToken(claimsWith("exp", 1700000000)));
        VerifiedIdToken verified;
        QCOMPARE(verifyIdToken(*token, *keys, {ourClient}, 1700000059, &verified), TokenCheck::valid);
        QCOMPARE(verified.acceptedUntil, 1700000060);
        QCOMPARE(verifyIdToken(*token, *keys, {ourClient}, 1700000060), TokenCheck::expired);

        const QByteArray ending = m_key.signToken(claims(-58)); // accepted for one or two more seconds
        QCOMPARE(get(tasksPath, ending).status, 200);
        QTest::qWait(3000);
        QCOMPARE(get(tasksPath, ending).status, 401);
    }

    // A client has the request timeout to send its request, and an idle
    // connection lives the idle timeout: well within either is fine, past
    // either the connection is closed.
    void connectionLimits()
    {
        m_front->setRequestTimeout(1000);
        m_front->setIdleTimeout(1000);
        const QByteArray request = "GET /healthz HTTP/1.1\r\nHost: stint\r\n\r\n";
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_front->port());
        socket.write(request.left(10));
        QTest::qWait(300);
        socket.write(request.sliced(10));
        QVERIFY(QSignalSpy(&socket, &QTcpSocket::readyRead).wait(5000));
        socket.readAll();
        QTest::qWait(300);
        socket.write(request);
        QVERIFY(QSignalSpy(&socket, &QTcpSocket::readyRead).wait(5000));
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QAbstractSocket::UnconnectedState, 5000);

        QTcpSocket slow;
        slow.connectToHost(QHostAddress::LocalHost, m_front->port());
        slow.write(request.left(10));
        QTRY_COMPARE_WITH_TIMEOUT(slow.state(), QAbstractSocket::UnconnectedState, 5000);
        QVERIFY(slow.readAll().isEmpty());

        // A byte now and then does not hold the connection: the clock runs
        // from the request's first byte.
        QTcpSocket dribbling;
        dribbling.connectToHost(QHostAddress::LocalHost, m_front->port());
        QVERIFY(dribbling.waitForConnected(5000));
        for (int i = 0; i < 15 && dribbling.state() == QAbstractSocket::ConnectedState; ++i) {
            dribbling.write(request.sliced(i, 1));
            QTest::qWait(200);
        }
        QCOMPARE(dribbling.state(), QAbstractSocket::UnconnectedState);
    }

    // Ready once Google's keys have been read, not while draining; requests
    // are still served while draining.
    void readiness()
    {
        QCOMPARE(get(QStringLiteral("/healthz")).status, 503);
        m_backend->start();
        QTRY_COMPARE(get(QStringLiteral("/healthz")).status, 200);
        m_backend->startDraining();
        QCOMPARE(get(QStringLiteral("/healthz")).status, 503);
        QCOMPARE(get(tasksPath).status, 200);
    }

    // The counters follow the requests, in the Prometheus text format, and
    // nothing in them names a token or a user.
    void metrics()
    {
        QCOMPARE(get(tasksPath).status, 200);
        QCOMPARE(get(tasksPath).status, 200);
        QCOMPARE(get(tasksPath, "not.a.token").status, 401);
        const QByteArray text = m_backend->metricsText();
        QCOMPARE(expositionError(text), QString());
        const auto value = [&text](const char *series) {
            const qsizetype at = text.indexOf("\n" + QByteArray(series) + ' ');
            return at < 0 ? -1 : text.mid(at + qstrlen(series) + 2).split('\n').first().toDouble();
        };
        QCOMPARE(value(R"(stint_http_requests_total{route="/api/v1/tasks",method="GET",status="200"})"), 2);
        QCOMPARE(value(R"(stint_http_requests_total{route="/api/v1/tasks",method="GET",status="401"})"), 1);
        QCOMPARE(value(R"(stint_http_request_duration_seconds_count{route="/api/v1/tasks"})"), 3);
        QCOMPARE(value(R"(stint_google_requests_total{api="tasks",status="200"})"), 2);
        QCOMPARE(value(R"(stint_cache_hits_total{cache="idtoken"})"), 1);
        QCOMPARE(value(R"(stint_cache_misses_total{cache="tokeninfo"})"), 1);
        QCOMPARE(value(R"(stint_cache_hits_total{cache="tokeninfo"})"), 1);
        QCOMPARE(value("stint_requests_in_flight"), 0);
        const QByteArray userHash = QCryptographicHash::hash(user.toUtf8(), QCryptographicHash::Sha256).toHex();
        const QList<QByteArray> secrets = m_idToken.split('.') << m_accessToken << user.toUtf8() << userHash;
        for (const QByteArray &secret : secrets)
            QVERIFY(!text.contains(secret.left(10)));
    }

    // Chunked, arriving in pieces, with an extension, sizes in hex (16 and
    // 26 bytes) and a trailer; the connection then carries the next request too.
    void chunkedAndReused()
    {
        m_answer = [](const QByteArray &, int) {
            return QList<QByteArray>{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n6;ext=1\r\n[{\"a",
                                     "\":\r\n10\r\n1,\"b\":\"012345678\r\n1A\r\nabcdefghijklmnopqrstuvwxyz\r\n",
                                     "3\r\n\"}]\r\n0\r\nTrailer: x\r\n", "\r\n"};
        };
        for (int i = 0; i < 2; ++i) {
            const HttpResponse response = fetch();
            QCOMPARE(response.status, 200);
            QCOMPARE(response.body, QByteArray("[{\"a\":1,\"b\":\"012345678abcdefghijklmnopqrstuvwxyz\"}]"));
        }
        QCOMPARE(m_connections, 1);
        QCOMPARE(m_requests.first(), QByteArray("GET /tasks?x=1 HTTP/1.1"));
    }

    // An answer without a length ends with its connection, which is then not
    // used again.
    void closeDelimited()
    {
        m_answer = [](const QByteArray &, int) {
            return QList<QByteArray>{"HTTP/1.1 200 OK\r\n\r\nall", " of it", "close"};
        };
        for (int i = 0; i < 2; ++i)
            QCOMPARE(fetch().body, QByteArray("all of it"));
        QCOMPARE(m_connections, 2);
    }

    // A GET that meets a connection the server has closed is sent once more
    // on a new one; a POST goes on a new connection and is never sent twice.
    void staleConnection()
    {
        m_answer = [](const QByteArray &line, int n) {
            if (n > 1 || line.startsWith("POST"))
                return QList<QByteArray>{"close"};
            return QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"};
        };
        QCOMPARE(fetch().status, 200);
        QCOMPARE(fetch().status, 200);
        QCOMPARE(m_connections, 2);
        QCOMPARE(m_requests.size(), 3);

        const HttpResponse posted = fetch("POST");
        QCOMPARE(posted.failure, HttpResponse::Failure::connection);
        QCOMPARE(m_connections, 3);
        QCOMPARE(m_requests.size(), 4);
    }

    // Too slow, too large or not HTTP: a failure, never an answer.
    void failures_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<HttpResponse::Failure>("failure");
        QTest::newRow("no answer") << QByteArray() << HttpResponse::Failure::timeout;
        QTest::newRow("over the size limit") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 99999999999\r\n\r\n")
                                             << HttpResponse::Failure::protocol;
        QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH\r\n\r\n") << HttpResponse::Failure::protocol;
        QTest::newRow("bad chunk") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n")
                                   << HttpResponse::Failure::protocol;
        QTest::newRow("cut short") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc") + "close"
                                   << HttpResponse::Failure::connection;
    }

    void failures()
    {
        QFETCH(QByteArray, answer);
        QFETCH(HttpResponse::Failure, failure);
        m_answer = [answer](const QByteArray &, int) {
            const qsizetype close = answer.indexOf("close");
            return answer.isEmpty() ? QList<QByteArray>{}
                    : close > 0     ? QList<QByteArray>{answer.left(close), "close"}
                                    : QList<QByteArray>{answer};
        };
        const HttpResponse response = fetch();
        QCOMPARE(response.failure, failure);
        QCOMPARE(response.status, 0);
    }
};

QTEST_GUILESS_MAIN(TestBackend)
#include "tst_backend.moc"
