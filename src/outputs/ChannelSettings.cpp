#include "outputs/ChannelSettings.h"

#include "interfaces/MidiMessage.h"

#include <utility>

namespace tinkella {

namespace {

using namespace ump;
constexpr std::uint8_t nonRegisteredMsbController = 99;
constexpr std::uint8_t nonRegisteredLsbController = 98;
constexpr std::uint8_t timbreNeutral = 64;
constexpr std::uint8_t tuningCentre = 64; // fine (MSB) and coarse tuning: no change

} // namespace

ChannelSettings::ChannelSettings() {
    channels_[0].range = channels_[16].range = 2;
}

void ChannelSettings::setBendRange(std::uint8_t channel, std::uint8_t semitones) {
    if (channel < channelCount) {
        channels_[channel].range = semitones;
    }
}

void ChannelSettings::sent(const Message& message) {
    if (message.channel >= channelCount) {
        return;
    }
    Channel& c = channels_[message.channel];
    const std::uint8_t value = message.data2;
    switch (message.status & 0xF0) {
    case pitchBendStatus:
        c.bend = static_cast<std::uint16_t>(message.data1 | message.data2 << 7);
        break;
    case channelPressureStatus:
        c.pressure = message.data1;
        break;
    case programChangeStatus:
        c.program = message.data1;
        break;
    case controlChangeStatus:
        switch (message.data1) {
        case timbreController:
            c.timbre = value;
            break;
        case parameterMsbController:
        case parameterLsbController:
            (message.data1 == parameterMsbController ? c.parameterMsb : c.parameterLsb) = value;
            c.nonRegistered = false;
            break;
        case nonRegisteredMsbController:
        case nonRegisteredLsbController:
            c.nonRegistered = true;
            break;
        case dataEntryLsbController:
            // Whatever is chosen: a synthesiser may keep it for the next data entry's MSB.
            c.retuned = c.retuned || value != 0;
            break;
        case dataEntryMsbController:
            if (!c.nonRegistered && c.parameterMsb == 0 && c.parameterLsb <= 2) {
                const std::uint8_t own =
                    c.parameterLsb == 0 ? bendRange(message.channel) : tuningCentre;
                c.retuned = c.retuned || value != own;
            }
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
}

std::vector<ChannelSettings::Message> ChannelSettings::restore(std::uint8_t channel,
                                                               std::uint8_t program) {
    std::vector<Message> messages;
    if (channel >= channelCount) {
        return messages;
    }
    Channel& c = channels_[channel];
    const auto add = [&](std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
        messages.push_back({channel, status, data1, data2});
    };
    if (c.bend != bendCentre) {
        add(pitchBendStatus, bendCentre & 0x7F, bendCentre >> 7);
    }
    if (c.pressure != 0) {
        add(channelPressureStatus, 0, 0);
    }
    if (c.timbre != timbreNeutral) {
        add(controlChangeStatus, timbreController, timbreNeutral);
    }
    if (std::exchange(c.retuned, false)) {
        // Bend range, then fine tuning with its LSB first (a synthesiser may combine the two at the
        // MSB), coarse tuning, and no parameter chosen, so that a stray data entry changes nothing.
        const std::pair<std::uint8_t, std::uint8_t> entries[] = {
            {parameterMsbController, 0},
            {parameterLsbController, 0},
            {dataEntryMsbController, bendRange(channel)},
            {dataEntryLsbController, 0},
            {parameterMsbController, 0},
            {parameterLsbController, 1},
            {dataEntryLsbController, 0},
            {dataEntryMsbController, tuningCentre},
            {parameterMsbController, 0},
            {parameterLsbController, 2},
            {dataEntryMsbController, tuningCentre},
            {parameterMsbController, none},
            {parameterLsbController, none}};
        for (const auto& [controller, value] : entries) {
            add(controlChangeStatus, controller, value);
        }
    }
    if (c.program != program) {
        add(programChangeStatus, program, 0);
    }
    return messages;
}

} // namespace tinkella
