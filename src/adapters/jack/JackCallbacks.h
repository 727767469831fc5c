#pragma once

#include "adapters/jack/JackConnection.h"
#include "adapters/jack/JackSynthBus.h"
#include "foundation/MidiEventRing.h"
#include "interfaces/MidiPort.h"

#include <atomic>
#include <cstdint>
#include <jack/types.h>

namespace tinkella {

// What JACK's own threads do for the MIDI port's connection: the process callback moves MIDI
// between the rings and our two ports and then fills the synthesiser's audio ports; the
// notification hooks queue the graph's changes. They never wait, lock, allocate or log:
// everything reaches the main thread through lock-free rings, with the connection's wake() to
// wake it. The connection's listener forwards its process() and hooks here.
class JackCallbacks {
public:
    JackCallbacks() = default;
    JackCallbacks(const JackCallbacks&) = delete;
    JackCallbacks& operator=(const JackCallbacks&) = delete;

    // JACK's threads, from the connection's listener.
    void process(jack_nframes_t frames);
    // The real-time thread, each once a cycle from process() with the port's buffer, or from a
    // test with a buffer of its own: what reached the destination, into the ring of what was
    // heard; then what was queued, into the source's buffer (cleared first), as much as fits.
    void receive(void* buffer);
    void sendQueued(void* buffer);
    void portRegistered(jack_port_t* port, bool registered);
    void clientRegistered(bool registered);
    void portConnected(jack_port_t* a, jack_port_t* b, bool connected);
    void portRenamed(jack_port_t* port);

    // Main thread. What the process callback sends from the source, and what it heard.
    bool queue(const MidiMessage& message);
    // Whether queued messages are still waiting for a cycle to write them.
    bool hasQueued() const;
    std::uint64_t cycles() const { return cycles_.load(std::memory_order_acquire); }
    // One message heard at the destination, status byte first; false when none waits.
    bool takeReceived(std::uint8_t (&bytes)[3], std::size_t& size);
    // Whether a flood ever filled the ring of what was heard, and how many note-ons (and other
    // messages that end nothing) it dropped; every note-off and pedal got through.
    bool receivedOverflowed() const { return incoming_.overflows() > 0; }
    std::uint64_t receivedDropped() const { return incoming_.dropped(); }

    // Main thread. One queued change of the graph; false when none waits. A broken connection
    // to our destination comes as destinationDisconnected.
    static constexpr std::uint8_t destinationDisconnected = 0x7F;
    bool takeChange(std::uint8_t& change);
    // Main thread, while no process() can run (the server has gone): what waited to be sent
    // went with the server.
    void discardQueued();

    // The connection to wake; the ports the process callback serves, once registered.
    std::atomic<JackConnection*> connection{nullptr};
    std::atomic<JackConnection::Port*> source{nullptr};
    std::atomic<JackConnection::Port*> destination{nullptr};
    std::atomic<JackSynthBus*> audio{nullptr};

private:
    bool isDestination(jack_port_t* port) const;
    void raise(std::uint8_t change);
    void wake();

    MidiEventRing outgoing_; // main thread -> process callback
    MidiEventRing incoming_; // process callback -> main thread
    MidiEventRing changes_;  // notification thread -> main thread; the status byte is the change
    // A message the port's full buffer left for the next cycle; process callback only.
    MidiEventRing::Event carried_{};
    bool hasCarried_ = false;
    // Messages queued so far (main thread's), and how many of them the process callback had
    // written when it last found nothing left to write: the ring itself is asked only by its
    // consumer, and only in a cycle that finds the two counts apart.
    std::atomic<std::uint64_t> queued_{0};
    std::atomic<std::uint64_t> written_{0};
    std::atomic<std::uint64_t> cycles_{0}; // process callbacks completed
};

} // namespace tinkella
