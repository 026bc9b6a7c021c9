#include "server/answercache.h"

std::optional<QByteArray> AnswerCache::find(const QByteArray &key, qint64 nowSeconds) const
{
    const auto known = m_shaped.constFind(key);
    if (known == m_shaped.constEnd() || known->expiry <= nowSeconds)
        return std::nullopt;
    return known->body;
}

void AnswerCache::insert(const QByteArray &key, const QByteArray &body, qint64 nowSeconds)
{
    if (m_bytes + body.size() > maxBytes) {
        m_shaped.removeIf([this, nowSeconds](const auto &it) {
            const bool expired = it.value().expiry <= nowSeconds;
            if (expired)
                m_bytes -= it.value().body.size();
            return expired;
        });
        if (m_bytes + body.size() > maxBytes) {
            m_shaped.clear();
            m_bytes = 0;
        }
    }
    if (body.size() > maxBytes)
        return;
    const auto old = m_shaped.constFind(key);
    if (old != m_shaped.constEnd())
        m_bytes -= old->body.size();
    m_shaped.insert(key, {body, nowSeconds + lifetime});
    m_bytes += body.size();
}
