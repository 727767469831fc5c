#pragma once

namespace tinkella::app {

inline constexpr const char* applicationName = "Tinkella";
inline constexpr const char* organizationName = "Quorvin";
inline constexpr const char* organizationDomain = "quorvin.com";
// The icon as installed in the hicolor theme and named by the desktop entry.
inline constexpr const char* iconName = "tinkella";

// The project version, as CMake knows it.
const char* applicationVersion();

} // namespace tinkella::app
