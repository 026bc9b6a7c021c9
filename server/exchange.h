#pragma once

#include "server/http.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLatin1StringView>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class HttpClient;
class Metrics;
struct HttpResponse;

// One request on its way: who asks, and the clock for the metrics.
struct Exchange
{
    HttpReply reply;
    QLatin1StringView route;
    QByteArray method;
    QElapsedTimer clock;
    qint64 googleNs = 0;
    QString subject;
    QByteArray userHash;
    QByteArray accessToken;
};
using ExchangePtr = std::shared_ptr<Exchange>;

// What the parts of the backend share while they answer a request: the
// client to Google, the metrics, the log, and the way an answer goes out
// (Backend's own, which counts it).
class ExchangeContext
{
public:
    using Finish = std::function<void(const ExchangePtr &, HttpAnswer)>;
    using UpstreamDone = std::function<void(const HttpResponse &)>;

    ExchangeContext(HttpClient *google, Metrics *metrics, Finish finish);

    HttpClient *google() const { return m_google; }
    void finish(const ExchangePtr &exchange, HttpAnswer answer) const { m_finish(exchange, std::move(answer)); }

    // Failure lines go here; printed to standard output unless set.
    void setLog(LogSink log) { m_log = std::move(log); }
    void log(const QString &line) const;

    // A call to Google, timed for the exchange and the metrics.
    void call(const ExchangePtr &exchange, QLatin1StringView api, const QUrl &url, const QByteArray &accessToken,
              UpstreamDone done, const QByteArray &postBody = {}, QByteArrayView method = "POST");
    void timed(const ExchangePtr &exchange, QLatin1StringView api, const HttpResponse &response, qint64 startedNs);
    void countGoogle(QLatin1StringView api, const HttpResponse &response, qint64 tookNs);
    // The answer for a failed Google reply, logged; none when it succeeded.
    std::optional<HttpAnswer> failure(const HttpResponse &upstream, const QString &what);
    void countCache(QLatin1StringView cache, bool hit);

private:
    HttpClient *m_google;
    Metrics *m_metrics;
    Finish m_finish;
    LogSink m_log;
};

inline qint64 nowSeconds()
{
    return QDateTime::currentSecsSinceEpoch();
}

HttpAnswer unauthorized(const QString &message);
// Google answered with something that is not what it documents.
HttpAnswer unusable();

// Every per-user cache stays under this many entries: the stale ones go
// first, then all of them.
constexpr qsizetype maxCachedUsers = 50000;

template<typename Map, typename Stale>
void trim(Map &map, Stale stale)
{
    if (map.size() > maxCachedUsers)
        map.removeIf(stale);
    if (map.size() > maxCachedUsers)
        map.clear();
}
