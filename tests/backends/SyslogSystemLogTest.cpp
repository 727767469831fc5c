#include "adapters/syslog/SyslogSystemLog.h"

#include <gtest/gtest.h>
#include <syslog.h>

namespace tinkella {
namespace {

class SyslogLevels : public ::testing::Test {
protected:
    SyslogLevels() : saved_(::setlogmask(0)) {}
    ~SyslogLevels() override { ::setlogmask(saved_); }
    int saved_;
};

TEST_F(SyslogLevels, DefaultIsNoticeAndErrorIsErr) {
    EXPECT_EQ(SyslogSystemLog::priority(LogLevel::Default), LOG_NOTICE);
    EXPECT_EQ(SyslogSystemLog::priority(LogLevel::Error), LOG_ERR);
}

TEST_F(SyslogLevels, EnabledLevelsFollowTheLogMask) {
    SyslogSystemLog log("midi");
    ::setlogmask(LOG_UPTO(LOG_DEBUG));
    EXPECT_TRUE(log.isLevelEnabled(LogLevel::Default));
    EXPECT_TRUE(log.isLevelEnabled(LogLevel::Error));
    ::setlogmask(LOG_UPTO(LOG_ERR));
    EXPECT_FALSE(log.isLevelEnabled(LogLevel::Default));
    EXPECT_TRUE(log.isLevelEnabled(LogLevel::Error));
    ::setlogmask(LOG_MASK(LOG_NOTICE));
    EXPECT_TRUE(log.isLevelEnabled(LogLevel::Default));
    EXPECT_FALSE(log.isLevelEnabled(LogLevel::Error));
    log.write(LogLevel::Default, "test entry from the syslog test");
}

} // namespace
} // namespace tinkella
