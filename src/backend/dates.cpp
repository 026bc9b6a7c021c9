#include "backend/dates.h"
// Placeholder until the parser lands.
std::optional<QDateTime> parseRfc3339DateTime(QStringView) { return std::nullopt; }
std::optional<QDateTime> parseDueDate(QStringView) { return std::nullopt; }
