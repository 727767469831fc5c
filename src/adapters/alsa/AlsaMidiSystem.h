#pragma once

#include "interfaces/MidiSystem.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

typedef struct _snd_seq snd_seq_t;
typedef struct snd_midi_event snd_midi_event_t;
typedef struct snd_seq_event snd_seq_event_t;

namespace tinkella {

// The MIDI system as an ALSA sequencer client. Sources are the readable, subscribable ports,
// destinations the writable, subscribable ones, devices the clients that belong to a sound
// card. Our source sends straight to its subscribers. Graph changes arrive on the announce
// port, what others send on our destination port; pollDescriptor() is the sequencer's input
// descriptor and dispatchPending() reads the pending events of both without blocking, so no
// thread of our own reads the sequencer. A sender is its port's address; it is reported
// gone when it unsubscribes from our destination, when its port goes, or when its client
// exits. Main thread only.
class AlsaMidiSystem final : public MidiSystem {
public:
    // Opens the sequencer without blocking. On failure returns null with the negative errno.
    static std::unique_ptr<AlsaMidiSystem> open(OSStatus& status);
    ~AlsaMidiSystem() override;
    AlsaMidiSystem(const AlsaMidiSystem&) = delete;
    AlsaMidiSystem& operator=(const AlsaMidiSystem&) = delete;

    ItemCount numberOfSources() override;
    MIDIEndpointRef source(ItemCount index) override;
    ItemCount numberOfDestinations() override;
    MIDIEndpointRef destination(ItemCount index) override;
    ItemCount numberOfDevices() override;
    MIDIDeviceRef device(ItemCount index) override;
    OSStatus getStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                               std::optional<std::string>& value) override;
    OSStatus getIntegerProperty(MIDIObjectRef object, MIDIIntegerProperty property,
                                std::int32_t& value) override;
    // The sequencer keeps no manufacturer: setting one is refused with -EOPNOTSUPP, and a
    // port's manufacturer reads as its client's name.
    OSStatus setStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                               std::string_view value) override;
    OSStatus clientCreate(std::string_view name, MIDINotifyBlock notify,
                          MIDIClientRef& client) override;
    OSStatus sourceCreateWithProtocol(MIDIClientRef client, std::string_view name,
                                      MIDIProtocolID protocol, MIDIEndpointRef& source) override;
    OSStatus destinationCreate(MIDIClientRef client, std::string_view name,
                               MIDIReceiveBlock receive, MIDIEndpointRef& destination) override;
    OSStatus receivedEventList(MIDIEndpointRef source, const MIDIEventList& list) override;
    MIDITimeStamp currentHostTime() override;
    int pollDescriptor() const override { return pollFd_; }
    std::string displayName() const override { return "ALSA sequencer"; }
    void dispatchPending() override;

private:
    explicit AlsaMidiSystem(snd_seq_t* seq);
    // Addresses (client * 256 + port) of the ports whose capabilities include all of caps.
    std::vector<MIDIObjectRef> ports(unsigned int caps) const;
    // An event for our destination, or an announcement that may end one of its senders.
    void receive(const snd_seq_event_t& event);
    // Reports every known sender that matches gone and forgets it.
    void sendersGone(int client, int port);

    // Devices are handed out as deviceTag + client, apart from port addresses (< 65536).
    static constexpr MIDIObjectRef deviceTag = 0x10000;

    snd_seq_t* seq_;
    snd_midi_event_t* encoder_ = nullptr;
    snd_midi_event_t* decoder_ = nullptr;
    int pollFd_ = -1;
    int ownClient_ = -1;
    int listenPort_ = -1;
    int sourcePort_ = -1;
    int destinationPort_ = -1;
    MIDINotifyBlock notify_;
    MIDIReceiveBlock receive_;
    std::set<MIDIObjectRef> senders_; // addresses that sent to our destination
    std::vector<MIDIObjectRef> sources_;
    std::vector<MIDIObjectRef> destinations_;
    std::vector<MIDIObjectRef> devices_;
};

} // namespace tinkella
