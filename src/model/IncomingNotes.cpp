#include "model/IncomingNotes.h"

#include "interfaces/MidiMessage.h"

namespace tinkella {

namespace {

using ump::pedalDownFrom;
constexpr auto midiIn = SoundController::Holder::midiIn;

} // namespace

IncomingNotes::IncomingNotes(std::vector<PianoKey>& keys, SoundController& sound)
    : keys_(keys), sound_(sound) {}

bool IncomingNotes::senderGone(MidiSender sender) {
    const auto gone = [sender](MidiSender other) {
        return sender == 0 || other == sender;
    };
    std::erase_if(pedals_, [&gone](const auto& pedal) { return gone(pedal.first); });
    sound_.setSustain(isSustaining(), midiIn);
    const bool changed = release([&gone](const Hold& h) { return gone(h.sender); });
    std::uint16_t shaped = 0;
    std::erase_if(shaped_, [&](const auto& channels) {
        shaped |= gone(channels.first) ? channels.second : 0;
        return gone(channels.first);
    });
    sound_.restoreChannels(midiIn, shaped);
    return changed;
}

bool IncomingNotes::receive(MidiSender sender, const std::uint8_t* bytes, std::size_t size) {
    const std::uint32_t word = ump::midi1WordFromBytes(bytes, size);
    if (word == 0) {
        return false;
    }
    const std::uint8_t status = ump::statusByte(word);
    const auto channel = static_cast<std::uint8_t>(status & 0x0F);
    const std::uint8_t data1 = ump::data1(word);
    const std::uint8_t data2 = ump::data2(word);
    const Hold h{sender, channel, data1};
    switch (status & 0xF0) {
    case ump::noteOnStatus:
        return data2 != 0 ? hold(h, data2) : unhold(h);
    case ump::noteOffStatus:
        return unhold(h);
    case ump::programChangeStatus:
        // On every channel of the MIDI input per channel, otherwise on the first.
        sound_.programChange(data1, midiIn);
        shaped_[sender] |= perChannel_ ? 0xFFFF : 1;
        return false;
    case ump::pitchBendStatus:
    case ump::channelPressureStatus:
        shape(sender, status, data1, data2);
        return false;
    case ump::controlChangeStatus:
        // Timbre, and the parameter numbers and data entry by which a controller sets its bend
        // range and tuning (RPN 0, 1 and 2) on its own channels.
        if (data1 == ump::timbreController || data1 == ump::dataEntryMsbController ||
            data1 == ump::dataEntryLsbController || data1 == ump::parameterLsbController ||
            data1 == ump::parameterMsbController) {
            shape(sender, status, data1, data2);
        }
        if (data1 == ump::sustainController) {
            setPedal({sender, channel}, data2 >= pedalDownFrom);
        } else if (data1 == ump::allSoundOffController || data1 == ump::allNotesOffController) {
            return release([&h](const Hold& other) {
                return other.sender == h.sender && other.channel == h.channel;
            });
        }
        return false;
    default:
        return false;
    }
}

void IncomingNotes::shape(MidiSender sender, std::uint8_t status, std::uint8_t data1,
                          std::uint8_t data2) {
    if (perChannel_) {
        sound_.channelMessage(status, data1, data2, midiIn);
        shaped_[sender] |= static_cast<std::uint16_t>(1U << (status & 0x0FU));
    }
}

bool IncomingNotes::hold(const Hold& h, std::uint8_t velocity) {
    if (h.note > 127 || !holds_.insert(h).second || holdCount_[h.note]++ > 0) {
        return false;
    }
    sound_.playNote(h.note, midiIn, velocity, perChannel_ ? h.channel : 0);
    if (h.note < keys_.size()) {
        keys_[h.note].isHeldByMidiIn = true;
        return true;
    }
    return false;
}

bool IncomingNotes::unhold(const Hold& h) {
    if (holds_.erase(h) == 0 || --holdCount_[h.note] > 0) {
        return false;
    }
    sound_.endNote(h.note, midiIn);
    if (h.note < keys_.size()) {
        keys_[h.note].isHeldByMidiIn = false;
        return true;
    }
    return false;
}

template <typename Match> bool IncomingNotes::release(Match match) {
    bool changed = false;
    for (auto it = holds_.begin(); it != holds_.end();) {
        const Hold h = *it++;
        if (match(h)) {
            changed = unhold(h) || changed;
        }
    }
    return changed;
}

void IncomingNotes::setPedal(std::pair<MidiSender, std::uint8_t> senderChannel, bool down) {
    if (down) {
        pedals_.insert(senderChannel);
    } else {
        pedals_.erase(senderChannel);
    }
    sound_.setSustain(isSustaining(), midiIn);
}

void IncomingNotes::forget() {
    holds_.clear();
    holdCount_.fill(0);
    pedals_.clear();
    shaped_.clear();
    for (PianoKey& key : keys_) {
        key.isHeldByMidiIn = false;
    }
}

} // namespace tinkella
