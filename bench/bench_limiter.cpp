// What the peak limiter does to the loudest thing one player can do: a ten-note chord at full
// velocity on the piano, rendered offline by the program's FluidSynth set-up without the limiter,
// then limited with a given look-ahead. Reports how far the gain fell and how much the limited
// sound differs from the same chord merely made quieter.
#include "adapters/fluidsynth/FluidSynthInstance.h"
#include "adapters/fluidsynth/FluidSynthSoundFont.h"
#include "adapters/fluidsynth/FluidSynthSynthesizer.h"
#include "foundation/PeakLimiter.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace tinkella {
namespace {

constexpr double rate = 48000.0;
constexpr std::size_t seconds = 3;
const std::uint32_t chord[10] = {36, 43, 48, 52, 55, 60, 64, 67, 72, 76};

struct Stereo {
    std::vector<float> left = std::vector<float>(seconds * 48000);
    std::vector<float> right = std::vector<float>(seconds * 48000);
};

// The chord straight from the synthesiser (no limiter), reverb and chorus mixed in as the
// program mixes them, its master gain the program's times gainFactor. Empty when no sound font
// is installed.
Stereo renderChord(double gainFactor) {
    const FluidSynthOptions options;
    std::string error;
    const std::unique_ptr<FluidSynthInstance> instance =
        FluidSynthInstance::make(rate, options.gain * gainFactor,
                                 soundFontCandidates(options.soundFont, options.soundFontDirectory),
                                 options.soundFontDirectory, error);
    if (!instance) {
        return {{}, {}};
    }
    fluid_synth_t* synth = instance->synth();
    fluid_synth_program_change(synth, 0, 0);
    for (std::uint32_t note : chord) {
        fluid_synth_noteon(synth, 0, static_cast<int>(note), 127);
    }
    Stereo s;
    for (std::size_t at = 0; at < s.left.size(); at += 64) {
        float* out[2] = {s.left.data() + at, s.right.data() + at};
        float* effects[4] = {out[0], out[1], out[0], out[1]};
        fluid_synth_process(synth, 64, 4, effects, 2, out);
    }
    return s;
}

// Second-order Butterworth high-pass (bilinear transform), one channel at a time.
class HighPass {
public:
    explicit HighPass(double cutoff) {
        const double k = std::tan(std::numbers::pi * cutoff / rate);
        const double norm = 1.0 / (1.0 + std::numbers::sqrt2 * k + k * k);
        b0_ = norm;
        a1_ = 2.0 * (k * k - 1.0) * norm;
        a2_ = (1.0 - std::numbers::sqrt2 * k + k * k) * norm;
    }
    double operator()(double x) {
        const double y = b0_ * (x - 2.0 * x1_ + x2_) - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_, a1_, a2_;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

double decibels(double powerRatio) {
    return 10.0 * std::log10(std::max(powerRatio, 1e-30));
}

// Arguments: look-ahead in frames at 48 kHz; the synthesiser's gain in tenths of the program's.
void BM_ChordThroughLimiter(benchmark::State& state) {
    const std::size_t lookAhead = static_cast<std::size_t>(state.range(0));
    const double gainFactor = static_cast<double>(state.range(1)) / 10.0;
    const Stereo in = renderChord(gainFactor);
    if (in.left.empty()) {
        state.SkipWithError("no synthesiser (sound font missing?)");
        return;
    }
    const std::size_t frames = in.left.size();
    Stereo out;
    double lowestGain = 1.0;
    double steepestFall = 0.0; // dB per frame
    std::size_t limitedFrames = 0;
    for (auto _ : state) {
        PeakLimiter limiter(rate, PeakLimiter::defaultCeiling,
                            static_cast<double>(lookAhead) / rate);
        // One frame per call, to read the gain of every frame.
        for (std::size_t i = 0; i < frames; ++i) {
            const double before = limiter.currentGain();
            limiter.process(&in.left[i], &in.right[i], &out.left[i], &out.right[i], 1);
            lowestGain = std::min(lowestGain, limiter.currentGain());
            steepestFall =
                std::max(steepestFall, 20.0 * std::log10(before / limiter.currentGain()));
            limitedFrames += limiter.currentGain() < 1.0 ? 1 : 0;
        }
    }
    // The reference is the input delayed by the look-ahead and scaled by the one gain that
    // fits the output best; the error is everything a fixed volume change would not do.
    double cross = 0.0;
    double inputPower = 0.0;
    float inputPeak = 0.0f;
    float outputPeak = 0.0f;
    for (std::size_t i = 0; i + lookAhead < frames; ++i) {
        cross += in.left[i] * out.left[i + lookAhead] + in.right[i] * out.right[i + lookAhead];
        inputPower += in.left[i] * in.left[i] + in.right[i] * in.right[i];
        inputPeak = std::max({inputPeak, std::fabs(in.left[i]), std::fabs(in.right[i])});
    }
    const double scale = cross / inputPower;
    double referencePower = 0.0;
    double errorPower = 0.0;
    double highErrorPower = 0.0;
    HighPass highLeft(5000.0);
    HighPass highRight(5000.0);
    for (std::size_t i = 0; i + lookAhead < frames; ++i) {
        const double l = scale * in.left[i];
        const double r = scale * in.right[i];
        const double el = out.left[i + lookAhead] - l;
        const double er = out.right[i + lookAhead] - r;
        referencePower += l * l + r * r;
        errorPower += el * el + er * er;
        const double hl = highLeft(el);
        const double hr = highRight(er);
        highErrorPower += hl * hl + hr * hr;
        outputPeak = std::max(
            {outputPeak, std::fabs(out.left[i + lookAhead]), std::fabs(out.right[i + lookAhead])});
    }
    // The same with the best gain for each 10 ms block: what is left is what the gain does
    // within a few cycles of the chord's fundamental (the attacks), not the slow ride down
    // and back (the release), which a listener hears as a volume change.
    constexpr std::size_t block = 480;
    double blockErrorPower = 0.0;
    for (std::size_t at = 0; at + block + lookAhead <= frames; at += block) {
        double c = 0.0;
        double p = 0.0;
        for (std::size_t i = at; i < at + block; ++i) {
            c += in.left[i] * out.left[i + lookAhead] + in.right[i] * out.right[i + lookAhead];
            p += in.left[i] * in.left[i] + in.right[i] * in.right[i];
        }
        const double g = p > 0.0 ? c / p : 0.0;
        for (std::size_t i = at; i < at + block; ++i) {
            const double el = out.left[i + lookAhead] - g * in.left[i];
            const double er = out.right[i + lookAhead] - g * in.right[i];
            blockErrorPower += el * el + er * er;
        }
    }
    state.counters["in_peak_dBFS"] = 20.0 * std::log10(inputPeak);
    state.counters["out_peak_dBFS"] = 20.0 * std::log10(outputPeak);
    state.counters["max_reduction_dB"] = -20.0 * std::log10(lowestGain);
    state.counters["limited_ms"] = 1000.0 * static_cast<double>(limitedFrames) / rate /
                                   static_cast<double>(state.iterations());
    state.counters["error_dB"] = decibels(errorPower / referencePower);
    state.counters["error_above_5k_dB"] = decibels(highErrorPower / referencePower);
    state.counters["error_10ms_dB"] = decibels(blockErrorPower / referencePower);
    state.counters["steepest_fall_dB_per_ms"] = steepestFall * rate / 1000.0;
}
BENCHMARK(BM_ChordThroughLimiter)
    ->ArgsProduct({{64, 16}, {10, 14, 20}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tinkella

BENCHMARK_MAIN();
