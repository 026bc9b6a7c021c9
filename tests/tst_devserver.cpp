// The dev server over real HTTP on 127.0.0.1: what other tests and manual
// trials rely on it for.

#include "devserver/devserver.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

namespace {

struct Reply
{
    int status = 0; // 0: no HTTP answer at all
    QByteArray body;
    QUrl location;
};

} // namespace

class tst_DevServer : public QObject
{
    Q_OBJECT

private:
    Reply send(const QByteArray &method, const QString &path, const QByteArray &body = {},
               const QList<QPair<QByteArray, QByteArray>> &headers = {})
    {
        QNetworkRequest request(m_server.baseUrl().resolved(QUrl(path)));
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        for (const auto &[name, value] : headers)
            request.setRawHeader(name, value);
        std::unique_ptr<QNetworkReply> reply(m_client.sendCustomRequest(request, method, body));
        if (!QSignalSpy(reply.get(), &QNetworkReply::finished).wait(5000))
            return {};
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
                reply->header(QNetworkRequest::LocationHeader).toUrl()};
    }

    Reply getTasks(const QString &idToken)
    {
        return send("GET", QStringLiteral("/api/v1/tasks"), {}, {{"Authorization", "Bearer " + idToken.toLatin1()}});
    }

    // Runs the consent page and returns the code it redirects with.
    QString authorize(const QByteArray &verifier, const QString &redirect = QStringLiteral("http://127.0.0.1:9/cb"))
    {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("response_type"), QStringLiteral("code"));
        query.addQueryItem(QStringLiteral("client_id"), DevServer::clientId);
        query.addQueryItem(QStringLiteral("redirect_uri"), redirect);
        query.addQueryItem(QStringLiteral("state"), QStringLiteral("s1"));
        query.addQueryItem(QStringLiteral("code_challenge_method"), QStringLiteral("S256"));
        query.addQueryItem(QStringLiteral("code_challenge"),
                           QString::fromLatin1(QCryptographicHash::hash(verifier, QCryptographicHash::Sha256)
                                                   .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)));
        const Reply reply = send("GET", QStringLiteral("/o/oauth2/v2/auth?") + query.toString(QUrl::FullyEncoded));
        return QUrlQuery(reply.location).queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
    }

    Reply exchange(const QString &code, const QByteArray &verifier,
                   const QString &secret = DevServer::clientSecret)
    {
        const QByteArray form = "grant_type=authorization_code&client_id=stint-dev&client_secret="
            + QUrl::toPercentEncoding(secret) + "&code=" + QUrl::toPercentEncoding(code)
            + "&redirect_uri=" + QUrl::toPercentEncoding(QStringLiteral("http://127.0.0.1:9/cb"))
            + "&code_verifier=" + verifier;
        return send("POST", QStringLiteral("/token"), form,
                    {{"Content-Type", "application/x-www-form-urlencoded"}});
    }

    DevServer m_server;
    QNetworkAccessManager m_client;
    const QByteArray m_verifier = QByteArray(50, 'v');

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.listen());
    }

    void init()
    {
        m_server.setMisbehaviour(DevServer::Misbehaviour::none);
        m_server.setTokenLifetime(3600);
    }

    void backendWantsALiveIssuedIdToken_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("status");
        QTest::newRow("issued") << "issued" << 200;
        QTest::newRow("none") << "" << 401;
        QTest::newRow("made up") << "eyJ.eyJ.sig" << 401;
        QTest::newRow("access token instead") << "access" << 401;
        QTest::newRow("revoked") << "revoked" << 401;
        QTest::newRow("expired") << "expired" << 401;
    }

    void backendWantsALiveIssuedIdToken()
    {
        QFETCH(QString, token);
        QFETCH(int, status);
        if (token == QLatin1String("expired"))
            m_server.setTokenLifetime(1);
        const DevServer::TokenSet tokens = m_server.issueTokens();
        if (token == QLatin1String("revoked"))
            QCOMPARE(send("POST", QStringLiteral("/revoke"), "token=" + QUrl::toPercentEncoding(tokens.accessToken)).status, 200);
        if (token == QLatin1String("expired"))
            QTest::qWait(1100);
        const QString sent = token == QLatin1String("issued") || token == QLatin1String("revoked")
                || token == QLatin1String("expired")
            ? tokens.idToken
            : token == QLatin1String("access") ? tokens.accessToken : token;

        const Reply reply = getTasks(sent);
        QCOMPARE(reply.status, status);
        const QJsonDocument body = QJsonDocument::fromJson(reply.body);
        if (status == 200)
            QVERIFY(body.isArray());
        else
            QCOMPARE(body.object().value(QStringLiteral("error")).toString(), QStringLiteral("unauthorized"));
    }

    void misbehaviourSwitchedAtRunTime()
    {
        // The way a manual trial does it; the modes themselves are exercised
        // by the backend request tests.
        QCOMPARE(send("POST", QStringLiteral("/dev/misbehave"), "{\"mode\": \"serverError\"}").status, 200);
        QCOMPARE(m_server.misbehaviour(), DevServer::Misbehaviour::serverError);
        QCOMPARE(getTasks(m_server.issueTokens().idToken).status, 500);

        QCOMPARE(send("POST", QStringLiteral("/dev/misbehave"), "{\"mode\": \"sulk\"}").status, 400);
        QCOMPARE(m_server.misbehaviour(), DevServer::Misbehaviour::serverError);
    }

    void slowReplyToAClientThatLeft()
    {
        m_server.setMisbehaviour(DevServer::Misbehaviour::slow, 100);
        QNetworkRequest request(m_server.baseUrl().resolved(QUrl(QStringLiteral("/api/v1/events"))));
        std::unique_ptr<QNetworkReply> reply(m_client.get(request));
        QTRY_COMPARE(m_server.requests().size() > 0, true);
        reply->abort();
        QTest::qWait(300);
        m_server.setMisbehaviour(DevServer::Misbehaviour::none);
        QCOMPARE(getTasks(m_server.issueTokens().idToken).status, 200);
    }

    void createdTasksAreWrittenBack()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("data.json"));
        DevServer server;
        QVERIFY(server.loadDataFile(file)); // seeded with the demo data
        server.setRequireAuthorization(false);
        QVERIFY(server.listen());
        const int before = server.tasks().size();

        QNetworkRequest request(server.baseUrl().resolved(QUrl(QStringLiteral("/api/v1/tasks"))));
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        std::unique_ptr<QNetworkReply> reply(m_client.post(request, R"({"title":"Write report"})"));
        QVERIFY(QSignalSpy(reply.get(), &QNetworkReply::finished).wait(5000));
        const QJsonObject task = QJsonDocument::fromJson(reply->readAll()).object();
        QCOMPARE(task.value("title").toString(), QStringLiteral("Write report"));
        QCOMPARE(task.value("status").toString(), QStringLiteral("needsAction"));
        QVERIFY(!task.contains("due"));
        QVERIFY(QUrl(task.value("webViewLink").toString(), QUrl::StrictMode).isValid());
        QVERIFY(task.value("position").toString() > server.tasks().at(before - 1).toObject().value("position").toString());

        DevServer reloaded;
        QVERIFY(reloaded.loadDataFile(file));
        QCOMPARE(reloaded.tasks().size(), before + 1);
        QCOMPARE(reloaded.tasks().last().toObject(), task);
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().contains("{date:")); // the day offsets stay unresolved on disk
    }

    void demoDataIsAroundToday()
    {
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const QString tomorrow = QDate::currentDate().addDays(1).toString(Qt::ISODate);
        QStringList dues;
        int completed = 0;
        for (const QJsonValue &task : m_server.tasks()) {
            dues.append(task.toObject().value("due").toString());
            completed += task.toObject().value("status").toString() == QLatin1String("completed");
        }
        QVERIFY(dues.contains(today + QStringLiteral("T00:00:00.000Z")));
        QVERIFY(dues.contains(tomorrow));
        QVERIFY(std::any_of(dues.begin(), dues.end(), [&today](const QString &due) { return !due.isEmpty() && due < today; }));
        QCOMPARE(completed, 2);

        QStringList kinds;
        for (const QJsonValue &value : m_server.events()) {
            const QJsonObject event = value.toObject();
            const QJsonObject start = event.value("start").toObject();
            const QString day = start.contains("date") ? start.value("date").toString()
                                                       : QDateTime::fromString(start.value("dateTime").toString(), Qt::ISODate).toLocalTime().date().toString(Qt::ISODate);
            QVERIFY2(day == today || day == tomorrow, qPrintable(day));
            const QJsonObject conference = event.value("conferenceData").toObject();
            const QJsonObject entry = conference.value("entryPoints").toArray().first().toObject();
            if (start.contains("date"))
                kinds.append("all-day");
            else if (conference.isEmpty())
                kinds.append("plain");
            else if (entry.value("uri").toString().startsWith("https://us02web.zoom.us/j/") && entry.contains("passcode"))
                kinds.append("zoom");
            else if (entry.value("uri").toString().startsWith("https://meet.google.com/"))
                kinds.append("meet");
        }
        for (const char *kind : {"all-day", "plain", "zoom", "meet"})
            QVERIFY2(kinds.contains(QLatin1String(kind)), kind);
    }

    void providerChecksTheExchange()
    {
        // A code is good once, for the verifier it was asked with.
        QString code = authorize(m_verifier);
        QCOMPARE(exchange(code, QByteArray(50, 'w')).status, 400);
        QCOMPARE(exchange(code, m_verifier).status, 400);

        code = authorize(m_verifier);
        QCOMPARE(exchange(code, m_verifier, QStringLiteral("wrong")).status, 401);
        code = authorize(m_verifier);
        const Reply granted = exchange(code, m_verifier);
        QCOMPARE(granted.status, 200);
        const QJsonObject tokens = QJsonDocument::fromJson(granted.body).object();
        QCOMPARE(tokens.value("token_type").toString(), QStringLiteral("Bearer"));
        QCOMPARE(tokens.value("expires_in").toInt(), 3600);
        QVERIFY(m_server.isRefreshTokenActive(tokens.value("refresh_token").toString()));
        QCOMPARE(tokens.value("id_token").toString().count(u'.'), 2);
        QCOMPARE(exchange(code, m_verifier).status, 400);

        // Only a loopback redirect is served.
        QCOMPARE(authorize(m_verifier, QStringLiteral("https://example.com/cb")), QString());
    }

};

QTEST_MAIN(tst_DevServer)
#include "tst_devserver.moc"
