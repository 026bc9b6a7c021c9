#pragma once

#include "backend/task.h"

#include <QAbstractListModel>
#include <QQmlEngine>

// The task rows behind the task list. A new list of tasks is merged into the
// rows instead of replacing them, so a fetch that brings back the same tasks
// keeps every row (and with it the scroll position and the hovered row);
// only rows that really came, went or moved are announced.
//
// A row stays the same row while its task keeps its `id`. Task ids are made
// afresh each time a reply is decoded, so across fetches a task is also
// recognised by its web page and title.
class TaskListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT

    /// The tasks to show, in order (a list of task2 values).
    Q_PROPERTY(QVariantList tasks READ tasksForQml WRITE setTasksFromQml NOTIFY tasksChanged)

public:
    enum Role { taskRole = Qt::UserRole + 1 };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void setTasks(const QList<Task2> &tasks);
    const QList<Task2> &tasks() const { return m_tasks; }

Q_SIGNALS:
    void tasksChanged();

private:
    QVariantList tasksForQml() const;
    void setTasksFromQml(const QVariantList &tasks);

    QList<Task2> m_tasks;
};
