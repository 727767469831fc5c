#pragma once

#include "adapters/jack/JackCallbacks.h"
#include "adapters/jack/JackConnection.h"
#include "adapters/jack/JackSynthBus.h"
#include "interfaces/MidiPort.h"

#include <jack/types.h>
#include <memory>
#include <string>
#include <string_view>

namespace tinkella {

// The MIDI port as a JACK client: one MIDI output port is the source, one MIDI input port the
// destination; the graph's MIDI output ports are the sources others see and its MIDI input
// ports the destinations; there are no devices. The manufacturer is our client's metadata
// property jackManufacturerKey. A port's unique ID and our source's handle are the low 32 bits
// of its UUID.
//
// This class owns the client through a JackConnection, which keeps it, its ports and their
// connections across server restarts and reports the server gone and back; JACK's threads run
// JackCallbacks. Every public call runs on the main thread; messages leave at frame 0 of the
// next cycle.
//
// JACK mixes every connection to the destination into one buffer, so senders cannot be told
// apart: every message comes from sender 1, and any connection to the destination broken
// (which unregistering or closing the sending port also does) reports that sender gone.
class JackMidiPort final : public MidiPort, private JackConnectionListener {
public:
    // Connects to the running server named by JACK_DEFAULT_SERVER (or the default one) as
    // clientName, never starting a server. On failure returns null, with status holding the
    // jack_status_t bits (or a negative errno).
    static std::unique_ptr<JackMidiPort> connect(std::string_view clientName, MidiStatus& status);
    ~JackMidiPort() override;
    JackMidiPort(const JackMidiPort&) = delete;
    JackMidiPort& operator=(const JackMidiPort&) = delete;

    // Empty once the server has gone.
    MidiTopology topology() override;
    // The client is named at connect(): clientName is not used again. Activates the client
    // (then the synthesiser's audio ports are connected to playback), records the
    // manufacturer, then registers the source and the destination.
    MidiPortOpened open(std::string_view clientName, std::string_view manufacturer,
                        std::string_view sourceName, std::string_view destinationName,
                        MidiPortListener& listener) override;
    // Refuses (nothing queued) when the server has gone, before the source exists, when the
    // message is not a MIDI 1.0 channel voice message, or when the ring is full (-ENOBUFS).
    MidiStatus send(const MidiMessage& message) override;
    int pollDescriptor() const override { return connection_->pollDescriptor(); }
    void dispatchPending() override;
    // Waits for the process callback to take every queued message and for one more cycle to
    // end after that, so the messages have reached the connected ports. Returns false at once
    // when the server has gone, and after bound when it runs no cycle (stopped or frozen).
    bool waitUntilSent(std::chrono::milliseconds bound) override;
    std::string displayName() const override { return "JACK server"; }
    std::string describe(MidiStatus status) const override { return describeStatus(status); }
    // A status of connect() or of this port's calls: see describeJackStatus().
    static std::string describeStatus(MidiStatus status);

    // The synthesiser's audio outputs on this same client, so that one client carries both and
    // a note reaches both in the same cycle. Registered at once; connected to the first two
    // physical playback ports once the client is active. Null, with a reason in error, when the
    // ports cannot be made or a bus exists already. The stream must go before the port.
    std::unique_ptr<AudioOutput> openAudioOutput(std::string& error);

    // The full "client:port" name of our source, empty before it exists or once the server has
    // gone.
    std::string sourcePortName() const;

private:
    JackMidiPort() = default;
    // A MIDI port of ours; the negative errno when it cannot be made.
    MidiStatus registerPort(std::string_view name, JackConnection::PortKind kind,
                            std::atomic<JackConnection::Port*>& port);

    void process(jack_nframes_t frames) override { callbacks_.process(frames); }
    void portRegistered(jack_port_t* port, bool registered) override {
        callbacks_.portRegistered(port, registered);
    }
    void clientRegistered(const char*, bool registered) override {
        callbacks_.clientRegistered(registered);
    }
    void portConnected(jack_port_t* a, jack_port_t* b, bool connected) override {
        callbacks_.portConnected(a, b, connected);
    }
    void portRenamed(jack_port_t* port) override { callbacks_.portRenamed(port); }
    void serverGone() override;
    void serverBack() override;
    void formatChanged() override {
        if (audio_) {
            audio_->formatChanged();
        }
    }

    JackCallbacks callbacks_;
    std::shared_ptr<JackSynthBus> audio_;
    MidiPortListener* listener_ = nullptr;
    std::string manufacturer_;
    bool opened_ = false;
    // Last: its threads reach the callbacks and the bus.
    std::unique_ptr<JackConnection> connection_;
    bool floodReported_ = false; // the one line about a flood at the destination is written
};

} // namespace tinkella
