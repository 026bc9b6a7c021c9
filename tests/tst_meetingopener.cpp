#include "accounts/usermanager.h"
#include "backend/event.h"
#include "timer/defaultviewmodel.h"
#include "ui/meetingopener.h"

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

Event meeting(const QList<Event::EntryPoint> &entryPoints, const QString &conferenceId = "8127364455")
{
    Event event;
    event.id = QStringLiteral("event-1");
    event.summary = QStringLiteral("Planning");
    Event::ConferenceData conference;
    conference.conferenceId = conferenceId;
    conference.entryPoints = entryPoints;
    event.conferenceData = conference;
    return event;
}

Event::EntryPoint entry(const QString &type, const QString &uri,
                        std::optional<QString> passcode = std::nullopt)
{
    return {type, uri, std::nullopt, std::move(passcode)};
}

const QString zoomWeb = QStringLiteral("https://us02web.zoom.us/j/8127364455?pwd=abc");

} // namespace

// Collects the URLs the process hands to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

class TestMeetingOpener : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void urlToOpen_data();
    void urlToOpen();

    void zoomHandlerQuery_data();
    void zoomHandlerQuery();
    void zoomHandlerQueryWithoutXdgMime();

    void joinMeetingOpensTheChosenLink_data();
    void joinMeetingOpensTheChosenLink();

private:
    // Puts a stand-in xdg-mime first on PATH: it records its arguments and
    // answers with `output` and `exitCode`.
    void fakeXdgMime(const QByteArray &output, int exitCode);

    QTemporaryDir m_bin;
    QByteArray m_path;
    UrlCatcher m_catcher;
};

void TestMeetingOpener::initTestCase()
{
    QVERIFY(m_bin.isValid());
    m_path = qgetenv("PATH");
    for (const char *scheme : {"http", "https", "tel", "zoomus", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_catcher, "open");
}

void TestMeetingOpener::cleanupTestCase()
{
    for (const char *scheme : {"http", "https", "tel", "zoomus", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    qputenv("PATH", m_path);
}

void TestMeetingOpener::fakeXdgMime(const QByteArray &output, int exitCode)
{
    QFile script(m_bin.filePath("xdg-mime"));
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/args\"\nprintf '%s' '" + output
                 + "'\nexit " + QByteArray::number(exitCode) + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_path);
}

void TestMeetingOpener::urlToOpen_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<bool>("hasZoomHandler");
    QTest::addColumn<QString>("expected"); // empty: nothing is opened

    const QString zoomClient =
        QStringLiteral("zoomus://zoom.us/join?action=join&confno=8127364455&pwd=abc");

    QTest::newRow("no conference") << Event() << true << "";
    QTest::newRow("no entry points") << meeting({}) << true << "";
    QTest::newRow("web meeting") << meeting({entry("video", "https://meet.google.com/abc-defg-hij")})
                                 << false << "https://meet.google.com/abc-defg-hij";
    QTest::newRow("phone entry first") << meeting({entry("phone", "tel:+1-646-558-8656"),
                                                   entry("video", "https://meet.google.com/x")})
                                       << false << "tel:+1-646-558-8656";
    QTest::newRow("zoom with the client") << meeting({entry("video", zoomWeb, "abc")}) << true
                                          << zoomClient;
    QTest::newRow("zoom without the client: its web page")
        << meeting({entry("video", zoomWeb, "abc")}) << false << zoomWeb;
    QTest::newRow("zoom over sip without the client: nothing safe")
        << meeting({entry("sip", "sip:8127364455@zoomcrc.com")}) << false << "";
    QTest::newRow("zoom over sip with the client")
        << meeting({entry("sip", "sip:8127364455@zoomcrc.com")}) << true
        << "zoomus://zoom.us/join?action=join&confno=8127364455";
    QTest::newRow("local file") << meeting({entry("video", "file:///etc/passwd")}) << true << "";
    QTest::newRow("web link without a host") << meeting({entry("video", "https:///path")}) << true
                                             << "";
    QTest::newRow("not a URL") << meeting({entry("video", "join us in room 4")}) << true << "";
}

void TestMeetingOpener::urlToOpen()
{
    QFETCH(Event, event);
    QFETCH(bool, hasZoomHandler);
    QFETCH(QString, expected);

    const std::optional<QUrl> url = meetingUrlToOpen(event, hasZoomHandler);
    QCOMPARE(url ? url->toString() : QString(), expected);
}

void TestMeetingOpener::zoomHandlerQuery_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("hasHandler");

    QTest::newRow("registered") << QByteArray("Zoom.desktop\n") << 0 << true;
    QTest::newRow("nothing registered") << QByteArray("") << 0 << false;
    QTest::newRow("blank answer") << QByteArray("  \n") << 0 << false;
    QTest::newRow("query failed") << QByteArray("Zoom.desktop\n") << 4 << false;
}

void TestMeetingOpener::zoomHandlerQuery()
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
}

void TestMeetingOpener::zoomHandlerQueryWithoutXdgMime()
{
    QTemporaryDir empty;
    qputenv("PATH", QFile::encodeName(empty.path()));
    QObject context;
    std::optional<bool> answer;
    queryZoomHandler(&context, [&](bool has) { answer = has; });
    QTRY_VERIFY(answer.has_value());
    QCOMPARE(*answer, false);
}

void TestMeetingOpener::joinMeetingOpensTheChosenLink_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<QByteArray>("handler"); // what xdg-mime answers
    QTest::addColumn<QString>("expected");

    QTest::newRow("zoom client installed")
        << meeting({entry("video", zoomWeb, "abc")}) << QByteArray("Zoom.desktop\n")
        << "zoomus://zoom.us/join?action=join&confno=8127364455&pwd=abc";
    QTest::newRow("no zoom client") << meeting({entry("video", zoomWeb, "abc")}) << QByteArray()
                                    << zoomWeb;
}

void TestMeetingOpener::joinMeetingOpensTheChosenLink()
{
    QFETCH(Event, event);
    QFETCH(QByteArray, handler);
    QFETCH(QString, expected);
    fakeXdgMime(handler, 0);

    UserManager users(nullptr);
    DefaultViewModel viewModel(Alarm::makeDefault(), nullptr, &users);
    m_catcher.opened.clear();
    viewModel.joinMeeting(event);
    QTRY_COMPARE(m_catcher.opened.size(), 1);
    QCOMPARE(m_catcher.opened.first().toString(), expected);
}

QTEST_MAIN(TestMeetingOpener)
#include "tst_meetingopener.moc"
