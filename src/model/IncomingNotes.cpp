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
    return release([&gone](const Hold& h) { return gone(h.sender); });
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
        sound_.setInstrument(data1 + 1);
        return false;
    case ump::pitchBendStatus:
    case ump::channelPressureStatus:
        if (perChannel_) {
            sound_.channelMessage(status, data1, data2);
        }
        return false;
    case ump::controlChangeStatus:
        // Timbre, and the parameter numbers and data entry by which a controller sets its bend
        // range (RPN 0).
        if (perChannel_ &&
            (data1 == ump::timbreController || data1 == ump::dataEntryMsbController ||
             data1 == ump::dataEntryLsbController || data1 == ump::parameterLsbController ||
             data1 == ump::parameterMsbController)) {
            sound_.channelMessage(status, data1, data2);
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
    for (PianoKey& key : keys_) {
        key.isHeldByMidiIn = false;
    }
}

} // namespace tinkella
