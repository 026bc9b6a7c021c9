#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// The tasks and events the stand-in Google serves: the built-in demo data,
// a data file (created tasks are written back to it), or lists set from
// code. Dates in the demo data and data files are written relative to the
// day they are loaded, as demo-data.json's "_comment" describes.
class DemoData
{
public:
    DemoData(); // the built-in demo data

    // Serves the tasks and events of `path` and writes created tasks back to
    // it. A file that does not exist yet starts as a copy of the demo data.
    bool loadFile(const QString &path, QString *error = nullptr);
    // These lists, kept in memory only.
    void set(const QJsonArray &tasks, const QJsonArray &events);

    const QJsonArray &tasks() const { return m_tasks; }
    const QJsonArray &events() const { return m_events; }
    // A new task at the end of the list, as Google Tasks would make it from
    // {"title": ...}; none when the body is not such an object.
    std::optional<QJsonObject> addTask(const QByteArray &body);
    // Applies "status" (and "completed") of a PATCH body to the task with
    // `id`, as Google Tasks does; returns the updated task, none when there
    // is no such task.
    std::optional<QJsonObject> patchTask(const QString &id, const QJsonObject &change);
    // Adds `event`, or replaces the event with its "id", as when someone
    // changes the calendar; dates may be written relative to today. Members
    // every event has ("kind", "etag", "status") are filled in when missing.
    // Returns the event as served; none without an "id".
    std::optional<QJsonObject> putEvent(const QJsonObject &event);

private:
    void use(const QJsonObject &stored);
    void save() const;

    QString m_file;
    QJsonObject m_stored; // as written, day offsets unresolved
    QJsonArray m_tasks;
    QJsonArray m_events;
};
