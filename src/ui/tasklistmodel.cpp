#include "ui/tasklistmodel.h"

namespace {

bool isSameTask(const Task2 &a, const Task2 &b)
{
    return a.id == b.id || (a.webViewLink == b.webViewLink && a.title == b.title);
}

bool isUnchanged(const Task2 &a, const Task2 &b)
{
    return a.id == b.id && a.title == b.title && a.status == b.status && a.due == b.due && a.position == b.position
            && a.webViewLink == b.webViewLink;
}

// Where `task` is among `tasks` from index `from` on, or -1.
int indexFrom(const QList<Task2> &tasks, qsizetype from, const Task2 &task)
{
    for (qsizetype i = from; i < tasks.size(); ++i) {
        if (isSameTask(tasks.at(i), task))
            return int(i);
    }
    return -1;
}

} // namespace

int TaskListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_tasks.size());
}

QVariant TaskListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == taskRole)
        return QVariant::fromValue(m_tasks.at(index.row()));
    if (role == Qt::DisplayRole)
        return m_tasks.at(index.row()).title;
    return {};
}

QHash<int, QByteArray> TaskListModel::roleNames() const
{
    return {{taskRole, "task"}};
}

void TaskListModel::setTasks(const QList<Task2> &tasks)
{
    for (int row = 0; row < tasks.size(); ++row) {
        const Task2 &task = tasks.at(row);
        // Rows whose task is gone go first, so that the rest need no moving.
        while (row < m_tasks.size() && indexFrom(tasks, row, m_tasks.at(row)) < 0) {
            beginRemoveRows({}, row, row);
            m_tasks.removeAt(row);
            endRemoveRows();
        }
        const int found = indexFrom(m_tasks, row, task);
        if (found < 0) {
            beginInsertRows({}, row, row);
            m_tasks.insert(row, task);
            endInsertRows();
            continue;
        }
        // Further down already: move that row up here.
        if (found > row) {
            beginMoveRows({}, found, found, {}, row);
            m_tasks.move(found, row);
            endMoveRows();
        }
        if (!isUnchanged(m_tasks.at(row), task)) {
            m_tasks[row] = task;
            Q_EMIT dataChanged(index(row), index(row), {taskRole});
        }
    }
    if (m_tasks.size() > tasks.size()) {
        beginRemoveRows({}, int(tasks.size()), int(m_tasks.size()) - 1);
        m_tasks.resize(tasks.size());
        endRemoveRows();
    }
    Q_EMIT tasksChanged();
}

QVariantList TaskListModel::tasksForQml() const
{
    QVariantList list;
    list.reserve(m_tasks.size());
    for (const Task2 &task : m_tasks)
        list.append(QVariant::fromValue(task));
    return list;
}

void TaskListModel::setTasksFromQml(const QVariantList &tasks)
{
    QList<Task2> list;
    list.reserve(tasks.size());
    for (const QVariant &task : tasks)
        list.append(task.value<Task2>());
    setTasks(list);
}
