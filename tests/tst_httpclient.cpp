// The backend's client for Google against a raw server on 127.0.0.1 that
// answers, byte for byte, what each case needs: how an answer is framed,
// when a connection is reused, and when a request is sent again.

#include "server/httpclient.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

class TestHttpClient : public QObject
{
    Q_OBJECT

private:
    QTcpServer m_server;
    int m_connections = 0;
    QList<QByteArray> m_requests; // each request line, in the order received
    // The parts of the answer to the n-th request (from 1) on a connection;
    // none leaves it unanswered, a part "close" closes the connection.
    std::function<QList<QByteArray>(const QByteArray &requestLine, int n)> m_answer;
    std::unique_ptr<HttpClient> m_client;

    HttpResponse fetch(const QByteArray &method = "GET")
    {
        std::optional<HttpResponse> response;
        const QUrl url(QStringLiteral("http://127.0.0.1:%1/tasks?x=1").arg(m_server.serverPort()));
        const auto done = [&response](const HttpResponse &got) { response = got; };
        if (method == "GET")
            m_client->get(url, {{"Accept", "application/json"}}, done);
        else
            m_client->post(url, {}, "{}", done);
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
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                ++m_connections;
                serve(socket);
            }
        });
    }

    void init()
    {
        m_client = std::make_unique<HttpClient>(); // no connection left from the case before
        m_client->setTimeout(500);
        m_connections = 0;
        m_requests.clear();
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

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_httpclient.moc"
