#pragma once

#include "adapters/pipewire/PipeWireOutput.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <pipewire/pipewire.h>
#include <string>

namespace tinkella {

// What the streams an output makes one after another share with it: owned by the output, which
// outlives them all.
struct PipeWirePlayback {
    // Set once by the main thread; silence is played before.
    std::atomic<AudioRenderer*> renderer{nullptr};
    // Written by the data thread: the graph's cycle as last seen (frames).
    std::atomic<std::uint32_t> quantum{0};
};

// One playback stream on a connected core: planar 32-bit float stereo at options.sampleRate,
// under the node name, application and role that mixers and policies show, asking for
// options.latencyFrames. PipeWire's data thread runs process() only; the loop thread makes,
// activates and destroys the stream with the thread loop locked, and hears its state changes.
class PipeWireStream {
public:
    // Loop thread: every state the stream enters, with PipeWire's reason on an error.
    using StateHandler = std::function<void(pw_stream_state state, const char* error)>;

    // Null with a one-line reason in error.
    static std::unique_ptr<PipeWireStream> connect(pw_core* core,
                                                   const PipeWireStreamOptions& options,
                                                   PipeWirePlayback& playback, StateHandler onState,
                                                   std::string& error);
    // Reports no state change from its start on.
    ~PipeWireStream();
    PipeWireStream(const PipeWireStream&) = delete;
    PipeWireStream& operator=(const PipeWireStream&) = delete;

    void setActive(bool active);
    // The rate the graph agreed for the stream (Hz), 0 before. The stream offers only the
    // renderer's rate, so PipeWire resamples to its graph's; should it ever agree on another
    // one, the stream plays silence rather than the renderer's sound at the wrong pitch.
    std::uint32_t rate() const { return rate_; }
    bool rateMatches() const { return rateMatches_.load(std::memory_order_relaxed); }

private:
    PipeWireStream(PipeWirePlayback& playback, StateHandler onState, double sampleRate);

    static const pw_stream_events events;
    static void onProcess(void* data);
    static void onStateChanged(void* data, pw_stream_state, pw_stream_state state,
                               const char* error);
    static void onIoChanged(void* data, std::uint32_t id, void* area, std::uint32_t size);
    static void onParamChanged(void* data, std::uint32_t id, const spa_pod* param);

    PipeWirePlayback& playback_;
    const StateHandler onState_;
    const double sampleRate_;
    // Set before the stream connects, so before the data thread can run.
    pw_stream* stream_ = nullptr;
    spa_hook listener_{};
    // Written by the loop thread, read by the data thread.
    std::atomic<spa_io_position*> position_{nullptr};
    std::atomic<bool> rateMatches_{true};
    // Loop thread only.
    std::uint32_t rate_ = 0;
};

} // namespace tinkella
