#include "server/googlereplies.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace GoogleReplies {

namespace {

const QString tasksWebApp = QStringLiteral("https://tasks.google.com/");

bool isText(const QJsonObject &object, QLatin1StringView key)
{
    return object.value(key).isString();
}

void fillText(QJsonObject &object, QLatin1StringView key, const QString &fallback)
{
    if (!isText(object, key))
        object.insert(key, fallback);
}

bool isWebLink(const QJsonValue &value)
{
    const QUrl url(value.toString(), QUrl::StrictMode);
    return value.isString() && url.isValid() && !url.isRelative();
}

std::optional<QJsonObject> moment(const QJsonValue &value, const QString &calendarTimeZone)
{
    QJsonObject object = value.toObject();
    if (!isText(object, QLatin1StringView("dateTime")) && !isText(object, QLatin1StringView("date")))
        return std::nullopt;
    if (object.value(QLatin1StringView("timeZone")).toString().isEmpty())
        object.insert(QLatin1StringView("timeZone"), calendarTimeZone);
    return object;
}

// Keeps the conference when it has a way in; the app joins through the
// first entry point, so a video link goes first.
std::optional<QJsonObject> conference(const QJsonValue &value)
{
    QJsonObject data = value.toObject();
    QJsonArray video;
    QJsonArray others;
    for (const QJsonValue &entry : data.value(QLatin1StringView("entryPoints")).toArray()) {
        const QJsonObject point = entry.toObject();
        if (!isText(point, QLatin1StringView("entryPointType")) || !isText(point, QLatin1StringView("uri")))
            continue;
        (point.value(QLatin1StringView("entryPointType")).toString() == QLatin1StringView("video") ? video : others)
                .append(point);
    }
    for (const QJsonValue &point : std::as_const(others))
        video.append(point);
    if (video.isEmpty())
        return std::nullopt;
    data.insert(QLatin1StringView("entryPoints"), video);

    QJsonObject request = data.value(QLatin1StringView("createRequest")).toObject();
    const bool requestComplete = isText(request, QLatin1StringView("requestId"))
            && isText(request.value(QLatin1StringView("conferenceSolutionKey")).toObject(), QLatin1StringView("type"))
            && isText(request.value(QLatin1StringView("status")).toObject(), QLatin1StringView("statusCode"));
    if (!requestComplete)
        data.remove(QLatin1StringView("createRequest"));

    QJsonObject solution = data.value(QLatin1StringView("conferenceSolution")).toObject();
    QJsonObject key = solution.value(QLatin1StringView("key")).toObject();
    fillText(key, QLatin1StringView("type"), QStringLiteral("addOn"));
    solution.insert(QLatin1StringView("key"), key);
    fillText(solution, QLatin1StringView("name"), QString());
    fillText(solution, QLatin1StringView("iconUri"), QString());
    data.insert(QLatin1StringView("conferenceSolution"), solution);
    fillText(data, QLatin1StringView("conferenceId"), QString());
    return data;
}

} // namespace

std::optional<Page> readPage(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue items = object.value(QLatin1StringView("items"));
    if (!items.isUndefined() && !items.isArray())
        return std::nullopt;
    return Page{items.toArray(), object.value(QLatin1StringView("nextPageToken")).toString(),
                object.value(QLatin1StringView("timeZone")).toString()};
}

QJsonObject task(QJsonObject item)
{
    if (item.value(QLatin1StringView("title")).toString().isEmpty())
        item.insert(QLatin1StringView("title"), QStringLiteral("(No title)"));
    fillText(item, QLatin1StringView("status"), QStringLiteral("needsAction"));
    fillText(item, QLatin1StringView("position"), QString());
    if (!isWebLink(item.value(QLatin1StringView("webViewLink"))))
        item.insert(QLatin1StringView("webViewLink"), tasksWebApp);
    if (item.contains(QLatin1StringView("due")) && !isText(item, QLatin1StringView("due")))
        item.remove(QLatin1StringView("due"));
    return item;
}

QJsonArray tasks(const QJsonArray &items)
{
    QJsonArray result;
    for (const QJsonValue &value : items) {
        const QJsonObject item = value.toObject();
        if (!value.isObject() || item.value(QLatin1StringView("hidden")).toBool()
            || item.value(QLatin1StringView("deleted")).toBool())
            continue;
        result.append(task(item));
    }
    return result;
}

QJsonArray events(const QJsonArray &items, const QString &calendarTimeZone)
{
    QJsonArray result;
    for (const QJsonValue &value : items) {
        QJsonObject event = value.toObject();
        if (!value.isObject() || event.value(QLatin1StringView("status")).toString() == QLatin1StringView("cancelled"))
            continue;
        const auto start = moment(event.value(QLatin1StringView("start")), calendarTimeZone);
        const auto end = moment(event.value(QLatin1StringView("end")), calendarTimeZone);
        if (!start || !end || !isText(event, QLatin1StringView("id")))
            continue;
        event.insert(QLatin1StringView("start"), *start);
        event.insert(QLatin1StringView("end"), *end);
        fillText(event, QLatin1StringView("kind"), QStringLiteral("calendar#event"));
        fillText(event, QLatin1StringView("etag"), QString());
        fillText(event, QLatin1StringView("status"), QStringLiteral("confirmed"));
        if (event.value(QLatin1StringView("summary")).toString().isEmpty())
            event.insert(QLatin1StringView("summary"), QStringLiteral("(No title)"));
        if (const auto data = conference(event.value(QLatin1StringView("conferenceData"))))
            event.insert(QLatin1StringView("conferenceData"), *data);
        else
            event.remove(QLatin1StringView("conferenceData"));
        result.append(event);
    }
    return result;
}

} // namespace GoogleReplies
