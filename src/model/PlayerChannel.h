#pragma once

#include "interfaces/MidiMessage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tinkella {

class MIDIOutput;
class SoundController;

// The player's own MIDI channel and what the keyboard's controls hold on it beside the notes:
// the pitch-bend and modulation wheels with the pitch wheel's bend range, the eight controller
// knobs, and the instrument with its bank for a MIDI listener. A change made on a control goes
// at once to both outputs on the active channel: the chosen one, or with MPE the zone's manager
// channel, whose messages apply to the whole zone; beside an MPE split, both zones' managers.
//
// Controls that are not shown keep their values and send nothing on their own: showing them
// sends what they hold, and resend() (for a new listener) and synthRestored() (for the
// synthesiser, once it brought its channels back to Tinkella's own) send again what the shown
// ones hold. Program out likewise: while off, no bank or program leaves. The built-in
// synthesiser keeps its instrument from the settings panel and plays the bend range whatever
// is shown. Main thread only.
class PlayerChannel {
public:
    static constexpr std::size_t knobCount = 8;

    // sound and midi must outlive this object.
    PlayerChannel(SoundController& sound, MIDIOutput& midi);

    // 0..15 (MIDI channel 1..16), the chosen channel.
    std::uint8_t channel() const { return channel_; }
    // Where the keyboard's notes (without MPE), pedal, panic and controls go.
    std::uint8_t activeChannel() const;
    // The chosen channel, whether MPE is on and its zone's manager channel (0 or 15), where the
    // controls go with MPE on, as they do to otherManager (the other zone's, beside a split). The
    // caller ends the keyboard's notes first. A bend left on the active channel is centred there;
    // what is shown goes to the new one.
    void setChannel(std::uint8_t channel, bool mpe, std::uint8_t manager = 0,
                    std::optional<std::uint8_t> otherManager = std::nullopt);

    void setWheelsShown(bool shown);
    void setKnobsShown(bool shown);
    void setProgramOut(bool on);

    // The pitch wheel, 0..16383 (8192 centred), and the modulation wheel (controller 1), 0..127:
    // sent on every change, shown or not, so that a wheel let go as it hides still lands.
    void setPitchWheel(std::uint16_t value);
    std::uint16_t pitchWheel() const { return pitch_; }
    void setModulation(std::uint8_t value);
    std::uint8_t modulation() const { return modulation_; }
    // The pitch wheel's range in semitones (1..24): the synthesiser plays it on the chosen
    // channel; with the wheels shown and MPE off a listener gets it as registered parameter 0.
    void setBendRange(std::uint8_t semitones);
    // Knob 0..7 sends controller (0..119) at value (0..127); sent, while shown, when either
    // changes.
    void setKnob(std::size_t knob, std::uint8_t controller, std::uint8_t value);
    // The instrument (programNumber 1..128) and bank (0..16383): with program out on, bank
    // select (controller 0, then 32) and the program change go to the listener, each time.
    void setProgram(int programNumber, std::uint16_t bank);
    // The split's channel (0..15; none: no split) and its program (0..127): with program out on,
    // bank 0 and the program go there too, after the instrument's, now and with every resend, so
    // that a listener plays General MIDI's split instrument on its own channel.
    void setSplitProgram(std::optional<std::uint8_t> channel, std::uint8_t program);

    // For a new listener: the program and bank with program out on; the bend range, the wheels
    // and the knobs when shown.
    void resend();
    // The synthesiser's channels went back to Tinkella's own (a panic, a change of expression):
    // the shown wheels and knobs reach it again.
    void synthRestored();
    // Esc: the pitch wheel back to the centre, sent when shown or bent.
    void panic();

private:
    struct Knob {
        std::uint8_t controller = 0;
        std::uint8_t value = 0;
    };
    struct Outputs {
        bool midi;
        bool synth;
    };
    enum Part : unsigned { programPart = 1, wheelsPart = 2, knobsPart = 4, allParts = 7 };
    // What parts hold, of those shown (program: on), to the outputs.
    void sendShown(Outputs to, unsigned parts);
    void sendProgram();
    void sendSplitProgram();
    void control(Outputs to, std::uint8_t controller, std::uint8_t value);
    void bend(Outputs to, std::uint16_t value);

    SoundController& sound_;
    MIDIOutput& midi_;
    std::uint8_t channel_ = 0;
    bool mpe_ = false;
    std::uint8_t manager_ = 0;                 // the MPE zone's manager channel, while mpe_
    std::optional<std::uint8_t> otherManager_; // the other zone's, beside an MPE split
    bool wheelsShown_ = false;
    bool knobsShown_ = false;
    bool programOut_ = false;
    std::uint16_t pitch_ = ump::bendCentre;
    std::uint8_t modulation_ = 0;
    std::uint8_t bendRange_ = 2;
    std::array<Knob, knobCount> knobs_{};
    std::uint8_t program_ = 0; // 0..127
    std::uint16_t bank_ = 0;
    std::optional<std::uint8_t> splitChannel_;
    std::uint8_t splitProgram_ = 0;
};

} // namespace tinkella
