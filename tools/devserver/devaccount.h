#pragma once

#include <QLatin1StringView>

// The one OAuth client and the one user the dev server knows: the client the
// app is pointed at, and whoever signs in through the stand-in provider.
namespace DevAccount {
inline constexpr QLatin1StringView clientId("stint-dev");
inline constexpr QLatin1StringView clientSecret("stint-dev-secret");
inline constexpr QLatin1StringView subject("104857392016475820391");
inline constexpr QLatin1StringView email("dev.user@example.com");
inline constexpr QLatin1StringView name("Dev User");
} // namespace DevAccount
