#pragma once

#include "interfaces/SystemLog.h"

#include <string>
#include <string_view>

namespace tinkella {

// syslog(3) under the identity "com.quorvin.Tinkella" (facility user). The category leads every
// entry as "[category] ". Default maps to LOG_NOTICE, Error to LOG_ERR; a level is enabled
// while setlogmask() lets its priority through.
class SyslogSystemLog final : public SystemLog {
public:
    static constexpr const char* identity = "com.quorvin.Tinkella";

    explicit SyslogSystemLog(std::string_view category);
    ~SyslogSystemLog() override;
    SyslogSystemLog(const SyslogSystemLog&) = delete;
    SyslogSystemLog& operator=(const SyslogSystemLog&) = delete;

    bool isLevelEnabled(LogLevel level) const override;
    void write(LogLevel level, std::string_view message) override;

    static int priority(LogLevel level);

private:
    std::string prefix_;
};

} // namespace tinkella
