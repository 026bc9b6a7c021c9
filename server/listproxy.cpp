#include "server/listproxy.h"

#include "server/digest.h"
#include "server/googlereplies.h"
#include "server/httpclient.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <QUrlQuery>

namespace {

constexpr qint64 timeZoneLifetime = 3600;
constexpr int eventDays = 7;

} // namespace

ListProxy::ListProxy(const BackendSettings &settings, ExchangeContext &context)
    : m_settings(settings), m_context(context), m_tasksListUrl(settings.tasksUrl)
{
    // The same for every user: made once rather than on each request.
    m_tasksListUrl.setQuery(QUrlQuery{{QStringLiteral("maxResults"), QStringLiteral("100")},
                                      {QStringLiteral("showCompleted"), QStringLiteral("true")},
                                      {QStringLiteral("showHidden"), QStringLiteral("false")},
                                      {QStringLiteral("showDeleted"), QStringLiteral("false")}});
}

void ListProxy::readList(const ExchangePtr &exchange, QUrl url, QLatin1StringView api, const QString &variant,
                         Shape shape, QJsonArray items, int page)
{
    const QString what = QStringLiteral("google ") + api; // "google tasks", "google events"
    call(exchange, api, url, exchange->accessToken, [=, this](const HttpResponse &upstream) mutable {
        if (auto failed = failure(upstream, what))
            return finish(exchange, *failed);
        QByteArray memoKey;
        if (page == 0) {
            // The same first page as a moment ago, of a list that had only
            // that page: the answer shaped from it then still holds.
            memoKey = sha256({variant.toUtf8(), "\n", upstream.body});
            const std::optional<QByteArray> known = m_answers.find(memoKey, nowSeconds());
            countCache(QLatin1StringView("answer"), known.has_value());
            if (known)
                return finish(exchange, HttpAnswer{200, "application/json", *known, {}, {}});
        }
        std::optional<GoogleReplies::Page> read = GoogleReplies::readPage(upstream.body);
        if (!read) {
            log(QStringLiteral("%1: not the expected JSON -> 502").arg(what));
            return finish(exchange, unusable());
        }
        if (items.isEmpty())
            items = std::move(read->items); // the usual single page, not copied item by item
        else
            for (const QJsonValue &item : std::as_const(read->items))
                items.append(item);
        const bool more = !read->nextPageToken.isEmpty();
        if (!more || page + 1 >= m_settings.maxPages) {
            if (more)
                log(QStringLiteral("%1: stopped after %2 pages").arg(what).arg(page + 1));
            HttpAnswer answer = HttpAnswer::json(200, shape(items, read->timeZone));
            if (page == 0 && !more)
                m_answers.insert(memoKey, answer.body, nowSeconds());
            return finish(exchange, std::move(answer));
        }
        QUrlQuery query(url);
        query.removeAllQueryItems(QStringLiteral("pageToken"));
        query.addQueryItem(QStringLiteral("pageToken"),
                           QString::fromLatin1(QUrl::toPercentEncoding(read->nextPageToken)));
        url.setQuery(query);
        readList(exchange, url, api, variant, std::move(shape), std::move(items), page + 1);
    });
}

void ListProxy::listTasks(const ExchangePtr &exchange)
{
    readList(exchange, m_tasksListUrl, QLatin1StringView("tasks"), QString(),
             [](const QJsonArray &items, const QString &) { return GoogleReplies::tasks(items); });
}

void ListProxy::createTask(const ExchangePtr &exchange, const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const QJsonValue title = document.object().value(QLatin1StringView("title"));
    if (!document.isObject() || !title.isString())
        return finish(exchange,
                      HttpAnswer::error(400, QLatin1StringView("invalid_task"),
                                        QStringLiteral("The body must be {\"title\": text}")));
    if (title.toString().size() > maxTitleLength)
        return finish(exchange,
                      HttpAnswer::error(400, QLatin1StringView("invalid_task"),
                                        QStringLiteral("The title is over 1024 characters")));
    const QByteArray create =
            QJsonDocument(QJsonObject{{QStringLiteral("title"), title}}).toJson(QJsonDocument::Compact);
    call(
            exchange, QLatin1StringView("tasks"), m_settings.tasksUrl, exchange->accessToken,
            [this, exchange](const HttpResponse &upstream) {
                if (auto failed = failure(upstream, QLatin1StringView("google tasks insert")))
                    return finish(exchange, *failed);
                const QJsonDocument created = QJsonDocument::fromJson(upstream.body);
                if (!created.isObject()) {
                    log(QStringLiteral("google tasks insert: not the expected JSON -> 502"));
                    return finish(exchange, unusable());
                }
                finish(exchange, HttpAnswer::json(200, GoogleReplies::task(created.object())));
            },
            create);
}

void ListProxy::setTaskStatus(const ExchangePtr &exchange, const QByteArray &taskId, bool completed)
{
    const QJsonObject change = completed ? QJsonObject{{QStringLiteral("status"), QStringLiteral("completed")}}
                                         : QJsonObject{{QStringLiteral("status"), QStringLiteral("needsAction")},
                                                       {QStringLiteral("completed"), QJsonValue::Null}};
    QUrl url = m_settings.tasksUrl;
    url.setPath(url.path() + u'/' + QString::fromLatin1(taskId));
    const QString what = completed ? QStringLiteral("google tasks complete") : QStringLiteral("google tasks reopen");
    call(
            exchange, QLatin1StringView("tasks"), url, exchange->accessToken,
            [this, exchange, what](const HttpResponse &upstream) {
                if (upstream.failure == HttpResponse::Failure::none && upstream.status == 404) {
                    log(QStringLiteral("%1: HTTP 404 -> 404").arg(what));
                    return finish(exchange,
                                  HttpAnswer::error(404, QLatin1StringView("task_not_found"),
                                                    QStringLiteral("Google has no such task")));
                }
                if (upstream.failure == HttpResponse::Failure::timeout) {
                    log(QStringLiteral("%1: timeout -> 502").arg(what));
                    return finish(exchange, unusable());
                }
                if (auto failed = failure(upstream, what))
                    return finish(exchange, *failed);
                const QJsonDocument updated = QJsonDocument::fromJson(upstream.body);
                if (!updated.isObject()) {
                    log(QStringLiteral("%1: not the expected JSON -> 502").arg(what));
                    return finish(exchange, unusable());
                }
                // Nothing of the user's list is kept here beyond answers keyed
                // by Google's own reply, so the next GET asks Google and shows
                // the change.
                finish(exchange, HttpAnswer::json(200, GoogleReplies::task(updated.object())));
            },
            QJsonDocument(change).toJson(QJsonDocument::Compact), "PATCH");
}

void ListProxy::listEvents(const ExchangePtr &exchange)
{
    const auto known = m_timeZones.constFind(exchange->subject);
    const bool hit = known != m_timeZones.constEnd() && known->expiry > nowSeconds();
    countCache(QLatin1StringView("timezone"), hit);
    if (hit)
        return listEventsIn(exchange, known->id);

    // The calendar's time zone comes with any events page; a one-item page
    // asks for it with the events scope alone (the calendar resource itself
    // needs a wider one).
    QUrl zoneUrl = m_settings.eventsUrl;
    zoneUrl.setQuery(QUrlQuery{{QStringLiteral("maxResults"), QStringLiteral("1")},
                               {QStringLiteral("fields"), QStringLiteral("timeZone")}});
    call(exchange, QLatin1StringView("calendar"), zoneUrl, exchange->accessToken,
         [this, exchange](const HttpResponse &upstream) {
             if (auto failed = failure(upstream, QLatin1StringView("google calendar")))
                 return finish(exchange, *failed);
             const QString zone =
                     QJsonDocument::fromJson(upstream.body).object().value(QLatin1StringView("timeZone")).toString();
             if (zone.isEmpty()) {
                 log(QStringLiteral("google calendar: not the expected JSON -> 502"));
                 return finish(exchange, unusable());
             }
             const qint64 now = nowSeconds();
             trim(m_timeZones, [now](const auto &it) { return it.value().expiry <= now; });
             m_timeZones.insert(exchange->subject, {zone, now + timeZoneLifetime});
             listEventsIn(exchange, zone);
         });
}

void ListProxy::listEventsIn(const ExchangePtr &exchange, const QString &timeZone)
{
    const QTimeZone zone(timeZone.toUtf8());
    const QTimeZone usable = zone.isValid() ? zone : QTimeZone::utc();
    const QDate today = QDateTime::currentDateTimeUtc().toTimeZone(usable).date();
    const QDateTime from(today, QTime(0, 0), usable);
    const QDateTime to(today.addDays(eventDays), QTime(0, 0), usable);

    QUrl url = m_settings.eventsUrl;
    url.setQuery(QUrlQuery{{QStringLiteral("timeMin"),
                            QString::fromLatin1(QUrl::toPercentEncoding(
                                    from.toOffsetFromUtc(from.offsetFromUtc()).toString(Qt::ISODate)))},
                           {QStringLiteral("timeMax"),
                            QString::fromLatin1(QUrl::toPercentEncoding(
                                    to.toOffsetFromUtc(to.offsetFromUtc()).toString(Qt::ISODate)))},
                           {QStringLiteral("singleEvents"), QStringLiteral("true")},
                           {QStringLiteral("orderBy"), QStringLiteral("startTime")},
                           {QStringLiteral("showDeleted"), QStringLiteral("false")},
                           {QStringLiteral("maxResults"), QStringLiteral("250")}});
    // The calendar's zone only fills in moments that have none; the window
    // (from today's midnight) is in the request, so a new day is a new page.
    readList(exchange, url, QLatin1StringView("events"), timeZone,
             [timeZone](const QJsonArray &items, const QString &pageZone) {
                 return GoogleReplies::events(items, pageZone.isEmpty() ? timeZone : pageZone);
             });
}
