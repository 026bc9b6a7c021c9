#pragma once

#include <QDateTime>
#include <QObject>

#include <chrono>
#include <memory>

class QSocketNotifier;

// The wall clock that the day's rules (the next meeting, reminders, the
// refresh of the events) run on, and the one timer they share. Each of them
// looks at `now()`, asks to be woken at the next moment its answer can change
// (`wakeAt`), and looks again at every `woke()`: the clock keeps only the
// earliest moment asked for and forgets it once it has woken them, so
// whoever still needs a moment asks again. A wake that is not one's own is
// harmless: the answers depend on the time, not on who asked.
//
// This base is only the bookkeeping; SystemDayClock below keeps its moments
// through suspend, and tests drive a clock of their own.
class DayClock : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual QDateTime now() const = 0;

    // Be woken at `moment` or soon after; an earlier moment asked for stays.
    void wakeAt(const QDateTime &moment);
    // The moment the clock will wake at next; invalid when none is asked for.
    QDateTime nextWake() const { return m_next; }

Q_SIGNALS:
    // A moment asked for has come, or the clock jumped: look again.
    void woke();
    // The machine has come back from suspend (sent before `woke`).
    void resumed();

protected:
    // Aims the clock's own timer at `moment`; invalid: none.
    virtual void arm(const QDateTime &moment) = 0;
    // Clears the moment asked for, then wakes everyone.
    void wake(bool afterSuspend);

private:
    QDateTime m_next;
};

// The system's clock. Its timer counts on the real-time clock, so a moment
// passed while the machine was suspended wakes it as soon as it resumes, and
// the kernel tells it when the clock jumps (a resume, or the time being set):
// then everyone looks again, and a resume is told apart by the suspend-aware
// clock (CLOCK_BOOTTIME) having run further than the one that stops in
// suspend (CLOCK_MONOTONIC).
class SystemDayClock : public DayClock
{
    Q_OBJECT

public:
    explicit SystemDayClock(QObject *parent = nullptr);
    ~SystemDayClock() override;

    QDateTime now() const override { return QDateTime::currentDateTime(); }

protected:
    void arm(const QDateTime &moment) override;

private:
    void readTimer();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::chrono::milliseconds m_suspended{0}; // time spent in suspend so far, as last seen
};
