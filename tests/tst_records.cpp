// Task and event replies decoded into records, or refused whole with the
// first fault named; their dates and times read across time zones and shown
// in the rows; and the rows they become: a new list is merged into the rows,
// so rows that stay keep their delegates (scroll position, hover) and only
// real changes are announced.

#include "backend/dates.h"
#include "backend/event.h"
#include "backend/task.h"
#include "backend/weblink.h"
#include "ui/formatters.h"
#include "ui/tasklistmodel.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <ctime>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(STINT_TEST_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(file.fileName()));
    return file.readAll();
}

// Local time follows TZ; the C library only rereads it on tzset().
void useTimeZone(const QByteArray &zone)
{
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
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

    const QByteArray m_savedZone = qgetenv("TZ");

private Q_SLOTS:
    void cleanup() { useTimeZone(m_savedZone); }

    void rfc3339Accepts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("instant");
        QTest::newRow("Z") << "2024-05-03T08:00:00Z" << utc(2024, 5, 3, 8, 0);
        QTest::newRow("offset") << "2024-05-03T10:00:00+02:00" << utc(2024, 5, 3, 8, 0);
        QTest::newRow("negative offset") << "2024-05-02T22:30:00-09:30" << utc(2024, 5, 3, 8, 0);
        QTest::newRow("lowercase") << "2024-05-03t08:00:00z" << utc(2024, 5, 3, 8, 0);
        QTest::newRow("fraction") << "2024-05-03T08:00:00.5Z" << utc(2024, 5, 3, 8, 0, 0, 500);
        QTest::newRow("long fraction") << "2024-05-03T08:00:00.123456789+00:00" << utc(2024, 5, 3, 8, 0, 0, 123);
        QTest::newRow("crosses day") << "2024-01-01T00:30:00+05:30" << utc(2023, 12, 31, 19, 0);
    }

    void rfc3339Accepts()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, instant);
        // The instant must not depend on where the user is.
        for (const QByteArray zone : {"UTC", "Asia/Kolkata"}) {
            useTimeZone(zone);
            const std::optional<QDateTime> parsed = parseRfc3339DateTime(text);
            QVERIFY2(parsed.has_value(), zone.constData());
            QCOMPARE(parsed->toMSecsSinceEpoch(), instant.toMSecsSinceEpoch());
        }
    }

    void rfc3339Refuses_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text :
             {"", "2024-05-03", "2024-05-03T08:00:00", "2024-05-03T08:00Z", "2024-05-03 08:00:00Z",
              "2024-05-03T24:00:00Z", "2024-02-30T08:00:00Z", "2024-05-03T08:00:60Z", "2024-05-03T08:00:00Z ",
              "2024-05-03T08:00:00.Z", "2024-05-03T08:00:00+0200", "2024-05-03T08:00:00+24:00", "2024-5-3T8:00:00Z",
              "0000-01-01T00:00:00Z", "2024-05-03T08:00:00.\u0661Z", "0001-01-01T00:30:00+01:00"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }

    void rfc3339Refuses()
    {
        QFETCH(QString, text);
        QCOMPARE(parseRfc3339DateTime(text), std::nullopt);
    }

    // A due date names the user's own calendar day, wherever they are.
    void dueDateAcrossZones_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QDateTime>("instant");
        const auto row = [](const char *name, const char *zone, const char *due, const QDateTime &instant) {
            QTest::newRow(name) << QByteArray(zone) << due << instant;
        };
        row("New York, midnight Z", "America/New_York", "2024-05-03T00:00:00.000Z", utc(2024, 5, 3, 4, 0));
        row("Kolkata, day", "Asia/Kolkata", "2024-05-03", utc(2024, 5, 2, 18, 30));
        row("Auckland, afternoon", "Pacific/Auckland", "2024-12-24T15:45:10.250Z", utc(2024, 12, 24, 2, 45, 10, 250));
        // Times the clocks skip read as if the clock had not been put forward yet.
        row("New York, spring gap", "America/New_York", "2024-03-10T02:30:00.000Z", utc(2024, 3, 10, 7, 30));
        row("Santiago, day starting in a gap", "America/Santiago", "2024-09-08", utc(2024, 9, 8, 4, 0));
    }

    void dueDateAcrossZones()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, due);
        QFETCH(QDateTime, instant);
        useTimeZone(zone);
        Task2 task;
        task.due = due;
        const std::optional<QDateTime> parsed = task.dueDate();
        QVERIFY(parsed.has_value());
        QCOMPARE(parsed->toMSecsSinceEpoch(), instant.toMSecsSinceEpoch());
        QCOMPARE(parsed->toLocalTime().date(), QDate::fromString(due.left(10), Qt::ISODate));
    }

    void dueDateRefuses_data()
    {
        QTest::addColumn<QString>("due");
        for (const char *due : {"", "2024-05-03T00:00:00Z", "2024-05-03T00:00:00.000", "2024-05-03T00:00:00.000+00:00",
                                "2024-05-03T00:00:00.000z", "2024-05-03 ", "2024-02-30", "2024-05-03T24:00:00.000Z"})
            QTest::newRow(due) << QString::fromLatin1(due);
    }

    void dueDateRefuses()
    {
        QFETCH(QString, due);
        QCOMPARE(parseDueDate(due), std::nullopt);
    }

    void countdownAndDatePattern()
    {
        QCOMPARE(formatTime(307.6), QStringLiteral("05:07")); // padded, fraction dropped
        QCOMPARE(formatTime(6000), QStringLiteral("100:00"));
        // The weekday goes from the front, from the end, and with an Arabic comma.
        QCOMPARE(mediumDateShortTimePattern(QLocale("en_US")), QStringLiteral("MMM d, yyyy h:mm AP"));
        QCOMPARE(mediumDateShortTimePattern(QLocale("ja_JP")), QStringLiteral("yyyy年M月d日 H:mm"));
        QCOMPARE(mediumDateShortTimePattern(QLocale("ar_EG")), QStringLiteral("d MMM yyyy h:mm AP"));
    }

    // Task due dates and event starts as the rows show them, at noon UTC on
    // 5 March 2024, for someone in `zone`.
    void dayOrDate_data()
    {
        QTest::addColumn<bool>("event");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("when");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, bool event, const char *zone, const char *when, const char *text) {
            QTest::newRow(name) << event << QByteArray(zone) << when << text;
        };
        row("due today", false, "UTC", "2024-03-05T00:00:00Z", "Today");
        row("due yesterday", false, "UTC", "2024-03-04T00:00:00Z", "Yesterday");
        row("due tomorrow", false, "UTC", "2024-03-06T00:00:00Z", "Tomorrow");
        row("due another day", false, "UTC", "2024-03-09T00:00:00Z", "09 March");
        row("due after midnight: a time of day", false, "UTC", "2024-03-05T00:00:01Z", "Mar 5, 2024 12:00 AM");
        row("due, milliseconds do not count", false, "UTC", "2024-03-05T00:00:00.500Z", "Today");
        row("event another day: date and time", true, "UTC", "2024-03-08T00:00:00Z", "Mar 8, 2024 12:00 AM");
        row("Berlin's midnight seen from London is 23:00", true, "Europe/London", "2024-03-05T00:00:00+01:00",
            "Mar 4, 2024 11:00 PM");
        row("Auckland is already on the next day", true, "Pacific/Auckland", "2024-03-06T00:00:00+13:00", "Today");
    }

    void dayOrDate()
    {
        QFETCH(bool, event);
        QFETCH(QByteArray, zone);
        QFETCH(QString, when);
        QFETCH(QString, text);
        useTimeZone(zone);
        const QDateTime at = QDateTime::fromString(when, Qt::ISODate);
        const QDateTime now = QDateTime::fromString(QStringLiteral("2024-03-05T12:00:00Z"), Qt::ISODate);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(event ? formatEventDate(at, now, us) : formatDueDate(at, now, us), text);
    }

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
        QCOMPARE(events[0].start.dateTime->toMSecsSinceEpoch(), utc(2024, 5, 3, 8, 0).toMSecsSinceEpoch());
        QCOMPARE(events[0].end.dateTime->toMSecsSinceEpoch(), utc(2024, 5, 3, 8, 30).toMSecsSinceEpoch());
        QCOMPARE(events[0].conferenceData->entryPoints[0].passcode, "424242");
        QCOMPARE(events[0].conferenceData->entryPoints[1].passcode, std::nullopt);
        QCOMPARE(events[1].start.dateTime->toMSecsSinceEpoch(), utc(2024, 5, 3, 18, 0, 0, 250).toMSecsSinceEpoch());
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
