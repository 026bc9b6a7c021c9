// The backend the app runs itself: the real stint-backend of this build as a
// child process, with the dev server standing in for Google behind it. Its
// life (one start, the port read back, restarts, requests held across a
// restart, no orphan when the app is killed) and what it is given (no secret,
// no STINT_* variable).

#include "backend/configuration.h"
#include "backend/googleapiaccessor.h"
#include "backend/localbackend.h"
#include "backend/network.h"
#include "devserver/devserver.h"
#include "support/stdoutcapture.h"

#include <QCoreApplication>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

const QString secret = u"GOCSPX-never-to-be-seen"_s;

QByteArray procFile(qint64 pid, const char *name)
{
    QFile file(u"/proc/%1/%2"_s.arg(pid).arg(QLatin1StringView(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Gone, or a zombie left for whoever reaps it.
bool processEnded(qint64 pid)
{
    const QByteArray stat = procFile(pid, "stat");
    return stat.isEmpty() || stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z";
}

int httpStatus(const QUrl &url)
{
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(url)));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    return finished.wait(10000) ? reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}

// A LocalBackend of this build for the dev server's client, pointed at its
// stand-ins for Google.
void setUp(LocalBackend &backend, const DevServer &server)
{
    QString error;
    backend.setProgram(LocalBackend::findProgram());
    backend.setGoogleOptions(
            LocalBackend::googleOptions(Configuration::infoDictionary(), &error).value_or(QStringList()));
    backend.setClientId(server.infoDictionary().value("GOOGLE_CLIENT_ID"_L1).toString());
}

} // namespace

class TestLocalBackend : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    DevServer m_server;

    // A stand-in backend: a shell script running `commands`.
    QString script(const QString &name, const QByteArray &commands)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || !file.write("#!/bin/sh\n" + commands + "\n")
            || !file.setPermissions(file.permissions() | QFile::ExeOwner))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.listen());
        const QString settings = m_dir.filePath(u"google.json"_s);
        QVERIFY(DevServer::writeSettingsFile(settings, m_server.googleSettings(),
                                             {{u"GOOGLE_CLIENT_SECRET"_s, secret}}));
        qputenv("STINT_INFO_FILE", settings.toLocal8Bit());
        // Whatever the app's environment holds must not configure the backend.
        qputenv("STINT_GOOGLE_CLIENT_SECRET", secret.toLocal8Bit());
        qputenv("STINT_PORT", "9");
        QVERIFY(!LocalBackend::findProgram().isEmpty());
    }

    // Started once, however often asked; on a port of its own (--port 0),
    // read back from its first line; listening on 127.0.0.1 for the client id
    // alone, with no secret in its command line or environment; started
    // again for a new client id.
    void startsOnceOnAPortOfItsOwn()
    {
        StdoutCapture capture;
        LocalBackend first;
        setUp(first, m_server);
        QSignalSpy ready(&first, &LocalBackend::ready);
        first.start();
        first.start();
        QTRY_VERIFY(!first.address().isEmpty());
        first.start();
        QTest::qWait(200);
        QCOMPARE(ready.count(), 1);
        QCOMPARE(httpStatus(first.address().resolved(QUrl(u"/healthz"_s))), 200);

        const QByteArray commandLine = procFile(first.processId(), "cmdline");
        const auto arguments = [](const QByteArrayList &list) { return list.join('\0') + '\0'; };
        QVERIFY(commandLine.contains(arguments({"--listen", "127.0.0.1", "--port", "0"})));
        QVERIFY(commandLine.contains(arguments({"--access-log", "off"})));
        const QByteArray environment = procFile(first.processId(), "environ");
        QVERIFY(!environment.isEmpty());
        for (const QByteArray &place : {commandLine, environment}) {
            QVERIFY(!place.contains(secret.toLatin1()));
            QVERIFY(!place.contains("STINT_"));
        }

        // A new client id: started again, for that client.
        const qint64 pid = first.processId();
        first.setClientId(u"2-b.apps.googleusercontent.com"_s);
        QTRY_VERIFY(!first.address().isEmpty() && first.processId() != pid);
        QVERIFY(procFile(first.processId(), "cmdline").contains("2-b.apps.googleusercontent.com"));
    }

    // Killed, it comes back after a delay that grows, saying so each time;
    // a request made meanwhile waits for it and is answered.
    void restartsAndHoldsRequests()
    {
        StdoutCapture capture;
        LocalBackend backend;
        setUp(backend, m_server);
        backend.setRestartDelays(100, 1000);
        Network::setLocalBackend(&backend);
        backend.start();
        QTRY_VERIFY(!backend.address().isEmpty());

        const DevServer::TokenSet tokens = m_server.issueTokens();
        GoogleAPIAccessor api;
        for (const QString &delay : {u"0.1"_s, u"0.2"_s}) {
            const qint64 pid = backend.processId();
            QSignalSpy stopped(&backend, &LocalBackend::stopped);
            ::kill(static_cast<pid_t>(pid), SIGKILL);
            QVERIFY(stopped.wait(5000));
            std::optional<Result<QList<Task2>>> answer;
            api.getTasks(tokens.idToken, tokens.accessToken, [&](Result<QList<Task2>> result) { answer = result; });
            QVERIFY(!answer);
            QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 10000);
            QVERIFY2(answer->isSuccess(), qPrintable(answer->isSuccess() ? QString() : answer->error().description));
            QCOMPARE(answer->value().size(), m_server.tasks().size());
            QVERIFY(backend.processId() != pid);
            QVERIFY2(capture.lines().contains(
                             u"stint-backend stopped unexpectedly; starting it again in %1 s"_s.arg(delay)),
                     qPrintable(capture.lines().join(u'\n')));
        }
        Network::setLocalBackend(nullptr);
    }

    // A request fails, with the reason, when there is nothing to wait for or
    // the backend takes too long; a missing program is said once.
    void requestsDoNotWaitForever()
    {
        StdoutCapture capture;
        const auto failureOf = [](LocalBackend &backend) {
            std::optional<Error> failure;
            bool called = false;
            backend.whenReady(nullptr, [&](std::optional<Error> unavailable) {
                failure = unavailable;
                called = true;
            });
            if (!QTest::qWaitFor([&] { return called; }, 5000))
                return u"<no answer>"_s;
            return failure ? failure->description : u"<called without a reason>"_s;
        };

        LocalBackend missing;
        missing.setClientId(u"1-a.apps.googleusercontent.com"_s);
        missing.start();
        missing.start();
        QCOMPARE(failureOf(missing), u"stint-backend was not found beside Stint or in /usr/bin"_s);
        QCOMPARE(capture.lines().count(u"stint-backend was not found beside Stint or in /usr/bin"_s), 1);
        // A request then fails once, with that reason, and is not sent.
        Network::setLocalBackend(&missing);
        GoogleAPIAccessor api;
        QStringList answers;
        api.getTasks(u"id"_s, u"access"_s, [&](const Result<QList<Task2>> &result) {
            answers << (result.isSuccess() ? u"<success>"_s : result.error().description);
        });
        QTRY_COMPARE(answers.size(), 1);
        QTest::qWait(200);
        QCOMPARE(answers, QStringList{u"stint-backend was not found beside Stint or in /usr/bin"_s});
        Network::setLocalBackend(nullptr);

        // Without a client, until one is set up.
        LocalBackend withoutClient;
        withoutClient.setProgram(LocalBackend::findProgram());
        withoutClient.start();
        QCOMPARE(failureOf(withoutClient), u"No Google client is set up yet"_s);
        withoutClient.setClientId(u"1-a.apps.googleusercontent.com"_s);
        QTRY_VERIFY(!withoutClient.address().isEmpty());

        // A backend that never says where it listens.
        LocalBackend slow;
        slow.setProgram(script(u"silent"_s, "exec sleep 30"));
        slow.setClientId(u"1-a.apps.googleusercontent.com"_s);
        slow.start();
        const int timeout = Network::transferTimeout();
        Network::setTransferTimeout(300);
        QCOMPARE(failureOf(slow), u"stint-backend did not start in time"_s);
        Network::setTransferTimeout(timeout);
    }

    // The first line may arrive in pieces.
    void portLineInTwoReads()
    {
        StdoutCapture capture;
        LocalBackend backend;
        backend.setProgram(script(u"halting"_s,
                                  "printf 'stint-backend listening on http://127.0.0.1:'\nsleep 0.3\n"
                                  "echo '4242 for 1 client id(s)'\nexec sleep 30"));
        backend.setClientId(u"1-a.apps.googleusercontent.com"_s);
        backend.start();
        QTRY_COMPARE(backend.address(), QUrl(u"http://127.0.0.1:4242"_s));
    }

    // The app killed outright takes its backend with it.
    void noOrphanWhenTheAppIsKilled()
    {
        QProcess app;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"STINT_LOCAL_BACKEND_APP"_s, u"1"_s);
        app.setProcessEnvironment(environment);
        app.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(app.waitForStarted());
        qint64 backendPid = 0;
        QVERIFY(QTest::qWaitFor(
                [&] {
                    app.waitForReadyRead(100);
                    for (const QByteArray &line : app.readAllStandardOutput().split('\n'))
                        backendPid = line.startsWith("backend ") ? line.mid(8).toLongLong() : backendPid;
                    return backendPid > 0;
                },
                20000));
        QVERIFY(!processEnded(backendPid));
        ::kill(static_cast<pid_t>(app.processId()), SIGKILL);
        QVERIFY(app.waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(processEnded(backendPid), 5000);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("STINT_LOCAL_BACKEND_APP")) {
        // The app of noOrphanWhenTheAppIsKilled: runs a backend until killed.
        LocalBackend backend;
        backend.setProgram(LocalBackend::findProgram());
        backend.setClientId(u"1-a.apps.googleusercontent.com"_s);
        QObject::connect(&backend, &LocalBackend::ready, [&backend] {
            std::printf("backend %lld\n", static_cast<long long>(backend.processId()));
            std::fflush(stdout);
        });
        backend.start();
        return app.exec();
    }
    TestLocalBackend test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_localbackend.moc"
