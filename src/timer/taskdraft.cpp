#include "timer/taskdraft.h"

#include "backend/error.h"

void TaskDraft::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    Q_EMIT titleChanged();
}

QString TaskDraft::reasonFor(const Error &error)
{
    if (error.domain != u"HTTP")
        return tr("Not added: the server could not be reached");
    if (error.code == 401 || error.code == 403)
        return tr("Not added: the server did not accept your sign-in");
    return tr("Not added: the server reported an error");
}

void TaskDraft::clear()
{
    setTitle({});
    setFailure({});
}

void TaskDraft::setFailure(const QString &failure)
{
    if (m_failure == failure)
        return;
    m_failure = failure;
    Q_EMIT failureChanged();
}
