#pragma once

#include "adapters/fluidsynth/FluidSynthInstance.h"
#include "foundation/MidiEventRing.h"
#include "interfaces/AudioOutput.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

namespace tinkella {

// The audio-thread half of the synthesiser: at the start of each buffer it takes the
// synthesiser offered in place of the one it renders (with another font, or at another rate),
// applies the MIDI events the main thread queued, renders the synthesiser (reverb and chorus
// mixed in) and runs its peak limiter over it. Once nothing has sounded for a while and the output
// is below -100 dBFS it writes silence without calling either, until an event comes.
//
// Owns every synthesiser handed to it. The audio thread alone touches the one it renders;
// process() never locks, allocates, logs or reads a file.
class FluidSynthRenderer : public AudioRenderer {
public:
    explicit FluidSynthRenderer(std::unique_ptr<FluidSynthInstance> first);
    // After the audio thread has stopped for good.
    ~FluidSynthRenderer() override;
    FluidSynthRenderer(const FluidSynthRenderer&) = delete;
    FluidSynthRenderer& operator=(const FluidSynthRenderer&) = delete;

    // Main thread: where MIDI events wait for the audio thread, one queue for each set of 16
    // channels (port 0: channels 0..15, port 1: 16..31), each event's status naming its channel
    // in the set.
    static constexpr std::size_t ports = 2;
    MidiEventRing& events(std::size_t port) { return events_[port]; }
    // Events dropped because the audio thread fell behind.
    std::uint64_t droppedEvents() const { return events_[0].dropped() + events_[1].dropped(); }

    // Main thread: the audio thread renders next instead of the synthesiser it has, from the
    // start of its next buffer, after the one it let go of was collected; the queued events
    // then go to next. Returns an earlier offer it has not taken yet, for the caller to free.
    [[nodiscard]] std::unique_ptr<FluidSynthInstance>
    offer(std::unique_ptr<FluidSynthInstance> next);
    // True while an offer waits for the audio thread. Any thread.
    bool hasOffer() const { return offered_.load(std::memory_order_acquire) != nullptr; }
    // Destroys the synthesiser the audio thread let go of, if any; true when it did. Any
    // thread but the audio thread.
    bool collect();

    // Audio thread: fills out[0] (left) and out[1] (right) with len frames and silences any
    // other buffer. Returns FLUID_OK.
    int process(int len, int nfx, float* fx[], int nout, float* out[]);
    // The FluidSynth audio driver's callback; data is the renderer as an AudioRenderer.
    static int callback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);
    // Audio thread of an output of our own: process() into a planar stereo pair.
    void render(float* left, float* right, int frames) override;
    bool isSilent() const override { return isIdle(); }

    // Buffers the synthesiser rendered, and buffers written as silence without it.
    std::uint64_t renderedBuffers() const { return rendered_.load(std::memory_order_relaxed); }
    std::uint64_t idleBuffers() const { return idle_.load(std::memory_order_relaxed); }
    // Snapshot for the main thread: true while the synthesiser is skipped.
    bool isIdle() const { return isIdle_.load(std::memory_order_relaxed); }

private:
    void takeOffered();
    bool applyQueuedEvents();
    // channelBase: the channel of the event's set whose status says channel 0.
    void apply(const MidiEventRing::Event& event, int channelBase);

    FluidSynthInstance* current_; // the audio thread's
    std::atomic<FluidSynthInstance*> offered_{nullptr};
    std::atomic<FluidSynthInstance*> released_{nullptr};
    std::array<MidiEventRing, ports> events_;
    std::atomic<bool> isIdle_{true};
    std::uint64_t quietFramesToIdle_; // at current_'s rate
    // Frames in a row, up to quietFramesToIdle_, in which no voice played and the output stayed
    // below the quiet level.
    std::uint64_t quietFrames_;
    std::atomic<std::uint64_t> rendered_{0};
    std::atomic<std::uint64_t> idle_{0};
};

} // namespace tinkella
