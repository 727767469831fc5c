#include "adapters/jack/JackMidiPort.h"

#include "adapters/jack/JackPortGraph.h"
#include "adapters/jack/JackStatus.h"
#include "interfaces/MidiMessage.h"

#include <cerrno>
#include <cstdio>
#include <jack/jack.h>
#include <jack/metadata.h>
#include <string>
#include <thread>
#include <vector>

namespace tinkella {

namespace {

// JACK mixes every connection into our one input port.
constexpr MidiSender jackSender = 1;

} // namespace

std::string JackMidiPort::describeStatus(MidiStatus status) {
    return describeJackStatus(status);
}

std::unique_ptr<JackMidiPort> JackMidiPort::connect(std::string_view clientName,
                                                    MidiStatus& status) {
    std::unique_ptr<JackMidiPort> port(new JackMidiPort);
    port->connection_ = JackConnection::open(clientName, *port, status);
    if (!port->connection_) {
        return nullptr;
    }
    port->callbacks_.connection.store(port->connection_.get(), std::memory_order_release);
    return port;
}

JackMidiPort::~JackMidiPort() {
    if (jack_client_t* client = connection_ ? connection_->client() : nullptr) {
        jack_remove_properties(client, jackClientUuid(client));
    }
    connection_.reset();
}

MidiTopology JackMidiPort::topology() {
    jack_client_t* client = connection_->client();
    return client ? jackMidiTopology(client) : MidiTopology{};
}

MidiStatus JackMidiPort::registerPort(std::string_view name, JackConnection::PortKind kind,
                                      std::atomic<JackConnection::Port*>& port) {
    if (!connection_->isConnected()) {
        return -ENOTCONN;
    }
    if (port.load() != nullptr) {
        return -EINVAL;
    }
    MidiStatus status = 0;
    port.store(connection_->registerPort(name, kind, status), std::memory_order_release);
    return status;
}

MidiPortOpened JackMidiPort::open(std::string_view, std::string_view manufacturer,
                                  std::string_view sourceName, std::string_view destinationName,
                                  MidiPortListener& listener) {
    MidiPortOpened opened;
    jack_client_t* client = connection_->client();
    opened.client = !client ? -ENOTCONN : opened_ ? -EEXIST : jackClientUuid(client) ? 0 : -ENOENT;
    if (opened.client != 0) {
        return opened;
    }
    opened_ = true;
    listener_ = &listener;
    manufacturer_ = manufacturer;
    opened.manufacturer = setJackManufacturer(client, manufacturer);

    opened.source = registerPort(sourceName, JackConnection::PortKind::midiOut, callbacks_.source);
    if (opened.source != 0) {
        return opened;
    }
    opened.sourceUniqueId = jackPortId(callbacks_.source.load()->handle());
    opened.sourceHandle = static_cast<std::uint32_t>(opened.sourceUniqueId);
    opened.destination =
        registerPort(destinationName, JackConnection::PortKind::midiIn, callbacks_.destination);
    return opened;
}

MidiStatus JackMidiPort::send(const MidiMessage& message) {
    if (!connection_->isConnected()) {
        return -ENOTCONN;
    }
    if (callbacks_.source.load(std::memory_order_acquire) == nullptr || message.size() == 0) {
        return -EINVAL;
    }
    return callbacks_.queue(message.onWire()) ? 0 : -ENOBUFS;
}

void JackMidiPort::dispatchPending() {
    connection_->dispatchPending();
    if (!listener_) {
        return;
    }
    // Changes are taken before the messages: a message the process callback queued before a
    // broken connection was reported is then handed over before the sender is reported gone.
    std::vector<std::uint8_t> changes;
    for (std::uint8_t change = 0; callbacks_.takeChange(change);) {
        changes.push_back(change);
    }
    std::uint8_t bytes[3];
    for (std::size_t size = 0; callbacks_.takeReceived(bytes, size);) {
        listener_->received(jackSender, bytes, size);
    }
    if (!floodReported_ && callbacks_.receivedOverflowed()) {
        floodReported_ = true;
        const std::string line = "Tinkella: MIDI in flooded; " +
                                 std::to_string(callbacks_.receivedDropped()) +
                                 " notes were dropped, every note-off kept\n";
        std::fputs(line.c_str(), stderr);
    }
    for (const std::uint8_t change : changes) {
        if (change == JackCallbacks::destinationDisconnected) {
            listener_->senderGone(jackSender);
        } else {
            listener_->changed(static_cast<MidiChange>(change));
        }
    }
}

void JackMidiPort::serverGone() {
    callbacks_.discardQueued();
    if (listener_) {
        listener_->changed(MidiChange::systemGone);
    }
}

void JackMidiPort::serverBack() {
    if (audio_) {
        audio_->serverBack();
    }
    if (listener_) {
        setJackManufacturer(connection_->client(), manufacturer_);
        listener_->changed(MidiChange::systemBack);
    }
}

bool JackMidiPort::waitUntilSent(std::chrono::milliseconds bound) {
    if (!connection_->isConnected() ||
        callbacks_.source.load(std::memory_order_acquire) == nullptr) {
        return !callbacks_.hasQueued();
    }
    // The callback cannot signal without risking a block, so the main thread polls.
    constexpr auto poll = std::chrono::milliseconds(1);
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (callbacks_.hasQueued()) {
        if (!connection_->isConnected() || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(poll);
    }
    // The cycle that took the last message may still be running: wait for a callback to end
    // after the queue was seen empty, that one or a later one.
    const std::uint64_t taken = callbacks_.cycles();
    while (callbacks_.cycles() == taken) {
        if (!connection_->isConnected() || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(poll);
    }
    return true;
}

std::unique_ptr<AudioOutput> JackMidiPort::openAudioOutput(std::string& error) {
    if (!connection_->isConnected() || audio_) {
        error = !connection_->isConnected() ? "the JACK server has gone"
                                            : "the audio outputs exist already";
        return nullptr;
    }
    audio_ = JackSynthBus::open(*connection_, error);
    if (!audio_) {
        return nullptr;
    }
    callbacks_.audio.store(audio_.get(), std::memory_order_release);
    return audio_->output();
}

std::string JackMidiPort::sourcePortName() const {
    JackConnection::Port* port = callbacks_.source.load(std::memory_order_acquire);
    return port ? connection_->fullName(*port) : std::string();
}

} // namespace tinkella
