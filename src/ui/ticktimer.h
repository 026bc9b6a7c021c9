#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QTimer>

class DefaultViewModel;

// The countdown's one-second tick: while this object exists it calls the
// view-model's tick once a second. The timer view owns one, so the countdown
// runs exactly while the timer view exists, also while the popover is hidden.
//
// A plain QTimer rather than a QML Timer: QML timers are driven by the
// animation system, which keeps waking the process; this one costs one
// wake-up a second.
class TickTimer : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(DefaultViewModel *viewModel READ viewModel WRITE setViewModel NOTIFY viewModelChanged)
    /// Milliseconds between ticks.
    Q_PROPERTY(int interval READ interval CONSTANT)
    /// Whether ticks are being delivered.
    Q_PROPERTY(bool running READ isRunning CONSTANT)

public:
    explicit TickTimer(QObject *parent = nullptr);

    DefaultViewModel *viewModel() const { return m_viewModel; }
    void setViewModel(DefaultViewModel *viewModel);
    int interval() const { return m_timer.interval(); }
    bool isRunning() const { return m_timer.isActive(); }

Q_SIGNALS:
    void viewModelChanged();

private:
    QPointer<DefaultViewModel> m_viewModel;
    QTimer m_timer;
};
