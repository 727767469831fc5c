#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tinkella {

// A General MIDI software synthesiser playing into an audio output (or, offline, into the
// caller's buffers). Every call but render() runs on the main thread, and every message call
// returns at once: the messages reach the audio thread through a queue that never drops a
// note-off or a controller 64, 120 or 123, and are heard in the next buffer the output plays.
//
// channel 0..31: two sets of 16 MIDI channels, as behind two MIDI ports; note, velocity,
// controller, value and program 0..127. Every channel starts melodic at bank 0 and program 0, its
// bend centred, no pressure, no tuning, and a bend range (registered parameter 0) of 2 semitones
// on the first channel of each 16 and of 48 on the others, ready for an MPE zone. Registered
// parameters 0, 1 and 2 (bend range, fine and coarse tuning) are applied; other registered and
// non-registered parameters may be ignored.
class Synthesizer {
public:
    static constexpr std::uint8_t channelCount = 32;

    virtual ~Synthesizer() = default;

    virtual void noteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) = 0;
    virtual void noteOff(std::uint8_t channel, std::uint8_t note) = 0;
    virtual void controlChange(std::uint8_t channel, std::uint8_t controller,
                               std::uint8_t value) = 0;
    virtual void programChange(std::uint8_t channel, std::uint8_t program) = 0;
    // value 0..16383, 8192 centred; the channel's bend range (RPN 0) scales it.
    virtual void pitchBend(std::uint8_t channel, std::uint16_t value) = 0;
    virtual void channelPressure(std::uint8_t channel, std::uint8_t value) = 0;

    // Replaces the sound font with the file at path (empty: the system's General MIDI font).
    // The font is read whole before it plays, never on the audio thread, and where the
    // synthesiser has a thread for it not on the main thread either; the previous font plays
    // on meanwhile. Changing or deleting the file later changes nothing that sounds. done runs
    // on the main thread, perhaps before this returns (nothing to read), with empty once the
    // new font plays: every channel keeps its program, what sounded is cut. Otherwise with one
    // line for the user saying why, and the previous font plays on. A later call supersedes
    // one still being read: its done never runs and what it read is dropped.
    virtual void loadSoundFont(const std::string& path,
                               std::function<void(const std::string& error)> done) = 0;

    // Offline synthesisers only (no output): renders frames of planar stereo, full scale ±1,
    // through the synthesiser and the peak limiter on the calling thread. False otherwise.
    virtual bool render(float* left, float* right, std::size_t frames) = 0;

    // One line for the user naming the output and its latency, e.g. "synthesiser on jack, 64
    // frames × 2 at 48000 Hz (2.7 ms)"; empty offline.
    virtual std::string describeOutput() const = 0;

    // Milliseconds of one period of the output's buffer, the most often its audio thread takes
    // messages; 0 offline or unknown.
    virtual double periodMilliseconds() const { return 0; }
};

// Opens a synthesiser with its output. Null, with a one-line reason in failure ("no sound font
// found in /usr/share/sounds/sf2"), when it cannot. Any one thread; it may block (the font is
// read, the output opened).
using SynthesizerOpener = std::function<std::unique_ptr<Synthesizer>(std::string& failure)>;

} // namespace tinkella
