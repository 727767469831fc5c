#pragma once

#include "interfaces/MidiPort.h"

#include <cstdint>
#include <jack/types.h>
#include <string_view>

namespace tinkella {

// Queries of the JACK graph's MIDI ports, and the manufacturer JACK keeps as metadata of a
// client. Any thread but the process thread: these calls talk to the server.

// The manufacturer is stored as this metadata property of the owning client.
inline constexpr const char* jackManufacturerKey = "http://jackaudio.org/metadata/manufacturer";

// The graph's MIDI output ports as sources and its MIDI input ports as destinations, in the
// server's order; no devices. A port gone between the listing and its reading has no name.
MidiTopology jackMidiTopology(jack_client_t* client);

// The low 32 bits of a port's UUID, which the log prints as its unique ID.
std::int32_t jackPortId(const jack_port_t* port);

// Our own client's UUID, 0 when the server does not tell it.
std::uint64_t jackClientUuid(jack_client_t* client);

// Records manufacturer on our own client: 0, -EINVAL without a UUID, or jack_set_property's
// result.
MidiStatus setJackManufacturer(jack_client_t* client, std::string_view manufacturer);

} // namespace tinkella
