#include "backend/task.h"
// Placeholder until the decoder lands.
std::optional<QDateTime> Task2::dueDate() const { return std::nullopt; }
Result<Task2> Task2::fromJson(const QJsonObject &) { return Result<Task2>::failure({}); }
QJsonObject Task2::toJson() const { return {}; }
Result<CreateTask> CreateTask::fromJson(const QJsonObject &) { return Result<CreateTask>::failure({}); }
QJsonObject CreateTask::toJson() const { return {{QStringLiteral("title"), title}}; }
Result<QList<Task2>> decodeTaskList(const QByteArray &) { return Result<QList<Task2>>::failure({}); }
