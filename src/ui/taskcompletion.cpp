#include "ui/taskcompletion.h"

#include "accounts/usermanager.h"
#include "backend/googleapiaccessor.h"
#include "common/outputline.h"
#include "timer/defaultviewmodel.h"
#include "timer/startedtask.h"

#include <QSettings>

namespace {

const QString enabledKey = QStringLiteral("completeTaskWhenDone");

// Why a request failed, in words for the user.
QString reason(const Error &error)
{
    if (error.domain == u"HTTP") {
        if (error.code == 401 || error.code == 403)
            return TaskCompletion::tr("sign in again");
        if (error.code == 404)
            return TaskCompletion::tr("the task is no longer in Google Tasks");
        return TaskCompletion::tr("the server answered with error %1").arg(error.code);
    }
    if (error.domain == u"QNetworkReply" || error.domain == u"Configuration")
        return TaskCompletion::tr("the server could not be reached");
    return TaskCompletion::tr("the server's answer could not be read");
}

} // namespace

TaskCompletion::TaskCompletion(QObject *parent)
    : QObject(parent), m_enabled(QSettings().value(enabledKey, false).toBool())
{
    m_undoTimer.setSingleShot(true);
    m_undoTimer.setInterval(undoMilliseconds);
    connect(&m_undoTimer, &QTimer::timeout, this, [this] { show(QString(), false, false); });
}

TaskCompletion *TaskCompletion::create(QQmlEngine *engine, QJSEngine *)
{
    TaskCompletion *completion = of(engine);
    QJSEngine::setObjectOwnership(completion, QJSEngine::CppOwnership);
    return completion;
}

TaskCompletion *TaskCompletion::of(QQmlEngine *engine)
{
    auto *completion = engine->findChild<TaskCompletion *>(QString(), Qt::FindDirectChildrenOnly);
    return completion ? completion : new TaskCompletion(engine);
}

void TaskCompletion::setViewModel(DefaultViewModel *viewModel)
{
    if (m_viewModel)
        disconnect(m_viewModel, nullptr, this, nullptr);
    delete m_started;
    m_viewModel = viewModel;
    if (!viewModel)
        return;
    m_started = new StartedTask(viewModel, this);
    connect(viewModel, &DefaultViewModel::taskQuestionAnswered, this, &TaskCompletion::answered);
}

void TaskCompletion::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    QSettings settings;
    settings.setValue(enabledKey, enabled);
    settings.sync();
    Q_EMIT enabledChanged();
}

void TaskCompletion::answered(bool done)
{
    if (!done || !isEnabled() || !m_started || m_started->googleId().isEmpty() || m_busy)
        return;
    send(m_started->googleId(), m_started->title(), true);
}

void TaskCompletion::undo()
{
    if (!m_canUndo || m_busy)
        return;
    m_undoTimer.stop();
    send(m_doneGoogleId, m_doneTitle, false);
}

void TaskCompletion::send(const QString &googleId, const QString &title, bool complete)
{
    if (!m_viewModel)
        return;
    UserManager *users = m_viewModel->userManager();
    const QString token = users ? users->currentIdToken() : QString();
    const QString accessToken = users ? users->currentAccessToken() : QString();
    m_busy = true;
    Q_EMIT changed();
    QPointer<TaskCompletion> self(this);
    m_viewModel->googleAPI()->setTaskCompleted(
            googleId, complete, token, accessToken, [self, googleId, title, complete](Result<Task2> result) {
                if (!self)
                    return;
                self->m_busy = false;
                if (!result.isSuccess()) {
                    printLine((complete ? QStringLiteral("Failed to complete task: ")
                                        : QStringLiteral("Failed to reopen task: "))
                              + result.error().description);
                    self->show(complete ? tr("“%1” was not completed: %2.").arg(title, reason(result.error()))
                                        : tr("“%1” was not reopened: %2.").arg(title, reason(result.error())),
                               true, false);
                    return;
                }
                // The task as Google has it now: its row leaves the list, or comes back.
                if (self->m_viewModel) {
                    QList<Task2> tasks = self->m_viewModel->tasks();
                    for (Task2 &task : tasks) {
                        if (task.googleId == googleId)
                            task.status = result.value().status;
                    }
                    self->m_viewModel->setTasks(tasks);
                }
                if (complete) {
                    self->m_doneGoogleId = googleId;
                    self->m_doneTitle = title;
                    self->m_undoTimer.start();
                    self->show(tr("“%1” completed in Google Tasks.").arg(title), false, true);
                } else {
                    self->show(QString(), false, false);
                }
            });
}

void TaskCompletion::show(const QString &message, bool failed, bool canUndo)
{
    m_message = message;
    m_failed = failed;
    m_canUndo = canUndo;
    Q_EMIT changed();
}
