#include "adapters/alsa/AlsaMidiSystem.h"

#include "interfaces/MidiEventList.h"
#include "interfaces/MidiMessage.h"

#include <alsa/asoundlib.h>
#include <cerrno>
#include <ctime>

namespace tinkella {

namespace {

MIDIObjectRef address(int client, int port) {
    return static_cast<MIDIObjectRef>(client * 256 + port);
}

std::int32_t notificationFor(snd_seq_event_type_t type) {
    switch (type) {
    case SND_SEQ_EVENT_CLIENT_START:
    case SND_SEQ_EVENT_PORT_START:
        return kMIDIMsgObjectAdded;
    case SND_SEQ_EVENT_CLIENT_EXIT:
    case SND_SEQ_EVENT_PORT_EXIT:
        return kMIDIMsgObjectRemoved;
    case SND_SEQ_EVENT_CLIENT_CHANGE:
    case SND_SEQ_EVENT_PORT_CHANGE:
        return kMIDIMsgPropertyChanged;
    case SND_SEQ_EVENT_PORT_SUBSCRIBED:
    case SND_SEQ_EVENT_PORT_UNSUBSCRIBED:
        return kMIDIMsgSetupChanged;
    default:
        return 0;
    }
}

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

} // namespace

std::unique_ptr<AlsaMidiSystem> AlsaMidiSystem::open(OSStatus& status) {
    snd_seq_t* seq = nullptr;
    // A machine without a sequencer is an expected answer here: libasound's own complaint stays
    // off standard error, and the caller names the backend it falls back to.
    const snd_lib_error_handler_t previous = snd_lib_error;
    snd_lib_error_set_handler(quietAlsa);
    const int r = snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK);
    snd_lib_error_set_handler(previous);
    if (r < 0 || !seq) {
        status = r < 0 ? r : -ENODEV;
        return nullptr;
    }
    status = 0;
    return std::unique_ptr<AlsaMidiSystem>(new AlsaMidiSystem(seq));
}

AlsaMidiSystem::AlsaMidiSystem(snd_seq_t* seq) : seq_(seq) {
    ownClient_ = snd_seq_client_id(seq_);
    snd_midi_event_new(ump::maxMessageBytes, &encoder_);
    if (snd_midi_event_new(ump::maxMessageBytes, &decoder_) == 0) {
        snd_midi_event_no_status(decoder_, 1); // every message whole, with its status byte
    }
    pollfd descriptor{};
    if (snd_seq_poll_descriptors(seq_, &descriptor, 1, POLLIN) == 1) {
        pollFd_ = descriptor.fd;
    }
}

AlsaMidiSystem::~AlsaMidiSystem() {
    if (encoder_) {
        snd_midi_event_free(encoder_);
    }
    if (decoder_) {
        snd_midi_event_free(decoder_);
    }
    snd_seq_close(seq_);
}

std::vector<MIDIObjectRef> AlsaMidiSystem::ports(unsigned int caps) const {
    std::vector<MIDIObjectRef> found;
    snd_seq_client_info_t* clientInfo = nullptr;
    snd_seq_port_info_t* portInfo = nullptr;
    snd_seq_client_info_alloca(&clientInfo);
    snd_seq_port_info_alloca(&portInfo);
    snd_seq_client_info_set_client(clientInfo, -1);
    while (snd_seq_query_next_client(seq_, clientInfo) >= 0) {
        const int client = snd_seq_client_info_get_client(clientInfo);
        // The system client's Timer and Announce ports are readable and subscribable too, but
        // carry the sequencer's own events, not MIDI.
        if (client == SND_SEQ_CLIENT_SYSTEM) {
            continue;
        }
        snd_seq_port_info_set_client(portInfo, client);
        snd_seq_port_info_set_port(portInfo, -1);
        while (snd_seq_query_next_port(seq_, portInfo) >= 0) {
            const unsigned int portCaps = snd_seq_port_info_get_capability(portInfo);
            if ((portCaps & caps) == caps && (portCaps & SND_SEQ_PORT_CAP_NO_EXPORT) == 0) {
                found.push_back(address(client, snd_seq_port_info_get_port(portInfo)));
            }
        }
    }
    return found;
}

ItemCount AlsaMidiSystem::numberOfSources() {
    sources_ = ports(SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ);
    return static_cast<ItemCount>(sources_.size());
}

MIDIEndpointRef AlsaMidiSystem::source(ItemCount index) {
    return index >= 0 && index < static_cast<ItemCount>(sources_.size())
               ? sources_[static_cast<std::size_t>(index)]
               : 0;
}

ItemCount AlsaMidiSystem::numberOfDestinations() {
    destinations_ = ports(SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE);
    return static_cast<ItemCount>(destinations_.size());
}

MIDIEndpointRef AlsaMidiSystem::destination(ItemCount index) {
    return index >= 0 && index < static_cast<ItemCount>(destinations_.size())
               ? destinations_[static_cast<std::size_t>(index)]
               : 0;
}

ItemCount AlsaMidiSystem::numberOfDevices() {
    devices_.clear();
    snd_seq_client_info_t* clientInfo = nullptr;
    snd_seq_client_info_alloca(&clientInfo);
    snd_seq_client_info_set_client(clientInfo, -1);
    while (snd_seq_query_next_client(seq_, clientInfo) >= 0) {
        if (snd_seq_client_info_get_card(clientInfo) >= 0) {
            devices_.push_back(
                deviceTag + static_cast<MIDIObjectRef>(snd_seq_client_info_get_client(clientInfo)));
        }
    }
    return static_cast<ItemCount>(devices_.size());
}

MIDIDeviceRef AlsaMidiSystem::device(ItemCount index) {
    return index >= 0 && index < static_cast<ItemCount>(devices_.size())
               ? devices_[static_cast<std::size_t>(index)]
               : 0;
}

OSStatus AlsaMidiSystem::getStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                                           std::optional<std::string>& value) {
    value.reset();
    snd_seq_client_info_t* clientInfo = nullptr;
    snd_seq_client_info_alloca(&clientInfo);
    if (object >= deviceTag) {
        if (int r =
                snd_seq_get_any_client_info(seq_, static_cast<int>(object - deviceTag), clientInfo);
            r < 0) {
            return r;
        }
        if (property != MIDIStringProperty::Name) {
            return -EINVAL;
        }
        value = snd_seq_client_info_get_name(clientInfo);
        return 0;
    }
    const int client = static_cast<int>(object / 256);
    const int port = static_cast<int>(object % 256);
    if (property == MIDIStringProperty::Manufacturer) {
        if (int r = snd_seq_get_any_client_info(seq_, client, clientInfo); r < 0) {
            return r;
        }
        value = snd_seq_client_info_get_name(clientInfo);
        return 0;
    }
    snd_seq_port_info_t* portInfo = nullptr;
    snd_seq_port_info_alloca(&portInfo);
    if (int r = snd_seq_get_any_port_info(seq_, client, port, portInfo); r < 0) {
        return r;
    }
    value = snd_seq_port_info_get_name(portInfo);
    return 0;
}

OSStatus AlsaMidiSystem::getIntegerProperty(MIDIObjectRef object, MIDIIntegerProperty,
                                            std::int32_t& value) {
    if (object >= deviceTag) {
        return -EINVAL;
    }
    value = static_cast<std::int32_t>(object);
    return 0;
}

OSStatus AlsaMidiSystem::setStringProperty(MIDIObjectRef, MIDIStringProperty, std::string_view) {
    return -EOPNOTSUPP;
}

OSStatus AlsaMidiSystem::clientCreate(std::string_view name, MIDINotifyBlock notify,
                                      MIDIClientRef& client) {
    const std::string clientName(name);
    if (int r = snd_seq_set_client_name(seq_, clientName.c_str()); r < 0) {
        return r;
    }
    // A private port, not offered to others, that hears the system's announcements.
    listenPort_ = snd_seq_create_simple_port(seq_, "announcements",
                                             SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                             SND_SEQ_PORT_TYPE_APPLICATION);
    if (listenPort_ < 0) {
        return listenPort_;
    }
    if (int r = snd_seq_connect_from(seq_, listenPort_, SND_SEQ_CLIENT_SYSTEM,
                                     SND_SEQ_PORT_SYSTEM_ANNOUNCE);
        r < 0) {
        return r;
    }
    notify_ = std::move(notify);
    client = static_cast<MIDIClientRef>(ownClient_);
    return 0;
}

OSStatus AlsaMidiSystem::sourceCreateWithProtocol(MIDIClientRef, std::string_view name,
                                                  MIDIProtocolID protocol,
                                                  MIDIEndpointRef& source) {
    if (protocol != MIDIProtocolID::MIDI_1_0) {
        return -EINVAL;
    }
    const std::string portName(name);
    const int port = snd_seq_create_simple_port(
        seq_, portName.c_str(), SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
        SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_SOFTWARE |
            SND_SEQ_PORT_TYPE_APPLICATION);
    if (port < 0) {
        return port;
    }
    sourcePort_ = port;
    source = address(ownClient_, port);
    return 0;
}

OSStatus AlsaMidiSystem::destinationCreate(MIDIClientRef, std::string_view name,
                                           MIDIReceiveBlock receive, MIDIEndpointRef& destination) {
    if (destinationPort_ >= 0 || !decoder_) {
        return -EINVAL;
    }
    const std::string portName(name);
    const int port = snd_seq_create_simple_port(
        seq_, portName.c_str(), SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
        SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_SOFTWARE |
            SND_SEQ_PORT_TYPE_APPLICATION);
    if (port < 0) {
        return port;
    }
    destinationPort_ = port;
    receive_ = std::move(receive);
    destination = address(ownClient_, port);
    return 0;
}

OSStatus AlsaMidiSystem::receivedEventList(MIDIEndpointRef source, const MIDIEventList& list) {
    if (sourcePort_ < 0 || source != address(ownClient_, sourcePort_) || !encoder_) {
        return -EINVAL;
    }
    const MIDIEventPacket* packet = &list.packet[0];
    for (std::uint32_t i = 0; i < list.numPackets; ++i, packet = MIDIEventPacketNext(packet)) {
        for (std::uint32_t w = 0; w < packet->wordCount; ++w) {
            std::uint8_t bytes[ump::maxMessageBytes];
            const std::size_t count = ump::midi1Bytes(packet->words[w], bytes);
            if (count == 0) {
                return -EINVAL;
            }
            snd_seq_event_t event;
            snd_seq_ev_clear(&event);
            snd_midi_event_reset_encode(encoder_);
            if (snd_midi_event_encode(encoder_, bytes, static_cast<long>(count), &event) <= 0 ||
                event.type == SND_SEQ_EVENT_NONE) {
                return -EINVAL;
            }
            snd_seq_ev_set_source(&event, sourcePort_);
            snd_seq_ev_set_subs(&event);
            snd_seq_ev_set_direct(&event);
            if (int r = snd_seq_event_output_direct(seq_, &event); r < 0) {
                return r;
            }
        }
    }
    return 0;
}

MIDITimeStamp AlsaMidiSystem::currentHostTime() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<MIDITimeStamp>(now.tv_sec) * 1000000000u +
           static_cast<MIDITimeStamp>(now.tv_nsec);
}

void AlsaMidiSystem::dispatchPending() {
    snd_seq_event_t* event = nullptr;
    while (snd_seq_event_input(seq_, &event) >= 0 && event) {
        if (receive_) {
            receive(*event);
        }
        const std::int32_t id = notificationFor(event->type);
        if (id != 0 && notify_) {
            notify_(MIDINotification{id});
        }
    }
}

void AlsaMidiSystem::receive(const snd_seq_event_t& event) {
    switch (event.type) {
    case SND_SEQ_EVENT_PORT_UNSUBSCRIBED:
        if (event.data.connect.dest.client == ownClient_ &&
            event.data.connect.dest.port == destinationPort_) {
            sendersGone(event.data.connect.sender.client, event.data.connect.sender.port);
        }
        return;
    case SND_SEQ_EVENT_PORT_EXIT:
        sendersGone(event.data.addr.client, event.data.addr.port);
        return;
    case SND_SEQ_EVENT_CLIENT_EXIT:
        sendersGone(event.data.addr.client, -1);
        return;
    default:
        break;
    }
    if (event.dest.port != destinationPort_ || snd_seq_ev_is_variable(&event)) {
        return;
    }
    std::uint8_t bytes[ump::maxMessageBytes];
    snd_midi_event_reset_decode(decoder_);
    const long count = snd_midi_event_decode(decoder_, bytes, sizeof bytes, &event);
    const std::uint32_t word =
        count > 0 ? ump::midi1WordFromBytes(bytes, static_cast<std::size_t>(count)) : 0;
    if (word != 0) {
        const MIDIObjectRef sender = address(event.source.client, event.source.port);
        senders_.insert(sender);
        receive_({sender, word});
    }
}

void AlsaMidiSystem::sendersGone(int client, int port) {
    for (auto it = senders_.begin(); it != senders_.end();) {
        const MIDIObjectRef sender = *it;
        if (static_cast<int>(sender / 256) == client &&
            (port < 0 || static_cast<int>(sender % 256) == port)) {
            it = senders_.erase(it);
            receive_({sender, 0});
        } else {
            ++it;
        }
    }
}

} // namespace tinkella
