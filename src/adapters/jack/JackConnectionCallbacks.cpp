#include "adapters/jack/JackConnection.h"

#include <cstring>
#include <jack/jack.h>
#include <unistd.h>

// What runs on JACK's own threads (the process callback, the notification callbacks and the
// shutdown callback) and the queue of connection changes they fill. On those threads nothing
// waits, locks, allocates or logs: atomics, a lock-free ring and an eventfd write; the owner's
// thread empties the queue (takeChanges()).

namespace tinkella {

namespace {

// A change of a connection as queued: then the two names' bytes.
struct ChangeHeader {
    std::uint8_t connected;
    std::uint16_t oursLength; // our port's short name
    std::uint16_t peerLength; // the peer's full name
};

} // namespace

void* JackConnection::Port::buffer(jack_nframes_t frames) const {
    jack_port_t* port = port_.load(std::memory_order_acquire);
    return port ? jack_port_get_buffer(port, frames) : nullptr;
}

void JackConnection::queueChange(jack_port_t* ours, jack_port_t* peer, bool connected) {
    const char* oursName = jack_port_short_name(ours);
    const char* peerName = jack_port_name(peer);
    const ChangeHeader header{static_cast<std::uint8_t>(connected),
                              static_cast<std::uint16_t>(std::strlen(oursName)),
                              static_cast<std::uint16_t>(std::strlen(peerName))};
    // Whole or not at all; a full queue drops the change, which is then not remembered.
    const std::size_t size = sizeof header + header.oursLength + header.peerLength;
    char record[sizeof header + 2 * 512];
    if (size > sizeof record || jack_ringbuffer_write_space(changes_) < size) {
        return;
    }
    std::memcpy(record, &header, sizeof header);
    std::memcpy(record + sizeof header, oursName, header.oursLength);
    std::memcpy(record + sizeof header + header.oursLength, peerName, header.peerLength);
    jack_ringbuffer_write(changes_, record, size);
}

void JackConnection::takeChanges() {
    ChangeHeader header{};
    while (jack_ringbuffer_read_space(changes_) >= sizeof header) {
        jack_ringbuffer_read(changes_, reinterpret_cast<char*>(&header), sizeof header);
        std::string ours(header.oursLength, '\0');
        std::string peer(header.peerLength, '\0');
        jack_ringbuffer_read(changes_, ours.data(), ours.size());
        jack_ringbuffer_read(changes_, peer.data(), peer.size());
        const std::lock_guard lock(mutex_);
        if (header.connected) {
            connected_[ours].insert(peer);
            awaiting_.erase({ours, peer});
        } else {
            connected_[ours].erase(peer);
        }
    }
}

void JackConnection::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

int JackConnection::process(jack_nframes_t frames, void* arg) {
    static_cast<JackConnection*>(arg)->listener_.process(frames);
    return 0;
}

void JackConnection::shutdown(jack_status_t, const char*, void* arg) {
    auto* self = static_cast<JackConnection*>(arg);
    if (!self->shutDown_.exchange(true)) {
        unclosedDeadClients_.fetch_add(1);
    }
    self->wake();
}

int JackConnection::formatChanging(jack_nframes_t, void* arg) {
    auto* self = static_cast<JackConnection*>(arg);
    self->formatChanged_.store(true);
    self->wake();
    return 0;
}

void JackConnection::portRegistered(jack_port_id_t id, int registered, void* arg) {
    auto* self = static_cast<JackConnection*>(arg);
    jack_port_t* port = jack_port_by_id(self->callbackClient_.load(std::memory_order_acquire), id);
    if (registered) {
        self->portAppeared_.store(true);
        self->wake();
    }
    self->listener_.portRegistered(port, registered != 0);
}

void JackConnection::clientRegistered(const char* name, int registered, void* arg) {
    static_cast<JackConnection*>(arg)->listener_.clientRegistered(name, registered != 0);
}

void JackConnection::portConnected(jack_port_id_t a, jack_port_id_t b, int connected, void* arg) {
    auto* self = static_cast<JackConnection*>(arg);
    jack_client_t* client = self->callbackClient_.load(std::memory_order_acquire);
    jack_port_t* first = jack_port_by_id(client, a);
    jack_port_t* second = jack_port_by_id(client, b);
    // A server that stops cleanly removes its own ports after it has said it is going: those
    // broken connections are lost with the server, not broken by the user.
    if (first && second && !self->shutDown_.load()) {
        if (jack_port_is_mine(client, first)) {
            self->queueChange(first, second, connected != 0);
        }
        if (jack_port_is_mine(client, second)) {
            self->queueChange(second, first, connected != 0);
        }
        self->wake();
    }
    self->listener_.portConnected(first, second, connected != 0);
}

void JackConnection::portRenamed(jack_port_id_t id, const char*, const char*, void* arg) {
    auto* self = static_cast<JackConnection*>(arg);
    self->listener_.portRenamed(
        jack_port_by_id(self->callbackClient_.load(std::memory_order_acquire), id));
}

} // namespace tinkella
