// One Stint per user: a second start hands its URLs to the first over a
// user-only local socket and exits. Run with two real processes: this test
// is the first, a child copy of it in sender mode is the second.

#include "app/singleinstance.h"
#include "support/stdoutcapture.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QStandardPaths>
#include <QTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

constexpr char senderModeVariable[] = "STINT_SINGLEINSTANCE_SENDER";

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_runtimeDir;

    // Starts a second process that sends `arguments` as URLs; returns its exit code.
    int runSender(const QStringList &arguments)
    {
        QProcess sender;
        sender.start(QCoreApplication::applicationFilePath(), arguments);
        // The sender blocks on its socket: keep our event loop turning meanwhile.
        const bool ended = QTest::qWaitFor([&] { return sender.state() == QProcess::NotRunning; }, 20000);
        return ended && sender.exitStatus() == QProcess::NormalExit ? sender.exitCode() : -1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QFile::setPermissions(m_runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toLocal8Bit());
        QVERIFY(SingleInstance::socketPath().startsWith(m_runtimeDir.path()));
        qputenv(senderModeVariable, "1"); // for the senders started from here on
    }

    void secondStartHandsItsUrlsOver()
    {
        // A crashed run leaves its socket file behind; nobody answers on it.
        QFile stale(SingleInstance::socketPath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QCOMPARE(runSender({QStringLiteral("stint://x")}), 1);

        SingleInstance first;
        QVERIFY(first.listen());
        QSignalSpy received(&first, &SingleInstance::urlsReceived);
        struct stat info = {}; // the socket is the user's alone
        QCOMPARE(::stat(QFile::encodeName(SingleInstance::socketPath()).constData(), &info), 0);
        QCOMPARE(info.st_mode & 077, 0u);

        const QString callback = QStringLiteral("stint://oauth2redirect?code=4%2F0Ab&state=xyz");
        QCOMPARE(runSender({callback, QStringLiteral("http://127.0.0.1:9/other")}), 0);
        QTRY_COMPARE(received.count(), 1);
        const auto urls = received.at(0).at(0).value<QList<QUrl>>();
        QCOMPARE(urls, (QList<QUrl>{QUrl(callback), QUrl(QStringLiteral("http://127.0.0.1:9/other"))}));

        // A start without URLs still reaches the first (to bring it forward).
        QCOMPARE(runSender({}), 0);
        QTRY_COMPARE(received.count(), 2);
        QVERIFY(received.at(1).at(0).value<QList<QUrl>>().isEmpty());

        // And a second listener on the same socket is refused while the first lives.
        SingleInstance second;
        QVERIFY(!second.listen());

        // A message counts only once its closing empty line is in.
        QLocalSocket sender;
        sender.connectToServer(SingleInstance::socketPath());
        QVERIFY(sender.waitForConnected(5000));
        sender.write("stint://a\n");
        QVERIFY(sender.waitForBytesWritten(5000));
        QTest::qWait(100); // read on its own
        sender.write("stint://b\n\n");
        QTRY_COMPARE(received.count(), 3);
        QCOMPARE(received.at(2).at(0).value<QList<QUrl>>(), (QList<QUrl>{QUrl("stint://a"), QUrl("stint://b")}));
    }

    // Without a usable runtime directory the socket goes into a folder of
    // its own in the temporary directory, which nobody else may own or enter.
    void fallbackFolderMustBePrivate_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::newRow("missing: made private") << "none";
        QTest::newRow("private already") << "0700";
        QTest::newRow("open to others") << "0755";
        QTest::newRow("a link to a private folder") << "link";
    }

    void fallbackFolderMustBePrivate()
    {
        QFETCH(QString, setup);
        const bool used = setup == u"none" || setup == u"0700";
        QTemporaryDir tmp;
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        // Qt's own fallback runtime folder, made unusable.
        const QByteArray qtRuntime = QFile::encodeName(
                tmp.filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(getpwuid(getuid())->pw_name)));
        QVERIFY(::mkdir(qtRuntime, 0700) == 0 && ::chmod(qtRuntime, 0755) == 0);
        QVERIFY(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).isEmpty());

        const QString folder = tmp.filePath(QStringLiteral("stint-%1").arg(getuid()));
        const QByteArray native = QFile::encodeName(folder);
        if (setup == u"link")
            QVERIFY(::mkdir(QFile::encodeName(tmp.filePath(QStringLiteral("elsewhere"))), 0700) == 0
                    && QFile::link(tmp.filePath(QStringLiteral("elsewhere")), folder));
        else if (setup != u"none")
            QVERIFY(::mkdir(native, 0700) == 0 && ::chmod(native, setup.toUInt(nullptr, 8)) == 0);

        StdoutCapture capture;
        SingleInstance instance;
        QCOMPARE(instance.listen(), used);
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        qunsetenv("TMPDIR");
        struct stat info = {};
        QVERIFY(::lstat(native, &info) == 0 && (!used || (info.st_mode & 0777) == 0700));
        QCOMPARE(capture.lines().size(), used ? 0 : 1);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(senderModeVariable)) {
        QList<QUrl> urls;
        for (const QString &argument : app.arguments().mid(1))
            urls.append(QUrl(argument));
        return SingleInstance::sendToRunningInstance(urls) ? 0 : 1;
    }
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
