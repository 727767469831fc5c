#pragma once

#include "adapters/jack/JackAudioOutput.h"
#include "foundation/MidiEventRing.h"
#include "interfaces/MidiSystem.h"

#include <atomic>
#include <cstdint>
#include <jack/ringbuffer.h>
#include <jack/types.h>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tinkella {

// The MIDI system as a JACK client: one MIDI output port is the virtual source, one MIDI input
// port the virtual destination; the graph's MIDI output ports are the sources and its MIDI input
// ports the destinations; there are no devices.
//
// Threads: every public call runs on the main thread. Messages reach the process callback
// through a lock-free ring and leave at frame 0 of the next cycle. The process callback puts
// the channel voice messages arriving at the destination on another lock-free ring. Graph
// changes reported on JACK's notification thread, and server shutdown, are queued without locks.
// Both threads signal pollDescriptor() (a non-blocking eventfd write); dispatchPending() hands
// what arrived to the receive block and the notifications to the client's notify block.
//
// JACK mixes every connection to the destination into one buffer, so senders cannot be told
// apart: every message carries the destination's reference as its sender, and any connection
// to it broken (which unregistering or closing the sending port also does) reports that sender
// gone.
class JackMidiSystem final : public MidiSystem {
public:
    // The manufacturer is stored as this metadata property of the owning client.
    static constexpr const char* manufacturerKey = "http://jackaudio.org/metadata/manufacturer";

    // Connects to the running server named by JACK_DEFAULT_SERVER (or the default one) as
    // clientName, never starting a server. On failure returns null, with status holding the
    // jack_status_t bits (or a negative errno).
    static std::unique_ptr<JackMidiSystem> open(std::string_view clientName, OSStatus& status);
    ~JackMidiSystem() override;
    JackMidiSystem(const JackMidiSystem&) = delete;
    JackMidiSystem& operator=(const JackMidiSystem&) = delete;

    ItemCount numberOfSources() override;
    MIDIEndpointRef source(ItemCount index) override;
    ItemCount numberOfDestinations() override;
    MIDIEndpointRef destination(ItemCount index) override;
    ItemCount numberOfDevices() override { return 0; }
    MIDIDeviceRef device(ItemCount) override { return 0; }
    OSStatus getStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                               std::optional<std::string>& value) override;
    OSStatus getIntegerProperty(MIDIObjectRef object, MIDIIntegerProperty property,
                                std::int32_t& value) override;
    OSStatus setStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                               std::string_view value) override;
    OSStatus clientCreate(std::string_view name, MIDINotifyBlock notify,
                          MIDIClientRef& client) override;
    OSStatus sourceCreateWithProtocol(MIDIClientRef client, std::string_view name,
                                      MIDIProtocolID protocol, MIDIEndpointRef& source) override;
    // The one MIDI input port; refused once it exists.
    OSStatus destinationCreate(MIDIClientRef client, std::string_view name,
                               MIDIReceiveBlock receive, MIDIEndpointRef& destination) override;
    // Refuses (nothing queued) when the server has gone, when a word is not a MIDI 1.0
    // channel voice message, or when the ring has no room for every message of the list.
    OSStatus receivedEventList(MIDIEndpointRef source, const MIDIEventList& list) override;
    MIDITimeStamp currentHostTime() override;
    int pollDescriptor() const override { return wakeFd_; }
    std::string displayName() const override { return "JACK server"; }
    void dispatchPending() override;
    // Waits for the process callback to take every queued message and for one more cycle to
    // end after that, so the messages have reached the connected ports. Returns false at once
    // when the server has gone, and after bound when it runs no cycle (stopped or frozen).
    bool waitUntilSent(std::chrono::milliseconds bound) override;

    // The synthesiser's audio outputs on this same client, so that one client carries both and
    // a note reaches both in the same cycle. Registered at once; connected to the first two
    // physical playback ports once the client is active. Null, with a reason in error, when the
    // ports cannot be made or a bus exists already. The stream must go before the system.
    std::unique_ptr<AudioOutput> openAudioOutput(std::string& error);

    // The full "client:port" name of our source, empty before it exists.
    std::string sourcePortName() const;
    bool isShutDown() const { return shutDown_.load(std::memory_order_acquire); }

private:
    // The port a reference from the enumeration names, if the server still has it: -ENOTCONN
    // after shutdown, -EINVAL for a reference never handed out, -ENOENT for a port gone since.
    OSStatus livePort(MIDIObjectRef object, jack_port_t*& port) const;
    explicit JackMidiSystem(jack_client_t* client);

    static int process(jack_nframes_t nframes, void* arg);
    // Process callback: the queued MIDI messages into port's buffer for this cycle.
    void sendQueued(jack_port_t* port, jack_nframes_t nframes);
    static void portRegistered(jack_port_id_t port, int registered, void* arg);
    static void clientRegistered(const char* name, int registered, void* arg);
    static void portConnected(jack_port_id_t a, jack_port_id_t b, int connected, void* arg);
    static void portRenamed(jack_port_id_t port, const char* oldName, const char* newName,
                            void* arg);
    static void serverShutdown(void* arg);

    bool isMidiPort(jack_port_id_t portId) const;
    void connectAudioToPlayback();
    // Runs on JACK's notification thread: no logging, no locks.
    void raise(std::int32_t messageID);
    bool isInputPort(jack_port_id_t portId) const;
    void wake();
    MIDIEndpointRef refForPort(const std::string& fullName);
    // The port at index of a list from midiPorts(), or 0 when out of range or shut down.
    MIDIEndpointRef endpointAt(const std::vector<std::string>& ports, ItemCount index);
    std::vector<std::string> midiPorts(unsigned long flags) const;
    std::uint64_t clientUuid() const;

    jack_client_t* client_;
    std::atomic<jack_port_t*> port_{nullptr};
    std::atomic<jack_port_t*> inputPort_{nullptr};
    MidiEventRing incoming_; // process callback -> main thread
    std::shared_ptr<JackAudioBus> audio_;
    std::atomic<JackAudioBus*> audioBus_{nullptr}; // audio_, once its ports exist
    jack_ringbuffer_t* outgoing_ = nullptr;        // main thread -> process callback
    jack_ringbuffer_t* notifications_ = nullptr;   // notification thread -> main thread
    int wakeFd_ = -1;
    std::atomic<bool> shutDown_{false};
    std::atomic<std::uint64_t> cycles_{0}; // process callbacks completed
    bool shutdownReported_ = false;
    bool activated_ = false;
    MIDIEndpointRef sourceRef_ = 0;
    MIDIEndpointRef destinationRef_ = 0;
    MIDINotifyBlock notify_;
    MIDIReceiveBlock receive_;
    std::vector<std::string> sources_;
    std::vector<std::string> destinations_;
    std::map<MIDIObjectRef, std::string> portNames_; // refs handed out -> full port names
};

} // namespace tinkella
