#pragma once

#include "timer/dayclock.h"

// A day clock the test moves: it wakes whoever asked for a moment that the
// new time has reached, as the system's clock would.
class FakeDayClock : public DayClock
{
public:
    explicit FakeDayClock(const QDateTime &now) : m_now(now) { }

    QDateTime now() const override { return m_now; }

    void setNow(const QDateTime &now)
    {
        m_now = now;
        // A listener that keeps asking for moments already past would keep
        // the real clock spinning.
        for (int wakes = 0; nextWake().isValid() && nextWake() <= now; ++wakes) {
            if (wakes == 10)
                qFatal("FakeDayClock: woken again and again at %s", qPrintable(now.toString(Qt::ISODate)));
            wake(false);
        }
    }
    // The machine slept until `now`.
    void resumeAt(const QDateTime &now)
    {
        m_now = now;
        wake(true);
    }

protected:
    void arm(const QDateTime &) override { }

private:
    QDateTime m_now;
};
