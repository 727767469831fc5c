#include "outputs/PerformanceRecorder.h"

#include <gtest/gtest.h>

namespace tinkella {
namespace {

constexpr std::int64_t minute = 60LL * 1000 * 1000;

// 40 simulated minutes, one event every step, every third from the MIDI input: 100 a second
// keep exactly the last 30 minutes; 1,000 a second, the newest that fit. After a silence longer
// than the 32-bit times' wrap (71 minutes), nothing old is taken for new.
TEST(PerformanceRecorder, KeepsTheLastHalfHourWithinTheBound) {
    for (const std::int64_t step : {10000, 1000}) {
        std::int64_t now = 5 * minute;
        PerformanceRecorder recorder([&now] { return now; });
        const std::uint8_t in[] = {0x93, 64, 80};
        for (std::int64_t i = 0; i * step < 40 * minute; ++i, now += step) {
            i % 3 ? recorder.played(i % 2 ? 0x90 : 0x80, 60, 100) : recorder.received(in, 3);
        }
        const Performance p = recorder.performance();
        const std::size_t kept = std::min<std::size_t>(30 * minute / step, recorder.capacity);
        ASSERT_EQ(p.played.size() + p.received.size(), kept);
        EXPECT_EQ(std::min(p.played.front().microseconds, p.received.front().microseconds),
                  p.end - step * static_cast<std::int64_t>(kept));
        EXPECT_EQ(p.played.back().microseconds, p.end - step);
        now += 72 * minute;
        EXPECT_TRUE(recorder.performance().played.empty());
        recorder.played(0x80, 60, 0);
        EXPECT_EQ(recorder.performance().played.size(), 1u);
    }
}

} // namespace
} // namespace tinkella
