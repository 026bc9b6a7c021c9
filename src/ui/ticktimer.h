#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>

class DefaultViewModel;
class ViewGate;

// The countdown's tick source. It lives as long as the view-model it drives
// (it is made as the view-model's child), so the countdown runs whatever the
// popover shows, and it counts on a clock that goes on through suspend: each
// firing calls the view-model's `tick` once for every whole second that has
// passed since the last one. A laptop that slept through the end of a phase
// ends that phase once on waking: ticks after the end find the timer stopped.
//
// The timer only runs while the countdown does, and each firing is aimed at
// a whole second of the clock, so no second is lost to a timer that fires a
// little early or late. While nobody watches the seconds (the popover is
// hidden) it wakes only when the minutes left change and when the phase
// ends, and gives the seconds in between at once: the tray shows minutes,
// and the process stays asleep.
class TickTimer : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<std::chrono::milliseconds()>;

    // A monotonic clock that keeps counting while the machine is suspended
    // (CLOCK_BOOTTIME).
    static std::chrono::milliseconds bootTime();

    explicit TickTimer(DefaultViewModel *viewModel, Clock clock = &TickTimer::bootTime);

    bool isRunning() const { return m_timer.isActive(); }
    // Milliseconds to the next firing; -1 when stopped.
    int remainingTime() const { return m_timer.remainingTime(); }

    // Whether the seconds are on screen. Turning it on brings the countdown
    // up to the clock at once.
    void setSecondsWatched(bool watched);
    // The seconds are watched while `gate`'s views are open.
    void followViews(ViewGate *gate);

    // Brings the countdown up to the clock: one tick per whole second since
    // the last one. The timer calls it; tests call it after moving the clock.
    void catchUp();

private:
    void followRunning();
    void scheduleNext();

    QPointer<DefaultViewModel> m_viewModel;
    Clock m_clock;
    QTimer m_timer;
    std::chrono::milliseconds m_counted{0}; // the clock's reading up to which ticks were given
    bool m_secondsWatched = true;
};
