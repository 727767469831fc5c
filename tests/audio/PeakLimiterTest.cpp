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
    explicit Stereo(std::size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::size_t size() const { return left.size(); }
    float peak() const {
        float p = 0.0f;
        for (std::size_t i = 0; i < size(); ++i) {
            p = std::max({p, std::fabs(left[i]), std::fabs(right[i])});
        }
        return p;
    }
};

// Runs the whole signal through in buffers of the given size.
Stereo run(PeakLimiter& limiter, const Stereo& in, std::size_t buffer = 64) {
    Stereo out(in.size());
    for (std::size_t at = 0; at < in.size(); at += buffer) {
        const std::size_t n = std::min(buffer, in.size() - at);
        limiter.process(in.left.data() + at, in.right.data() + at, out.left.data() + at,
                        out.right.data() + at, n);
    }
    return out;
}

Stereo constant(std::size_t frames, float value) {
    Stereo s(frames);
    std::fill(s.left.begin(), s.left.end(), value);
    std::fill(s.right.begin(), s.right.end(), value);
    return s;
}

// Uniform noise in [-level, level] on both channels, the same for the same seed.
Stereo noise(std::size_t frames, unsigned seed, float level) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> sample(-level, level);
    Stereo s(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        s.left[i] = sample(random);
        s.right[i] = sample(random);
    }
    return s;
}

Stereo concat(const std::vector<Stereo>& parts) {
    Stereo s;
    for (const Stereo& p : parts) {
        s.left.insert(s.left.end(), p.left.begin(), p.left.end());
        s.right.insert(s.right.end(), p.right.begin(), p.right.end());
    }
    return s;
}

TEST(PeakLimiter, LatencyIsTheLookAheadOfAtMostSixteenFramesAt48kHz) {
    for (double sampleRate : {44100.0, 48000.0, 96000.0}) {
        PeakLimiter limiter(sampleRate);
        const std::size_t latency = limiter.latencyFrames();
        EXPECT_GE(latency, 1u);
        EXPECT_LE(static_cast<double>(latency) * 48000.0 / sampleRate, 16.5) << sampleRate;
        Stereo in(256);
        in.left[3] = 0.5f;
        in.right[3] = -0.25f;
        Stereo out = run(limiter, in);
        for (std::size_t i = 0; i < out.size(); ++i) {
            EXPECT_EQ(out.left[i], i == 3 + latency ? 0.5f : 0.0f) << i;
            EXPECT_EQ(out.right[i], i == 3 + latency ? -0.25f : 0.0f) << i;
        }
    }
    EXPECT_EQ(PeakLimiter(48000.0).latencyFrames(), 16u);
}

TEST(PeakLimiter, SilenceStaysExactSilenceAndSettled) {
    PeakLimiter limiter(rate);
    EXPECT_TRUE(limiter.isSettled());
    Stereo out = run(limiter, Stereo(4800));
    EXPECT_EQ(out.peak(), 0.0f);
    EXPECT_TRUE(limiter.isSettled());
}

TEST(PeakLimiter, BelowTheCeilingOutputIsTheDelayedInputBitForBit) {
    PeakLimiter limiter(rate);
    Stereo in = noise(48000, 7, ceiling);
    in.left[100] = ceiling;
    Stereo out = run(limiter, in, 97);
    const std::size_t latency = limiter.latencyFrames();
    for (std::size_t i = latency; i < in.size(); ++i) {
        ASSERT_EQ(out.left[i], in.left[i - latency]) << i;
        ASSERT_EQ(out.right[i], in.right[i - latency]) << i;
    }
    EXPECT_EQ(limiter.currentGain(), 1.0);
}

TEST(PeakLimiter, FullScaleChordOfTenSinesStaysUnderTheCeilingWithoutCollapsing) {
    PeakLimiter limiter(rate);
    const double notes[10] = {261.63, 293.66, 329.63, 349.23, 392.0,
                              440.0,  493.88, 523.25, 587.33, 659.25};
    Stereo in(48000 * 2);
    for (std::size_t i = 0; i < in.size(); ++i) {
        double sum = 0.0;
        for (double f : notes) {
            sum += std::sin(2.0 * std::numbers::pi * f * static_cast<double>(i) / rate);
        }
        in.left[i] = static_cast<float>(sum);
        in.right[i] = static_cast<float>(0.8 * sum);
    }
    ASSERT_GT(in.peak(), 5.0f);
    Stereo out = run(limiter, in);
    EXPECT_LE(out.peak(), ceiling);
    // A gain, not clipping: both channels are scaled alike, so their ratio survives.
    const std::size_t latency = limiter.latencyFrames();
    for (std::size_t i = 0; i + latency < out.size(); ++i) {
        if (std::fabs(in.left[i]) > 0.5f) {
            ASSERT_NEAR(out.right[i + latency] / out.left[i + latency], 0.8f, 1e-4f) << i;
        }
    }
    // The limiter rides the peaks rather than holding the level far down.
    float lastSecondPeak = 0.0f;
    for (std::size_t i = 48000; i < out.size(); ++i) {
        lastSecondPeak = std::max(lastSecondPeak, std::fabs(out.left[i]));
    }
    EXPECT_GT(lastSecondPeak, 0.9f * ceiling);
}

TEST(PeakLimiter, IsolatedImpulsesOfAnySizeAreHeldAtTheCeiling) {
    PeakLimiter limiter(rate);
    Stereo in(9600);
    const float sizes[] = {1.0f, 2.0f, 100.0f, 1e30f, -5.0f, std::numeric_limits<float>::max()};
    for (std::size_t k = 0; k < std::size(sizes); ++k) {
        in.left[500 + k * 1500] = sizes[k];
        in.right[501 + k * 1500] = -sizes[k];
    }
    Stereo out = run(limiter, in, 31);
    EXPECT_LE(out.peak(), ceiling);
    const std::size_t latency = limiter.latencyFrames();
    EXPECT_FLOAT_EQ(out.left[500 + latency], ceiling);
    EXPECT_FLOAT_EQ(out.left[500 + 2 * 1500 + latency], ceiling);
}

TEST(PeakLimiter, NonFiniteInputBecomesSilence) {
    PeakLimiter limiter(rate);
    Stereo in = constant(512, 0.5f);
    in.left[10] = std::numeric_limits<float>::infinity();
    in.right[11] = -std::numeric_limits<float>::infinity();
    in.left[12] = std::numeric_limits<float>::quiet_NaN();
    Stereo out = run(limiter, in);
    for (std::size_t i = 0; i < out.size(); ++i) {
        ASSERT_TRUE(std::isfinite(out.left[i]) && std::isfinite(out.right[i])) << i;
    }
    EXPECT_EQ(out.left[10 + limiter.latencyFrames()], 0.0f);
    EXPECT_LE(out.peak(), ceiling);
}

TEST(PeakLimiter, StepUpIsCaughtBeforeItLeavesAndStepDownRecoversSmoothlyToUnity) {
    PeakLimiter limiter(rate);
    Stereo in = concat({constant(4800, 0.5f), constant(4800, 4.0f), constant(48000, 0.5f)});
    Stereo out = run(limiter, in);
    EXPECT_LE(out.peak(), ceiling);
    const std::size_t latency = limiter.latencyFrames();
    // During the loud part the gain holds the level at the ceiling.
    EXPECT_FLOAT_EQ(out.left[4800 + latency + 100], ceiling);
    // After it, the gain only rises, by small steps, and ends exactly at unity.
    double previous = out.left[9600 + latency] / 0.5;
    for (std::size_t i = 9600 + latency + 1; i < out.size(); ++i) {
        const double gain = out.left[i] / 0.5;
        ASSERT_GE(gain, previous - 1e-9) << i;
        ASSERT_LT(gain - previous, 0.01) << i;
        previous = gain;
    }
    EXPECT_EQ(out.left.back(), 0.5f);
    EXPECT_EQ(limiter.currentGain(), 1.0);
    // The recovery takes tens of milliseconds, not a single buffer.
    EXPECT_LT(out.left[9600 + latency + 480], 0.45f);
}

TEST(PeakLimiter, GainFallsAheadOfAPeakInsteadOfJumping) {
    PeakLimiter limiter(rate);
    Stereo in = concat({constant(1000, 0.5f), constant(1000, 1.78f)});
    Stereo out = run(limiter, in);
    const std::size_t latency = limiter.latencyFrames();
    for (std::size_t i = latency + 1; i < out.size(); ++i) {
        if (i == 1000 + latency) {
            continue; // the step of the input itself
        }
        ASSERT_LT(std::fabs(out.left[i] - out.left[i - 1]), 0.02f) << i;
    }
    EXPECT_LE(out.peak(), ceiling);
}

TEST(PeakLimiter, SettlesAfterTheLastSoundHasLeftAndTheGainRecovered) {
    PeakLimiter limiter(rate);
    run(limiter, constant(480, 3.0f));
    EXPECT_FALSE(limiter.isSettled());
    run(limiter, Stereo(limiter.latencyFrames()));
    EXPECT_FALSE(limiter.isSettled()) << "the gain is still recovering";
    run(limiter, Stereo(48000));
    EXPECT_TRUE(limiter.isSettled());
    run(limiter, constant(1, 0.001f));
    EXPECT_FALSE(limiter.isSettled()) << "a sample is in the delay";
    limiter.reset();
    EXPECT_TRUE(limiter.isSettled());
}

TEST(PeakLimiter, InPlaceAndAnyBufferSplitGiveTheSameOutput) {
    const Stereo in = noise(20000, 3, 3.0f);
    PeakLimiter a(rate);
    PeakLimiter b(rate);
    Stereo outA = run(a, in, 64);
    Stereo inPlace = in;
    for (std::size_t at = 0, n = 1; at < in.size(); at += n, n = n % 700 + 13) {
        n = std::min(n, in.size() - at);
        b.process(inPlace.left.data() + at, inPlace.right.data() + at, inPlace.left.data() + at,
                  inPlace.right.data() + at, n);
    }
    EXPECT_EQ(outA.left, inPlace.left);
    EXPECT_EQ(outA.right, inPlace.right);
}

// Long random input with wildly changing levels: the ceiling holds for every sample.
TEST(PeakLimiter, RandomInputNeverExceedsTheCeiling) {
    for (double sampleRate : {22050.0, 44100.0, 48000.0, 192000.0}) {
        PeakLimiter limiter(sampleRate);
        std::mt19937 random(static_cast<unsigned>(sampleRate));
        std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
        std::uniform_int_distribution<int> buffer(1, 1024);
        std::uniform_real_distribution<float> decibels(-60.0f, 80.0f);
        Stereo in(1 << 13);
        Stereo out(in.size());
        float worst = 0.0f;
        for (int block = 0; block < 60; ++block) {
            for (std::size_t i = 0; i < in.size(); ++i) {
                if (i % 300 == 0) {
                    float level = std::pow(10.0f, decibels(random) / 20.0f);
                    for (std::size_t j = i; j < std::min(in.size(), i + 300); ++j) {
                        in.left[j] = level * unit(random);
                        in.right[j] = (j % 7 == 0 ? 20.0f : 1.0f) * level * unit(random);
                    }
                }
            }
            for (std::size_t at = 0; at < in.size();) {
                const std::size_t n =
                    std::min<std::size_t>(static_cast<std::size_t>(buffer(random)), in.size() - at);
                limiter.process(in.left.data() + at, in.right.data() + at, out.left.data() + at,
                                out.right.data() + at, n);
                at += n;
            }
            worst = std::max(worst, out.peak());
        }
        EXPECT_LE(worst, ceiling) << sampleRate;
        EXPECT_GT(worst, 0.5f * ceiling) << sampleRate;
    }
}

TEST(PeakLimiter, CustomCeilingIsHonoured) {
    PeakLimiter limiter(rate, 0.5f);
    Stereo out = run(limiter, constant(4800, 0.9f));
    EXPECT_LE(out.peak(), 0.5f);
    EXPECT_FLOAT_EQ(out.left.back(), 0.5f);
}

} // namespace
} // namespace tinkella
