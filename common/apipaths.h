#pragma once

#include <QLatin1StringView>

// The backend's paths, the same for the app that calls them, the server that
// answers them and the dev server around it.
namespace ApiPath {
inline constexpr QLatin1StringView tasks("/api/v1/tasks");
inline constexpr QLatin1StringView events("/api/v1/events");
inline constexpr QLatin1StringView health("/healthz");
// POST /api/v1/tasks/{Google's task id}/complete, and .../reopen.
inline constexpr QLatin1StringView completeSuffix("/complete");
inline constexpr QLatin1StringView reopenSuffix("/reopen");
} // namespace ApiPath
