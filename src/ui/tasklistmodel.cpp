#include "ui/tasklistmodel.h"

#include "backend/event.h"

QHash<int, QByteArray> TaskListModel::roleNames() const
{
    return {{recordRole, "task"}};
}

void TaskListModel::setTasks(const QVariantList &tasks)
{
    // Announced only when the rows changed: a view that hands the list back
    // to itself while the popover is hidden makes no loop.
    if (mergeRecords(asRecords<Task2>(tasks)))
        Q_EMIT tasksChanged();
}

void TaskListModel::setTasks(const QList<Task2> &tasks)
{
    QVariantList list;
    list.reserve(tasks.size());
    for (const Task2 &task : tasks)
        list.append(QVariant::fromValue(task));
    setTasks(list);
}

bool TaskListModel::isSame(const QVariant &a, const QVariant &b) const
{
    const Task2 &x = record<Task2>(a), &y = record<Task2>(b);
    return x.id == y.id || (x.webViewLink == y.webViewLink && x.title == y.title);
}

bool TaskListModel::isUnchanged(const QVariant &a, const QVariant &b) const
{
    const Task2 &x = record<Task2>(a), &y = record<Task2>(b);
    return x.id == y.id && x.title == y.title && x.status == y.status && x.due == y.due && x.position == y.position
            && x.webViewLink == y.webViewLink;
}

QHash<int, QByteArray> EventListModel::roleNames() const
{
    return {{recordRole, "event"}};
}

void EventListModel::setEvents(const QVariantList &events)
{
    if (mergeRecords(asRecords<Event>(events)))
        Q_EMIT eventsChanged();
}

bool EventListModel::isSame(const QVariant &a, const QVariant &b) const
{
    return record<Event>(a).id == record<Event>(b).id;
}

bool EventListModel::isUnchanged(const QVariant &a, const QVariant &b) const
{
    // What a row shows: the title, the start and the meeting to join.
    const Event &x = record<Event>(a), &y = record<Event>(b);
    return x.summary == y.summary && x.start.dateTime == y.start.dateTime
            && x.conferenceData.has_value() == y.conferenceData.has_value() && x.meetingLink() == y.meetingLink();
}
