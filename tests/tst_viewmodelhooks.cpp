// The view-model's hooks: links open only on the web, the privacy page comes
// from the build settings, and a fresh sign-in counts as signed in before
// the sign-in layer says so.

#include "accounts/usermanager.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestViewModelHooks : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    // Stands in for the desktop's URL handlers.
    void open(const QUrl &url) { m_opened.append(url); }

private:
    QList<QUrl> m_opened;
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &scheme : {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file"),
                                      QStringLiteral("javascript"), QStringLiteral("zoomus")})
            QDesktopServices::setUrlHandler(scheme, this, "open");
        const QString info = m_dir.filePath(QStringLiteral("info.json"));
        QFile file(info);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"PRIVACY_POLICY_HOST\": \"policies.example.com\"}");
        file.close();
        qputenv("STINT_INFO_FILE", info.toLocal8Bit());
    }

    void init() { m_opened.clear(); }

    void openLinkOpensOnlyWebAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("opens");
        QTest::newRow("https") << "https://tasks.google.com/task/abc?sa=6" << true;
        QTest::newRow("http") << "http://example.com/" << true;
        QTest::newRow("local file") << "file:///etc/passwd" << false;
        QTest::newRow("script") << "javascript:alert(1)" << false;
        QTest::newRow("other app") << "zoomus://zoom.us/join?confno=1" << false;
        QTest::newRow("empty") << "" << false;
    }

    void openLinkOpensOnlyWebAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, opens);
        StdoutCapture capture;
        openLink(QUrl(url));
        QCOMPARE(capture.lines(), QStringList{opens ? QStringLiteral("URL successfully opened")
                                                    : QStringLiteral("Failed to open URL")});
        QCOMPARE(m_opened.size(), opens ? 1 : 0);
    }

    void privacyPolicyOpensTheConfiguredHost()
    {
        StdoutCapture capture;
        UserManager users(nullptr);
        DefaultViewModel model(Alarm::makeDefault(), {}, &users);
        model.openPrivacyPolicy();
        QCOMPARE(m_opened, QList<QUrl>{QUrl(QStringLiteral("https://policies.example.com/privacy-policy/"))});
        QCOMPARE(capture.lines(), QStringList{QStringLiteral("new")}); // nothing printed by the opening
    }

    void freshSignInCountsAsSignedIn()
    {
        StdoutCapture capture;
        UserManager users(nullptr); // no sign-in layer user at all
        DefaultViewModel model(Alarm::makeDefault(), {}, &users);
        QSignalSpy signedIn(&model, &DefaultViewModel::isSignedInChanged);
        QVERIFY(!model.isSignedIn());
        model.setCurrentUserRenewed(true);
        QVERIFY(model.isSignedIn());
        model.signOut();
        QVERIFY(!model.currentUserRenewed());
        QVERIFY(!model.isSignedIn());
        QCOMPARE(signedIn.count(), 2);
    }
};

QTEST_MAIN(TestViewModelHooks)
#include "tst_viewmodelhooks.moc"
