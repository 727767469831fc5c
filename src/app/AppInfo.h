#pragma once

namespace tinkella::app {

inline constexpr const char* applicationName = "Tinkella";
inline constexpr const char* organizationName = "Quorvin";
inline constexpr const char* organizationDomain = "quorvin.com";

// The project version, as CMake knows it.
const char* applicationVersion();

} // namespace tinkella::app
