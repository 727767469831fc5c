#pragma once

#include "interfaces/MidiMessage.h"

#include <cstdint>
#include <set>
#include <utility>

namespace tinkella {

class MidiCalls;

// What the MIDI output's listeners were left holding, kept from the messages the MIDI system
// accepted: the notes started and not ended, the channels whose sustain pedal is down, those
// bent away from the centre and those left pressed. Main thread only.
class SoundingBook {
public:
    // A message the system accepted.
    void sent(const MidiMessage& message);
    // Whether a sustain-down sent on channel still holds (no sustain-up since).
    bool isSustaining(std::uint8_t channel) const {
        return sustainingChannels_.count(channel & 0x0F) != 0;
    }
    // Ends what is held through output, in this order: a note-off for each note started, a
    // sustain-up on each channel sustaining, a centred pitch bend on each channel bent, pressure 0
    // on each channel pressed. The notes and pedals are forgotten even when their end was
    // refused; a bend or pressure stays until its release is accepted.
    void end(MidiCalls& output);
    // The listeners let go of everything (the MIDI system went away).
    void clear();

private:
    // (channel 0..15, note)
    std::set<std::pair<std::uint8_t, std::uint8_t>> startedNotes_;
    // Channels (0..15) whose last accepted sustain message put the pedal down.
    std::set<std::uint8_t> sustainingChannels_;
    // Channels (0..15) whose last accepted pitch bend was away from the centre, and those whose
    // last accepted channel pressure was not 0.
    std::set<std::uint8_t> bentChannels_;
    std::set<std::uint8_t> pressedChannels_;
};

} // namespace tinkella
