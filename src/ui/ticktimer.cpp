#include "ui/ticktimer.h"

#include "timer/defaultviewmodel.h"

TickTimer::TickTimer(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_viewModel)
            m_viewModel->tick();
    });
    m_timer.start();
}

void TickTimer::setViewModel(DefaultViewModel *viewModel)
{
    m_viewModel = viewModel;
    Q_EMIT viewModelChanged();
}
