// The task rows: a new list is merged into the rows, so rows that stay keep
// their delegates (scroll position, hover) and only real changes are announced.

#include "ui/tasklistmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

Task2 task(const QString &title, const QString &link = {})
{
    Task2 task;
    task.id = QUuid::createUuid();
    task.title = title;
    task.status = QStringLiteral("needsAction");
    task.webViewLink = QUrl(link.isEmpty() ? QStringLiteral("https://tasks.google.com/task/") + title : link);
    return task;
}

QStringList titles(const TaskListModel &model)
{
    QStringList list;
    for (int row = 0; row < model.rowCount(); ++row)
        list << model.data(model.index(row), TaskListModel::taskRole).value<Task2>().title;
    return list;
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
        QTest::addColumn<int>("inserted");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("moved");

        const QStringList abc{"a", "b", "c"};
        QTest::newRow("same tasks again") << abc << abc << 0 << 0 << 0;
        QTest::newRow("one added at the top") << abc << QStringList{"new", "a", "b", "c"} << 1 << 0 << 0;
        QTest::newRow("one done in the middle") << abc << QStringList{"a", "c"} << 0 << 1 << 0;
        QTest::newRow("moved to the top") << abc << QStringList{"c", "a", "b"} << 0 << 0 << 1;
        QTest::newRow("all new") << abc << QStringList{"x", "y"} << 2 << 3 << 0;
    }

    void merges()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(int, inserted);
        QFETCH(int, removed);
        QFETCH(int, moved);

        QList<Task2> first, second;
        for (const QString &title : before)
            first << task(title);
        for (const QString &title : after)
            second << task(title);

        TaskListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setTasks(first);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy moves(&model, &QAbstractItemModel::rowsMoved);

        model.setTasks(second);

        QCOMPARE(titles(model), after);
        QCOMPARE(resets.count(), 0);
        const auto rows = [](const QSignalSpy &spy) {
            int count = 0;
            for (const QList<QVariant> &signal : spy)
                count += signal.at(2).toInt() - signal.at(1).toInt() + 1;
            return count;
        };
        QCOMPARE(rows(inserts), inserted);
        QCOMPARE(rows(removals), removed);
        QCOMPARE(moves.count(), moved);
    }

    void renamedTaskIsUpdatedInPlaceWhenItsIdStays()
    {
        TaskListModel model;
        QList<Task2> tasks{task(QStringLiteral("a")), task(QStringLiteral("b"))};
        model.setTasks(tasks);
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        tasks[1].title = QStringLiteral("b, renamed");
        model.setTasks(tasks);
        QCOMPARE(inserts.count(), 0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(0).value<QModelIndex>().row(), 1);
        QCOMPARE(titles(model), (QStringList{"a", "b, renamed"}));
    }

    void tasksWithTheSamePageStayDistinct()
    {
        TaskListModel model;
        const QString link = QStringLiteral("https://tasks.google.com/");
        model.setTasks({task(QStringLiteral("a"), link), task(QStringLiteral("b"), link)});
        model.setTasks({task(QStringLiteral("b"), link), task(QStringLiteral("a"), link)});
        QCOMPARE(titles(model), (QStringList{"b", "a"}));
    }
};

QTEST_GUILESS_MAIN(TestTaskListModel)
#include "tst_tasklistmodel.moc"
