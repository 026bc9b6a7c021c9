#pragma once

#include "backend/error.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <optional>

// A task as the backend returns it. Every field is set when the record is
// decoded; `id` is ours, not the backend's: a fresh random UUID each time a
// task is decoded, so list rows have a stable key for as long as one reply
// is shown.
struct Task2
{
    Q_GADGET

    Q_PROPERTY(QString id READ idText CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString status MEMBER status CONSTANT)
    Q_PROPERTY(QUrl webViewLink MEMBER webViewLink CONSTANT)
    /// Whether the task has a due date the list can show.
    Q_PROPERTY(bool hasDueDate READ hasDueDate CONSTANT)
    /// The due date in the user's time zone; invalid when there is none.
    Q_PROPERTY(QDateTime dueDate READ dueDateOrInvalid CONSTANT)

public:
    QUuid id;
    QString title;
    QString status;
    std::optional<QString> due;
    QString position;
    QUrl webViewLink;
    // Google's own id of the task (the member "id"); none from a backend
    // that does not send it.
    std::optional<QString> googleId;

    // `due` read as a wall-clock date in the user's time zone, by the first of
    // "yyyy-MM-dd'T'HH:mm:ss.SSS'Z'" and "yyyy-MM-dd" that fits the whole text.
    std::optional<QDateTime> dueDate() const;

private:
    QString idText() const { return id.toString(QUuid::WithoutBraces); }
    bool hasDueDate() const { return dueDate().has_value(); }
    QDateTime dueDateOrInvalid() const { return dueDate().value_or(QDateTime()); }
};

// The body of a create-task request.
struct CreateTask
{
    QString title;

    QJsonObject toJson() const;
};

// Decodes the reply of the task-list request: a JSON array of tasks. The
// first bad member anywhere fails the whole list.
Result<QList<Task2>> decodeTaskList(const QByteArray &json);
