#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QString>

// Requests per minute per user, as a token bucket: a full minute's worth to
// start with, refilled evenly. Users not seen for a minute are forgotten
// once the table grows large.
class RateLimiter
{
public:
    // 0 or less lets every request through.
    explicit RateLimiter(int requestsPerMinute);

    // Whether `user` may make one more request now; counts it when so.
    bool allow(const QString &user);

private:
    struct Bucket
    {
        double tokens = 0;
        qint64 updatedMs = 0;
    };

    double m_capacity;
    QHash<QString, Bucket> m_buckets;
    QElapsedTimer m_clock;
};
