#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tinkella {

// A stereo look-ahead peak limiter for the synthesiser's output. Both channels share one gain.
// The output sample peak never exceeds the ceiling, whatever the input (infinities and NaNs
// become silence); below the ceiling, once the gain has recovered, the output is the input
// delayed by latencyFrames(), bit for bit. The gain falls in a straight line over the
// look-ahead so it reaches its target exactly when the peak leaves, and recovers exponentially.
//
// All memory is allocated at construction: process() neither allocates nor locks, so it may
// run on a real-time audio thread. One thread at a time.
class PeakLimiter {
public:
    // -1 dBFS.
    static constexpr float defaultCeiling = 0.891250938f;
    // 16 frames at 48 kHz (0.33 ms): a quarter of a 64-frame period, so the limiter adds
    // little to key-to-sound latency. The gain still falls over 17 frames, never in one step.
    static constexpr double defaultLookAheadSeconds = 16.0 / 48000.0;
    static constexpr double defaultReleaseSeconds = 0.06;

    // sampleRate in Hz; ceiling a linear amplitude in (0, 1]; look-ahead of at least one frame.
    explicit PeakLimiter(double sampleRate, float ceiling = defaultCeiling,
                         double lookAheadSeconds = defaultLookAheadSeconds,
                         double releaseSeconds = defaultReleaseSeconds);

    // Delay from input to output, in frames.
    std::size_t latencyFrames() const { return lookAhead_; }
    float ceiling() const { return ceiling_; }
    // The gain applied to the frame that left last (1 = untouched).
    double currentGain() const { return lastGain_; }
    // True when the gain is back at unity and the delay holds only silence: processing
    // silence would give silence, so a caller may skip process() and write zeros instead.
    bool isSettled() const { return reducedFrames_ == 0 && silentFrames_ >= lookAhead_; }

    // Limits frames of planar stereo audio. The output may be the input (in place).
    void process(const float* inLeft, const float* inRight, float* outLeft, float* outRight,
                 std::size_t frames);
    // Forgets all history: silence in the delay, unity gain.
    void reset();

private:
    void limitFrame(float left, float right, float& outLeft, float& outRight);
    double windowMinimum(double required);

    float ceiling_;
    std::size_t lookAhead_;
    std::size_t window_; // lookAhead_ + 1: frames that share one gain decision
    double releaseCoefficient_;

    std::vector<float> delayLeft_;
    std::vector<float> delayRight_;
    std::size_t delayPos_ = 0;

    // Sliding minimum of the required gain over the window (monotonic queue, ring storage).
    std::vector<double> minValues_;
    std::vector<std::uint64_t> minFrames_;
    std::size_t minHead_ = 0;
    std::size_t minCount_ = 0;
    std::uint64_t frame_ = 0;

    double heldGain_ = 1.0; // the window minimum after release smoothing

    // Moving average of the held gain over the window, kept as a sum of reductions (1 - gain)
    // so that unity is exact once every reduction has left it.
    std::vector<double> reductions_;
    std::size_t reductionPos_ = 0;
    double reductionSum_ = 0.0;
    std::size_t reducedFrames_ = 0;

    std::size_t silentFrames_ = 0;
    double lastGain_ = 1.0;
};

} // namespace tinkella
