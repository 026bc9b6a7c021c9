#include "backend/task.h"
#include "backend/weblink.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(STINT_TEST_DATA_DIR "/tasks/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(file.fileName()));
    return file.readAll();
}

} // namespace

class TestTaskRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesReplyInOrder()
    {
        const Result<QList<Task2>> result = decodeTaskList(fixture("good.json"));
        QVERIFY(result.isSuccess());
        const QList<Task2> &tasks = result.value();
        QCOMPARE(tasks.size(), 3);
        QCOMPARE(tasks[0].title, "Write report");
        QCOMPARE(tasks[0].status, "needsAction");
        QCOMPARE(tasks[0].due, "2024-05-03T00:00:00.000Z");
        QCOMPARE(tasks[0].position, "00000000000000000000");
        QCOMPARE(tasks[0].webViewLink.toString(),
            "https://tasks.google.com/task/MTIzNDU2Nzg5MDEyMzQ1Njc4OTA?sa=6");
        // Absent and null "due" are both none.
        QCOMPARE(tasks[1].due, std::nullopt);
        QCOMPARE(tasks[2].due, std::nullopt);
        QCOMPARE(tasks[2].title, "Käse kaufen — 🧀");

        QVERIFY(decodeTaskList(fixture("empty-list.json")).value().isEmpty());

        // Any text that parses as a URL will do; only web addresses open.
        const Result<QList<Task2>> relative = decodeTaskList(fixture("relative-link.json"));
        QVERIFY(relative.isSuccess());
        QCOMPARE(relative.value().at(0).webViewLink, QUrl(QStringLiteral("tasks/123")));
        QVERIFY(!isWebUrl(relative.value().at(0).webViewLink));
    }

    void givesEveryDecodedTaskItsOwnId()
    {
        const QByteArray json = fixture("good.json");
        const QList<Task2> first = decodeTaskList(json).value();
        const QList<Task2> second = decodeTaskList(json).value();
        QSet<QUuid> seen;
        for (const Task2 &task : first + second) {
            QCOMPARE(task.id.version(), QUuid::Random);
            QCOMPARE(task.id.variant(), QUuid::DCE);
            seen.insert(task.id);
        }
        QCOMPARE(seen.size(), 6);
    }

    void failsWholeReply_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("description");

        const auto row = [](const char *file, int code, const char *description) {
            QTest::newRow(file) << fixture(file) << code << QString::fromUtf8(description);
        };
        row("missing-position.json", 2, R"(Task 1: member "position" is missing)");
        row("null-position.json", 3, R"(Task 0: member "position" is null)");
        row("empty-link.json", 1, R"(Task 0: member "webViewLink" is not a URL: "")");
        row("unparseable-link.json", 1, R"(Task 0: member "webViewLink" is not a URL: "not a url")");
        row("due-number.json", 4, R"(Task 0: member "due" is not a string (found a number))");
        // Members are checked in the record's order, not the object's.
        row("first-bad-member-wins.json", 4,
            R"(Task 0: member "status" is not a string (found a number))");
        row("element-not-object.json", 4, "Task 1: expected an object, found a string");
        row("error-object.json", 4, "Expected a JSON array of tasks, found an object");
        QTest::newRow("empty body")
            << QByteArray() << 1 << "The reply is empty; expected a JSON array of tasks";
    }

    void failsWholeReply()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, code);
        QFETCH(QString, description);

        const Result<QList<Task2>> result = decodeTaskList(json);
        QVERIFY(!result.isSuccess());
        QCOMPARE(result.error().domain, "JSON");
        QCOMPARE(result.error().description, description);
        QCOMPARE(result.error().code, code);
    }

    void failsMalformedJson()
    {
        const Result<QList<Task2>> result = decodeTaskList(fixture("truncated.json"));
        QVERIFY(!result.isSuccess());
        // The parser's own words, with where it gave up.
        QVERIFY(result.error().description.startsWith("The reply is not valid JSON: "));
        QVERIFY(result.error().description.endsWith(" at offset 40"));
    }

    // Links after the first with the same scheme and host take a shortcut;
    // it must accept, refuse and build exactly what a whole strict parse does.
    void readsEveryLinkLikeAWholeParse_data()
    {
        QTest::addColumn<QString>("link");
        for (const char *link :
            {"https://tasks.google.com/task/abc?sa=6", "https://tasks.google.com",
                "https://tasks.google.com?", "https://tasks.google.com#",
                "https://tasks.google.com/?#", "https://tasks.google.com/a?b#c?d#e",
                "https://tasks.google.com/a%20b", "https://tasks.google.com/a%2",
                "https://tasks.google.com/a b", "https://tasks.google.com/a?x=%zz",
                "https://tasks.google.com/a#%zz", "https://tasks.google.com/a#b#c",
                "https://tasks.google.com/[x]", "https://tasks.google.com/a?[x]",
                "https://tasks.google.com/ü?é#ö", "https://tasks.google.com//a//b/../c",
                "https://tasks.google.com/a{b}", "https://tasks.google.com/a\\b",
                "https://tasks.google.com:/x", "https://tasks.google.com:443/x",
                "https://TASKS.google.com/x", "https://tasks.google.com./x",
                "https://user@tasks.google.com/x", "https://tasks.google.com:99999/x",
                "https://tasks.google.com/x\t", "https://tasks.google.com/%00",
                "https://tasks.google.com/a b?x#y", "https://tasks.google.com/a?%zz#y",
                "tasks/123", "/a?b#c", "//tasks.google.com/x", "?", "a b", "%zz"}) {
            QTest::newRow(link) << QString::fromUtf8(link);
        }
    }

    void readsEveryLinkLikeAWholeParse()
    {
        QFETCH(QString, link);
        const auto task = [](const QString &link) {
            return QJsonObject{
                {"title", "t"}, {"status", "s"}, {"position", "0"}, {"webViewLink", link}};
        };
        const QJsonArray tasks{task("https://tasks.google.com/first"), task(link)};
        const Result<QList<Task2>> result = decodeTaskList(QJsonDocument(tasks).toJson());

        const QUrl whole(link, QUrl::StrictMode);
        QCOMPARE(result.isSuccess(), whole.isValid() && !whole.isEmpty());
        if (result.isSuccess())
            QCOMPARE(result.value().at(1).webViewLink, whole);
    }
};

QTEST_GUILESS_MAIN(TestTaskRecords)
#include "tst_taskrecords.moc"
