#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tinkella {

// The MIDI message codec shared by the output and every backend: MIDI 1.0 channel voice
// messages as one MidiMessage from the keyboard to the port, as 32-bit Universal MIDI Packet
// words (the diagnostic log's names for them), and as MIDI 1.0 bytes on the wire.
//
// One 32-bit Universal MIDI Packet word of message type 2 (MIDI 1.0 channel voice), group 0:
// bits 31..28 message type, 27..24 group, 23..16 status byte, 15..8 data 1, 7..0 data 2.
namespace ump {

constexpr std::uint32_t midi1ChannelVoiceType = 2;
constexpr std::uint8_t noteOnStatus = 0x90;
constexpr std::uint8_t noteOffStatus = 0x80;
constexpr std::uint8_t controlChangeStatus = 0xB0;
constexpr std::uint8_t programChangeStatus = 0xC0;
constexpr std::uint8_t channelPressureStatus = 0xD0;
constexpr std::uint8_t pitchBendStatus = 0xE0;

// Controller numbers of control change.
constexpr std::uint8_t sustainController = 64;      // 0..63 up, 64..127 down
constexpr std::uint8_t pedalDownFrom = 64;          // the lowest sustain value that is down
constexpr std::uint8_t allSoundOffController = 120; // value 0; silences at once, tails too
constexpr std::uint8_t allNotesOffController = 123; // value 0; as a note-off for every note
constexpr std::uint8_t timbreController = 74;       // MPE's third dimension, 64 neutral
constexpr std::uint8_t bankSelectController = 0;    // bank's high seven bits; 32 the low seven
constexpr std::uint8_t bankSelectLsbController = 32;
constexpr std::uint8_t modulationController = 1;
// Registered parameters: 101/100 choose one, 6/38 enter its value.
constexpr std::uint8_t parameterMsbController = 101;
constexpr std::uint8_t parameterLsbController = 100;
constexpr std::uint8_t dataEntryMsbController = 6;
constexpr std::uint8_t dataEntryLsbController = 38;

// Pitch bend: 14 bits, data 1 the low seven, data 2 the high seven.
constexpr std::uint16_t bendCentre = 8192; // no bend
constexpr std::uint16_t highestBend = 16383;

// The bytes a channel voice message with this status byte takes, status byte included: 3, or 2
// for program change and channel pressure (one data byte); 0 when status is no channel voice
// status (a data byte, or a system message).
constexpr std::size_t messageLength(std::uint8_t status) {
    if (status < 0x80 || status >= 0xF0) {
        return 0;
    }
    const std::uint8_t kind = status & 0xF0;
    return kind == programChangeStatus || kind == channelPressureStatus ? 2 : 3;
}

constexpr std::uint32_t midi1Word(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    return (midi1ChannelVoiceType << 28) + (static_cast<std::uint32_t>(status) << 16) +
           (static_cast<std::uint32_t>(data1) << 8) + data2;
}

// channel: only its low four bits are used (0 is the first MIDI channel).
constexpr std::uint32_t noteOnWord(std::uint8_t note, std::uint8_t velocity, std::uint8_t channel) {
    return midi1Word(static_cast<std::uint8_t>(noteOnStatus + (channel & 0x0F)), note, velocity);
}

constexpr std::uint32_t noteOffWord(std::uint8_t note, std::uint8_t channel) {
    return midi1Word(static_cast<std::uint8_t>(noteOffStatus + (channel & 0x0F)), note, 0);
}

// controller and value: 0..127.
constexpr std::uint32_t controlChangeWord(std::uint8_t controller, std::uint8_t value,
                                          std::uint8_t channel) {
    return midi1Word(static_cast<std::uint8_t>(controlChangeStatus + (channel & 0x0F)), controller,
                     value);
}

constexpr std::uint32_t messageType(std::uint32_t word) {
    return word >> 28;
}
constexpr std::uint8_t statusByte(std::uint32_t word) {
    return static_cast<std::uint8_t>((word >> 16) & 0xFF);
}
constexpr std::uint8_t data1(std::uint32_t word) {
    return static_cast<std::uint8_t>((word >> 8) & 0xFF);
}
constexpr std::uint8_t data2(std::uint32_t word) {
    return static_cast<std::uint8_t>(word & 0xFF);
}

// The longest MIDI 1.0 channel voice message in bytes.
inline constexpr std::size_t maxMessageBytes = 3;

// A data byte from the low eight bits; values above 127, which a receiver would read as a status
// byte, go on the wire as 127.
constexpr std::uint8_t wireDataByte(std::uint32_t bits) {
    const std::uint32_t value = bits & 0xFF;
    return static_cast<std::uint8_t>(value > 0x7F ? 0x7F : value);
}

// The MIDI 1.0 bytes of a channel voice word of type 2 and their count (3, or 2 for program
// change and channel pressure); 0 when the word is not one.
constexpr std::size_t midi1Bytes(std::uint32_t word, std::uint8_t (&bytes)[maxMessageBytes]) {
    if (messageType(word) != midi1ChannelVoiceType) {
        return 0;
    }
    bytes[0] = statusByte(word);
    bytes[1] = wireDataByte(word >> 8);
    bytes[2] = wireDataByte(word);
    return messageLength(bytes[0]);
}

// The word of the MIDI 1.0 channel voice message in the first count bytes (status byte first,
// as on the wire); 0 when they hold none: a system message, a data byte first, too few bytes.
constexpr std::uint32_t midi1WordFromBytes(const std::uint8_t* bytes, std::size_t count) {
    const std::size_t needed = count == 0 ? 0 : messageLength(bytes[0]);
    if (needed == 0 || count < needed) {
        return 0;
    }
    return midi1Word(bytes[0], bytes[1] & 0x7F, needed == 3 ? bytes[2] & 0x7F : 0);
}

static_assert(noteOnWord(60, 127, 0) == 0x20903C7F);
static_assert(noteOffWord(60, 0) == 0x20803C00);
static_assert(controlChangeWord(64, 127, 0) == 0x20B0407F);

} // namespace ump

// One MIDI 1.0 channel voice message, the form every message of the player's keyboard takes
// from the MIDI output's operations to the port's buffer: the status byte (kind in the high
// four bits, channel 0..15 in the low four) and two data bytes, data 2 being 0 for the kinds
// that have one. The data bytes hold what was asked for, so that the log can name a value out of
// range; bytes() gives them as they go on the wire.
struct MidiMessage {
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    friend bool operator==(const MidiMessage&, const MidiMessage&) = default;

    // channel: only its low four bits are used (0 is the first MIDI channel).
    static constexpr MidiMessage make(std::uint8_t kind, std::uint8_t channel, std::uint8_t data1,
                                      std::uint8_t data2 = 0) {
        return {static_cast<std::uint8_t>(kind | (channel & 0x0F)), data1, data2};
    }
    static constexpr MidiMessage noteOn(std::uint8_t note, std::uint8_t velocity,
                                        std::uint8_t channel) {
        return make(ump::noteOnStatus, channel, note, velocity);
    }
    static constexpr MidiMessage noteOff(std::uint8_t note, std::uint8_t channel) {
        return make(ump::noteOffStatus, channel, note);
    }
    static constexpr MidiMessage controlChange(std::uint8_t controller, std::uint8_t value,
                                               std::uint8_t channel) {
        return make(ump::controlChangeStatus, channel, controller, value);
    }
    // value: 0..16383, bendCentre for none.
    static constexpr MidiMessage pitchBend(std::uint16_t value, std::uint8_t channel) {
        return make(ump::pitchBendStatus, channel, static_cast<std::uint8_t>(value & 0x7F),
                    static_cast<std::uint8_t>((value >> 7) & 0x7F));
    }
    static constexpr MidiMessage channelPressure(std::uint8_t value, std::uint8_t channel) {
        return make(ump::channelPressureStatus, channel, value);
    }
    static constexpr MidiMessage programChange(std::uint8_t program, std::uint8_t channel) {
        return make(ump::programChangeStatus, channel, program);
    }
    // The message in the first count bytes, as on the wire, with data bytes of seven bits; a
    // message of status 0 when they hold none (see ump::midi1WordFromBytes).
    static constexpr MidiMessage fromBytes(const std::uint8_t* bytes, std::size_t count) {
        const std::uint32_t word = ump::midi1WordFromBytes(bytes, count);
        return {ump::statusByte(word), ump::data1(word), ump::data2(word)};
    }

    constexpr std::uint8_t kind() const { return status & 0xF0; }
    constexpr std::uint8_t channel() const { return status & 0x0F; }
    // 0 when the status byte is no channel voice status.
    constexpr std::size_t size() const { return ump::messageLength(status); }
    // A pitch bend's 14-bit value.
    constexpr std::uint16_t bend() const {
        return static_cast<std::uint16_t>((data1 & 0x7F) | (data2 & 0x7F) << 7);
    }
    constexpr std::uint32_t word() const { return ump::midi1Word(status, data1, data2); }
    // As it goes on the wire: data bytes above 127 as 127.
    constexpr MidiMessage onWire() const {
        return {status, ump::wireDataByte(data1), ump::wireDataByte(data2)};
    }
    // The bytes on the wire, of which the first size() are sent.
    constexpr std::array<std::uint8_t, ump::maxMessageBytes> bytes() const {
        const MidiMessage wire = onWire();
        return {wire.status, wire.data1, wire.data2};
    }
};

static_assert(MidiMessage::noteOn(60, 127, 16).word() == 0x20903C7F);
static_assert(MidiMessage::pitchBend(ump::bendCentre, 1) == MidiMessage{0xE1, 0, 64});
static_assert(MidiMessage::channelPressure(5, 2).size() == 2);
} // namespace tinkella
