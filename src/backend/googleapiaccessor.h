#pragma once

#include "backend/error.h"
#include "backend/task.h"

#include <QObject>

#include <functional>

class QNetworkReply;

// The task requests. Holds no state: tokens are passed in with every
// call, requests go through the process-wide HTTP client (once the backend
// can take them, see Network::withBackendRequest), and each completion is
// called exactly once, later, on the main thread.
class GoogleAPIAccessor : public QObject
{
    Q_OBJECT

public:
    using TasksCompletion = std::function<void(Result<QList<Task2>>)>;
    using PostCompletion = std::function<void(Result<Nothing>)>;
    using TaskCompletion = std::function<void(Result<Task2>)>;

    using QObject::QObject;

    // GET /api/v1/tasks.
    void getTasks(const QString &token, const QString &accessToken, TasksCompletion completion);
    // POST /api/v1/tasks with {"title": title}.
    void postTask(const QString &title, const QString &token, const QString &accessToken, PostCompletion completion);
    // POST /api/v1/tasks/{googleId}/complete (`completed`) or .../reopen;
    // the completion gets the task as Google has it afterwards.
    void setTaskCompleted(const QString &googleId, bool completed, const QString &token, const QString &accessToken,
                          TaskCompletion completion);
};

// How a finished reply failed, if it did: a transport error, or an HTTP
// status of 400 and above ("HTTP 500 Internal Server Error").
std::optional<Error> replyError(QNetworkReply *reply);
