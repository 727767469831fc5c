#include "adapters/jack/JackCallbacks.h"

#include "interfaces/MidiMessage.h"

#include <cstring>
#include <jack/jack.h>
#include <jack/midiport.h>

namespace tinkella {

bool JackCallbacks::queue(const MidiMessage& message) {
    if (!outgoing_.push(message)) {
        return false;
    }
    queued_.store(queued_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    return true;
}

bool JackCallbacks::hasQueued() const {
    return written_.load(std::memory_order_acquire) != queued_.load(std::memory_order_relaxed);
}

bool JackCallbacks::takeReceived(std::uint8_t (&bytes)[3], std::size_t& size) {
    MidiEventRing::Event event;
    if (!incoming_.pop(event)) {
        return false;
    }
    bytes[0] = event.status;
    bytes[1] = event.data1;
    bytes[2] = event.data2;
    size = event.size();
    return true;
}

bool JackCallbacks::takeChange(std::uint8_t& change) {
    MidiEventRing::Event event;
    if (!changes_.pop(event)) {
        return false;
    }
    change = event.status;
    return true;
}

void JackCallbacks::discardQueued() {
    MidiEventRing::Event event;
    while (outgoing_.pop(event)) {
    }
    hasCarried_ = false;
    written_.store(queued_.load(std::memory_order_relaxed), std::memory_order_release);
}

void JackCallbacks::wake() {
    if (JackConnection* waking = connection.load(std::memory_order_acquire)) {
        waking->wake();
    }
}

void JackCallbacks::process(jack_nframes_t frames) {
    if (JackConnection::Port* port = destination.load(std::memory_order_acquire)) {
        if (void* buffer = port->buffer(frames)) {
            receive(buffer);
        }
    }
    if (JackConnection::Port* port = source.load(std::memory_order_acquire)) {
        if (void* buffer = port->buffer(frames)) {
            sendQueued(buffer);
        }
    }
    // After the MIDI: a note queued to the synthesiser before its MIDI message was queued
    // sounds in the cycle that sends the message.
    if (JackSynthBus* bus = audio.load(std::memory_order_acquire)) {
        bus->process(frames);
    }
    // The process callback alone writes the count: no locked instruction needed.
    cycles_.store(cycles_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

void JackCallbacks::receive(void* buffer) {
    const std::uint32_t count = jack_midi_get_event_count(buffer);
    bool received = false;
    for (std::uint32_t i = 0; i < count; ++i) {
        jack_midi_event_t event{};
        if (jack_midi_event_get(&event, buffer, i) != 0) {
            continue;
        }
        // Anything but a channel voice message (SysEx, clock) is left out; a full ring drops
        // the message and counts it.
        const MidiMessage message = MidiMessage::fromBytes(event.buffer, event.size);
        if (message.size() != 0) {
            received = incoming_.push(message) || received;
        }
    }
    if (received) {
        wake();
    }
}

void JackCallbacks::sendQueued(void* buffer) {
    // Read first: every message counted here is in the ring by now.
    const std::uint64_t queued = queued_.load(std::memory_order_acquire);
    jack_midi_clear_buffer(buffer);
    // Nothing queued since the ring was last found empty: the ring's own indices, on cache
    // lines of their own that an idle cycle would find cold, stay untouched.
    if (!hasCarried_ && queued == written_.load(std::memory_order_relaxed)) {
        return;
    }
    MidiEventRing::Event event;
    while (hasCarried_ || outgoing_.pop(event)) {
        if (hasCarried_) {
            event = carried_;
        }
        // A full port buffer leaves the rest for the next cycle, in order.
        hasCarried_ = jack_midi_event_write(buffer, 0, event.bytes().data(), event.size()) != 0;
        if (hasCarried_) {
            carried_ = event;
            return;
        }
    }
    written_.store(queued, std::memory_order_release);
}

void JackCallbacks::raise(std::uint8_t change) {
    // A full queue drops the change: changes only feed the log.
    changes_.push({change, 0, 0});
    wake();
}

namespace {

bool isMidiPort(jack_port_t* port) {
    return port && std::strcmp(jack_port_type(port), JACK_DEFAULT_MIDI_TYPE) == 0;
}

} // namespace

bool JackCallbacks::isDestination(jack_port_t* port) const {
    JackConnection::Port* ours = destination.load(std::memory_order_acquire);
    return ours != nullptr && port != nullptr && port == ours->handle();
}

void JackCallbacks::portRegistered(jack_port_t* port, bool registered) {
    if (isMidiPort(port)) {
        raise(static_cast<std::uint8_t>(registered ? MidiChange::portAdded
                                                   : MidiChange::portRemoved));
    }
}

void JackCallbacks::clientRegistered(bool registered) {
    raise(static_cast<std::uint8_t>(registered ? MidiChange::portAdded : MidiChange::portRemoved));
}

void JackCallbacks::portConnected(jack_port_t* a, jack_port_t* b, bool connected) {
    if (isMidiPort(a)) {
        raise(static_cast<std::uint8_t>(MidiChange::connections));
    }
    if (!connected && (isDestination(a) || isDestination(b))) {
        raise(destinationDisconnected);
    }
}

void JackCallbacks::portRenamed(jack_port_t* port) {
    if (isMidiPort(port)) {
        raise(static_cast<std::uint8_t>(MidiChange::portRenamed));
    }
}

} // namespace tinkella
