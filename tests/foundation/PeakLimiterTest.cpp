#include "foundation/PeakLimiter.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace tinkella {
namespace {

constexpr double rate = 48000.0;
constexpr float ceiling = PeakLimiter::defaultCeiling;

struct Stereo {
    std::vector<float> left, right;
    explicit Stereo(std::size_t frames = 0, float value = 0)
        : left(frames, value), right(frames, value) {}
    Stereo& then(std::size_t frames, float value) {
        left.resize(left.size() + frames, value);
        right.resize(right.size() + frames, value);
        return *this;
    }
    float peak() const {
        float p = 0.0f;
        for (std::size_t i = 0; i < left.size(); ++i) {
            p = std::max({p, std::fabs(left[i]), std::fabs(right[i])});
        }
        return p;
    }
};

// Runs the signal through in buffers of the given size, in place as the renderer does.
Stereo run(PeakLimiter& limiter, const Stereo& in, std::size_t buffer = 64) {
    Stereo out = in;
    for (std::size_t at = 0; at < in.left.size(); at += buffer) {
        const std::size_t n = std::min(buffer, in.left.size() - at);
        limiter.process(out.left.data() + at, out.right.data() + at, out.left.data() + at,
                        out.right.data() + at, n);
    }
    return out;
}

// Below the ceiling the output is the input delayed by at most sixteen frames; impulses of
// any size and non-finite samples after that never leave above the ceiling, and non-finite
// input becomes silence. Other buffer sizes give the same output.
TEST(PeakLimiter, QuietInputIsOnlyDelayedAndImpulsesAreHeldAtTheCeiling) {
    PeakLimiter limiter(rate);
    const std::size_t latency = limiter.latencyFrames(), quiet = 48000;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> sample(-ceiling, ceiling);
    Stereo in(quiet);
    for (std::size_t i = 0; i < quiet; ++i) {
        in.left[i] = sample(random);
        in.right[i] = sample(random);
    }
    in.then(9600, 0.1f);
    using L = std::numeric_limits<float>;
    const float sizes[] = {2.0f, 1e30f, -5.0f, L::max(), L::infinity(), L::quiet_NaN()};
    for (std::size_t k = 0; k < std::size(sizes); ++k) {
        in.left[quiet + 500 + k * 1500] = sizes[k];
        in.right[quiet + 501 + k * 1500] = -sizes[k];
    }
    const Stereo out = run(limiter, in, 97);
    PeakLimiter again(rate);
    EXPECT_EQ(run(again, in, 64).left, out.left);
    for (std::size_t i = latency; i < quiet; ++i) {
        ASSERT_EQ(out.left[i], in.left[i - latency]) << i;
        ASSERT_EQ(out.right[i], in.right[i - latency]) << i;
    }
    EXPECT_LE(out.peak(), ceiling);
    EXPECT_FLOAT_EQ(out.left[quiet + 500 + latency], ceiling);
    EXPECT_EQ(out.left[quiet + 500 + 4 * 1500 + latency], 0.0f);
    EXPECT_TRUE(
        std::all_of(out.left.begin(), out.left.end(), [](float s) { return std::isfinite(s); }));
}

// The gain falls ahead of a loud stretch without jumps (a 16-frame ramp from 0.5 down to 0.1125
// moves at most 0.025 a frame; a jump would be 0.39), holds it at the ceiling, then rises
// back to exactly unity over tens of milliseconds.
TEST(PeakLimiter, LoudStretchIsRiddenSmoothlyAndRecoversToUnity) {
    PeakLimiter limiter(rate, 0.9f);
    const Stereo out = run(limiter, Stereo(4800, 0.5f).then(4800, 4.0f).then(48000, 0.5f));
    const std::size_t latency = limiter.latencyFrames();
    EXPECT_LE(out.peak(), 0.9f);
    for (std::size_t i = latency + 1; i < 4800 + latency; ++i) {
        ASSERT_LT(std::fabs(out.left[i] - out.left[i - 1]), 0.03f) << i;
    }
    EXPECT_FLOAT_EQ(out.left[4800 + latency + 100], 0.9f);
    EXPECT_LT(out.left[9600 + latency + 480], 0.45f);
    for (std::size_t i = 9600 + latency + 1; i < out.left.size(); ++i) {
        ASSERT_GE(out.left[i], out.left[i - 1] - 1e-7f) << i;
        ASSERT_LT(out.left[i] - out.left[i - 1], 0.005f) << i;
    }
    EXPECT_EQ(out.left.back(), 0.5f);
}

// A sine just above the ceiling comes out as the same sine made quieter, not flattened at the
// ceiling: once the gain has settled, every loud sample is the delayed input times one gain.
TEST(PeakLimiter, ASineJustAboveTheCeilingIsScaledNotFlattened) {
    PeakLimiter limiter(rate);
    Stereo in(48000);
    for (std::size_t i = 0; i < in.left.size(); ++i) {
        in.left[i] = in.right[i] =
            1.05f * ceiling * static_cast<float>(std::sin(2 * std::numbers::pi * 441 * i / rate));
    }
    const Stereo out = run(limiter, in);
    float lowest = 2.0f, highest = 0.0f; // output / input where the input is loud
    for (std::size_t i = 24000; i < in.left.size(); ++i) {
        const float before = in.left[i - limiter.latencyFrames()];
        lowest = std::fabs(before) > 0.1f ? std::min(lowest, out.left[i] / before) : lowest;
        highest = std::fabs(before) > 0.1f ? std::max(highest, out.left[i] / before) : highest;
    }
    EXPECT_LT(highest - lowest, 0.002f) << "one gain for the whole wave";
    EXPECT_NEAR(highest, 1.0f / 1.05f, 0.01f);
}

} // namespace
} // namespace tinkella
