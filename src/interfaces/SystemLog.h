#pragma once

#include <string_view>

namespace tinkella {

enum class LogLevel { Default, Error };

// The platform's system log, as one subsystem and category. Main thread only.
class SystemLog {
public:
    virtual ~SystemLog() = default;
    virtual bool isLevelEnabled(LogLevel level) const = 0;
    // One entry holding message as it is (line feeds included), never redacted.
    virtual void write(LogLevel level, std::string_view message) = 0;
};

// A system log that takes nothing, for processes that only want standard error.
class NullSystemLog final : public SystemLog {
public:
    bool isLevelEnabled(LogLevel) const override { return false; }
    void write(LogLevel, std::string_view) override {}
};

} // namespace tinkella
