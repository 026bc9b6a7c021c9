#include "timer/startedtask.h"

#include "timer/defaultviewmodel.h"

StartedTask::StartedTask(DefaultViewModel *viewModel, QObject *parent) : QObject(parent)
{
    connect(viewModel, &DefaultViewModel::taskStarted, this, [this](const Task2 &task) {
        m_title = task.title;
        m_googleId = task.googleId.value_or(QString());
    });
    connect(viewModel, &DefaultViewModel::taskTitleChanged, this, [this, viewModel] {
        if (viewModel->taskTitle() != m_title)
            m_googleId.clear();
    });
    connect(viewModel, &DefaultViewModel::textDropped, this, [this] {
        m_title.clear();
        m_googleId.clear();
    });
}
