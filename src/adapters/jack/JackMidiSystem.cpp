#include "adapters/jack/JackMidiSystem.h"

#include "interfaces/MidiEventList.h"
#include "interfaces/MidiMessage.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <jack/jack.h>
#include <jack/metadata.h>
#include <jack/midiport.h>
#include <jack/uuid.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace tinkella {

namespace {

// Room for about 1300 queued three-byte messages; each entry is a length byte and its bytes.
constexpr std::size_t outgoingBytes = 8192;
constexpr std::size_t notificationBytes = 4096;
using ump::maxMessageBytes;
using ump::midi1Bytes;
// Queued by the notification thread beside the public message IDs, never passed on: a
// connection to our destination was broken.
constexpr std::int32_t inputDisconnected = -1;

struct JackText {
    char* text = nullptr;
    ~JackText() {
        if (text) {
            jack_free(text);
        }
    }
};

// libjack's own complaints (a missing server, a lost connection) would bypass the diagnostic
// log, which reports every failing status itself.
void ignoreJackMessage(const char*) {}

std::string clientPart(const std::string& fullName) {
    return fullName.substr(0, fullName.find(':'));
}

} // namespace

std::unique_ptr<JackMidiSystem> JackMidiSystem::open(std::string_view clientName,
                                                     OSStatus& status) {
    const std::string name(clientName);
    jack_set_error_function(&ignoreJackMessage);
    jack_status_t jackStatus{};
    jack_client_t* client = jack_client_open(name.c_str(), JackNoStartServer, &jackStatus);
    if (!client) {
        status = jackStatus != 0 ? static_cast<OSStatus>(jackStatus) : -ECONNREFUSED;
        return nullptr;
    }
    std::unique_ptr<JackMidiSystem> system(new JackMidiSystem(client));
    if (!system->outgoing_ || !system->notifications_ || system->wakeFd_ < 0) {
        status = -ENOMEM;
        return nullptr;
    }
    status = 0;
    return system;
}

JackMidiSystem::JackMidiSystem(jack_client_t* client)
    : client_(client), outgoing_(jack_ringbuffer_create(outgoingBytes)),
      notifications_(jack_ringbuffer_create(notificationBytes)),
      wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (outgoing_) {
        jack_ringbuffer_mlock(outgoing_);
    }
}

JackMidiSystem::~JackMidiSystem() {
    if (!isShutDown()) {
        if (activated_) {
            jack_deactivate(client_);
        }
        jack_remove_properties(client_, clientUuid());
    }
    jack_client_close(client_);
    if (outgoing_) {
        jack_ringbuffer_free(outgoing_);
    }
    if (notifications_) {
        jack_ringbuffer_free(notifications_);
    }
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
    }
}

std::vector<std::string> JackMidiSystem::midiPorts(unsigned long flags) const {
    std::vector<std::string> names;
    if (isShutDown()) {
        return names;
    }
    const char** ports = jack_get_ports(client_, nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
    if (ports) {
        for (const char** p = ports; *p; ++p) {
            names.emplace_back(*p);
        }
        jack_free(ports);
    }
    return names;
}

MIDIEndpointRef JackMidiSystem::refForPort(const std::string& fullName) {
    jack_port_t* port = jack_port_by_name(client_, fullName.c_str());
    if (!port) {
        return 0;
    }
    const auto ref = static_cast<MIDIObjectRef>(jack_port_uuid(port) & 0xFFFFFFFFu);
    portNames_[ref] = fullName;
    return ref;
}

ItemCount JackMidiSystem::numberOfSources() {
    sources_ = midiPorts(JackPortIsOutput);
    return static_cast<ItemCount>(sources_.size());
}

MIDIEndpointRef JackMidiSystem::source(ItemCount index) {
    return endpointAt(sources_, index);
}

ItemCount JackMidiSystem::numberOfDestinations() {
    destinations_ = midiPorts(JackPortIsInput);
    return static_cast<ItemCount>(destinations_.size());
}

MIDIEndpointRef JackMidiSystem::destination(ItemCount index) {
    return endpointAt(destinations_, index);
}

MIDIEndpointRef JackMidiSystem::endpointAt(const std::vector<std::string>& ports, ItemCount index) {
    if (isShutDown() || index < 0 || index >= static_cast<ItemCount>(ports.size())) {
        return 0;
    }
    return refForPort(ports[static_cast<std::size_t>(index)]);
}

OSStatus JackMidiSystem::livePort(MIDIObjectRef object, jack_port_t*& port) const {
    if (isShutDown()) {
        return -ENOTCONN;
    }
    const auto found = portNames_.find(object);
    if (found == portNames_.end()) {
        return -EINVAL;
    }
    port = jack_port_by_name(client_, found->second.c_str());
    return port ? 0 : -ENOENT;
}

OSStatus JackMidiSystem::getStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                                           std::optional<std::string>& value) {
    value.reset();
    jack_port_t* port = nullptr;
    if (const OSStatus status = livePort(object, port); status != 0) {
        return status;
    }
    if (property == MIDIStringProperty::Name) {
        value = jack_port_short_name(port);
        return 0;
    }
    const std::string owner = clientPart(portNames_.at(object));
    JackText uuidText{jack_get_uuid_for_client_name(client_, owner.c_str())};
    jack_uuid_t uuid{};
    if (!uuidText.text || jack_uuid_parse(uuidText.text, &uuid) != 0) {
        return -ENOENT;
    }
    JackText text;
    JackText type;
    if (jack_get_property(uuid, manufacturerKey, &text.text, &type.text) != 0 || !text.text) {
        return -ENOENT;
    }
    value = text.text;
    return 0;
}

OSStatus JackMidiSystem::getIntegerProperty(MIDIObjectRef object, MIDIIntegerProperty,
                                            std::int32_t& value) {
    jack_port_t* port = nullptr;
    if (const OSStatus status = livePort(object, port); status != 0) {
        return status;
    }
    value = static_cast<std::int32_t>(jack_port_uuid(port) & 0xFFFFFFFFu);
    return 0;
}

std::uint64_t JackMidiSystem::clientUuid() const {
    JackText uuidText{jack_get_uuid_for_client_name(client_, jack_get_client_name(client_))};
    jack_uuid_t uuid{};
    if (!uuidText.text || jack_uuid_parse(uuidText.text, &uuid) != 0) {
        return 0;
    }
    return uuid;
}

OSStatus JackMidiSystem::setStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                                           std::string_view value) {
    if (isShutDown()) {
        return -ENOTCONN;
    }
    const std::uint64_t uuid = clientUuid();
    if (property != MIDIStringProperty::Manufacturer || uuid == 0 ||
        object != static_cast<MIDIObjectRef>(uuid & 0xFFFFFFFFu)) {
        return -EINVAL;
    }
    const std::string text(value);
    return jack_set_property(client_, uuid, manufacturerKey, text.c_str(), "text/plain");
}

OSStatus JackMidiSystem::clientCreate(std::string_view, MIDINotifyBlock notify,
                                      MIDIClientRef& client) {
    if (isShutDown()) {
        return -ENOTCONN;
    }
    if (activated_) {
        return -EEXIST;
    }
    notify_ = std::move(notify);
    if (int r = jack_set_process_callback(client_, &JackMidiSystem::process, this); r != 0) {
        return r;
    }
    jack_set_port_registration_callback(client_, &JackMidiSystem::portRegistered, this);
    jack_set_client_registration_callback(client_, &JackMidiSystem::clientRegistered, this);
    jack_set_port_connect_callback(client_, &JackMidiSystem::portConnected, this);
    jack_set_port_rename_callback(client_, &JackMidiSystem::portRenamed, this);
    jack_on_shutdown(client_, &JackMidiSystem::serverShutdown, this);
    if (int r = jack_activate(client_); r != 0) {
        return r;
    }
    activated_ = true;
    connectAudioToPlayback();
    const std::uint64_t uuid = clientUuid();
    client = static_cast<MIDIClientRef>(uuid & 0xFFFFFFFFu);
    return client != 0 ? 0 : -ENOENT;
}

OSStatus JackMidiSystem::sourceCreateWithProtocol(MIDIClientRef, std::string_view name,
                                                  MIDIProtocolID protocol,
                                                  MIDIEndpointRef& source) {
    if (isShutDown()) {
        return -ENOTCONN;
    }
    if (protocol != MIDIProtocolID::MIDI_1_0 || port_.load() != nullptr) {
        return -EINVAL;
    }
    const std::string portName(name);
    jack_port_t* port = jack_port_register(client_, portName.c_str(), JACK_DEFAULT_MIDI_TYPE,
                                           JackPortIsOutput | JackPortIsTerminal, 0);
    if (!port) {
        return -EEXIST;
    }
    port_.store(port, std::memory_order_release);
    sourceRef_ = static_cast<MIDIEndpointRef>(jack_port_uuid(port) & 0xFFFFFFFFu);
    portNames_[sourceRef_] = jack_port_name(port);
    source = sourceRef_;
    return 0;
}

OSStatus JackMidiSystem::destinationCreate(MIDIClientRef, std::string_view name,
                                           MIDIReceiveBlock receive, MIDIEndpointRef& destination) {
    if (isShutDown()) {
        return -ENOTCONN;
    }
    if (inputPort_.load() != nullptr) {
        return -EINVAL;
    }
    const std::string portName(name);
    jack_port_t* port = jack_port_register(client_, portName.c_str(), JACK_DEFAULT_MIDI_TYPE,
                                           JackPortIsInput | JackPortIsTerminal, 0);
    if (!port) {
        return -EEXIST;
    }
    receive_ = std::move(receive);
    destinationRef_ = static_cast<MIDIEndpointRef>(jack_port_uuid(port) & 0xFFFFFFFFu);
    portNames_[destinationRef_] = jack_port_name(port);
    inputPort_.store(port, std::memory_order_release);
    destination = destinationRef_;
    return 0;
}

OSStatus JackMidiSystem::receivedEventList(MIDIEndpointRef source, const MIDIEventList& list) {
    if (isShutDown()) {
        return -ENOTCONN;
    }
    if (source == 0 || source != sourceRef_ || list.protocol != MIDIProtocolID::MIDI_1_0) {
        return -EINVAL;
    }
    std::size_t needed = 0;
    const MIDIEventPacket* packet = &list.packet[0];
    for (std::uint32_t i = 0; i < list.numPackets; ++i, packet = MIDIEventPacketNext(packet)) {
        for (std::uint32_t w = 0; w < packet->wordCount; ++w) {
            std::uint8_t bytes[maxMessageBytes];
            const std::size_t count = midi1Bytes(packet->words[w], bytes);
            if (count == 0) {
                return -EINVAL;
            }
            needed += 1 + count;
        }
    }
    if (jack_ringbuffer_write_space(outgoing_) < needed) {
        return -ENOBUFS;
    }
    packet = &list.packet[0];
    for (std::uint32_t i = 0; i < list.numPackets; ++i, packet = MIDIEventPacketNext(packet)) {
        for (std::uint32_t w = 0; w < packet->wordCount; ++w) {
            unsigned char entry[1 + maxMessageBytes];
            std::uint8_t bytes[maxMessageBytes];
            const std::size_t count = midi1Bytes(packet->words[w], bytes);
            entry[0] = static_cast<unsigned char>(count);
            std::memcpy(entry + 1, bytes, count);
            // One write per entry: the process callback sees it whole or not at all.
            jack_ringbuffer_write(outgoing_, reinterpret_cast<const char*>(entry), 1 + count);
        }
    }
    return 0;
}

MIDITimeStamp JackMidiSystem::currentHostTime() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<MIDITimeStamp>(now.tv_sec) * 1000000000u +
           static_cast<MIDITimeStamp>(now.tv_nsec);
}

int JackMidiSystem::process(jack_nframes_t nframes, void* arg) {
    auto* self = static_cast<JackMidiSystem*>(arg);
    if (jack_port_t* input = self->inputPort_.load(std::memory_order_acquire)) {
        void* buffer = jack_port_get_buffer(input, nframes);
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
                received = self->incoming_.push(
                               {ump::statusByte(word), ump::data1(word), ump::data2(word)}) ||
                           received;
            }
        }
        if (received) {
            self->wake();
        }
    }
    if (jack_port_t* port = self->port_.load(std::memory_order_acquire)) {
        self->sendQueued(port, nframes);
    }
    // After the MIDI: a note queued to the synthesiser before its MIDI message was queued
    // sounds in the cycle that sends the message.
    if (JackAudioBus* bus = self->audioBus_.load(std::memory_order_acquire)) {
        bus->process(nframes);
    }
    self->cycles_.fetch_add(1, std::memory_order_release);
    return 0;
}

void JackMidiSystem::sendQueued(jack_port_t* port, jack_nframes_t nframes) {
    void* buffer = jack_port_get_buffer(port, nframes);
    jack_midi_clear_buffer(buffer);
    while (jack_ringbuffer_read_space(outgoing_) > 0) {
        unsigned char entry[1 + maxMessageBytes];
        jack_ringbuffer_peek(outgoing_, reinterpret_cast<char*>(entry), 1);
        const std::size_t count = entry[0];
        jack_ringbuffer_peek(outgoing_, reinterpret_cast<char*>(entry), 1 + count);
        // A full port buffer leaves the rest for the next cycle, in order.
        if (jack_midi_event_write(buffer, 0, entry + 1, count) != 0) {
            break;
        }
        jack_ringbuffer_read_advance(outgoing_, 1 + count);
    }
}

std::unique_ptr<AudioOutput> JackMidiSystem::openAudioOutput(std::string& error) {
    if (isShutDown() || audio_) {
        error = isShutDown() ? "the JACK server has gone" : "the audio outputs exist already";
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
    audioBus_.store(bus.get(), std::memory_order_release);
    if (activated_) {
        connectAudioToPlayback();
    }
    return std::make_unique<JackAudioOutput>(std::move(bus), jack_get_sample_rate(client_),
                                             static_cast<int>(jack_get_buffer_size(client_)));
}

void JackMidiSystem::connectAudioToPlayback() {
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

bool JackMidiSystem::waitUntilSent(std::chrono::milliseconds bound) {
    if (isShutDown() || port_.load(std::memory_order_acquire) == nullptr) {
        return jack_ringbuffer_read_space(outgoing_) == 0;
    }
    // The callback cannot signal without risking a block, so the main thread polls.
    constexpr auto poll = std::chrono::milliseconds(1);
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (jack_ringbuffer_read_space(outgoing_) > 0) {
        if (isShutDown() || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(poll);
    }
    // The cycle that took the last message may still be running: wait for a callback to end
    // after the queue was seen empty, that one or a later one.
    const std::uint64_t taken = cycles_.load(std::memory_order_acquire);
    while (cycles_.load(std::memory_order_acquire) == taken) {
        if (isShutDown() || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(poll);
    }
    return true;
}

void JackMidiSystem::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

void JackMidiSystem::raise(std::int32_t messageID) {
    // A full queue drops the notification: they only feed the log.
    if (jack_ringbuffer_write_space(notifications_) >= sizeof messageID) {
        jack_ringbuffer_write(notifications_, reinterpret_cast<const char*>(&messageID),
                              sizeof messageID);
    }
    wake();
}

bool JackMidiSystem::isMidiPort(jack_port_id_t portId) const {
    jack_port_t* port = jack_port_by_id(client_, portId);
    return port && std::strcmp(jack_port_type(port), JACK_DEFAULT_MIDI_TYPE) == 0;
}

void JackMidiSystem::portRegistered(jack_port_id_t port, int registered, void* arg) {
    auto* self = static_cast<JackMidiSystem*>(arg);
    if (self->isMidiPort(port)) {
        self->raise(registered ? kMIDIMsgObjectAdded : kMIDIMsgObjectRemoved);
    }
}

void JackMidiSystem::clientRegistered(const char*, int registered, void* arg) {
    static_cast<JackMidiSystem*>(arg)->raise(registered ? kMIDIMsgObjectAdded
                                                        : kMIDIMsgObjectRemoved);
}

bool JackMidiSystem::isInputPort(jack_port_id_t portId) const {
    jack_port_t* input = inputPort_.load(std::memory_order_acquire);
    return input != nullptr && jack_port_by_id(client_, portId) == input;
}

void JackMidiSystem::portConnected(jack_port_id_t a, jack_port_id_t b, int connected, void* arg) {
    auto* self = static_cast<JackMidiSystem*>(arg);
    if (self->isMidiPort(a)) {
        self->raise(kMIDIMsgSetupChanged);
    }
    if (!connected && (self->isInputPort(a) || self->isInputPort(b))) {
        self->raise(inputDisconnected);
    }
}

void JackMidiSystem::portRenamed(jack_port_id_t port, const char*, const char*, void* arg) {
    auto* self = static_cast<JackMidiSystem*>(arg);
    if (self->isMidiPort(port)) {
        self->raise(kMIDIMsgPropertyChanged);
    }
}

void JackMidiSystem::serverShutdown(void* arg) {
    auto* self = static_cast<JackMidiSystem*>(arg);
    self->shutDown_.store(true, std::memory_order_release);
    self->wake();
}

void JackMidiSystem::dispatchPending() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t drained = ::read(wakeFd_, &count, sizeof count);
    // Notifications are taken before the messages: a message the process callback queued before
    // a broken connection was reported is then handed over before the sender is reported gone.
    std::vector<std::int32_t> messageIDs;
    std::int32_t messageID = 0;
    while (jack_ringbuffer_read_space(notifications_) >= sizeof messageID) {
        jack_ringbuffer_read(notifications_, reinterpret_cast<char*>(&messageID), sizeof messageID);
        messageIDs.push_back(messageID);
    }
    MidiEventRing::Event event;
    while (incoming_.pop(event)) {
        if (receive_) {
            receive_({destinationRef_, ump::midi1Word(event.status, event.data1, event.data2)});
        }
    }
    for (const std::int32_t id : messageIDs) {
        if (id == inputDisconnected) {
            if (receive_) {
                receive_({destinationRef_, 0});
            }
        } else if (notify_) {
            notify_(MIDINotification{id});
        }
    }
    if (isShutDown() && !shutdownReported_) {
        shutdownReported_ = true;
        port_.store(nullptr, std::memory_order_release);
        inputPort_.store(nullptr, std::memory_order_release);
        if (notify_) {
            notify_(MIDINotification{kMIDIMsgIOError});
        }
    }
}

std::string JackMidiSystem::sourcePortName() const {
    jack_port_t* port = port_.load(std::memory_order_acquire);
    return port && !isShutDown() ? jack_port_name(port) : std::string();
}

} // namespace tinkella
