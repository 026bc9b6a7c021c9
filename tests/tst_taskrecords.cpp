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
        const QList<Task2> tasks = decodeTaskList(fixture("good.json")).value();
        QCOMPARE(tasks.size(), 3);
        QCOMPARE(tasks[0].title, "Write report");
        QCOMPARE(tasks[0].status, "needsAction");
        QCOMPARE(tasks[0].due, "2024-05-03T00:00:00.000Z");
        QCOMPARE(tasks[0].position, "00000000000000000000");
        QCOMPARE(tasks[0].webViewLink.toString(), "https://tasks.google.com/task/MTIzNDU2Nzg5MDEyMzQ1Njc4OTA?sa=6");
        // Absent and null "due" are both none.
        QCOMPARE(tasks[1].due, std::nullopt);
        QCOMPARE(tasks[2].due, std::nullopt);
        QCOMPARE(tasks[2].title, "Käse kaufen — 🧀");
        // Every decoded task gets an id of its own.
        QCOMPARE(QSet<QUuid>({tasks[0].id, tasks[1].id, tasks[2].id, decodeTaskList(fixture("good.json")).value()[0].id}).size(), 4);

        // Any text that parses as a URL will do; only web addresses open.
        const QList<Task2> relative = decodeTaskList(fixture("relative-link.json")).value();
        QCOMPARE(relative.at(0).webViewLink, QUrl(QStringLiteral("tasks/123")));
        QVERIFY(!isWebUrl(relative.at(0).webViewLink));
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
        // Members are checked in the record's order, not the object's.
        row("first-bad-member-wins.json", 4, R"(Task 0: member "status" is not a string (found a number))");
        row("element-not-object.json", 4, "Task 1: expected an object, found a string");
        row("error-object.json", 4, "Expected a JSON array of tasks, found an object");
        QTest::newRow("empty body") << QByteArray() << 1 << "The reply is empty; expected a JSON array of tasks";
        QTest::newRow("truncated") << fixture("truncated.json") << 1 << "The reply is not valid JSON: ";
    }

    void failsWholeReply()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, code);
        QFETCH(QString, description);
        const Result<QList<Task2>> result = decodeTaskList(json);
        QVERIFY(!result.isSuccess());
        QCOMPARE(result.error().domain, "JSON");
        QCOMPARE(result.error().code, code);
        // The parser's own words follow the prefix.
        QVERIFY2(result.error().description == description
                     || (description.endsWith(u' ') && result.error().description.startsWith(description)),
                 qPrintable(result.error().description));
    }

    // Links after the first with the same scheme and host take a shortcut;
    // it must accept, refuse and build exactly what a whole strict parse does.
    void readsEveryLinkLikeAWholeParse_data()
    {
        QTest::addColumn<QString>("link");
        for (const char *link : {"https://tasks.google.com", "https://tasks.google.com/?#",
                 "https://tasks.google.com/a?b#c?d#e", "https://tasks.google.com/a%2", "https://tasks.google.com/a b",
                 "https://tasks.google.com/a?x=%zz", "https://tasks.google.com/a#b#c", "https://tasks.google.com/[x]",
                 "https://tasks.google.com/ü?é#ö", "https://tasks.google.com:443/x", "https://TASKS.google.com/x",
                 "https://user@tasks.google.com/x", "https://tasks.google.com/%00", "tasks/123", "?", "%zz"})
            QTest::newRow(link) << QString::fromUtf8(link);
    }

    void readsEveryLinkLikeAWholeParse()
    {
        QFETCH(QString, link);
        const auto task = [](const QString &link) {
            return QJsonObject{{"title", "t"}, {"status", "s"}, {"position", "0"}, {"webViewLink", link}};
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
