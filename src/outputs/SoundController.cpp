#include "outputs/SoundController.h"

#include "foundation/LogText.h"
#include "interfaces/MidiMessage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>

namespace tinkella {

namespace {

using ump::allNotesOffController;
using ump::allSoundOffController;
using ump::bendCentre;
using ump::channelPressureStatus;
using ump::controlChangeStatus;
using ump::noteOffStatus;
using ump::noteOnStatus;
using ump::pitchBendStatus;
using ump::programChangeStatus;
using ump::sustainController;
constexpr std::uint8_t bankSelectMSB = 0;
constexpr std::uint32_t pedalDown = 127;
constexpr std::uint32_t highestMidiNote = 127;
constexpr std::size_t mostWaiting = 256;

} // namespace

SoundController::Opened SoundController::open(const SynthesizerOpener& open) {
    Opened opened;
    if (!open) {
        opened.failure = "no audio system";
        return opened;
    }
    opened.synthesizer = open(opened.failure);
    return opened;
}

void SoundController::reportUnavailable(const std::string& failure) {
    const std::string line = "Tinkella: built-in synthesiser unavailable (" +
                             escapedForLog(failure) +
                             "); it stays silent and MIDI output goes on.\n";
    std::fputs(line.c_str(), stderr);
}

SoundController::SoundController(const SynthesizerOpener& open) : SoundController(Pending{}) {
    attach(SoundController::open(open));
}

SoundController::SoundController(Pending) : pending_(true) {
    ownBends_.fill(bendCentre);
    for (auto& notes : noteChannels_) {
        notes.fill(-1);
    }
}

void SoundController::attach(Opened opened) {
    if (!pending_) {
        return;
    }
    pending_ = false;
    attachSynthesizer(std::move(opened));
    for (const std::function<void()>& ready : std::exchange(whenAttached_, {})) {
        ready();
    }
}

void SoundController::whenAttached(std::function<void()> ready) {
    if (pending_) {
        whenAttached_.push_back(std::move(ready));
    } else {
        ready();
    }
}

void SoundController::attachSynthesizer(Opened opened) {
    const std::vector<Message> waiting = std::exchange(waiting_, {});
    if (!opened.synthesizer) {
        reportUnavailable(opened.failure.empty() ? "no synthesiser" : opened.failure);
        return;
    }
    synthUnit_ = std::move(opened.synthesizer);
    // What the synthesiser starts with anyway, so the channels' record stays as it is.
    dispatch({0, controlChangeStatus, bankSelectMSB, 0});
    dispatch({0, programChangeStatus, 0, 0});
    for (const Message& message : waiting) {
        dispatch(message);
    }
    if (const std::string output = synthUnit_->describeOutput(); !output.empty()) {
        std::fputs(("Tinkella: " + escapedForLog(output) + "\n").c_str(), stderr);
    }
}

SoundController::~SoundController() = default;

void SoundController::send(std::uint32_t channel, std::uint32_t status, std::uint32_t data1,
                           std::uint32_t data2) {
    const Message message{static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(status),
                          static_cast<std::uint8_t>(data1 & 0x7F),
                          static_cast<std::uint8_t>(data2 & 0x7F)};
    settings_.sent(message);
    if (!pending_) {
        dispatch(message);
        return;
    }
    // A long wait must still fit the synthesiser's event queue: beyond a few hundred messages,
    // a note-off drops its waiting note-on instead of following it.
    if (waiting_.size() >= mostWaiting && status == noteOffStatus) {
        const auto last = std::find_if(waiting_.rbegin(), waiting_.rend(), [&](const Message& m) {
            return m.status <= noteOnStatus && m.data1 == data1;
        });
        if (last != waiting_.rend() && last->status == noteOnStatus && last->channel == channel) {
            waiting_.erase(std::next(last).base());
            return;
        }
    }
    waiting_.push_back(message);
}

void SoundController::dispatch(const Message& m) {
    if (!synthUnit_) {
        return;
    }
    switch (m.status) {
    case noteOnStatus:
        synthUnit_->noteOn(m.channel, m.data1, m.data2);
        break;
    case noteOffStatus:
        synthUnit_->noteOff(m.channel, m.data1);
        break;
    case controlChangeStatus:
        synthUnit_->controlChange(m.channel, m.data1, m.data2);
        break;
    case programChangeStatus:
        synthUnit_->programChange(m.channel, m.data1);
        break;
    case pitchBendStatus:
        synthUnit_->pitchBend(m.channel, static_cast<std::uint16_t>(m.data1 | (m.data2 << 7)));
        break;
    case channelPressureStatus:
        synthUnit_->channelPressure(m.channel, m.data1);
        break;
    default:
        break;
    }
}

void SoundController::setMuted(bool muted) {
    if (muted && !isMuted_) {
        endAllNotes();
    }
    isMuted_ = muted;
}

void SoundController::endNotes(Holder holder) {
    for (std::uint32_t note = 0; note <= highestMidiNote; ++note) {
        endNote(note, holder);
    }
}

void SoundController::endAllNotes() {
    for (Holder holder : {Holder::surfaces, Holder::midiIn}) {
        endNotes(holder);
        if (pedals_[index(holder)]) {
            forEachChannelInUse(holder, [this](std::uint32_t channel) {
                send(channel, controlChangeStatus, allSoundOffController, 0);
            });
        }
    }
}

void SoundController::setSustain(bool down, Holder holder) {
    bool& pedal = pedals_[index(holder)];
    if (pedal == down) {
        return;
    }
    pedal = down;
    forEachChannelInUse(holder, [this, down](std::uint32_t channel) {
        send(channel, controlChangeStatus, sustainController, down ? pedalDown : 0);
    });
}

void SoundController::silence() {
    endNotes(Holder::surfaces);
    endNotes(Holder::midiIn);
    pedals_.fill(false);
    zoneBend_ = bendCentre;
    ownBends_.fill(bendCentre);
    for (Holder holder : {Holder::surfaces, Holder::midiIn}) {
        forEachChannelInUse(holder, [this](std::uint32_t channel) {
            send(channel, controlChangeStatus, sustainController, 0);
            send(channel, controlChangeStatus, allSoundOffController, 0);
            send(channel, controlChangeStatus, allNotesOffController, 0);
            if (memberChannels_) {
                send(channel, pitchBendStatus, bendCentre & 0x7F, bendCentre >> 7);
            }
        });
    }
    restoreChannels(Holder::surfaces);
    restoreChannels(Holder::midiIn);
}

void SoundController::setMemberChannels(bool all) {
    if (all == memberChannels_) {
        return;
    }
    memberChannels_ = all;
    zoneBend_ = bendCentre;
    ownBends_.fill(bendCentre);
    for (std::uint32_t channel = 0; all && channel < 16; ++channel) {
        if (channel != midiChannelInUse_) {
            send(channel, programChangeStatus, programOf(channel), 0);
        }
    }
    applyBendRanges();
}

void SoundController::setOwnBendRanges(std::uint8_t manager, std::uint8_t memberRange,
                                       std::optional<std::uint8_t> otherManager) {
    manager_ = manager & 0x0FU;
    managers_ = static_cast<std::uint16_t>(1U << manager_ |
                                           (otherManager ? 1U << (*otherManager & 0x0FU) : 0U));
    memberRange_ = memberRange;
    applyBendRanges();
}

void SoundController::channelMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                                     Holder holder) {
    const std::uint32_t kind = status & 0xF0U;
    const std::uint32_t channel = channelOf(holder, status);
    if (kind == pitchBendStatus && memberChannels_ && holder == Holder::surfaces) {
        const auto bend = static_cast<std::uint16_t>(data1 | data2 << 7);
        ownBends_[channel] = bend;
        const std::uint16_t heard = isManager(channel) ? bend : withZoneBend(channel, bend);
        send(channel, kind, heard & 0x7FU, heard >> 7);
    } else if (kind == pitchBendStatus || kind == channelPressureStatus ||
               kind == controlChangeStatus) {
        send(channel, kind, data1, data2);
    }
}

std::uint16_t SoundController::withZoneBend(std::uint32_t channel, std::uint16_t bend) const {
    const auto semitones = [this](std::uint32_t c, std::uint16_t value) {
        return (value - double{bendCentre}) / bendCentre *
               settings_.bendRange(static_cast<std::uint8_t>(c));
    };
    const double sum = semitones(channel, bend) + semitones(manager_, zoneBend_);
    const double value =
        bendCentre + sum / settings_.bendRange(static_cast<std::uint8_t>(channel)) * bendCentre;
    return static_cast<std::uint16_t>(std::clamp(std::lround(value), 0L, 16383L));
}

void SoundController::playerMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    const std::uint32_t kind = status & 0xF0U;
    if (kind == pitchBendStatus && memberChannels_) {
        zoneBend_ = static_cast<std::uint16_t>(data1 | data2 << 7);
        for (std::uint32_t channel = 0; channel < 16; ++channel) {
            if (isManager(channel)) {
                continue;
            }
            const std::uint16_t heard = withZoneBend(channel, ownBends_[channel]);
            send(channel, kind, heard & 0x7FU, heard >> 7);
        }
    }
    if (kind == pitchBendStatus || kind == controlChangeStatus) {
        forEachChannelInUse(Holder::surfaces, [&](std::uint32_t channel) {
            if (kind == controlChangeStatus || isManager(channel) || !memberChannels_) {
                send(channel, kind, data1, data2);
            }
        });
    }
}

void SoundController::setPlayerChannel(std::uint8_t channel) {
    midiChannelInUse_ = channel & 0x0FU;
    applyBendRanges();
}

void SoundController::setBendRange(std::uint8_t semitones) {
    bendRange_ = semitones;
    applyBendRanges();
}

void SoundController::applyBendRanges() {
    std::uint16_t changed = 0;
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        const std::uint8_t own =
            !memberChannels_
                ? (channel == midiChannelInUse_ || (splitChannels_ >> channel & 1U) != 0
                       ? bendRange_
                       : ChannelSettings::defaultBendRange(channel))
            : isManager(channel) ? ChannelSettings::defaultBendRange(0)
                                 : memberRange_;
        const std::uint8_t before = settings_.bendRange(channel);
        settings_.setOwnBendRange(channel, own);
        changed |= static_cast<std::uint16_t>((before != own ? 1U : 0U) << channel);
    }
    restoreChannels(Holder::surfaces, changed);
}

void SoundController::restoreChannels(Holder holder, std::uint16_t channels) {
    for (std::uint32_t channel = 0; channel < 16; ++channel) {
        if ((channels >> channel & 1U) == 0) {
            continue;
        }
        for (const Message& m :
             settings_.restore(static_cast<std::uint8_t>(channelOf(holder, channel)),
                               static_cast<std::uint8_t>(programOf(channelOf(holder, channel))))) {
            send(m.channel, m.status, m.data1, m.data2);
        }
    }
}

void SoundController::setInstrument(int programNumber) {
    if (programNumber < 1 || programNumber > 128) {
        return;
    }
    program_ = static_cast<std::uint32_t>(programNumber - 1);
    for (std::uint32_t channel = 0; channel < ChannelSettings::channelCount; ++channel) {
        send(channel, programChangeStatus, programOf(channel), 0);
    }
}

void SoundController::setSplit(std::optional<std::uint8_t> channel, std::uint8_t program) {
    setSplitChannels(channel ? static_cast<std::uint16_t>(1U << (*channel & 0x0FU)) : 0, program);
}

void SoundController::setSplitChannels(std::uint16_t channels, std::uint8_t program) {
    if (channels == splitChannels_ && (program & 0x7FU) == splitProgram_) {
        return;
    }
    const std::uint16_t before = std::exchange(splitChannels_, channels);
    splitProgram_ = program & 0x7FU;
    for (std::uint32_t channel = 0; channel < 16; ++channel) { // those left, then the split's
        if (((before & ~channels) >> channel & 1U) != 0) {
            send(channel, programChangeStatus, program_, 0);
        }
    }
    for (std::uint32_t channel = 0; channel < 16; ++channel) {
        if ((channels >> channel & 1U) != 0) {
            send(channel, programChangeStatus, splitProgram_, 0);
        }
    }
    applyBendRanges();
}

void SoundController::programChange(std::uint8_t program, Holder holder) {
    forEachChannelInUse(holder, [this, program](std::uint32_t channel) {
        send(channel, programChangeStatus, program, 0);
    });
}

void SoundController::loadSoundFont(const std::string& path,
                                    std::function<void(const std::string&)> done) {
    if (!synthUnit_) {
        done("the built-in synthesiser is unavailable");
        return;
    }
    synthUnit_->loadSoundFont(path, std::move(done));
}

void SoundController::playNote(std::uint32_t noteNum, Holder holder, std::uint32_t velocity,
                               std::uint8_t channel) {
    if (noteNum > highestMidiNote || isMuted_) {
        return;
    }
    std::int8_t& sounding = noteChannels_[index(holder)][noteNum];
    if (sounding < 0) {
        sounding = static_cast<std::int8_t>(channelOf(holder, channel));
        send(static_cast<std::uint32_t>(sounding), noteOnStatus, noteNum,
             std::clamp<std::uint32_t>(velocity, 1, 127));
        soundingNotes_.insert(noteNum);
    }
}

void SoundController::endNote(std::uint32_t noteNum, Holder holder) {
    const std::size_t side = index(holder);
    if (noteNum > highestMidiNote || noteChannels_[side][noteNum] < 0) {
        return;
    }
    const std::int8_t channel = std::exchange(noteChannels_[side][noteNum], -1);
    send(static_cast<std::uint32_t>(channel), noteOffStatus, noteNum, 0);
    if (noteChannels_[1 - side][noteNum] < 0) {
        soundingNotes_.erase(noteNum);
    }
}

} // namespace tinkella
