#include "adapters/jack/JackCallbacks.h"

#include "interfaces/MidiMessage.h"

#include <cstring>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace tinkella {

namespace {

// The bytes of a channel voice message with this status byte: program change and channel
// pressure have one data byte, the others two.
std::size_t messageSize(std::uint8_t status) {
    const std::uint8_t kind = status & 0xF0;
    return kind == ump::programChangeStatus || kind == 0xD0 ? 2 : 3;
}

} // namespace

JackCallbacks::JackCallbacks() : wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

JackCallbacks::~JackCallbacks() {
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
    }
}

int JackCallbacks::install(jack_client_t* client) {
    client_ = client;
    if (int r = jack_set_process_callback(client, &JackCallbacks::process, this); r != 0) {
        return r;
    }
    jack_set_port_registration_callback(client, &JackCallbacks::portRegistered, this);
    jack_set_client_registration_callback(client, &JackCallbacks::clientRegistered, this);
    jack_set_port_connect_callback(client, &JackCallbacks::portConnected, this);
    jack_set_port_rename_callback(client, &JackCallbacks::portRenamed, this);
    jack_on_shutdown(client, &JackCallbacks::serverShutdown, this);
    return 0;
}

bool JackCallbacks::queue(const std::uint8_t* bytes, std::size_t size) {
    if (!outgoing_.push({bytes[0], bytes[1], size > 2 ? bytes[2] : std::uint8_t{0}})) {
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
    size = messageSize(event.status);
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

void JackCallbacks::clearWake() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t drained = ::read(wakeFd_, &count, sizeof count);
}

void JackCallbacks::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

int JackCallbacks::process(jack_nframes_t frames, void* arg) {
    auto* self = static_cast<JackCallbacks*>(arg);
    if (jack_port_t* port = self->destination.load(std::memory_order_acquire)) {
        self->receive(port, frames);
    }
    if (jack_port_t* port = self->source.load(std::memory_order_acquire)) {
        self->sendQueued(port, frames);
    }
    // After the MIDI: a note queued to the synthesiser before its MIDI message was queued
    // sounds in the cycle that sends the message.
    if (JackAudioBus* bus = self->audio.load(std::memory_order_acquire)) {
        bus->process(frames);
    }
    self->cycles_.fetch_add(1, std::memory_order_release);
    return 0;
}

void JackCallbacks::receive(jack_port_t* port, jack_nframes_t frames) {
    void* buffer = jack_port_get_buffer(port, frames);
    const std::uint32_t count = jack_midi_get_event_count(buffer);
    bool received = false;
    for (std::uint32_t i = 0; i < count; ++i) {
        jack_midi_event_t event{};
        if (jack_midi_event_get(&event, buffer, i) != 0) {
            continue;
        }
        // Anything but a channel voice message (SysEx, clock) is left out; a full ring drops
        // the message and counts it.
        const std::uint32_t word = ump::midi1WordFromBytes(event.buffer, event.size);
        if (word != 0) {
            received =
                incoming_.push({ump::statusByte(word), ump::data1(word), ump::data2(word)}) ||
                received;
        }
    }
    if (received) {
        wake();
    }
}

void JackCallbacks::sendQueued(jack_port_t* port, jack_nframes_t frames) {
    // Read first: every message counted here is in the ring by now.
    const std::uint64_t queued = queued_.load(std::memory_order_acquire);
    void* buffer = jack_port_get_buffer(port, frames);
    jack_midi_clear_buffer(buffer);
    MidiEventRing::Event event;
    while (hasCarried_ || outgoing_.pop(event)) {
        if (hasCarried_) {
            event = carried_;
        }
        const std::uint8_t bytes[] = {event.status, event.data1, event.data2};
        // A full port buffer leaves the rest for the next cycle, in order.
        hasCarried_ = jack_midi_event_write(buffer, 0, bytes, messageSize(event.status)) != 0;
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

bool JackCallbacks::isMidiPort(jack_port_id_t portId) const {
    jack_port_t* port = jack_port_by_id(client_, portId);
    return port && std::strcmp(jack_port_type(port), JACK_DEFAULT_MIDI_TYPE) == 0;
}

bool JackCallbacks::isDestination(jack_port_id_t portId) const {
    jack_port_t* port = destination.load(std::memory_order_acquire);
    return port != nullptr && jack_port_by_id(client_, portId) == port;
}

void JackCallbacks::portRegistered(jack_port_id_t port, int registered, void* arg) {
    auto* self = static_cast<JackCallbacks*>(arg);
    if (self->isMidiPort(port)) {
        self->raise(static_cast<std::uint8_t>(registered ? MidiChange::portAdded
                                                         : MidiChange::portRemoved));
    }
}

void JackCallbacks::clientRegistered(const char*, int registered, void* arg) {
    static_cast<JackCallbacks*>(arg)->raise(
        static_cast<std::uint8_t>(registered ? MidiChange::portAdded : MidiChange::portRemoved));
}

void JackCallbacks::portConnected(jack_port_id_t a, jack_port_id_t b, int connected, void* arg) {
    auto* self = static_cast<JackCallbacks*>(arg);
    if (self->isMidiPort(a)) {
        self->raise(static_cast<std::uint8_t>(MidiChange::connections));
    }
    if (!connected && (self->isDestination(a) || self->isDestination(b))) {
        self->raise(destinationDisconnected);
    }
}

void JackCallbacks::portRenamed(jack_port_id_t port, const char*, const char*, void* arg) {
    auto* self = static_cast<JackCallbacks*>(arg);
    if (self->isMidiPort(port)) {
        self->raise(static_cast<std::uint8_t>(MidiChange::portRenamed));
    }
}

void JackCallbacks::serverShutdown(void* arg) {
    auto* self = static_cast<JackCallbacks*>(arg);
    self->shutDown_.store(true, std::memory_order_release);
    self->wake();
}

} // namespace tinkella
