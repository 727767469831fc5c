#pragma once

#include <cstdint>

namespace tinkella {

// What the MIDI output can be asked to do. Calls keep their arguments as given, so that a
// value out of range reaches the output and is refused there with its line; channel: its low
// four bits are sent. Both what waits for the output's port while it is being opened and what
// ends the notes its listeners hold are made of these calls.
class MidiCalls {
public:
    virtual ~MidiCalls() = default;
    virtual void noteOn(std::uint8_t noteNum, std::uint8_t velocity, std::uint8_t channel) = 0;
    virtual void noteOff(std::uint8_t noteNum, std::uint8_t channel) = 0;
    virtual void controlChange(std::uint8_t controller, std::uint8_t value,
                               std::uint8_t channel) = 0;
    // value 0..16383 (8192 centred).
    virtual void pitchBend(std::uint16_t value, std::uint8_t channel) = 0;
    virtual void channelPressure(std::uint8_t value, std::uint8_t channel) = 0;
    // program 0..127, the General MIDI program number less one.
    virtual void programChange(std::uint8_t program, std::uint8_t channel) = 0;
    virtual void panic(std::uint8_t channel) = 0;
    virtual void setEnabled(bool enabled) = 0;
};

} // namespace tinkella
