#pragma once

#include "interfaces/MidiMessage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tinkella {

// What the messages sent to the built-in synthesiser have set on each of its channels beyond
// the notes: pitch bend, channel pressure, timbre (controller 74), program, and whether a
// registered parameter that tunes a channel (0 bend range, 1 fine and 2 coarse tuning) was moved
// from Tinkella's own configuration. restore() says what brings a channel back to it. Main
// thread only.
class ChannelSettings {
public:
    static constexpr std::uint8_t channelCount = 32;

    // One channel message: channel 0..31, its kind (0x80..0xE0) and data bytes 0..127.
    struct Message {
        std::uint8_t channel, status, data1, data2;
    };

    ChannelSettings();

    // Tinkella's bend range on channel in semitones: at first 2 on the first channel of each 16
    // (an MPE zone's manager, or the only channel played without MPE), 48 on the others (its
    // members).
    std::uint8_t bendRange(std::uint8_t channel) const { return channels_[channel % 32].range; }
    // Makes semitones Tinkella's own bend range on channel 0..31, from the next message on.
    void setBendRange(std::uint8_t channel, std::uint8_t semitones);

    // A message as it is sent, in order.
    void sent(const Message& message);
    // What brings channel back to the bend centre, pressure 0, timbre 64, its own bend range, no
    // tuning and program (0..127), in the order to send it; nothing when it is there already.
    // The channel then counts as restored.
    std::vector<Message> restore(std::uint8_t channel, std::uint8_t program);

private:
    static constexpr std::uint8_t none = 127; // no parameter chosen

    struct Channel {
        std::uint16_t bend = ump::bendCentre;
        std::uint8_t pressure = 0, timbre = 64, program = 0;
        // The parameter that data entry sets, as controllers 101 and 100 chose it; absent after
        // a non-registered parameter was chosen.
        std::uint8_t parameterMsb = none, parameterLsb = none;
        bool nonRegistered = false;
        bool retuned = false;    // the bend range or tuning may differ from Tinkella's own
        std::uint8_t range = 48; // Tinkella's own bend range
    };
    std::array<Channel, channelCount> channels_{};
};

} // namespace tinkella
