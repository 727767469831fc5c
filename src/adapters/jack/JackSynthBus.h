#pragma once

#include "adapters/jack/JackConnection.h"
#include "interfaces/AudioOutput.h"

#include <array>
#include <atomic>
#include <functional>
#include <jack/types.h>
#include <memory>
#include <mutex>
#include <string>

namespace tinkella {

// The synthesiser's two audio outputs, "left" and "right", on a JackConnection: the MIDI port's
// (one client carries both, and a note reaches both in the same cycle) or one of its own. The
// connection's owner calls process() from its process callback, after the cycle's MIDI.
// Shared by that owner and the stream that plays on it (output()), so that either may go
// first; once the connection has gone only the stream's detaching remains.
class JackSynthBus : public std::enable_shared_from_this<JackSynthBus> {
public:
    // The owner's thread: registers both ports on connection and connects them to the first
    // two physical playback ports; the connection remembers those connections. Null, with a
    // one-line reason in error, when the ports cannot be made.
    static std::shared_ptr<JackSynthBus> open(JackConnection& connection, std::string& error);
    JackSynthBus(const JackSynthBus&) = delete;
    JackSynthBus& operator=(const JackSynthBus&) = delete;

    // Real-time thread, within the connection's process(): frames of the renderer's audio into
    // both ports, or silence before a stream has started.
    void process(jack_nframes_t frames);

    // The owner's thread, from serverBack(): when neither output found a remembered peer (the
    // new server's playback ports have other names), connects them to its physical playback.
    void serverBack();
    // The owner's thread, from the connection's formatChanged(): when the server runs at another
    // rate or period than the stream was last told, tells it.
    void formatChanged();

    // The owner's thread, while the connection has a server: the stream that plays a renderer
    // here at the server's rate and period. One at a time; it holds keep (may be null) as long
    // as it lives.
    std::unique_ptr<AudioOutput> output(std::shared_ptr<void> keep = nullptr);

private:
    friend class JackSynthOutput;
    explicit JackSynthBus(JackConnection& connection) : connection_(connection) {}
    void connectToPlayback();

    // Valid while the connection lives; only process(), serverBack() and output() reach it.
    JackConnection& connection_;
    std::array<JackConnection::Port*, 2> ports_{};
    std::atomic<AudioRenderer*> source_{nullptr};
    // Set by process() while it may be inside source_.
    std::atomic<bool> rendering_{false};
    // The stream's rate and period, and whom to tell of a change: a stream may be made on one
    // thread and listened to from another, while the owner's thread changes them.
    mutable std::mutex formatMutex_;
    AudioOutputInfo format_{"jack", 0, 2, 0.0};
    std::function<void(const AudioOutputInfo&)> formatListener_;
};

} // namespace tinkella
