#include "timer/dayclock.h"

#include <QSocketNotifier>

#include <cerrno>
#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>

using namespace std::chrono;

namespace {

milliseconds reading(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return duration_cast<milliseconds>(seconds(now.tv_sec) + nanoseconds(now.tv_nsec));
}

// How long the machine has been suspended since it booted.
milliseconds timeSuspended()
{
    return reading(CLOCK_BOOTTIME) - reading(CLOCK_MONOTONIC);
}

} // namespace

void DayClock::wakeAt(const QDateTime &moment)
{
    if (!moment.isValid() || (m_next.isValid() && m_next <= moment))
        return;
    m_next = moment;
    arm(moment);
}

void DayClock::wake(bool afterSuspend)
{
    m_next = QDateTime();
    if (afterSuspend)
        Q_EMIT resumed();
    Q_EMIT woke();
    if (!m_next.isValid())
        arm(QDateTime());
}

SystemDayClock::SystemDayClock(QObject *parent)
    : DayClock(parent), m_fd(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)), m_suspended(timeSuspended())
{
    if (m_fd < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SystemDayClock::readTimer);
    arm(QDateTime());
}

SystemDayClock::~SystemDayClock()
{
    m_notifier.reset();
    if (m_fd >= 0)
        close(m_fd);
}

void SystemDayClock::arm(const QDateTime &moment)
{
    if (m_fd < 0)
        return;
    // With nothing asked for, the timer is still armed, far ahead: only an
    // armed timer hears of the clock jumping.
    const qint64 at = (moment.isValid() ? moment : now().addDays(365)).toMSecsSinceEpoch();
    itimerspec when{};
    when.it_value.tv_sec = at / 1000;
    when.it_value.tv_nsec = (at % 1000) * 1000000;
    if (when.it_value.tv_sec <= 0) // the epoch or before would disarm it
        when.it_value = {0, 1};
    timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
}

void SystemDayClock::readTimer()
{
    quint64 expirations = 0;
    const bool jumped = read(m_fd, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
    // Both an expiry and a jump may be pending; either way everyone looks again.
    const milliseconds suspended = timeSuspended();
    const bool resumed = jumped && suspended - m_suspended > seconds(1);
    m_suspended = suspended;
    wake(resumed);
}
