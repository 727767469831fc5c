#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tinkella {

// Platform status: 0 is success, anything else a failure (a negative errno or a backend code).
using OSStatus = std::int32_t;

// References to objects of the MIDI system. 0 never names an object.
using MIDIObjectRef = std::uint32_t;
using MIDIClientRef = MIDIObjectRef;
using MIDIEndpointRef = MIDIObjectRef;
using MIDIDeviceRef = MIDIObjectRef;
// A count of sources, destinations or devices.
using ItemCount = std::int64_t;
// Nanoseconds on the system's monotonic clock.
using MIDITimeStamp = std::uint64_t;

enum class MIDIProtocolID : std::int32_t { MIDI_1_0 = 1, MIDI_2_0 = 2 };

enum class MIDIStringProperty { Name, Manufacturer };
enum class MIDIIntegerProperty { UniqueID };

// What changed in the MIDI system. Backends report their own events with these identifiers.
enum MIDINotificationMessageID : std::int32_t {
    kMIDIMsgSetupChanged = 1,    // a connection was made or broken
    kMIDIMsgObjectAdded = 2,     // a client or port appeared
    kMIDIMsgObjectRemoved = 3,   // a client or port went away
    kMIDIMsgPropertyChanged = 4, // a client or port changed its name or capabilities
    kMIDIMsgIOError = 7,         // the MIDI system itself went away
};

struct MIDINotification {
    std::int32_t messageID = 0;
};

// Called on the thread that runs MidiSystem::dispatchPending(), never from a backend's own
// threads.
using MIDINotifyBlock = std::function<void(const MIDINotification&)>;

struct MIDIEventList;

// One event at the program's destination. With word non-zero: a MIDI 1.0 channel voice message
// as a Universal MIDI Packet word of type 2 (group 0), sent by sender. With word 0: sender has
// gone (its port went away or was disconnected from ours), so whatever it left sounding should
// end; sender 0 then means every sender (the MIDI system itself went away).
//
// sender names the sending port as far as the system can tell them apart: ALSA, client * 256 +
// port; JACK mixes every connection into the one port and cannot, so each message carries the
// destination's own reference and any connection broken reports that reference gone.
struct MIDIReceivedEvent {
    MIDIEndpointRef sender = 0;
    std::uint32_t word = 0;
};

// Called on the thread that runs MidiSystem::dispatchPending(), like MIDINotifyBlock.
using MIDIReceiveBlock = std::function<void(const MIDIReceivedEvent&)>;

// The calls a virtual MIDI source needs from the platform's MIDI system: enumerate sources,
// destinations and devices with their properties; create a client and a virtual source;
// hand Universal MIDI Packets from that source to whoever listens to it; and a virtual
// destination whose incoming messages reach the program.
//
// Every operation runs on the main thread. Notifications and incoming messages raised on the
// backend's own threads are queued; pollDescriptor() becomes readable while some are pending,
// and dispatchPending() runs them on the caller's thread.
//
// How the backends map onto these calls:
// - Source: a port other programs can read from (ALSA: readable and subscribable; JACK: a MIDI
//   output port). Destination: a port they can write to (ALSA: writable and subscribable;
//   JACK: a MIDI input port). Device: ALSA, a client that belongs to a sound card; JACK has
//   none.
// - Name: the port's own short name (ALSA port name; JACK port name without the "client:"
//   part), so every copy's source is named "Tinkella" whatever its client is called.
// - Manufacturer: ALSA, the owning client's name (it cannot be set); JACK, the owning client's
//   metadata property "http://jackaudio.org/metadata/manufacturer" (set on our own client).
// - Unique ID: ALSA, client * 256 + port; JACK, the low 32 bits of the port's UUID.
// - Status: a failing call's negative errno (ALSA, and JACK calls that return one), JACK's
//   non-zero result or jack_status_t bits otherwise.
class MidiSystem {
public:
    virtual ~MidiSystem() = default;

    virtual ItemCount numberOfSources() = 0;
    // 0 when index is outside 0..numberOfSources()-1.
    virtual MIDIEndpointRef source(ItemCount index) = 0;
    virtual ItemCount numberOfDestinations() = 0;
    virtual MIDIEndpointRef destination(ItemCount index) = 0;
    virtual ItemCount numberOfDevices() = 0;
    virtual MIDIDeviceRef device(ItemCount index) = 0;

    // On failure value is left empty.
    virtual OSStatus getStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                                       std::optional<std::string>& value) = 0;
    // On failure value is left unchanged.
    virtual OSStatus getIntegerProperty(MIDIObjectRef object, MIDIIntegerProperty property,
                                        std::int32_t& value) = 0;
    virtual OSStatus setStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                                       std::string_view value) = 0;

    // Creates the program's client; notify receives every later notification.
    virtual OSStatus clientCreate(std::string_view name, MIDINotifyBlock notify,
                                  MIDIClientRef& client) = 0;
    // A virtual source that other programs can connect to and record from.
    virtual OSStatus sourceCreateWithProtocol(MIDIClientRef client, std::string_view name,
                                              MIDIProtocolID protocol, MIDIEndpointRef& source) = 0;
    // A virtual destination that other programs can connect to and send to; receive gets its
    // channel voice messages and the news of senders gone (see MIDIReceivedEvent).
    virtual OSStatus destinationCreate(MIDIClientRef client, std::string_view name,
                                       MIDIReceiveBlock receive, MIDIEndpointRef& destination) = 0;
    // Hands every packet of the list, as sent by source, to the source's listeners.
    virtual OSStatus receivedEventList(MIDIEndpointRef source, const MIDIEventList& list) = 0;
    virtual MIDITimeStamp currentHostTime() = 0;

    // A descriptor that is readable while notifications are pending, or -1 when the system
    // raises none on other threads.
    virtual int pollDescriptor() const { return -1; }
    virtual void dispatchPending() {}

    // Blocks until every message handed to receivedEventList() so far has left for the
    // listeners, or until bound has passed; false when some had not left by then. Systems that
    // send within receivedEventList() return true at once.
    virtual bool waitUntilSent(std::chrono::milliseconds) { return true; }

    // The system's name as a musician knows it ("ALSA sequencer", "JACK"), for messages that
    // tell the user what went away.
    virtual std::string displayName() const { return "MIDI system"; }
};

} // namespace tinkella
