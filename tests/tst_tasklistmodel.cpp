// The task and event rows: a new list is merged into the rows, so rows that
// stay keep their delegates (scroll position, hover) and only real changes
// are announced.

#include "backend/event.h"
#include "ui/tasklistmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

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

class TestTaskListModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestTaskListModel)
#include "tst_tasklistmodel.moc"
