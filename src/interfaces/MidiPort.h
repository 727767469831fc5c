#pragma once

#include "interfaces/MidiMessage.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tinkella {

// What a call into the MIDI system returned: 0 for success, otherwise a negative errno (ALSA,
// and the JACK calls that return one) or JACK's non-zero result or jack_status_t bits. The port
// that returned it names it (MidiPort::describe).
using MidiStatus = std::int32_t;

// Identifies a port other programs send from, as far as the system can tell them apart: ALSA,
// client * 256 + port; JACK mixes every connection into our one input and cannot, so every
// message there comes from a single sender (1). 0 is never a sender; senderGone(0) means all.
using MidiSender = std::uint32_t;

// One port of the MIDI system as the diagnostic log lists it. A text the system would not give
// is empty.
struct MidiEndpoint {
    std::optional<std::string> name;         // the port's own short name, without "client:"
    std::optional<std::string> manufacturer; // ALSA: the owning client's name; JACK: metadata
    std::int32_t uniqueId = 0; // ALSA: client * 256 + port; JACK: low 32 bits of the port's UUID
};

// The system's ports at one moment, in the system's own order.
struct MidiTopology {
    std::vector<MidiEndpoint> sources;      // ports others read from (ALSA readable, JACK output)
    std::vector<MidiEndpoint> destinations; // ports others write to
    std::vector<std::optional<std::string>> devices; // ALSA: clients of a sound card; JACK: none
};

// What each step of MidiPort::open() returned, for the start-up log.
struct MidiPortOpened {
    MidiStatus client = -1;       // joining the system as a client of the given name
    MidiStatus manufacturer = -1; // recording the manufacturer (ALSA keeps none: -EOPNOTSUPP)
    MidiStatus source = -1;       // publishing the source
    // The source's number in the system: ALSA, client * 256 + port; JACK, the low 32 bits of the
    // port's UUID.
    std::uint32_t sourceHandle = 0;
    std::int32_t sourceUniqueId = 0;
    MidiStatus destination = -1; // publishing the destination
};

// What changed in the system, by the numbers the diagnostic log prints.
enum class MidiChange : std::int32_t {
    connections = 1, // a connection was made or broken
    portAdded = 2,   // a client or port appeared
    portRemoved = 3, // a client or port went away
    portRenamed = 4, // a client or port changed its name or capabilities
    systemGone = 7,  // the system itself went away (the JACK server stopped)
    systemBack = 8,  // it came back and our ports are published again
};

// Receives what other programs send to our destination, always on the main thread (from
// MidiPort::dispatchPending()).
class MidiInputListener {
public:
    virtual ~MidiInputListener() = default;
    // A MIDI 1.0 channel voice message sent to our destination: status byte first, size 2 or 3.
    virtual void received(MidiSender sender, const std::uint8_t* bytes, std::size_t size) = 0;
    // The sender left (its port went, or was disconnected from ours): what it left sounding
    // ends. 0: every sender.
    virtual void senderGone(MidiSender sender) = 0;
};

// Receives what the port hears, the system's changes too, always on the main thread.
class MidiPortListener : public MidiInputListener {
public:
    virtual void changed(MidiChange change) = 0;
};

// The program's place in the system's MIDI graph: a source other programs record from and a
// destination they play into, under one client. Main thread only; messages arriving on the
// system's own threads wait until dispatchPending().
class MidiPort {
public:
    virtual ~MidiPort() = default;

    // The system's ports now (ours among them once published).
    virtual MidiTopology topology() = 0;

    // Joins as clientName, records the manufacturer, publishes the source and the destination,
    // stopping at the first of client and source that fails. listener must outlive the port.
    virtual MidiPortOpened open(std::string_view clientName, std::string_view manufacturer,
                                std::string_view sourceName, std::string_view destinationName,
                                MidiPortListener& listener) = 0;

    // Sends one MIDI 1.0 channel voice message, as message.bytes() gives it, from the source to
    // every program connected to it, at once. Note-offs and controllers 64, 120 and 123 always
    // leave, even when a flood fills the system's queue.
    virtual MidiStatus send(const MidiMessage& message) = 0;

    // Readable while something waits for dispatchPending(); -1 when nothing ever does.
    virtual int pollDescriptor() const = 0;
    virtual void dispatchPending() = 0;

    // Before the process ends: waits at most bound for what was sent to leave; false when some
    // had not (the system stopped answering).
    virtual bool waitUntilSent(std::chrono::milliseconds bound) = 0;

    // The system as a musician names it ("ALSA sequencer", "JACK server").
    virtual std::string displayName() const = 0;
    // A non-zero status of this port's calls in the system's own words, for the diagnostic log
    // ("No such file or directory", "JackFailure|JackServerFailed").
    virtual std::string describe(MidiStatus status) const = 0;
};

} // namespace tinkella
