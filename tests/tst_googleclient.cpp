// The "Connect Google" form: what it refuses and why, when it shows, and
// where the secret goes (the keyring, or memory when there is none; never a
// plain file).

#include "accounts/googleclient.h"
#include "accounts/tokenstore.h"
#include "support/stdoutcapture.h"
#include "ui/googleclientform.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString goodId = u"1234-abc.apps.googleusercontent.com"_s;

} // namespace

class TestGoogleClient : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    // A loaded client, and the form on it.
    struct Form
    {
        GoogleClient client;
        GoogleClientForm form;
        explicit Form(TokenStore *store) : client(store)
        {
            bool loaded = false;
            client.load([&] { loaded = true; });
            if (!QTest::qWaitFor([&] { return loaded; }, 5000))
                qFatal("the client did not load");
            form.setClient(&client);
        }
    };

private Q_SLOTS:
    void initTestCase()
    {
        // No settings file names a client; the entered one lives here.
        qputenv("STINT_INFO_FILE", m_home.filePath(u"none.json"_s).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(u"config"_s).toLocal8Bit());
        QCoreApplication::setOrganizationName(u"StintTest"_s);
        QCoreApplication::setApplicationName(u"StintGoogleClient"_s);
    }

    void checks_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("secret");
        QTest::addColumn<QString>("reason"); // empty: saved
        QTest::newRow("no id") << u" "_s << u"s"_s << u"Enter the client ID."_s;
        QTest::newRow("a project name") << u"my-project"_s << u"s"_s
                                        << u"A client ID ends in .apps.googleusercontent.com."_s;
        QTest::newRow("another host") << goodId + u".example.com"_s << u"s"_s
                                      << u"A client ID ends in .apps.googleusercontent.com."_s;
        QTest::newRow("no secret") << goodId << u" \t"_s << u"Enter the client secret."_s;
        QTest::newRow("pasted with blanks") << u" %1\n"_s.arg(goodId) << u" GOCSPX-x "_s << QString();
    }

    // Refused with one line saying why, or kept (without the blanks), after
    // which the form gives way to the sign-in button.
    void checks()
    {
        QFETCH(QString, id);
        QFETCH(QString, secret);
        QFETCH(QString, reason);
        MemoryTokenStore store;
        Form form(&store);
        QVERIFY(form.form.isShown());
        QCOMPARE(form.form.save(id, secret), reason.isEmpty());
        QCOMPARE(form.form.reason(), reason);
        QCOMPARE(form.form.isShown(), !reason.isEmpty());
        if (reason.isEmpty()) {
            QCOMPARE(form.client.settings().clientId, goodId);
            QCOMPARE(form.client.settings().clientSecret, u"GOCSPX-x"_s);
        }
        form.client.remove();
    }

    // "Google Client…" opens the form on a client that is set up; Cancel
    // closes it, Remove forgets the client (and says so, for the sign-out).
    void editAndRemove()
    {
        MemoryTokenStore store;
        Form form(&store);
        QVERIFY(form.form.save(goodId, u"s"_s));
        form.form.edit();
        QVERIFY(form.form.isShown() && form.form.isEditing());
        QVERIFY(!form.form.save(u"x"_s, u"s"_s));
        form.form.cancel();
        QVERIFY(!form.form.isShown());
        QCOMPARE(form.form.reason(), QString());
        QCOMPARE(form.client.clientId(), goodId);

        QSignalSpy removed(&form.client, &GoogleClient::removed);
        form.form.edit();
        form.form.remove();
        QCOMPARE(removed.count(), 1);
        QVERIFY(form.form.isShown() && !form.form.isEditing());
        QCOMPARE(form.client.clientId(), QString());
    }

    // Without a keyring the secret is kept for this run, said once, and is
    // found in no file; the next start asks for it again.
    void keyringAbsent()
    {
        StdoutCapture capture;
        KeychainTokenStore keyring(u"google-client-secret"_s, u"the Google client secret"_s);
        {
            Form form(&keyring);
            QVERIFY(form.form.save(goodId, u"GOCSPX-first"_s));
            QVERIFY(form.form.save(goodId, u"GOCSPX-second"_s));
            QTRY_COMPARE(capture.lines().size(), 1);
            QTest::qWait(200);
            QCOMPARE(capture.lines().size(), 1);
            Form sameRun(&keyring);
            QCOMPARE(sameRun.client.settings().clientSecret, u"GOCSPX-second"_s);
            QVERIFY(!sameRun.form.isShown());
        }
        for (QDirIterator files(m_home.path(), QDir::Files, QDirIterator::Subdirectories); files.hasNext();) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(!file.readAll().contains("GOCSPX"), qPrintable(file.fileName()));
        }
        MemoryTokenStore nextRun;
        Form next(&nextRun);
        QCOMPARE(next.client.clientId(), goodId);
        QVERIFY(next.form.isShown());
    }
};

int main(int argc, char *argv[])
{
    // No session bus, so no keyring: the keyring of whoever runs the tests
    // stays untouched.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QCoreApplication app(argc, argv);
    TestGoogleClient test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_googleclient.moc"
