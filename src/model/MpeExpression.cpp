#include "model/MpeExpression.h"

#include "interfaces/MidiMessage.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tinkella {

namespace {

using ump::bendCentre;
using ump::channelPressureStatus;
using ump::pitchBendStatus;
// Registered parameter numbers: pitch-bend sensitivity and the MPE configuration message.
constexpr std::uint8_t bendRangeParameter = 0;
constexpr std::uint8_t zoneParameter = 6;
constexpr std::uint8_t parameterMsb = ump::parameterMsbController;
constexpr std::uint8_t parameterLsb = ump::parameterLsbController;
constexpr std::uint8_t dataEntryMsb = ump::dataEntryMsbController;
constexpr std::uint8_t dataEntryLsb = ump::dataEntryLsbController;

std::uint8_t unitToMidi(double unit) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(unit, 0.0, 1.0) * 127.0));
}

} // namespace

MpeExpression::MpeExpression(SoundController& sound, MIDIOutput& midi)
    : sound_(sound), midi_(midi) {}

void MpeExpression::setOn(bool on) {
    if (on == on_) {
        return;
    }
    if (!on) {
        recentre();
        for (const MpeZone& zone : zones()) {
            parameter(zone.manager(), zoneParameter, 0);
        }
    }
    on_ = on;
    reset();
    sound_.setMemberChannels(on);
    applyBendRanges();
    sendConfiguration();
}

void MpeExpression::setZone(const MpeZone& zone) {
    change(zone, split_);
}

void MpeExpression::setSplit(bool split) {
    change(zone_, split);
}

std::vector<MpeZone> MpeExpression::zones() const {
    if (!split_) {
        return {zone_};
    }
    // The two zones share the fourteen channels between their managers. Half each gives either
    // hand seven voices, more than its five fingers, so a chord's release tails keep their own
    // channels on both sides; a receiver set up for fewer member channels keeps at most as many
    // in each zone.
    const auto members = std::min<std::uint8_t>(zone_.members, 7);
    return {MpeZone{false, members, zone_.bendRange}, MpeZone{true, members, zone_.bendRange}};
}

void MpeExpression::change(const MpeZone& zone, bool split) {
    if (zone == zone_ && split == split_) {
        return;
    }
    const std::vector<MpeZone> before = zones();
    if (on_) {
        recentre();
    }
    zone_ = zone;
    split_ = split;
    const std::vector<MpeZone> after = zones();
    for (const MpeZone& old : before) {
        const bool stays = std::any_of(after.begin(), after.end(), [&old](const MpeZone& z) {
            return z.manager() == old.manager();
        });
        if (on_ && !stays) {
            parameter(old.manager(), zoneParameter, 0);
        }
    }
    reset();
    if (on_) {
        applyBendRanges();
        sendConfiguration();
    }
}

void MpeExpression::applyBendRanges() {
    const MpeZone playing = on_ ? zone_ : MpeZone{};
    sound_.setOwnBendRanges(on_ ? playerManager() : 0, playing.bendRange,
                            on_ && split_ ? std::optional<std::uint8_t>(0) : std::nullopt);
}

void MpeExpression::reset() {
    voices_.reset(zones());
    wanted_.fill({});
    touchedAlong_.fill({});
    sent_.fill({});
    rounding_.forgetAll();
}

std::uint16_t MpeExpression::bendValue(double semitones, int range) {
    if (!std::isfinite(semitones) || range <= 0) {
        return bendCentre;
    }
    const double r = range;
    const double value = bendCentre + std::clamp(semitones, -r, r) / r * bendCentre;
    return static_cast<std::uint16_t>(std::clamp(std::lround(value), 0L, 16383L));
}

void MpeExpression::send(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    const auto channel = static_cast<std::uint8_t>(status & 0x0F);
    switch (status & 0xF0) {
    case pitchBendStatus:
        midi_.pitchBend(static_cast<std::uint16_t>(data1 | (data2 << 7)), channel);
        break;
    case channelPressureStatus:
        midi_.channelPressure(data1, channel);
        break;
    default:
        midi_.controlChange(data1, data2, channel);
        break;
    }
    sound_.channelMessage(status, data1, data2);
}

void MpeExpression::parameter(std::uint8_t channel, std::uint8_t number, std::uint8_t value) {
    const auto status = static_cast<std::uint8_t>(ump::controlChangeStatus | channel);
    send(status, parameterMsb, 0);
    send(status, parameterLsb, number);
    send(status, dataEntryMsb, value);
    if (number == bendRangeParameter) {
        send(status, dataEntryLsb, 0);
    }
}

void MpeExpression::sendConfiguration() {
    if (!on_) {
        return;
    }
    for (const MpeZone& zone : zones()) {
        parameter(zone.manager(), zoneParameter, zone.members);
        parameter(zone.manager(), bendRangeParameter, managerBendRange);
        for (std::uint8_t i = 0; i < zone.members; ++i) {
            parameter(zone.member(i), bendRangeParameter, zone.bendRange);
        }
    }
}

void MpeExpression::sendExpression(std::uint8_t channel, const Expression& wanted, bool all) {
    Expression& sent = sent_[channel];
    if (all || wanted.bend != sent.bend) {
        send(static_cast<std::uint8_t>(pitchBendStatus | channel), wanted.bend & 0x7F,
             static_cast<std::uint8_t>(wanted.bend >> 7));
    }
    if (all || wanted.timbre != sent.timbre) {
        send(static_cast<std::uint8_t>(ump::controlChangeStatus | channel), timbreController,
             wanted.timbre);
    }
    if (all || (wanted.pressure && wanted.pressure != sent.pressure)) {
        send(static_cast<std::uint8_t>(channelPressureStatus | channel),
             wanted.pressure.value_or(0), 0);
    }
    sent = wanted;
}

void MpeExpression::noteOn(std::uint8_t note, std::uint8_t velocity, bool belowSplit) {
    const MpeVoiceAllocator::Allocation allocation =
        voices_.allocate(note, split_ && !belowSplit ? 1 : 0);
    if (allocation.endedNote) {
        endNote(*allocation.endedNote, allocation.channel);
    }
    sendExpression(allocation.channel, wanted_[note], true);
    sound_.playNote(note, SoundController::Holder::surfaces, velocity, allocation.channel);
    midi_.noteOn(note, velocity, allocation.channel);
}

void MpeExpression::endNote(std::uint8_t note, std::uint8_t channel) {
    // No listener's release stays pressed. The bend stays: the release tail keeps its pitch, and
    // the channel's next note sets its own first.
    Expression& sent = sent_[channel];
    if (sent.pressure.value_or(0) != 0) {
        send(static_cast<std::uint8_t>(channelPressureStatus | channel), 0, 0);
        sent.pressure = 0;
    }
    sound_.endNote(note, SoundController::Holder::surfaces);
    midi_.noteOff(note, channel);
    forget(note);
}

void MpeExpression::forget(std::uint8_t note) {
    wanted_[note] = {};
    touchedAlong_[note].reset();
    rounding_.forget(note);
}

void MpeExpression::noteOff(std::uint8_t note) {
    if (const auto channel = voices_.release(note)) {
        endNote(note, *channel);
    }
}

void MpeExpression::shape(std::uint8_t note, double bendSemitones, std::optional<double> along,
                          std::optional<double> pressure) {
    if (note > 127) {
        return;
    }
    Expression& wanted = wanted_[note];
    wanted.bend = bendValue(rounding_.follow(note, bendSemitones, clock_()), zone_.bendRange);
    if (along && std::isfinite(*along)) {
        std::optional<double>& touched = touchedAlong_[note];
        touched = touched.value_or(*along);
        wanted.timbre = unitToMidi(relativeTimbre_ ? 0.5 + *along - *touched : *along);
    }
    if (pressure && std::isfinite(*pressure)) {
        wanted.pressure = unitToMidi(*pressure);
    }
    requestFlush(note);
    if (!roundingRequested_ && roundingRequest_ && rounding_.isMoving()) {
        roundingRequested_ = true;
        roundingRequest_();
    }
}

void MpeExpression::requestFlush(std::uint8_t note) {
    if (!flushRequested_ && voices_.channelOf(note) && flushRequest_) {
        flushRequested_ = true;
        flushRequest_();
    }
}

void MpeExpression::advanceRounding() {
    roundingRequested_ = false;
    rounding_.advance(clock_());
    for (const auto& [note, channel] : voices_.busy()) {
        const std::optional<double> bend = rounding_.bend(note);
        const std::uint16_t value = bend ? bendValue(*bend, zone_.bendRange) : wanted_[note].bend;
        if (value != wanted_[note].bend) {
            wanted_[note].bend = value;
            requestFlush(note);
        }
    }
    if (roundingRequest_ && rounding_.isMoving()) {
        roundingRequested_ = true;
        roundingRequest_();
    }
}

void MpeExpression::flush() {
    flushRequested_ = false;
    for (const auto& [note, channel] : voices_.busy()) {
        sendExpression(channel, wanted_[note], false);
    }
}

void MpeExpression::recentre() {
    for (const MpeZone& zone : zones()) {
        for (std::uint8_t i = 0; i < zone.members; ++i) {
            const std::uint8_t channel = zone.member(i);
            Expression& sent = sent_[channel];
            if (sent.bend != bendCentre) {
                midi_.pitchBend(bendCentre, channel);
            }
            if (sent.pressure.value_or(0) != 0) {
                midi_.channelPressure(0, channel);
            }
            sent = {};
        }
    }
}

void MpeExpression::panic() {
    const std::vector<std::pair<std::uint8_t, std::uint8_t>> sounding = voices_.busy();
    for (const auto& [note, channel] : sounding) {
        if (sent_[channel].pressure.value_or(0) != 0) {
            midi_.channelPressure(0, channel);
        }
        midi_.noteOff(note, channel);
    }
    reset();
    for (const MpeZone& zone : zones()) {
        for (std::uint8_t i = 0; i < zone.members; ++i) {
            const std::uint8_t channel = zone.member(i);
            midi_.controlChange(ump::allSoundOffController, 0, channel);
            midi_.controlChange(ump::allNotesOffController, 0, channel);
            midi_.pitchBend(bendCentre, channel);
            midi_.channelPressure(0, channel);
        }
    }
}

} // namespace tinkella
