#include "adapters/jack/JackMidiPort.h"

#include "adapters/jack/JackPortGraph.h"
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

// libjack's own complaints (a missing server, a lost connection) would bypass the diagnostic
// log, which reports every failing status itself.
void ignoreJackMessage(const char*) {}

} // namespace

std::unique_ptr<JackMidiPort> JackMidiPort::connect(std::string_view clientName,
                                                    MidiStatus& status) {
    const std::string name(clientName);
    jack_set_error_function(&ignoreJackMessage);
    jack_status_t jackStatus{};
    jack_client_t* client = jack_client_open(name.c_str(), JackNoStartServer, &jackStatus);
    if (!client) {
        status = jackStatus != 0 ? static_cast<MidiStatus>(jackStatus) : -ECONNREFUSED;
        return nullptr;
    }
    std::unique_ptr<JackMidiPort> port(new JackMidiPort(client));
    if (port->callbacks_.wakeDescriptor() < 0) {
        status = -ENOMEM;
        return nullptr;
    }
    status = 0;
    return port;
}

JackMidiPort::JackMidiPort(jack_client_t* client) : client_(client) {}

JackMidiPort::~JackMidiPort() {
    if (!callbacks_.isShutDown()) {
        if (activated_) {
            jack_deactivate(client_);
        }
        jack_remove_properties(client_, jackClientUuid(client_));
    }
    jack_client_close(client_);
}

MidiTopology JackMidiPort::topology() {
    return callbacks_.isShutDown() ? MidiTopology{} : jackMidiTopology(client_);
}

MidiStatus JackMidiPort::activate() {
    if (callbacks_.isShutDown()) {
        return -ENOTCONN;
    }
    if (activated_) {
        return -EEXIST;
    }
    if (int r = callbacks_.install(client_); r != 0) {
        return r;
    }
    if (int r = jack_activate(client_); r != 0) {
        return r;
    }
    activated_ = true;
    connectAudioToPlayback();
    return jackClientUuid(client_) != 0 ? 0 : -ENOENT;
}

MidiStatus JackMidiPort::registerPort(std::string_view name, unsigned long flags,
                                      jack_port_t*& port) {
    if (callbacks_.isShutDown()) {
        return -ENOTCONN;
    }
    if (port != nullptr) {
        return -EINVAL;
    }
    const std::string portName(name);
    port = jack_port_register(client_, portName.c_str(), JACK_DEFAULT_MIDI_TYPE,
                              flags | JackPortIsTerminal, 0);
    return port ? 0 : -EEXIST;
}

MidiPortOpened JackMidiPort::open(std::string_view, std::string_view manufacturer,
                                  std::string_view sourceName, std::string_view destinationName,
                                  MidiPortListener& listener) {
    MidiPortOpened opened;
    opened.client = activate();
    if (opened.client != 0) {
        return opened;
    }
    listener_ = &listener;
    opened.manufacturer =
        callbacks_.isShutDown() ? -ENOTCONN : setJackManufacturer(client_, manufacturer);

    jack_port_t* source = callbacks_.source.load(std::memory_order_acquire);
    opened.source = registerPort(sourceName, JackPortIsOutput, source);
    if (opened.source != 0) {
        return opened;
    }
    callbacks_.source.store(source, std::memory_order_release);
    opened.sourceUniqueId = jackPortId(source);
    opened.sourceHandle = static_cast<std::uint32_t>(opened.sourceUniqueId);

    jack_port_t* destination = callbacks_.destination.load(std::memory_order_acquire);
    opened.destination = registerPort(destinationName, JackPortIsInput, destination);
    if (opened.destination == 0) {
        callbacks_.destination.store(destination, std::memory_order_release);
    }
    return opened;
}

MidiStatus JackMidiPort::send(const std::uint8_t* bytes, std::size_t size) {
    if (callbacks_.isShutDown()) {
        return -ENOTCONN;
    }
    if (callbacks_.source.load(std::memory_order_acquire) == nullptr ||
        ump::midi1WordFromBytes(bytes, size) == 0) {
        return -EINVAL;
    }
    return callbacks_.queue(bytes, size) ? 0 : -ENOBUFS;
}

void JackMidiPort::dispatchPending() {
    callbacks_.clearWake();
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
    if (callbacks_.isShutDown() && !shutdownReported_) {
        shutdownReported_ = true;
        callbacks_.source.store(nullptr, std::memory_order_release);
        callbacks_.destination.store(nullptr, std::memory_order_release);
        listener_->changed(MidiChange::systemGone);
    }
}

bool JackMidiPort::waitUntilSent(std::chrono::milliseconds bound) {
    if (callbacks_.isShutDown() || callbacks_.source.load(std::memory_order_acquire) == nullptr) {
        return !callbacks_.hasQueued();
    }
    // The callback cannot signal without risking a block, so the main thread polls.
    constexpr auto poll = std::chrono::milliseconds(1);
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (callbacks_.hasQueued()) {
        if (callbacks_.isShutDown() || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(poll);
    }
    // The cycle that took the last message may still be running: wait for a callback to end
    // after the queue was seen empty, that one or a later one.
    const std::uint64_t taken = callbacks_.cycles();
    while (callbacks_.cycles() == taken) {
        if (callbacks_.isShutDown() || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(poll);
    }
    return true;
}

std::unique_ptr<AudioOutput> JackMidiPort::openAudioOutput(std::string& error) {
    if (callbacks_.isShutDown() || audio_) {
        error = callbacks_.isShutDown() ? "the JACK server has gone"
                                        : "the audio outputs exist already";
        return nullptr;
    }
    auto bus = std::make_shared<JackAudioBus>();
    const char* names[2] = {"left", "right"};
    for (std::size_t i = 0; i < bus->ports.size(); ++i) {
        bus->ports[i] = jack_port_register(client_, names[i], JACK_DEFAULT_AUDIO_TYPE,
                                           JackPortIsOutput | JackPortIsTerminal, 0);
        if (!bus->ports[i]) {
            for (std::size_t j = 0; j < i; ++j) {
                jack_port_unregister(client_, bus->ports[j]);
            }
            error = "the JACK audio ports could not be registered";
            return nullptr;
        }
    }
    audio_ = bus;
    callbacks_.audio.store(bus.get(), std::memory_order_release);
    if (activated_) {
        connectAudioToPlayback();
    }
    return std::make_unique<JackAudioOutput>(std::move(bus), jack_get_sample_rate(client_),
                                             static_cast<int>(jack_get_buffer_size(client_)));
}

void JackMidiPort::connectAudioToPlayback() {
    if (!audio_) {
        return;
    }
    // As FluidSynth's own JACK driver does: left and right to the first two physical inputs.
    const char** playback = jack_get_ports(client_, nullptr, JACK_DEFAULT_AUDIO_TYPE,
                                           JackPortIsInput | JackPortIsPhysical);
    if (!playback) {
        return;
    }
    for (std::size_t i = 0; i < audio_->ports.size() && playback[i]; ++i) {
        jack_connect(client_, jack_port_name(audio_->ports[i]), playback[i]);
    }
    jack_free(playback);
}

std::string JackMidiPort::sourcePortName() const {
    jack_port_t* port = callbacks_.source.load(std::memory_order_acquire);
    return port && !callbacks_.isShutDown() ? jack_port_name(port) : std::string();
}

} // namespace tinkella
