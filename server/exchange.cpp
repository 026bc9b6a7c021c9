#include "server/exchange.h"

#include "server/httpclient.h"
#include "server/metrics.h"
#include "common/outputline.h"

HttpAnswer unauthorized(const QString &message)
{
    return HttpAnswer::error(401, QLatin1StringView("unauthorized"), message);
}

HttpAnswer unusable()
{
    return HttpAnswer::error(502, QLatin1StringView("google_unavailable"),
                             QStringLiteral("Google's answer was not usable"));
}

ExchangeContext::ExchangeContext(HttpClient *google, Metrics *metrics, Finish finish)
    : m_google(google), m_metrics(metrics), m_finish(std::move(finish))
{
}

void ExchangeContext::log(const QString &line) const
{
    if (m_log)
        m_log(line);
    else
        printLine(line);
}

void ExchangeContext::countCache(QLatin1StringView cache, bool hit)
{
    m_metrics->add(hit ? QLatin1StringView("stint_cache_hits_total") : QLatin1StringView("stint_cache_misses_total"),
                   {{QLatin1StringView("cache"), QByteArray(cache.data(), cache.size())}});
}

void ExchangeContext::call(const ExchangePtr &exchange, QLatin1StringView api, const QUrl &url,
                           const QByteArray &accessToken, UpstreamDone done, const QByteArray &postBody,
                           QByteArrayView method)
{
    HttpClient::Headers headers{{QByteArrayLiteral("Authorization"), "Bearer " + accessToken},
                                {QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json")}};
    const qint64 started = exchange->clock.nsecsElapsed();
    auto timedDone = [this, exchange, api, started, done = std::move(done)](const HttpResponse &response) {
        timed(exchange, api, response, started);
        done(response);
    };
    if (postBody.isNull()) {
        m_google->get(url, headers, std::move(timedDone));
    } else {
        headers.append({QByteArrayLiteral("Content-Type"), QByteArrayLiteral("application/json")});
        if (method == "PATCH")
            m_google->patch(url, headers, postBody, std::move(timedDone));
        else
            m_google->post(url, headers, postBody, std::move(timedDone));
    }
}

void ExchangeContext::timed(const ExchangePtr &exchange, QLatin1StringView api, const HttpResponse &response,
                            qint64 startedNs)
{
    const qint64 tookNs = exchange->clock.nsecsElapsed() - startedNs;
    exchange->googleNs += tookNs;
    countGoogle(api, response, tookNs);
}

void ExchangeContext::countGoogle(QLatin1StringView api, const HttpResponse &response, qint64 tookNs)
{
    const QByteArray apiLabel(api.data(), api.size());
    m_metrics->observe(QLatin1StringView("stint_google_request_duration_seconds"),
                       {{QLatin1StringView("api"), apiLabel}}, double(tookNs) / 1e9);
    const QByteArray status = response.failure == HttpResponse::Failure::timeout ? QByteArray("timeout")
            : response.status == 0                                               ? QByteArray("error")
                                                                                 : QByteArray::number(response.status);
    m_metrics->add(QLatin1StringView("stint_google_requests_total"),
                   {{QLatin1StringView("api"), apiLabel}, {QLatin1StringView("status"), status}});
}

std::optional<HttpAnswer> ExchangeContext::failure(const HttpResponse &upstream, const QString &what)
{
    if (upstream.failure == HttpResponse::Failure::none && upstream.status >= 200 && upstream.status < 300)
        return std::nullopt;
    const bool timedOut = upstream.failure == HttpResponse::Failure::timeout;
    HttpAnswer answer;
    if (timedOut) {
        answer = HttpAnswer::error(504, QLatin1StringView("google_timeout"),
                                   QStringLiteral("Google did not answer in time"));
    } else if (upstream.status == 401 || upstream.status == 403) {
        answer = HttpAnswer::error(upstream.status,
                                   QLatin1StringView(upstream.status == 401 ? "unauthorized" : "forbidden"),
                                   QStringLiteral("Google refused the access token"));
    } else {
        answer = unusable();
    }
    log(QStringLiteral("%1: %2 -> %3")
                .arg(what,
                     timedOut                  ? QStringLiteral("timeout")
                             : upstream.status ? QStringLiteral("HTTP %1").arg(upstream.status)
                                               : QStringLiteral("no connection"))
                .arg(answer.status));
    return answer;
}
