#pragma once

#include "foundation/MidiEventRing.h"
#include "foundation/PeakLimiter.h"
#include "interfaces/AudioOutput.h"

#include <atomic>
#include <cstdint>
#include <fluidsynth.h>

namespace tinkella {

// The audio-thread half of the synthesiser graph: at the start of each buffer it applies the
// MIDI events the main thread queued, renders the synthesiser (reverb and chorus mixed in) and
// runs the peak limiter over it. While nothing sounds and nothing is queued it writes silence
// without running the synthesiser at all.
//
// Only the audio thread touches the synthesiser once rendering has begun; process() never
// locks, allocates or logs.
class FluidSynthRenderer : public AudioRenderer {
public:
    // synth must outlive the renderer; sampleRate in Hz.
    FluidSynthRenderer(fluid_synth_t* synth, double sampleRate);
    FluidSynthRenderer(const FluidSynthRenderer&) = delete;
    FluidSynthRenderer& operator=(const FluidSynthRenderer&) = delete;

    // Main thread: where MIDI events wait for the audio thread.
    MidiEventRing& events() { return events_; }
    const MidiEventRing& events() const { return events_; }
    // Main thread, before begin(): whether the limiter follows the synthesiser.
    void setLimiterInPath(bool inPath) { limiterInPath_ = inPath; }
    // Main thread: until begin() every buffer is silence and queued events wait.
    void begin() { running_.store(true, std::memory_order_release); }
    // Main thread, before the first event: whether a device's thread calls process().
    void setAudioThreadRuns(bool runs) { audioThreadRuns_ = runs; }

    // Main thread: a program change, applied off the audio thread because choosing an
    // instrument may read its samples from disk. The audio thread hands the synthesiser over
    // at its next buffer and plays silence until it gets it back; the events queued before are
    // applied first, in order. When the audio thread does not answer within a quarter second
    // the change is queued like any other event.
    bool changeProgram(const MidiEventRing::Event& event);
    // Main thread: has the audio thread hand the synthesiser over (the queued events applied
    // first), as for a program change. True when the caller now owns the synthesiser and must
    // call giveBack(); false when the audio thread did not answer within the same timeout.
    bool takeOver();
    void giveBack();

    // Audio thread: fills out[0] (left) and out[1] (right) with len frames and silences any
    // other buffer. Returns FLUID_OK.
    int process(int len, int nfx, float* fx[], int nout, float* out[]);
    // The FluidSynth audio driver's callback; data is the renderer as an AudioRenderer.
    static int callback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);
    // Audio thread of an output of our own: process() into a planar stereo pair.
    void render(float* left, float* right, int frames) override;
    bool isSilent() const override { return isIdle(); }

    const PeakLimiter& limiter() const { return limiter_; }
    // Buffers the synthesiser rendered, and buffers written as silence without it.
    std::uint64_t renderedBuffers() const { return rendered_.load(std::memory_order_relaxed); }
    std::uint64_t idleBuffers() const { return idle_.load(std::memory_order_relaxed); }
    // Main thread: program changes the audio thread handed the synthesiser over for.
    std::uint64_t handOvers() const { return handOvers_; }
    // Snapshot for the main thread: true while the synthesiser is skipped.
    bool isIdle() const { return isIdle_.load(std::memory_order_relaxed); }

private:
    bool applyQueuedEvents();
    void apply(const MidiEventRing::Event& event);

    // Who may touch the synthesiser and pop events: the audio thread, or the main thread
    // once the audio thread has handed over.
    enum Owner : int { AudioThread, HandOverAsked, MainThread };

    fluid_synth_t* synth_;
    MidiEventRing events_;
    PeakLimiter limiter_;
    bool limiterInPath_ = true;
    bool audioThreadRuns_ = false;
    std::uint64_t handOvers_ = 0;
    std::atomic<int> owner_{AudioThread};
    std::atomic<bool> running_{false};
    std::atomic<bool> isIdle_{true};
    // Frames in a row in which no voice played and the output stayed below the quiet level.
    std::uint64_t quietFrames_ = 0;
    std::uint64_t quietFramesToIdle_;
    std::atomic<std::uint64_t> rendered_{0};
    std::atomic<std::uint64_t> idle_{0};
};

} // namespace tinkella
