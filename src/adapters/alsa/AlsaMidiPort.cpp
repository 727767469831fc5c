#include "adapters/alsa/AlsaMidiPort.h"

#include "interfaces/MidiMessage.h"

#include <alsa/asoundlib.h>
#include <cerrno>

namespace tinkella {

namespace {

MidiSender address(int client, int port) {
    return static_cast<MidiSender>(client * 256 + port);
}

MidiChange changeFor(snd_seq_event_type_t type) {
    switch (type) {
    case SND_SEQ_EVENT_CLIENT_START:
    case SND_SEQ_EVENT_PORT_START:
        return MidiChange::portAdded;
    case SND_SEQ_EVENT_CLIENT_EXIT:
    case SND_SEQ_EVENT_PORT_EXIT:
        return MidiChange::portRemoved;
    case SND_SEQ_EVENT_CLIENT_CHANGE:
    case SND_SEQ_EVENT_PORT_CHANGE:
        return MidiChange::portRenamed;
    case SND_SEQ_EVENT_PORT_SUBSCRIBED:
    case SND_SEQ_EVENT_PORT_UNSUBSCRIBED:
        return MidiChange::connections;
    default:
        return MidiChange{};
    }
}

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

} // namespace

std::string AlsaMidiPort::describeStatus(MidiStatus status) {
    return snd_strerror(status);
}

std::unique_ptr<AlsaMidiPort> AlsaMidiPort::connect(MidiStatus& status) {
    snd_seq_t* seq = nullptr;
    // A machine without a sequencer is an expected answer here: libasound's own complaint stays
    // off standard error, and the caller names the backend it falls back to. The library's own
    // handler (null) comes back after: no part of the program keeps another for good.
    snd_lib_error_set_handler(quietAlsa);
    const int r = snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK);
    snd_lib_error_set_handler(nullptr);
    if (r < 0 || !seq) {
        status = r < 0 ? r : -ENODEV;
        return nullptr;
    }
    status = 0;
    return std::unique_ptr<AlsaMidiPort>(new AlsaMidiPort(seq));
}

AlsaMidiPort::AlsaMidiPort(snd_seq_t* seq) : seq_(seq) {
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

AlsaMidiPort::~AlsaMidiPort() {
    if (encoder_) {
        snd_midi_event_free(encoder_);
    }
    if (decoder_) {
        snd_midi_event_free(decoder_);
    }
    snd_seq_close(seq_);
}

std::vector<MidiEndpoint> AlsaMidiPort::ports(unsigned int caps) const {
    std::vector<MidiEndpoint> found;
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
                const int port = snd_seq_port_info_get_port(portInfo);
                found.push_back({snd_seq_port_info_get_name(portInfo),
                                 snd_seq_client_info_get_name(clientInfo),
                                 static_cast<std::int32_t>(address(client, port))});
            }
        }
    }
    return found;
}

MidiTopology AlsaMidiPort::topology() {
    MidiTopology topology;
    topology.sources = ports(SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ);
    topology.destinations = ports(SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE);
    snd_seq_client_info_t* clientInfo = nullptr;
    snd_seq_client_info_alloca(&clientInfo);
    snd_seq_client_info_set_client(clientInfo, -1);
    while (snd_seq_query_next_client(seq_, clientInfo) >= 0) {
        if (snd_seq_client_info_get_card(clientInfo) >= 0) {
            topology.devices.emplace_back(snd_seq_client_info_get_name(clientInfo));
        }
    }
    return topology;
}

MidiStatus AlsaMidiPort::join(std::string_view clientName) {
    const std::string name(clientName);
    if (int r = snd_seq_set_client_name(seq_, name.c_str()); r < 0) {
        return r;
    }
    // A private port, not offered to others, that hears the system's announcements.
    listenPort_ = snd_seq_create_simple_port(seq_, "announcements",
                                             SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                             SND_SEQ_PORT_TYPE_APPLICATION);
    if (listenPort_ < 0) {
        return listenPort_;
    }
    return snd_seq_connect_from(seq_, listenPort_, SND_SEQ_CLIENT_SYSTEM,
                                SND_SEQ_PORT_SYSTEM_ANNOUNCE);
}

MidiStatus AlsaMidiPort::createPort(std::string_view name, bool readable, int& port) {
    const std::string portName(name);
    const unsigned int caps = readable ? SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ
                                       : SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
    const int made =
        snd_seq_create_simple_port(seq_, portName.c_str(), caps,
                                   SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_SOFTWARE |
                                       SND_SEQ_PORT_TYPE_APPLICATION);
    if (made < 0) {
        return made;
    }
    port = made;
    return 0;
}

MidiPortOpened AlsaMidiPort::open(std::string_view clientName, std::string_view,
                                  std::string_view sourceName, std::string_view destinationName,
                                  MidiPortListener& listener) {
    MidiPortOpened opened;
    if (listener_ != nullptr) {
        opened.client = -EEXIST;
        return opened;
    }
    opened.client = join(clientName);
    if (opened.client != 0) {
        return opened;
    }
    listener_ = &listener;
    opened.manufacturer = -EOPNOTSUPP;
    opened.source = createPort(sourceName, true, sourcePort_);
    if (opened.source != 0) {
        return opened;
    }
    opened.sourceHandle = address(ownClient_, sourcePort_);
    opened.sourceUniqueId = static_cast<std::int32_t>(opened.sourceHandle);
    opened.destination = decoder_ ? createPort(destinationName, false, destinationPort_) : -EINVAL;
    return opened;
}

MidiStatus AlsaMidiPort::send(const MidiMessage& message) {
    if (sourcePort_ < 0 || !encoder_) {
        return -EINVAL;
    }
    snd_seq_event_t event;
    snd_seq_ev_clear(&event);
    snd_midi_event_reset_encode(encoder_);
    const auto bytes = message.bytes();
    if (message.size() == 0 ||
        snd_midi_event_encode(encoder_, bytes.data(), static_cast<long>(message.size()), &event) <=
            0 ||
        event.type == SND_SEQ_EVENT_NONE) {
        return -EINVAL;
    }
    snd_seq_ev_set_source(&event, sourcePort_);
    snd_seq_ev_set_subs(&event);
    snd_seq_ev_set_direct(&event);
    const int r = snd_seq_event_output_direct(seq_, &event);
    return r < 0 ? r : 0;
}

void AlsaMidiPort::dispatchPending() {
    snd_seq_event_t* event = nullptr;
    while (snd_seq_event_input(seq_, &event) >= 0 && event) {
        if (!listener_) {
            continue;
        }
        receive(*event);
        if (const MidiChange change = changeFor(event->type); change != MidiChange{}) {
            listener_->changed(change);
        }
    }
}

void AlsaMidiPort::receive(const snd_seq_event_t& event) {
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
    if (destinationPort_ < 0 || event.dest.port != destinationPort_ ||
        snd_seq_ev_is_variable(&event)) {
        return;
    }
    std::uint8_t bytes[ump::maxMessageBytes];
    snd_midi_event_reset_decode(decoder_);
    const long count = snd_midi_event_decode(decoder_, bytes, sizeof bytes, &event);
    if (count > 0 && ump::midi1WordFromBytes(bytes, static_cast<std::size_t>(count)) != 0) {
        const MidiSender sender = address(event.source.client, event.source.port);
        senders_.insert(sender);
        listener_->received(sender, bytes, static_cast<std::size_t>(count));
    }
}

void AlsaMidiPort::sendersGone(int client, int port) {
    for (auto it = senders_.begin(); it != senders_.end();) {
        const MidiSender sender = *it;
        if (static_cast<int>(sender / 256) == client &&
            (port < 0 || static_cast<int>(sender % 256) == port)) {
            it = senders_.erase(it);
            listener_->senderGone(sender);
        } else {
            ++it;
        }
    }
}

} // namespace tinkella
