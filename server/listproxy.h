#pragma once

#include "server/answercache.h"
#include "server/backendsettings.h"
#include "server/exchange.h"

#include <QHash>
#include <QJsonArray>

#include <optional>

// The user's Google Tasks and Calendar, asked with the user's own access
// token and answered in the shape the app decodes: every page of a list up
// to the cap, the calendar's time zone (remembered an hour per user), and
// the answer shaped from a single-page list remembered under a SHA-256 of
// that page, so the very same page from Google is not shaped again.
class ListProxy
{
public:
    ListProxy(const BackendSettings &settings, ExchangeContext &context);

    void listTasks(const ExchangePtr &exchange);
    void createTask(const ExchangePtr &exchange, const QByteArray &body);
    void setTaskStatus(const ExchangePtr &exchange, const QByteArray &taskId, bool completed);
    void listEvents(const ExchangePtr &exchange);

    static constexpr int maxTitleLength = 1024;

private:
    struct Zone
    {
        QString id;
        qint64 expiry = 0;
    };

    void listEventsIn(const ExchangePtr &exchange, const QString &timeZone);
    using Shape = std::function<QJsonArray(const QJsonArray &items, const QString &pageZone)>;
    // Reads every page of a Google list from `page` on, up to the cap, and
    // answers with `shape` of the items (those of the pages before, then
    // these).
    void readList(const ExchangePtr &exchange, QUrl url, QLatin1StringView api, const QString &variant, Shape shape,
                  QJsonArray items = {}, int page = 0);

    void finish(const ExchangePtr &exchange, HttpAnswer answer) { m_context.finish(exchange, std::move(answer)); }
    void call(const ExchangePtr &exchange, QLatin1StringView api, const QUrl &url, const QByteArray &accessToken,
              ExchangeContext::UpstreamDone done, const QByteArray &postBody = {}, QByteArrayView method = "POST")
    {
        m_context.call(exchange, api, url, accessToken, std::move(done), postBody, method);
    }
    std::optional<HttpAnswer> failure(const HttpResponse &upstream, const QString &what)
    {
        return m_context.failure(upstream, what);
    }
    void countCache(QLatin1StringView cache, bool hit) { m_context.countCache(cache, hit); }
    void log(const QString &line) const { m_context.log(line); }

    const BackendSettings &m_settings;
    ExchangeContext &m_context;
    QUrl m_tasksListUrl; // the first page of the default list
    QHash<QString, Zone> m_timeZones; // by user
    AnswerCache m_answers;
};
