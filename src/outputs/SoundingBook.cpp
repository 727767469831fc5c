#include "outputs/SoundingBook.h"

#include "outputs/MidiCalls.h"

#include <vector>

namespace tinkella {

void SoundingBook::sent(const MidiMessage& message) {
    const std::uint8_t channel = message.channel();
    const auto key = std::make_pair(channel, message.data1);
    switch (message.kind()) {
    case ump::controlChangeStatus:
        if (message.data1 == ump::sustainController && message.data2 >= ump::pedalDownFrom) {
            sustainingChannels_.insert(channel);
        } else if (message.data1 == ump::sustainController) {
            sustainingChannels_.erase(channel);
        }
        break;
    case ump::pitchBendStatus:
        if (message.bend() != ump::bendCentre) {
            bentChannels_.insert(channel);
        } else {
            bentChannels_.erase(channel);
        }
        break;
    case ump::channelPressureStatus:
        if (message.data1 != 0) {
            pressedChannels_.insert(channel);
        } else {
            pressedChannels_.erase(channel);
        }
        break;
    case ump::noteOnStatus:
        if (message.data2 != 0) {
            startedNotes_.insert(key);
        } else {
            startedNotes_.erase(key);
        }
        break;
    case ump::noteOffStatus:
        startedNotes_.erase(key);
        break;
    default:
        break;
    }
}

void SoundingBook::end(MidiCalls& output) {
    // Copied first: each end accepted removes its own entry.
    const std::vector<std::pair<std::uint8_t, std::uint8_t>> notes(startedNotes_.begin(),
                                                                   startedNotes_.end());
    for (const auto& [channel, note] : notes) {
        output.noteOff(note, channel);
    }
    startedNotes_.clear();
    const std::vector<std::uint8_t> sustaining(sustainingChannels_.begin(),
                                               sustainingChannels_.end());
    for (std::uint8_t channel : sustaining) {
        output.controlChange(ump::sustainController, 0, channel);
    }
    sustainingChannels_.clear();
    for (std::uint8_t channel : std::vector(bentChannels_.begin(), bentChannels_.end())) {
        output.pitchBend(ump::bendCentre, channel);
    }
    for (std::uint8_t channel : std::vector(pressedChannels_.begin(), pressedChannels_.end())) {
        output.channelPressure(0, channel);
    }
}

void SoundingBook::clear() {
    startedNotes_.clear();
    sustainingChannels_.clear();
    bentChannels_.clear();
    pressedChannels_.clear();
}

} // namespace tinkella
