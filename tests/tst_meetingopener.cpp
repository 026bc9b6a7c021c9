// Which link "Join Meeting" opens, asking the desktop for a Zoom client, and
// task links: only what is safe to hand to the desktop is opened.

#include "accounts/usermanager.h"
#include "backend/event.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"
#include "timer/meetingopener.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A conference with an entry point for each of `uris`; the first has the passcode.
Event meeting(const QStringList &uris, std::optional<QString> passcode = {}, const QString &id = "8127364455")
{
    Event event;
    event.conferenceData.emplace();
    event.conferenceData->conferenceId = id;
    for (const QString &uri : uris)
        event.conferenceData->entryPoints.append(
                {QStringLiteral("video"), uri, std::nullopt, std::exchange(passcode, {})});
    return event;
}

const QString zoomWeb = QStringLiteral("https://us02web.zoom.us/j/8127364455?pwd=abc");
const QString zoomClient = QStringLiteral("zoomus://zoom.us/join?action=join&confno=8127364455&pwd=abc");
const char *const schemes[] = {"http", "https", "tel", "zoomus", "file"};

} // namespace

class TestMeetingOpener : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void open(const QUrl &url) { m_opened.append(url); } // the desktop's URL handlers

private:
    // A stand-in xdg-mime first on PATH: it records its arguments and answers
    // with `output` and `exitCode`.
    void fakeXdgMime(const QByteArray &output, int exitCode)
    {
        QFile script(m_bin.filePath("xdg-mime"));
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/args\"\nprintf '%s' '" + output + "'\nexit "
                     + QByteArray::number(exitCode) + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_path);
    }

    QTemporaryDir m_bin;
    QByteArray m_path = qgetenv("PATH");
    QList<QUrl> m_opened;

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *scheme : schemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }

    void cleanupTestCase()
    {
        for (const char *scheme : schemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    void init() { m_opened.clear(); }

    void urlToOpen_data()
    {
        QTest::addColumn<Event>("event");
        QTest::addColumn<bool>("hasZoomHandler");
        QTest::addColumn<QString>("expected"); // empty: nothing is opened
        QTest::newRow("no conference") << Event() << true << "";
        QTest::newRow("web meeting") << meeting({"https://meet.google.com/abc"}) << false
                                     << "https://meet.google.com/abc";
        QTest::newRow("phone first") << meeting({"tel:+1-646-558-8656", zoomWeb}) << true << "tel:+1-646-558-8656";
        QTest::newRow("zoom with the client") << meeting({zoomWeb}, "abc") << true << zoomClient;
        QTest::newRow("zoom without passcode") << meeting({zoomWeb}) << true << zoomClient.chopped(8);
        QTest::newRow("number from the conference, not the uri")
                << meeting({"https://zoom.us/j/99999999999"}, "abc") << true << zoomClient;
        QTest::newRow("delimiters escaped") << meeting({zoomWeb}, "a&b=c#d e", "81 2") << true
                                            << "zoomus://zoom.us/join?action=join&confno=81%202&pwd=a%26b%3Dc%23d%20e";
        QTest::newRow("zoom without the client: its web page") << meeting({zoomWeb}, "abc") << false << zoomWeb;
        QTest::newRow("zoom over sip without the client") << meeting({"sip:8127364455@zoomcrc.com"}) << false << "";
        QTest::newRow("local file") << meeting({"file:///etc/passwd"}) << true << "";
        QTest::newRow("web link without a host") << meeting({"https:///path"}) << true << "";
    }

    void urlToOpen()
    {
        QFETCH(Event, event);
        QFETCH(bool, hasZoomHandler);
        QFETCH(QString, expected);
        const std::optional<QUrl> url = meetingUrlToOpen(event, hasZoomHandler);
        QCOMPARE(url ? url->toString(QUrl::FullyEncoded) : QString(), expected);
    }

    void zoomHandlerQuery_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("hasHandler");
        QTest::newRow("registered") << QByteArray("Zoom.desktop\n") << 0 << true;
        QTest::newRow("blank answer") << QByteArray("  \n") << 0 << false;
        QTest::newRow("query failed") << QByteArray("Zoom.desktop\n") << 4 << false;
    }

    void zoomHandlerQuery()
    {
        QFETCH(QByteArray, output);
        QFETCH(int, exitCode);
        QFETCH(bool, hasHandler);
        fakeXdgMime(output, exitCode);
        QObject context;
        std::optional<bool> answer;
        queryZoomHandler(&context, [&](bool has) { answer = has; });
        QVERIFY(!answer); // asked, not waited for
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(*answer, hasHandler);
        QFile args(m_bin.filePath("args"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll().trimmed(), QByteArray("query default x-scheme-handler/zoomus"));

        // "Join Meeting" asks too, and opens the link for the answer.
        StdoutCapture capture;
        UserManager users(nullptr);
        DefaultViewModel viewModel(Alarm::makeDefault(), nullptr, &users);
        viewModel.joinMeeting(meeting({zoomWeb}, "abc"));
        QTRY_COMPARE(m_opened, QList<QUrl>{QUrl(hasHandler ? zoomClient : zoomWeb)});
    }

    // A task's link comes from the network: only web addresses are opened.
    void openLinkOpensOnlyWebAddresses()
    {
        StdoutCapture capture;
        openLink(QUrl(QStringLiteral("file:///etc/passwd")));
        openLink(QUrl(QStringLiteral("https://tasks.google.com/task/abc?sa=6")));
        QCOMPARE(m_opened, QList<QUrl>{QUrl(QStringLiteral("https://tasks.google.com/task/abc?sa=6"))});
    }
};

QTEST_MAIN(TestMeetingOpener)
#include "tst_meetingopener.moc"
