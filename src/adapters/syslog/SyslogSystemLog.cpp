#include "adapters/syslog/SyslogSystemLog.h"

#include <syslog.h>

namespace tinkella {

SyslogSystemLog::SyslogSystemLog(std::string_view category)
    // Appended in place: GCC 12 at -O3 reports a false -Wrestrict overlap for
    // "literal" + std::string.
    : prefix_(std::string("[").append(category).append("] ")) {
    // identity is a string literal: syslog keeps the pointer for the process's lifetime.
    ::openlog(identity, LOG_PID | LOG_NDELAY, LOG_USER);
}

SyslogSystemLog::~SyslogSystemLog() = default;

int SyslogSystemLog::priority(LogLevel level) {
    return level == LogLevel::Error ? LOG_ERR : LOG_NOTICE;
}

bool SyslogSystemLog::isLevelEnabled(LogLevel level) const {
    // setlogmask(0) reads the mask without changing it.
    return (::setlogmask(0) & LOG_MASK(priority(level))) != 0;
}

void SyslogSystemLog::write(LogLevel level, std::string_view message) {
    const std::string text = prefix_ + std::string(message);
    ::syslog(priority(level), "%s", text.c_str());
}

} // namespace tinkella
