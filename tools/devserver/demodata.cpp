#include "devserver/demodata.h"

#include "common/base64url.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimeZone>

namespace {

QString formatDayOffset(int days)
{
    return QDate::currentDate().addDays(days).toString(QStringLiteral("yyyy-MM-dd"));
}

QString formatLocalDateTime(int days, const QString &time)
{
    const QDateTime local(QDate::currentDate().addDays(days), QTime::fromString(time, QStringLiteral("HH:mm")));
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

// Replaces "{date:N}", "{datetime:N HH:mm}" and "{timezone}" in every text.
QJsonValue resolveDates(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray resolved;
        for (const QJsonValue &item : value.toArray())
            resolved.append(resolveDates(item));
        return resolved;
    }
    if (value.isObject()) {
        QJsonObject resolved;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            resolved.insert(it.key(), resolveDates(it.value()));
        return resolved;
    }
    if (!value.isString())
        return value;

    static const QRegularExpression token(
            QStringLiteral(R"(\{(?:date:([+-]?\d+)|datetime:([+-]?\d+) (\d\d:\d\d)|(timezone))\})"));
    const QString text = value.toString();
    QString result;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &match : token.globalMatch(text)) {
        result += QStringView(text).mid(last, match.capturedStart() - last);
        if (match.hasCaptured(1))
            result += formatDayOffset(match.captured(1).toInt());
        else if (match.hasCaptured(2))
            result += formatLocalDateTime(match.captured(2).toInt(), match.captured(3));
        else
            result += QString::fromUtf8(QTimeZone::systemTimeZoneId());
        last = match.capturedEnd();
    }
    result += QStringView(text).mid(last);
    return result;
}

QJsonObject builtIn()
{
    QFile demo(QStringLiteral(":/devserver/demo-data.json"));
    if (!demo.open(QIODevice::ReadOnly))
        qFatal("stint-devserver: the built-in demo data is missing");
    return QJsonDocument::fromJson(demo.readAll()).object();
}

} // namespace

DemoData::DemoData()
{
    use(builtIn());
}

void DemoData::use(const QJsonObject &stored)
{
    m_stored = stored;
    m_tasks = resolveDates(stored.value(QLatin1StringView("tasks"))).toArray();
    m_events = resolveDates(stored.value(QLatin1StringView("events"))).toArray();
}

bool DemoData::loadFile(const QString &path, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    QFile file(path);
    if (!file.exists()) {
        use(builtIn());
        m_file = path;
        save();
        return QFile::exists(path) || fail(QStringLiteral("cannot create %1").arg(path));
    }
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject())
        return fail(QStringLiteral("%1 is not a JSON object: %2").arg(path, parseError.errorString()));
    const QJsonObject data = document.object();
    if (!data.value(QLatin1StringView("tasks")).isArray() || !data.value(QLatin1StringView("events")).isArray())
        return fail(QStringLiteral("%1 needs the arrays \"tasks\" and \"events\"").arg(path));
    use(data);
    m_file = path;
    return true;
}

void DemoData::set(const QJsonArray &tasks, const QJsonArray &events)
{
    m_file.clear();
    m_stored = {{QStringLiteral("tasks"), tasks}, {QStringLiteral("events"), events}};
    m_tasks = tasks;
    m_events = events;
}

void DemoData::save() const
{
    if (m_file.isEmpty())
        return;
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QJsonDocument(m_stored).toJson(QJsonDocument::Indented));
    file.commit();
}

std::optional<QJsonObject> DemoData::addTask(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const QJsonValue title = document.object().value(QLatin1StringView("title"));
    if (!document.isObject() || !title.isString())
        return std::nullopt;

    qlonglong lastPosition = -1;
    for (const QJsonValue &task : std::as_const(m_tasks))
        lastPosition =
                std::max(lastPosition, task.toObject().value(QLatin1StringView("position")).toString().toLongLong());
    const QString id = QString::fromLatin1(randomToken(24));
    const QJsonObject task{
            {QStringLiteral("kind"), QStringLiteral("tasks#task")},
            {QStringLiteral("id"), id},
            {QStringLiteral("title"), title.toString()},
            {QStringLiteral("status"), QStringLiteral("needsAction")},
            {QStringLiteral("updated"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
            {QStringLiteral("position"), QStringLiteral("%1").arg(lastPosition + 1, 20, 10, QLatin1Char('0'))},
            {QStringLiteral("webViewLink"), QStringLiteral("https://tasks.google.com/task/%1?sa=6").arg(id)},
    };
    m_tasks.append(task);
    QJsonArray stored = m_stored.value(QLatin1StringView("tasks")).toArray();
    stored.append(task);
    m_stored.insert(QStringLiteral("tasks"), stored);
    save();
    return task;
}

std::optional<QJsonObject> DemoData::patchTask(const QString &id, const QJsonObject &change)
{
    const auto apply = [&](QJsonArray &list) -> std::optional<QJsonObject> {
        for (qsizetype i = 0; i < list.size(); ++i) {
            QJsonObject task = list.at(i).toObject();
            if (task.value(QLatin1StringView("id")).toString() != id)
                continue;
            const QString status = change.value(QLatin1StringView("status")).toString();
            if (status == QLatin1StringView("completed") || status == QLatin1StringView("needsAction"))
                task.insert(QStringLiteral("status"), status);
            if (status == QLatin1StringView("completed"))
                task.insert(QStringLiteral("completed"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
            if (change.contains(QLatin1StringView("completed"))
                && change.value(QLatin1StringView("completed")).isNull())
                task.remove(QLatin1StringView("completed"));
            task.insert(QStringLiteral("updated"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
            list.replace(i, task);
            return task;
        }
        return std::nullopt;
    };
    const std::optional<QJsonObject> served = apply(m_tasks);
    if (!served)
        return std::nullopt;
    QJsonArray stored = m_stored.value(QLatin1StringView("tasks")).toArray();
    if (apply(stored)) {
        m_stored.insert(QStringLiteral("tasks"), stored);
        save();
    }
    return served;
}

std::optional<QJsonObject> DemoData::putEvent(const QJsonObject &event)
{
    const QJsonValue id = event.value(QLatin1StringView("id"));
    if (!id.isString() || id.toString().isEmpty())
        return std::nullopt;
    QJsonObject stored = event;
    const QJsonObject defaults{
            {QStringLiteral("kind"), QStringLiteral("calendar#event")},
            {QStringLiteral("etag"), QStringLiteral("\"%1\"").arg(QDateTime::currentMSecsSinceEpoch())},
            {QStringLiteral("status"), QStringLiteral("confirmed")}};
    for (auto it = defaults.begin(); it != defaults.end(); ++it) {
        if (!stored.contains(it.key()))
            stored.insert(it.key(), it.value());
    }
    // In the served list and in the stored one, in its place or at the end.
    const auto put = [&id](QJsonArray events, const QJsonObject &event) {
        for (qsizetype i = 0; i < events.size(); ++i) {
            if (events.at(i).toObject().value(QLatin1StringView("id")) == id) {
                events.replace(i, event);
                return events;
            }
        }
        events.append(event);
        return events;
    };
    const QJsonObject served = resolveDates(stored).toObject();
    m_events = put(m_events, served);
    m_stored.insert(QStringLiteral("events"), put(m_stored.value(QLatin1StringView("events")).toArray(), stored));
    save();
    return served;
}
