#pragma once

#include "interfaces/MidiPort.h"
#include "model/PianoKey.h"
#include "outputs/SoundController.h"

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace tinkella {

// What other programs send to the MIDI input, on any channel: note-on and note-off light the
// keys (PianoKey::isHeldByMidiIn) and sound through the synthesiser as its MIDI-in holder, on
// channels of its own; the sustain pedal (controller 64) and program change reach the
// synthesiser; All Sound Off and All Notes Off (controllers 120, 123) end the sender's notes on
// that channel. Nothing of it goes to the MIDI output, so no message loops back to whoever sent
// it. Each sender's notes and pedal are kept apart, so a sender gone ends only what it holds,
// and the channels it reprogrammed, bent, pressed or retuned go back to Tinkella's own
// configuration. Main thread only.
class IncomingNotes {
public:
    // keys (the controller's 120) and sound must outlive this object.
    IncomingNotes(std::vector<PianoKey>& keys, SoundController& sound);

    // Takes one message of the destination (status byte first); returns whether a key's lit
    // state changed.
    bool receive(MidiSender sender, const std::uint8_t* bytes, std::size_t size);
    // Ends what sender holds (0: every sender); returns whether a key went dark.
    bool senderGone(MidiSender sender);
    // Drops every record and unlights the keys without a word to the synthesiser, for when it
    // has just been silenced and restored as a whole.
    void forget();
    bool isSustaining() const { return !pedals_.empty(); }
    // Whether each note sounds on the channel it came on, with that channel's pitch bend,
    // channel pressure, timbre (controller 74) and the registered parameters that set its bend
    // range and tuning passed to the synthesiser, as an MPE controller plays; otherwise
    // everything sounds on the first channel and those are dropped.
    void setPerChannel(bool perChannel) { perChannel_ = perChannel; }

private:
    struct Hold {
        MidiSender sender;
        std::uint8_t channel; // 0..15
        std::uint8_t note;    // 0..127
        auto operator<=>(const Hold&) const = default;
    };
    // Ends the holds that match; returns whether a key went dark.
    template <typename Match> bool release(Match match);
    // A channel message that shapes the sender's notes, passed on only per channel.
    void shape(MidiSender sender, std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    bool hold(const Hold& hold, std::uint8_t velocity);
    bool unhold(const Hold& hold);
    void setPedal(std::pair<MidiSender, std::uint8_t> senderChannel, bool down);

    std::vector<PianoKey>& keys_;
    SoundController& sound_;
    std::set<Hold> holds_;
    std::array<int, 128> holdCount_{};                     // holds per note
    std::set<std::pair<MidiSender, std::uint8_t>> pedals_; // (sender, channel) down
    std::map<MidiSender, std::uint16_t> shaped_; // channels (bit n: channel n) each sender changed
    bool perChannel_ = false;
};

} // namespace tinkella
