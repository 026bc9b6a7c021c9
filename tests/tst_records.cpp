// Task and event replies decoded into records, or refused whole with the
// first fault named; then the rows they become: a new list is merged into the
// rows, so rows that stay keep their delegates (scroll position, hover) and
// only real changes are announced.

#include "backend/event.h"
#include "backend/task.h"
#include "backend/weblink.h"
#include "ui/tasklistmodel.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(STINT_TEST_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(file.fileName()));
    return file.readAll();
}

qint64 utcMSecs(int hour, int minute, int msec = 0)
{
    return QDateTime(QDate(2024, 5, 3), QTime(hour, minute, 0, msec), Qt::UTC).toMSecsSinceEpoch();
}

// Tasks as a decoded reply has them: new ids every time.
QList<Task2> tasks(const QStringList &titles, bool onePage = false)
{
    QList<Task2> list;
    for (const QString &title : titles) {
        Task2 &task = list.emplace_back();
        task.id = QUuid::createUuid();
        task.title = title;
        task.webViewLink = QUrl(QStringLiteral("https://tasks.google.com/task/") + (onePage ? QString() : title));
    }
    return list;
}

QStringList titles(const TaskListModel &model)
{
    QStringList list;
    for (int row = 0; row < model.rowCount(); ++row)
        list << model.data(model.index(row), TaskListModel::recordRole).value<Task2>().title;
    return list;
}

int rows(const QSignalSpy &spy)
{
    int count = 0;
    for (const QList<QVariant> &signal : spy)
        count += signal.at(2).toInt() - signal.at(1).toInt() + 1;
    return count;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesTasksInOrder()
    {
        const QList<Task2> tasks = decodeTaskList(fixture("tasks/good.json")).value();
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
        const QUuid again = decodeTaskList(fixture("tasks/good.json")).value()[0].id;
        QCOMPARE(QSet<QUuid>({tasks[0].id, tasks[1].id, tasks[2].id, again}).size(), 4);

        // Any text that parses as a URL will do; only web addresses open.
        const QList<Task2> relative = decodeTaskList(fixture("tasks/relative-link.json")).value();
        QCOMPARE(relative.at(0).webViewLink, QUrl(QStringLiteral("tasks/123")));
        QVERIFY(!isWebUrl(relative.at(0).webViewLink));
    }

    void decodesEvents()
    {
        const QList<Event> events = decodeEventList(fixture("events/good.json")).value();
        QCOMPARE(events.size(), 3);
        // +02:00 and Z name instants; "timeZone" does not shift them.
        QCOMPARE(events[0].start.dateTime->toMSecsSinceEpoch(), utcMSecs(8, 0));
        QCOMPARE(events[0].end.dateTime->toMSecsSinceEpoch(), utcMSecs(8, 30));
        QCOMPARE(events[0].conferenceData->entryPoints[0].passcode, "424242");
        QCOMPARE(events[0].conferenceData->entryPoints[1].passcode, std::nullopt);
        QCOMPARE(events[1].start.dateTime->toMSecsSinceEpoch(), utcMSecs(18, 0, 250));
        // All-day: "date" is never read; "dateTime" absent or null is none.
        QCOMPARE(events[2].start.dateTime, std::nullopt);
        QCOMPARE(events[2].end.dateTime, std::nullopt);
    }

    void failsWholeReply_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("events");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("description"); // ending in a blank: the parser's own words follow
        const auto row = [](const char *file, int code, const char *description) {
            QTest::newRow(file) << fixture(file) << QByteArray(file).startsWith("events/") << code
                                << QString::fromUtf8(description);
        };
        row("tasks/missing-position.json", 2, R"(Task 1: member "position" is missing)");
        row("tasks/null-position.json", 3, R"(Task 0: member "position" is null)");
        row("tasks/empty-link.json", 1, R"(Task 0: member "webViewLink" is not a URL: "")");
        row("tasks/unparseable-link.json", 1, R"(Task 0: member "webViewLink" is not a URL: "not a url")");
        // Members are checked in the record's order, not the object's.
        row("tasks/first-bad-member-wins.json", 4, R"(Task 0: member "status" is not a string (found a number))");
        row("tasks/element-not-object.json", 4, "Task 1: expected an object, found a string");
        row("tasks/error-object.json", 4, "Expected a JSON array of tasks, found an object");
        row("tasks/truncated.json", 1, "The reply is not valid JSON: ");
        QTest::newRow("empty body") << QByteArray() << false << 1
                                    << "The reply is empty; expected a JSON array of tasks";
        row("events/all-day-without-timezone.json", 2, R"(Event 1: start: member "timeZone" is missing)");
        row("events/datetime-without-zone.json", 1,
            R"(Event 0: end: member "dateTime" is not an RFC 3339 date-time: "2024-05-03T09:00:00")");
        row("events/entry-point-uri-number.json", 4,
            R"(Event 2: conferenceData.entryPoints[1]: member "uri" is not a string (found a number))");
        row("events/entry-points-not-array.json", 4,
            R"(Event 0: conferenceData: member "entryPoints" is not an array (found an object))");
        row("events/start-not-object.json", 4, R"(Event 0: member "start" is not an object (found a string))");
        row("events/error-object.json", 4, "Expected a JSON array of events, found an object");
    }

    void failsWholeReply()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, events);
        QFETCH(int, code);
        QFETCH(QString, description);
        const auto errorOf = [](const auto &result) { return result.isSuccess() ? Error() : result.error(); };
        const Error error = events ? errorOf(decodeEventList(json)) : errorOf(decodeTaskList(json));
        QCOMPARE(error.domain, "JSON");
        QCOMPARE(error.code, code);
        QVERIFY2(error.description == description
                         || (description.endsWith(u' ') && error.description.startsWith(description)),
                 qPrintable(error.description));
    }

    // Links after the first with the same scheme and host take a shortcut;
    // it must accept, refuse and build exactly what a whole strict parse does.
    void readsEveryLinkLikeAWholeParse_data()
    {
        QTest::addColumn<QString>("link");
        for (const char *link :
             {"https://tasks.google.com", "https://tasks.google.com/?#", "https://tasks.google.com/a?b#c?d#e",
              "https://tasks.google.com/a%2", "https://tasks.google.com/a b", "https://tasks.google.com/a?x=%zz",
              "https://tasks.google.com/a#b#c", "https://tasks.google.com/[x]", "https://tasks.google.com/ü?é#ö",
              "https://tasks.google.com:443/x", "https://TASKS.google.com/x", "https://user@tasks.google.com/x",
              "https://tasks.google.com/%00", "tasks/123", "?", "%zz"})
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

    void merges_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("onePage"); // every task links to the same page
        QTest::addColumn<int>("inserted");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("moved");
        const QStringList abc{"a", "b", "c"};
        QTest::newRow("same tasks again") << abc << abc << false << 0 << 0 << 0;
        QTest::newRow("one added at the top") << abc << QStringList{"new", "a", "b", "c"} << false << 1 << 0 << 0;
        QTest::newRow("one done in the middle") << abc << QStringList{"a", "c"} << false << 0 << 1 << 0;
        QTest::newRow("moved to the top") << abc << QStringList{"c", "a", "b"} << false << 0 << 0 << 1;
        QTest::newRow("all new") << abc << QStringList{"x", "y"} << false << 2 << 3 << 0;
        QTest::newRow("one page, told apart by title") << abc << QStringList{"b", "a", "c"} << true << 0 << 0 << 1;
    }

    void merges()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(bool, onePage);
        QFETCH(int, inserted);
        QFETCH(int, removed);
        QFETCH(int, moved);
        TaskListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setTasks(tasks(before, onePage));
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy moves(&model, &QAbstractItemModel::rowsMoved);
        model.setTasks(tasks(after, onePage));
        QCOMPARE(titles(model), after);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(rows(inserts), inserted);
        QCOMPARE(rows(removals), removed);
        QCOMPARE(moves.count(), moved);
    }

    void renamedTaskIsUpdatedInPlaceWhenItsIdStays()
    {
        TaskListModel model;
        QList<Task2> list = tasks({"a", "b"});
        model.setTasks(list);
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        list[1].title = QStringLiteral("b, renamed");
        model.setTasks(list);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(0).value<QModelIndex>().row(), 1);
        QCOMPARE(titles(model), (QStringList{"a", "b, renamed"}));
    }

    // Events keep their ids across fetches: a row changes in place when what
    // it shows changes, and stays put when only what it does not show does.
    void eventRowsFollowTheirIds()
    {
        EventListModel model;
        QList<Event> events(2);
        events[0].id = "a";
        events[1].id = "b";
        const auto set = [&model, &events] {
            QVariantList list;
            for (const Event &event : events)
                list << QVariant::fromValue(event);
            model.setEvents(list);
        };
        set();
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        events[1].etag = "2";
        set();
        events[0].start.dateTime = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
        set();
        QCOMPARE(inserts.count(), 0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(0).value<QModelIndex>().row(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
