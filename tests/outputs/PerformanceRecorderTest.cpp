#include "outputs/PerformanceRecorder.h"

#include <gtest/gtest.h>

namespace tinkella {
namespace {

constexpr std::int64_t minute = 60LL * 1000 * 1000;

// Plays for 40 simulated minutes, one event every stepMicroseconds, every third one arriving at
// the MIDI input; returns the performance kept at the end.
Performance playFortyMinutes(std::int64_t stepMicroseconds, std::size_t& kept) {
    std::int64_t now = 5 * minute;
    PerformanceRecorder recorder([&now] { return now; });
    const std::uint8_t in[] = {0x93, 64, 80};
    for (std::int64_t i = 0; i * stepMicroseconds < 40 * minute; ++i, now += stepMicroseconds) {
        if (i % 3 == 0) {
            recorder.received(in, sizeof in);
        } else {
            recorder.played(static_cast<std::uint8_t>(i % 2 ? 0x90 : 0x80), 60, 100);
        }
    }
    kept = recorder.size();
    return recorder.performance();
}

TEST(PerformanceRecorder, KeepsTheLastHalfHourWithinTheBound) {
    EXPECT_LE(PerformanceRecorder::memoryBytes(), std::size_t{4} << 20);
    std::size_t kept = 0;
    // Dense playing, 100 events a second: exactly the events of the last 30 minutes.
    Performance p = playFortyMinutes(10000, kept);
    EXPECT_EQ(p.played.size() + p.received.size(), 180000u);
    EXPECT_EQ(p.received.front().microseconds, p.end - 30 * minute);
    EXPECT_EQ(p.played.back().microseconds, p.end - 10000);
    // A flood of 1,000 events a second: the newest that fit, oldest dropped first.
    p = playFortyMinutes(1000, kept);
    EXPECT_EQ(kept, PerformanceRecorder::capacity);
    EXPECT_EQ(p.played.size() + p.received.size(), PerformanceRecorder::capacity);
    EXPECT_EQ(std::min(p.played.front().microseconds, p.received.front().microseconds),
              p.end - 1000 * static_cast<std::int64_t>(PerformanceRecorder::capacity));
}

// Beyond the wrap of the 32-bit times (71 minutes), old events are not taken for new ones.
TEST(PerformanceRecorder, ForgetsEverythingAfterALongSilence) {
    std::int64_t now = 0;
    PerformanceRecorder recorder([&now] { return now; });
    recorder.played(0x90, 60, 100);
    now = 72 * minute;
    EXPECT_TRUE(recorder.performance().played.empty());
    recorder.played(0x80, 60, 0);
    recorder.played(0xF8, 0, 0);
    const Performance p = recorder.performance();
    ASSERT_EQ(p.played.size(), 1u);
    EXPECT_EQ(p.played[0].bytes[0], 0x80);
    EXPECT_EQ(p.played[0].microseconds, now);
}

} // namespace
} // namespace tinkella
