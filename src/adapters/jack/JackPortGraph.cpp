#include "adapters/jack/JackPortGraph.h"

#include <cerrno>
#include <jack/jack.h>
#include <jack/metadata.h>
#include <jack/uuid.h>
#include <map>
#include <string>

namespace tinkella {

namespace {

struct JackText {
    char* text = nullptr;
    ~JackText() {
        if (text) {
            jack_free(text);
        }
    }
};

std::uint64_t clientUuidByName(jack_client_t* client, const char* name) {
    JackText uuidText{jack_get_uuid_for_client_name(client, name)};
    jack_uuid_t uuid{};
    if (!uuidText.text || jack_uuid_parse(uuidText.text, &uuid) != 0) {
        return 0;
    }
    return uuid;
}

std::optional<std::string> manufacturerOf(jack_client_t* client, const std::string& owner) {
    const std::uint64_t uuid = clientUuidByName(client, owner.c_str());
    JackText text;
    JackText type;
    if (uuid == 0 || jack_get_property(uuid, jackManufacturerKey, &text.text, &type.text) != 0 ||
        !text.text) {
        return std::nullopt;
    }
    return std::string(text.text);
}

// The ports of the given direction, read while the listing is fresh; each owner's
// manufacturer is asked once.
std::vector<MidiEndpoint> midiPorts(jack_client_t* client, unsigned long flags) {
    std::vector<MidiEndpoint> endpoints;
    const char** names = jack_get_ports(client, nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
    if (!names) {
        return endpoints;
    }
    std::map<std::string, std::optional<std::string>> manufacturers;
    for (const char** name = names; *name; ++name) {
        MidiEndpoint endpoint;
        if (const jack_port_t* port = jack_port_by_name(client, *name)) {
            const std::string fullName(*name);
            const std::string owner = fullName.substr(0, fullName.find(':'));
            const auto known = manufacturers.find(owner);
            endpoint.name = jack_port_short_name(port);
            endpoint.manufacturer = known != manufacturers.end()
                                        ? known->second
                                        : manufacturers[owner] = manufacturerOf(client, owner);
            endpoint.uniqueId = jackPortId(port);
        }
        endpoints.push_back(std::move(endpoint));
    }
    jack_free(names);
    return endpoints;
}

} // namespace

MidiTopology jackMidiTopology(jack_client_t* client) {
    return {midiPorts(client, JackPortIsOutput), midiPorts(client, JackPortIsInput), {}};
}

std::int32_t jackPortId(const jack_port_t* port) {
    return static_cast<std::int32_t>(jack_port_uuid(port) & 0xFFFFFFFFu);
}

std::uint64_t jackClientUuid(jack_client_t* client) {
    return clientUuidByName(client, jack_get_client_name(client));
}

MidiStatus setJackManufacturer(jack_client_t* client, std::string_view manufacturer) {
    const std::uint64_t uuid = jackClientUuid(client);
    if (uuid == 0) {
        return -EINVAL;
    }
    const std::string text(manufacturer);
    return jack_set_property(client, uuid, jackManufacturerKey, text.c_str(), "text/plain");
}

} // namespace tinkella
