#pragma once

#include "adapters/jack/JackConnection.h"
#include "adapters/jack/JackSynthBus.h"
#include "interfaces/AudioOutput.h"
#include "interfaces/StandardError.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tinkella {

// The synthesiser's JACK audio on a client of its own (MIDI is not on JACK): "left" and "right"
// connected to the first two physical playback ports, kept across server restarts, and one
// line on standard error when the server goes and when it is back. Its events wait on
// pollDescriptor() until dispatchPending(), on the main thread.
class JackSynthClient final : public JackConnectionListener,
                              public std::enable_shared_from_this<JackSynthClient> {
public:
    static constexpr const char* goneLine =
        "Tinkella: the JACK server has gone away \u2014 sound waits for it to come back\n";
    static constexpr const char* backLine =
        "Tinkella: the JACK server is back \u2014 sound plays again\n";

    // Joins the running server as clientName, never starting one. Null when it cannot: error
    // is empty when no server runs (so that another output is tried, unmentioned), otherwise a
    // one-line reason. Any one thread; the main thread takes over from dispatchPending() on.
    static std::shared_ptr<JackSynthClient> open(std::string_view clientName,
                                                 std::unique_ptr<StandardErrorWriter> standardError,
                                                 std::string& error);

    // The stream playing on this client; it keeps the client alive.
    std::unique_ptr<AudioOutput> output();
    int pollDescriptor() const { return connection_->pollDescriptor(); }
    void dispatchPending() { connection_->dispatchPending(); }
    JackConnection& connection() { return *connection_; }

private:
    explicit JackSynthClient(std::unique_ptr<StandardErrorWriter> standardError)
        : standardError_(std::move(standardError)) {}

    void process(jack_nframes_t frames) override;
    void serverGone() override;
    void serverBack() override;
    void formatChanged() override {
        if (bus_) {
            bus_->formatChanged();
        }
    }

    std::unique_ptr<StandardErrorWriter> standardError_;
    // Before connection_, so that the connection, whose threads reach the bus, goes first.
    std::shared_ptr<JackSynthBus> bus_;
    // The real-time thread's view of bus_, set once the ports exist.
    std::atomic<JackSynthBus*> playing_{nullptr};
    std::unique_ptr<JackConnection> connection_;
};

// Hands the main loop a descriptor to watch and what to run on the main thread whenever it is
// readable, for as long as the process runs. Called on the opening thread.
using MainLoopWatch = std::function<void(int descriptor, std::function<void()> onReadable)>;

// The audio output table's "jack" entry. fromMidiPort (may be empty) returns the stream on the
// MIDI port's own JACK client when MIDI is on JACK, else null; then a client of its own named
// clientName plays, watched through watch. Error empty when no JACK server runs.
AudioOutputOpener jackAudioOpener(std::function<std::unique_ptr<AudioOutput>()> fromMidiPort,
                                  MainLoopWatch watch, std::string clientName = "Tinkella Synth");

} // namespace tinkella
