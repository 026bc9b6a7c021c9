#include "server/ratelimiter.h"

#include <algorithm>

namespace {

constexpr qsizetype maxUsers = 50000;

} // namespace

RateLimiter::RateLimiter(int requestsPerMinute) : m_capacity(requestsPerMinute)
{
    m_clock.start();
}

bool RateLimiter::allow(const QString &user)
{
    if (m_capacity <= 0)
        return true;
    const qint64 now = m_clock.elapsed();
    if (m_buckets.size() > maxUsers)
        m_buckets.removeIf([now](const auto &it) { return now - it.value().updatedMs > 60000; });
    if (m_buckets.size() > maxUsers)
        m_buckets.clear();
    auto found = m_buckets.find(user);
    if (found == m_buckets.end())
        found = m_buckets.insert(user, {m_capacity, now});
    Bucket &bucket = found.value();
    bucket.tokens = std::min(m_capacity, bucket.tokens + double(now - bucket.updatedMs) * m_capacity / 60000.0);
    bucket.updatedMs = now;
    if (bucket.tokens < 1.0)
        return false;
    bucket.tokens -= 1.0;
    return true;
}
