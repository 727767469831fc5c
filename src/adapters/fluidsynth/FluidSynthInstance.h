#pragma once

#include "foundation/PeakLimiter.h"

#include <array>
#include <cstdint>
#include <fluidsynth.h>
#include <memory>
#include <string>
#include <vector>

namespace tinkella {

// What has been sent to each of the 32 channels that a synthesiser keeps: its program and its
// controllers. A synthesiser made to replace another starts from it.
class ChannelState {
public:
    static constexpr int channelCount = 32;

    ChannelState();
    // A channel message (channel 0..31, status with the channel's low four bits, two data bytes)
    // as it is sent. Returns whether FluidSynth may be given it: a data entry (controller 6) only
    // for registered parameters 0..2 (bend range, fine and coarse tuning). For the tuning program
    // (3) FluidSynth would make a tuning, allocating on the audio thread; non-registered ones set
    // its generators, which nothing sets back.
    bool note(int channel, std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    // Sets synth's channels to what was sent: bank select and the other controllers, the bend
    // range last entered (registered parameter 0), then the program. Channel-mode controllers
    // (120 and above) and the other parameter-number sequences are left out: they are events,
    // not state.
    void applyTo(fluid_synth_t* synth) const;

private:
    static constexpr std::int16_t unset = -1;
    std::array<std::uint8_t, channelCount> programs_{};
    std::array<bool, channelCount> programSent_{};
    std::array<std::array<std::int16_t, 120>, channelCount> controllers_{};
    std::array<bool, channelCount> nonRegistered_{};      // chosen last: 99 or 98, not 101 or 100
    std::array<std::int16_t, channelCount> bendRanges_{}; // semitones entered, or unset
};

// One FluidSynth synthesiser with its own settings and one sound font, every sample of which is
// in memory: nothing it plays reads a file; and the peak limiter its sound goes through, made
// at the same rate. Made and destroyed off the audio thread; in between one thread at a time
// uses it (FluidSynth's own locking is off).
class FluidSynthInstance {
public:
    // The first of candidates that loads, at sampleRate (Hz) with the master gain. Null with a
    // one-line reason in error when none does (directory names where default fonts were
    // looked for). Blocks while the font is read.
    static std::unique_ptr<FluidSynthInstance> make(double sampleRate, double gain,
                                                    const std::vector<std::string>& candidates,
                                                    const std::string& directory,
                                                    std::string& error);
    ~FluidSynthInstance();
    FluidSynthInstance(const FluidSynthInstance&) = delete;
    FluidSynthInstance& operator=(const FluidSynthInstance&) = delete;

    fluid_synth_t* synth() const { return synth_; }
    PeakLimiter& limiter() { return limiter_; }
    const std::string& soundFontPath() const { return soundFontPath_; }
    double sampleRate() const { return sampleRate_; }

private:
    explicit FluidSynthInstance(double sampleRate)
        : sampleRate_(sampleRate), limiter_(sampleRate) {}

    const double sampleRate_;
    PeakLimiter limiter_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    std::string soundFontPath_;
};

} // namespace tinkella
