#pragma once

#include "adapters/jack/JackAudioOutput.h"
#include "foundation/MidiEventRing.h"
#include "interfaces/MidiPort.h"

#include <atomic>
#include <cstdint>
#include <jack/types.h>

namespace tinkella {

// What JACK's own threads do for one client: the process callback moves MIDI between the rings
// and our two ports and then fills the synthesiser's audio ports; the notification callbacks
// queue the graph's changes; the shutdown callback marks the server gone. They never wait,
// lock, allocate or log: everything reaches the main thread through lock-free rings, with a
// non-blocking eventfd write to wake it. The client's owner registers the callbacks with this
// object as their argument and takes what they queued on the main thread.
class JackCallbacks {
public:
    JackCallbacks();
    ~JackCallbacks();
    JackCallbacks(const JackCallbacks&) = delete;
    JackCallbacks& operator=(const JackCallbacks&) = delete;

    // Registers every callback on client, which must not be active yet. 0 or JACK's result.
    int install(jack_client_t* client);

    // Readable while something was queued for the main thread; -1 when it could not be made.
    int wakeDescriptor() const { return wakeFd_; }

    // Main thread. What the process callback sends from the source, and what it heard.
    bool queue(const std::uint8_t* bytes, std::size_t size);
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
    // Clears the wake-up descriptor before the queues are read.
    void clearWake();

    bool isShutDown() const { return shutDown_.load(std::memory_order_acquire); }

    // The ports the process callback serves: set them once registered, null to stop.
    std::atomic<jack_port_t*> source{nullptr};
    std::atomic<jack_port_t*> destination{nullptr};
    std::atomic<JackAudioBus*> audio{nullptr};

private:
    static int process(jack_nframes_t frames, void* arg);
    void receive(jack_port_t* port, jack_nframes_t frames);
    void sendQueued(jack_port_t* port, jack_nframes_t frames);

    static void portRegistered(jack_port_id_t port, int registered, void* arg);
    static void clientRegistered(const char* name, int registered, void* arg);
    static void portConnected(jack_port_id_t a, jack_port_id_t b, int connected, void* arg);
    static void portRenamed(jack_port_id_t port, const char* oldName, const char* newName,
                            void* arg);
    static void serverShutdown(void* arg);
    bool isMidiPort(jack_port_id_t port) const;
    bool isDestination(jack_port_id_t port) const;
    void raise(std::uint8_t change);
    void wake();

    jack_client_t* client_ = nullptr;
    MidiEventRing outgoing_; // main thread -> process callback
    MidiEventRing incoming_; // process callback -> main thread
    MidiEventRing changes_;  // notification thread -> main thread; the status byte is the change
    // A message the port's full buffer left for the next cycle; process callback only.
    MidiEventRing::Event carried_{};
    bool hasCarried_ = false;
    // Messages queued so far (main thread's), and how many of them the process callback had
    // written when it last found nothing left to write: the ring itself is asked only by its
    // consumer.
    std::atomic<std::uint64_t> queued_{0};
    std::atomic<std::uint64_t> written_{0};
    std::atomic<bool> shutDown_{false};
    std::atomic<std::uint64_t> cycles_{0}; // process callbacks completed
    int wakeFd_ = -1;
};

} // namespace tinkella
