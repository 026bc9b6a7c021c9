#pragma once

#include "backend/task.h"
#include "ui/recordlistmodel.h"

#include <QQmlEngine>

// The task rows behind the task list (see RecordListModel). A row stays the
// same row while its task keeps its `id`. Task ids are made afresh each time
// a reply is decoded, so across fetches a task is also recognised by its web
// page and title.
class TaskListModel : public RecordListModel
{
    Q_OBJECT
    QML_ELEMENT

    /// The tasks to show, in order (a list of task2 values).
    Q_PROPERTY(QVariantList tasks READ records WRITE setTasks NOTIFY tasksChanged)

public:
    using RecordListModel::RecordListModel;

    QHash<int, QByteArray> roleNames() const override;

    void setTasks(const QVariantList &tasks);
    void setTasks(const QList<Task2> &tasks);

Q_SIGNALS:
    void tasksChanged();

protected:
    bool isSame(const QVariant &a, const QVariant &b) const override;
    bool isUnchanged(const QVariant &a, const QVariant &b) const override;
};

// The event rows behind the events list (see RecordListModel): an event is
// the same row while it keeps its id.
class EventListModel : public RecordListModel
{
    Q_OBJECT
    QML_ELEMENT

    /// The events to show, in order (a list of event values).
    Q_PROPERTY(QVariantList events READ records WRITE setEvents NOTIFY eventsChanged)

public:
    using RecordListModel::RecordListModel;

    QHash<int, QByteArray> roleNames() const override;

    void setEvents(const QVariantList &events);

Q_SIGNALS:
    void eventsChanged();

protected:
    bool isSame(const QVariant &a, const QVariant &b) const override;
    bool isUnchanged(const QVariant &a, const QVariant &b) const override;
};
