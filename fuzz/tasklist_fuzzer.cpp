// Feeds arbitrary bytes to the task-list decoder. Besides not crashing, a
// decoded list must agree with a plain reading of the same JSON, and every
// link must be what a whole strict QUrl parse gives.

#include "backend/task.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkTask(const Task2 &task, const QJsonObject &object)
{
    check(task.title == object.value(QLatin1StringView("title")).toString());
    check(task.status == object.value(QLatin1StringView("status")).toString());
    check(task.position == object.value(QLatin1StringView("position")).toString());
    const QJsonValue due = object.value(QLatin1StringView("due"));
    check(task.due.has_value() == due.isString());
    if (task.due)
        check(*task.due == due.toString());

    const QUrl whole(object.value(QLatin1StringView("webViewLink")).toString(), QUrl::StrictMode);
    check(whole.isValid() && !whole.isEmpty());
    check(task.webViewLink == whole);
    check(task.webViewLink.toString(QUrl::FullyEncoded) == whole.toString(QUrl::FullyEncoded));

    if (const std::optional<QDateTime> dueDate = task.dueDate())
        check(dueDate->isValid());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const Result<QList<Task2>> result = decodeTaskList(json);
    if (!result.isSuccess()) {
        check(result.error().domain == QLatin1StringView("JSON"));
        check(!result.error().description.isEmpty());
        return 0;
    }

    const QJsonArray elements = QJsonDocument::fromJson(json).array();
    check(elements.size() == result.value().size());
    for (qsizetype i = 0; i < elements.size(); ++i)
        checkTask(result.value().at(i), elements.at(i).toObject());
    return 0;
}
