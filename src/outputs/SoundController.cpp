#include "outputs/SoundController.h"

#include "foundation/LogText.h"
#include "interfaces/MidiMessage.h"

#include <algorithm>
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

SoundController::InstrumentTable setupInstruments() {
    static constexpr const char* names[128] = {"Acoustic Grand Piano",
                                               "Bright Acoustic Piano",
                                               "Electric Grand Piano",
                                               "Honky-tonk Piano",
                                               "Electric Piano 1",
                                               "Electric Piano 2",
                                               "Harpsichord",
                                               "Clavi",
                                               "Celesta",
                                               "Glockenspiel",
                                               "Music Box",
                                               "Vibraphone",
                                               "Marimba",
                                               "Xylophone",
                                               "Tubular Bells",
                                               "Dulcimer",
                                               "Drawbar Organ",
                                               "Percussive Organ",
                                               "Rock Organ",
                                               "Church Organ",
                                               "Reed Organ",
                                               "Accordion",
                                               "Harmonica",
                                               "Tango Accordion",
                                               "Acoustic Guitar (nylon)",
                                               "Acoustic Guitar (steel)",
                                               "Electric Guitar (jazz)",
                                               "Electric Guitar (clean)",
                                               "Electric Guitar (muted)",
                                               "Overdriven Guitar",
                                               "Distortion Guitar",
                                               "Guitar harmonics",
                                               "Acoustic Bass",
                                               "Electric Bass (finger)",
                                               "Electric Bass (pick)",
                                               "Fretless Bass",
                                               "Slap Bass 1",
                                               "Slap Bass 2",
                                               "Synth Bass 1",
                                               "Synth Bass 2",
                                               "Violin",
                                               "Viola",
                                               "Cello",
                                               "Contrabass",
                                               "Tremolo Strings",
                                               "Pizzicato Strings",
                                               "Orchestral Harp",
                                               "Timpani",
                                               "String Ensemble 1",
                                               "String Ensemble 2",
                                               "SynthStrings 1",
                                               "SynthStrings 2",
                                               "Choir Aahs",
                                               "Voice Oohs",
                                               "Synth Voice",
                                               "Orchestra Hit",
                                               "Trumpet",
                                               "Trombone",
                                               "Tuba",
                                               "Muted Trumpet",
                                               "French Horn",
                                               "Brass Section",
                                               "SynthBrass 1",
                                               "SynthBrass 2",
                                               "Soprano Sax",
                                               "Alto Sax",
                                               "Tenor Sax",
                                               "Baritone Sax",
                                               "Oboe",
                                               "English Horn",
                                               "Bassoon",
                                               "Clarinet",
                                               "Piccolo",
                                               "Flute",
                                               "Recorder",
                                               "Pan Flute",
                                               "Blown Bottle",
                                               "Shakuhachi",
                                               "Whistle",
                                               "Ocarina",
                                               "Lead 1 (square)",
                                               "Lead 2 (sawtooth)",
                                               "Lead 3 (calliope)",
                                               "Lead 4 (chiff)",
                                               "Lead 5 (charang)",
                                               "Lead 6 (voice)",
                                               "Lead 7 (fifths)",
                                               "Lead 8 (bass + lead)",
                                               "Pad 1 (new age)",
                                               "Pad 2 (warm)",
                                               "Pad 3 (polysynth)",
                                               "Pad 4 (choir)",
                                               "Pad 5 (bowed)",
                                               "Pad 6 (metallic)",
                                               "Pad 7 (halo)",
                                               "Pad 8 (sweep)",
                                               "FX 1 (rain)",
                                               "FX 2 (soundtrack)",
                                               "FX 3 (crystal)",
                                               "FX 4 (atmosphere)",
                                               "FX 5 (brightness)",
                                               "FX 6 (goblins)",
                                               "FX 7 (echoes)",
                                               "FX 8 (sci-fi)",
                                               "Sitar",
                                               "Banjo",
                                               "Shamisen",
                                               "Koto",
                                               "Kalimba",
                                               "Bag pipe",
                                               "Fiddle",
                                               "Shanai",
                                               "Tinkle Bell",
                                               "Agogo",
                                               "Steel Drums",
                                               "Woodblock",
                                               "Taiko Drum",
                                               "Melodic Tom",
                                               "Synth Drum",
                                               "Reverse Cymbal",
                                               "Guitar Fret Noise",
                                               "Breath Noise",
                                               "Seashore",
                                               "Bird Tweet",
                                               "Telephone Ring",
                                               "Helicopter",
                                               "Applause",
                                               "Gunshot"};
    SoundController::InstrumentTable table;
    for (std::size_t i = 0; i < 128; ++i) {
        table[i + 1] = names[i];
    }
    return table;
}

} // namespace

const SoundController::InstrumentTable& SoundController::instruments() {
    static const InstrumentTable table = setupInstruments();
    return table;
}

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
    const auto channel = static_cast<std::uint8_t>(midiChannelInUse_);
    dispatch({channel, controlChangeStatus, bankSelectMSB, 0});
    dispatch({channel, programChangeStatus, 0, 0});
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
        for (std::uint32_t channel = 0; pedals_[index(holder)] && channel < channelsInUse();
             ++channel) {
            send(channelOf(holder, channel), controlChangeStatus, allSoundOffController, 0);
        }
    }
}

void SoundController::setSustain(bool down, Holder holder) {
    bool& pedal = pedals_[index(holder)];
    if (pedal == down) {
        return;
    }
    pedal = down;
    for (std::uint32_t channel = 0; channel < channelsInUse(); ++channel) {
        send(channelOf(holder, channel), controlChangeStatus, sustainController,
             down ? pedalDown : 0);
    }
}

void SoundController::silence() {
    endNotes(Holder::surfaces);
    endNotes(Holder::midiIn);
    pedals_.fill(false);
    for (Holder holder : {Holder::surfaces, Holder::midiIn}) {
        for (std::uint32_t c = 0; c < channelsInUse(); ++c) {
            const std::uint32_t channel = channelOf(holder, c);
            send(channel, controlChangeStatus, sustainController, 0);
            send(channel, controlChangeStatus, allSoundOffController, 0);
            send(channel, controlChangeStatus, allNotesOffController, 0);
            if (memberChannels_) {
                send(channel, pitchBendStatus, bendCentre & 0x7F, bendCentre >> 7);
            }
        }
    }
    restoreChannels(Holder::surfaces);
    restoreChannels(Holder::midiIn);
}

void SoundController::setMemberChannels(bool all) {
    if (all == memberChannels_) {
        return;
    }
    memberChannels_ = all;
    for (std::uint32_t channel = 1; all && channel < channelsInUse(); ++channel) {
        send(channel, programChangeStatus, program_, 0);
    }
}

void SoundController::setOwnBendRanges(std::uint8_t manager, std::uint8_t memberRange) {
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        settings_.setBendRange(channel, channel == manager ? 2 : memberRange);
    }
}

void SoundController::channelMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                                     Holder holder) {
    const std::uint32_t kind = status & 0xF0U;
    if (kind == pitchBendStatus || kind == channelPressureStatus || kind == controlChangeStatus) {
        send(channelOf(holder, status), kind, data1, data2);
    }
}

void SoundController::restoreChannels(Holder holder, std::uint16_t channels) {
    for (std::uint32_t channel = 0; channel < 16; ++channel) {
        if ((channels >> channel & 1U) == 0) {
            continue;
        }
        for (const Message& m :
             settings_.restore(static_cast<std::uint8_t>(channelOf(holder, channel)),
                               static_cast<std::uint8_t>(program_))) {
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
        send(channel, programChangeStatus, program_, 0);
    }
}

void SoundController::programChange(std::uint8_t program, Holder holder) {
    for (std::uint32_t channel = 0; channel < channelsInUse(); ++channel) {
        send(channelOf(holder, channel), programChangeStatus, program, 0);
    }
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
