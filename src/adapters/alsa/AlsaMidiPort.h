#pragma once

#include "interfaces/MidiPort.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

typedef struct _snd_seq snd_seq_t;
typedef struct snd_midi_event snd_midi_event_t;
typedef struct snd_seq_event snd_seq_event_t;

namespace tinkella {

// The MIDI port as an ALSA sequencer client. Sources are the readable, subscribable ports,
// destinations the writable, subscribable ones, devices the clients that belong to a sound
// card. Our source sends straight to its subscribers. Graph changes arrive on the announce
// port, what others send on our destination port; pollDescriptor() is the sequencer's input
// descriptor and dispatchPending() reads the pending events of both without blocking, so no
// thread of our own reads the sequencer. A sender is its port's address (client * 256 + port);
// it is reported gone when it unsubscribes from our destination, when its port goes, or when
// its client exits. The sequencer keeps no manufacturer: recording one is refused with
// -EOPNOTSUPP, and a port's manufacturer is its client's name. Main thread only.
class AlsaMidiPort final : public MidiPort {
public:
    // Opens the sequencer without blocking. On failure returns null with the negative errno.
    static std::unique_ptr<AlsaMidiPort> connect(MidiStatus& status);
    ~AlsaMidiPort() override;
    AlsaMidiPort(const AlsaMidiPort&) = delete;
    AlsaMidiPort& operator=(const AlsaMidiPort&) = delete;

    MidiTopology topology() override;
    MidiPortOpened open(std::string_view clientName, std::string_view manufacturer,
                        std::string_view sourceName, std::string_view destinationName,
                        MidiPortListener& listener) override;
    MidiStatus send(const MidiMessage& message) override;
    int pollDescriptor() const override { return pollFd_; }
    void dispatchPending() override;
    // The sequencer delivers within send(): nothing is ever left waiting.
    bool waitUntilSent(std::chrono::milliseconds) override { return true; }
    std::string displayName() const override { return "ALSA sequencer"; }
    std::string describe(MidiStatus status) const override { return describeStatus(status); }
    // A status of the sequencer's calls (a negative errno) as snd_strerror() names it.
    static std::string describeStatus(MidiStatus status);

private:
    explicit AlsaMidiPort(snd_seq_t* seq);
    // Names the client and subscribes a private port to the system's announcements.
    MidiStatus join(std::string_view clientName);
    // A port others can subscribe to: readable (a source) or writable (a destination).
    MidiStatus createPort(std::string_view name, bool readable, int& port);
    // The ports whose capabilities include all of caps.
    std::vector<MidiEndpoint> ports(unsigned int caps) const;
    // An event for our destination, or an announcement that may end one of its senders.
    void receive(const snd_seq_event_t& event);
    // Reports every known sender that matches gone and forgets it.
    void sendersGone(int client, int port);

    snd_seq_t* seq_;
    snd_midi_event_t* encoder_ = nullptr;
    snd_midi_event_t* decoder_ = nullptr;
    int pollFd_ = -1;
    int ownClient_ = -1;
    int listenPort_ = -1;
    int sourcePort_ = -1;
    int destinationPort_ = -1;
    MidiPortListener* listener_ = nullptr;
    std::set<MidiSender> senders_; // addresses that sent to our destination
};

} // namespace tinkella
