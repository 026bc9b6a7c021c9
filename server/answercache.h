#pragma once

#include <QByteArray>
#include <QHash>

#include <optional>

// Answers shaped from a single-page Google reply, by a SHA-256 of that reply:
// the same reply again is served without parsing or shaping it. Only that
// reply, which came with the caller's own token, leads to an entry. Each
// entry lives ten minutes; all of them together stay under 16 MiB.
class AnswerCache
{
public:
    std::optional<QByteArray> find(const QByteArray &key, qint64 nowSeconds) const;
    void insert(const QByteArray &key, const QByteArray &body, qint64 nowSeconds);

    static constexpr qint64 lifetime = 600;
    static constexpr qsizetype maxBytes = 16 * 1024 * 1024;

private:
    struct Shaped
    {
        QByteArray body;
        qint64 expiry = 0;
    };
    QHash<QByteArray, Shaped> m_shaped;
    qsizetype m_bytes = 0;
};
