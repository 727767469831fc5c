#pragma once

#include "interfaces/MidiMessage.h"
#include "model/MpeVoiceAllocator.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace tinkella {

class MIDIOutput;
class SoundController;

// MIDI Polyphonic Expression on both outputs: each note the surfaces start sounds on a member
// channel of its own (MpeVoiceAllocator), preceded by that channel's pitch bend, timbre
// (controller 74) and channel pressure, so every finger bends and swells on its own. Main
// thread only.
//
// Moves are coalesced: shape() only records the latest values, and flush() sends what changed
// since the last message of each sounding note, at most one pitch bend, one controller 74 and
// one channel pressure per note. The owner runs flush() an audio period after the flush
// request, which keeps a fast slide from flooding the port and never holds back the last value.
class MpeExpression {
public:
    // Pitch-bend range of the member channels and of the manager channel, in semitones.
    static constexpr int memberBendRange = 48;
    static constexpr int managerBendRange = 2;
    static constexpr std::uint8_t timbreController = ump::timbreController;

    // sound and midi must outlive this object.
    MpeExpression(SoundController& sound, MIDIOutput& midi);

    bool isOn() const { return on_; }
    // The caller ends every note first. Switching on sends the zone's configuration to the MIDI
    // output and has the synthesiser play its instrument on every channel.
    void setOn(bool on);
    // The MPE configuration message (RPN 6 on the manager channel: 15 member channels) and the
    // pitch-bend ranges (RPN 0: 48 semitones on the members, 2 on the manager), to the MIDI
    // output and the synthesiser. Does nothing while off.
    void sendConfiguration();

    // The 14-bit pitch bend (0..16383, centre 8192) of a bend in semitones on a member channel,
    // clamped to ±48 semitones.
    static std::uint16_t bendValue(double semitones);

    // Starts note (0..127) on a channel of its own after its initial expression; when all member
    // channels sound, the oldest note ends first. velocity 1..127.
    void noteOn(std::uint8_t note, std::uint8_t velocity);
    // Ends note on its channel; nothing when it does not sound (it was ended to free a channel).
    void noteOff(std::uint8_t note);
    // The latest expression of note's finger or pointer: bend in semitones from the note, place
    // along the key (0 front edge .. 1 back) and pressure (0..1), each absent when not known.
    // Before the note starts they become its initial values; while it sounds they wait for
    // flush().
    void shape(std::uint8_t note, double bendSemitones, std::optional<double> along,
               std::optional<double> pressure);
    // Sends, for each sounding note, what changed since its last messages.
    void flush();
    // Runs when a value starts waiting for flush(), once until flush() runs.
    void setFlushRequest(std::function<void()> request) { flushRequest_ = std::move(request); }
    // Ends every note this object started on the MIDI output and, for each member channel, sends
    // All Sound Off, All Notes Off, a centred pitch bend and pressure 0. The caller silences the
    // synthesiser.
    void panic();

private:
    struct Expression {
        std::uint16_t bend = ump::bendCentre;
        std::uint8_t timbre = 64;
        std::optional<std::uint8_t> pressure;
    };
    // One channel message to both outputs: status, then one or two data bytes.
    void send(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    void sendExpression(std::uint8_t channel, const Expression& wanted, bool all);
    void parameter(std::uint8_t channel, std::uint8_t number, std::uint8_t value);
    void endNote(std::uint8_t note, std::uint8_t channel);

    SoundController& sound_;
    MIDIOutput& midi_;
    bool on_ = false;
    MpeVoiceAllocator voices_;
    std::array<Expression, 128> wanted_{}; // per note
    std::array<Expression, 16> sent_{};    // per channel
    std::function<void()> flushRequest_;
    bool flushRequested_ = false;
};

} // namespace tinkella
