#include "model/PlayerChannel.h"

#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"

#include <algorithm>
#include <utility>

namespace tinkella {

namespace {

using ump::bendCentre;
constexpr std::uint8_t noParameter = 127; // registered parameter "none": data entry does nothing

} // namespace

PlayerChannel::PlayerChannel(SoundController& sound, MIDIOutput& midi)
    : sound_(sound), midi_(midi) {}

std::uint8_t PlayerChannel::activeChannel() const {
    return mpe_ ? manager_ : channel_;
}

void PlayerChannel::control(Outputs to, std::uint8_t controller, std::uint8_t value) {
    if (to.midi) {
        midi_.controlChange(controller, value, activeChannel());
        if (otherManager_) {
            midi_.controlChange(controller, value, *otherManager_);
        }
    }
    if (to.synth) {
        sound_.playerMessage(ump::controlChangeStatus, controller, value);
    }
}

void PlayerChannel::bend(Outputs to, std::uint16_t value) {
    if (to.midi) {
        midi_.pitchBend(value, activeChannel());
        if (otherManager_) {
            midi_.pitchBend(value, *otherManager_);
        }
    }
    if (to.synth) {
        const MidiMessage message = MidiMessage::pitchBend(value, 0);
        sound_.playerMessage(message.status, message.data1, message.data2);
    }
}

void PlayerChannel::sendProgram() {
    const std::uint8_t channel = activeChannel();
    midi_.controlChange(ump::bankSelectController, static_cast<std::uint8_t>(bank_ >> 7), channel);
    midi_.controlChange(ump::bankSelectLsbController, static_cast<std::uint8_t>(bank_ & 0x7F),
                        channel);
    midi_.programChange(program_, channel);
    sendSplitProgram();
}

void PlayerChannel::sendSplitProgram() {
    if (splitChannel_) {
        midi_.controlChange(ump::bankSelectController, 0, *splitChannel_);
        midi_.controlChange(ump::bankSelectLsbController, 0, *splitChannel_);
        midi_.programChange(splitProgram_, *splitChannel_);
    }
}

void PlayerChannel::sendShown(Outputs to, unsigned parts) {
    if ((parts & programPart) != 0 && programOut_ && to.midi) {
        sendProgram();
    }
    if ((parts & wheelsPart) != 0 && wheelsShown_) {
        if (to.midi && !mpe_) {
            // Registered parameter 0, then none chosen, so that a stray data entry changes nothing.
            const std::uint8_t channel = activeChannel();
            for (const auto& [controller, value] :
                 {std::pair{ump::parameterMsbController, 0},
                  {ump::parameterLsbController, 0},
                  {ump::dataEntryMsbController, int{bendRange_}},
                  {ump::dataEntryLsbController, 0},
                  {ump::parameterMsbController, int{noParameter}},
                  {ump::parameterLsbController, int{noParameter}}}) {
                midi_.controlChange(controller, static_cast<std::uint8_t>(value), channel);
            }
        }
        control(to, ump::modulationController, modulation_);
        bend(to, pitch_);
    }
    for (std::size_t i = 0; (parts & knobsPart) != 0 && knobsShown_ && i < knobs_.size(); ++i) {
        control(to, knobs_[i].controller, knobs_[i].value);
    }
}

void PlayerChannel::setChannel(std::uint8_t channel, bool mpe, std::uint8_t manager,
                               std::optional<std::uint8_t> otherManager) {
    channel &= 0x0F;
    manager &= 0x0F;
    if (!mpe || otherManager == manager) {
        otherManager.reset();
    }
    if (channel == channel_ && mpe == mpe_ && manager == manager_ &&
        otherManager == otherManager_) {
        return;
    }
    const std::uint8_t before = activeChannel();
    if (pitch_ != bendCentre) {
        midi_.pitchBend(bendCentre, before);
    }
    const std::optional<std::uint8_t> otherBefore = std::exchange(otherManager_, otherManager);
    channel_ = channel;
    mpe_ = mpe;
    manager_ = manager;
    if (pitch_ != bendCentre && otherBefore && otherBefore != activeChannel() &&
        otherBefore != otherManager_) {
        midi_.pitchBend(bendCentre, *otherBefore);
    }
    sound_.setPlayerChannel(channel_);
    if (activeChannel() != before || (otherManager_ && otherManager_ != otherBefore)) {
        sendShown({true, true}, allParts);
    }
}

void PlayerChannel::setWheelsShown(bool shown) {
    if (std::exchange(wheelsShown_, shown) != shown) {
        sendShown({true, true}, wheelsPart);
    }
}

void PlayerChannel::setKnobsShown(bool shown) {
    if (std::exchange(knobsShown_, shown) != shown) {
        sendShown({true, true}, knobsPart);
    }
}

void PlayerChannel::setProgramOut(bool on) {
    if (std::exchange(programOut_, on) != on) {
        sendShown({true, false}, programPart);
    }
}

void PlayerChannel::setPitchWheel(std::uint16_t value) {
    value = std::min(value, ump::highestBend);
    if (value != pitch_) {
        pitch_ = value;
        bend({true, true}, value);
    }
}

void PlayerChannel::setModulation(std::uint8_t value) {
    value = std::min<std::uint8_t>(value, 127);
    if (value != modulation_) {
        modulation_ = value;
        control({true, true}, ump::modulationController, value);
    }
}

void PlayerChannel::setBendRange(std::uint8_t semitones) {
    if (semitones == bendRange_) {
        return;
    }
    bendRange_ = semitones;
    // Restoring the synthesiser's channel to the new range centred its bend and timbre.
    sound_.setBendRange(semitones);
    sendShown({true, true}, wheelsPart);
    sendShown({false, true}, knobsPart);
}

void PlayerChannel::setKnob(std::size_t knob, std::uint8_t controller, std::uint8_t value) {
    if (knob >= knobs_.size()) {
        return;
    }
    Knob& k = knobs_[knob];
    if (k.controller != controller || k.value != value) {
        k = {controller, value};
        if (knobsShown_) {
            control({true, true}, controller, value);
        }
    }
}

void PlayerChannel::setProgram(int programNumber, std::uint16_t bank) {
    program_ = static_cast<std::uint8_t>(std::clamp(programNumber, 1, 128) - 1);
    bank_ = std::min<std::uint16_t>(bank, 16383);
    if (programOut_) {
        sendProgram();
    }
}

void PlayerChannel::setSplitProgram(std::optional<std::uint8_t> channel, std::uint8_t program) {
    if (channel == splitChannel_ && program == splitProgram_) {
        return;
    }
    splitChannel_ = channel;
    splitProgram_ = program & 0x7F;
    if (programOut_) {
        sendSplitProgram();
    }
}

void PlayerChannel::resend() {
    sendShown({true, false}, allParts);
}

void PlayerChannel::synthRestored() {
    sendShown({false, true}, wheelsPart | knobsPart);
}

void PlayerChannel::panic() {
    if (wheelsShown_ || pitch_ != bendCentre) {
        pitch_ = bendCentre;
        bend({true, true}, bendCentre);
    }
}

} // namespace tinkella
