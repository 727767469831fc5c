#pragma once

#include "outputs/MidiCalls.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tinkella {

// The calls made of the MIDI output while its port is still being opened elsewhere, kept in
// order until replay() makes them again on the output, which then writes their lines as if they
// were made then. A long wait must still fit the MIDI system's queue: beyond mostWaiting calls,
// a note-off drops the note-on it would follow instead of waiting behind it. Main thread only.
class PendingMidiCalls final : public MidiCalls {
public:
    static constexpr std::size_t mostWaiting = 256;

    void noteOn(std::uint8_t noteNum, std::uint8_t velocity, std::uint8_t channel) override;
    void noteOff(std::uint8_t noteNum, std::uint8_t channel) override;
    void controlChange(std::uint8_t controller, std::uint8_t value, std::uint8_t channel) override;
    void pitchBend(std::uint16_t value, std::uint8_t channel) override;
    void channelPressure(std::uint8_t value, std::uint8_t channel) override;
    void programChange(std::uint8_t program, std::uint8_t channel) override;
    void panic(std::uint8_t channel) override;
    void setEnabled(bool enabled) override;

    // Makes every waiting call on output, in order, and forgets them; calls made meanwhile go
    // to output only.
    void replay(MidiCalls& output);
    std::size_t size() const { return calls_.size(); }

private:
    // One waiting call: a is the note, controller or value, b the velocity or the controller's
    // value.
    struct Call {
        enum Kind {
            NoteOn,
            NoteOff,
            ControlChange,
            Panic,
            Enable,
            PitchBend,
            Pressure,
            Program
        } kind;
        std::uint16_t a = 0;
        std::uint8_t b = 0;
        std::uint8_t channel = 0;
    };
    std::vector<Call> calls_;
};

} // namespace tinkella
