#pragma once

#include "interfaces/MidiMessage.h"
#include "model/MpeVoiceAllocator.h"
#include "model/PitchRounding.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tinkella {

class MIDIOutput;
class SoundController;

// MIDI Polyphonic Expression on both outputs: each note the surfaces start sounds on a member
// channel of its own in the zone (MpeVoiceAllocator), preceded by that channel's pitch bend,
// timbre (controller 74) and channel pressure, so every finger bends and swells on its own. Main
// thread only.
//
// As MPE senders do, a note's end leaves its channel's bend where it was (a listener's release
// tail keeps its pitch): the channel's next note sets its own bend first. Pressure sent for a note
// goes back to 0 before its note-off. Channels are recentred only when MPE is switched off or the
// zone changes (recentre()), on panic, and by the MIDI output when it is switched off.
//
// Moves are coalesced: shape() only records the latest values, and flush() sends what changed
// since the last message of each sounding note, at most one pitch bend, one controller 74 and
// one channel pressure per note. The owner runs flush() an audio period after the flush
// request, which keeps a fast slide from flooding the port and never holds back the last value.
// Pitch rounding (PitchRounding) moves resting fingers' bends with time: the owner runs
// advanceRounding() a tick after the rounding request.
class MpeExpression {
public:
    static constexpr std::uint8_t managerBendRange = 2;
    static constexpr std::uint8_t timbreController = ump::timbreController;

    // sound and midi must outlive this object.
    MpeExpression(SoundController& sound, MIDIOutput& midi);

    bool isOn() const { return on_; }
    // The caller ends every note first. Switching on sends the zone's configuration to the MIDI
    // output and has the synthesiser play its instrument on every channel; switching off
    // recentres the channels and ends the zone (RPN 6 of no member channels).
    void setOn(bool on);
    const MpeZone& zone() const { return zone_; }
    // The caller ends every note first. While on, a changed zone recentres the old one's channels,
    // ends it (RPN 6 of none) when it moves to the other end, and sends the new configuration.
    void setZone(const MpeZone& zone);
    // The keyboard split: with it, the keys below it play in the lower zone and the others in the
    // upper one, whatever zone() says, each zone with at most half the member channels (zones()).
    // The caller ends every note first; while on, the change goes out as setZone()'s does.
    void setSplit(bool split);
    // The zones played: zone() alone, or with the split the lower and then the upper zone.
    std::vector<MpeZone> zones() const;
    // The manager channel (0 or 15) of the zone the player's own instrument plays in: the upper
    // zone's with the split, zone()'s without.
    std::uint8_t playerManager() const { return split_ ? 15 : zone_.manager(); }
    // Each zone's MPE configuration message (RPN 6 on its manager channel: the number of member
    // channels) and pitch-bend ranges (RPN 0: the zone's on the members, 2 on the manager), to
    // the MIDI output and the synthesiser. Does nothing while off.
    void sendConfiguration();
    // Controller 74 from where the finger is along its key (absolute, the default), or relative
    // to where it touched down, which sends 64.
    void setRelativeTimbre(bool relative) { relativeTimbre_ = relative; }
    void setPitchRounding(PitchRounding::Rate rate) { rounding_.setRate(rate); }

    // The 14-bit pitch bend (0..16383, centre 8192) of a bend in semitones on a member channel
    // whose range is range semitones, clamped to the range.
    static std::uint16_t bendValue(double semitones, int range);

    // Starts note (0..127) on a channel of its own after its initial expression, in the lower zone
    // when belowSplit and the split is on; when all the zone's member channels sound, its oldest
    // note ends first. velocity 1..127.
    void noteOn(std::uint8_t note, std::uint8_t velocity, bool belowSplit = false);
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
    // Moves the rounded bends to now. Runs when rounding has bends to move, once until
    // advanceRounding() runs.
    void advanceRounding();
    void setRoundingRequest(std::function<void()> request) {
        roundingRequest_ = std::move(request);
    }
    // Where the time comes from (tests); std::chrono::steady_clock by default.
    void setClock(std::function<PitchRounding::Clock::time_point()> clock) {
        clock_ = std::move(clock);
    }
    // Ends every note this object started on the MIDI output and, for each member channel of the
    // zones, sends All Sound Off, All Notes Off, a centred pitch bend and pressure 0. The caller
    // silences the synthesiser.
    void panic();
    // Sends the MIDI output a centred pitch bend on each zone's member channel left bent, and
    // pressure 0 on each left pressed; after the last note, before the program ends.
    void recentre();

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
    void forget(std::uint8_t note);
    void reset();
    // Goes over to zone and split: recentres and ends (RPN 6 of none) the zones played before
    // whose manager plays no more, then configures the new ones, while on.
    void change(const MpeZone& zone, bool split);
    // The synthesiser's bend ranges for the zones played.
    void applyBendRanges();
    void requestFlush(std::uint8_t note);

    SoundController& sound_;
    MIDIOutput& midi_;
    bool on_ = false;
    MpeZone zone_;
    bool split_ = false;
    MpeVoiceAllocator voices_;
    PitchRounding rounding_;
    bool relativeTimbre_ = false;
    std::array<Expression, 128> wanted_{};                  // per note
    std::array<std::optional<double>, 128> touchedAlong_{}; // per note, for relative timbre
    std::array<Expression, 16> sent_{};                     // per channel
    std::function<void()> flushRequest_;
    bool flushRequested_ = false;
    std::function<void()> roundingRequest_;
    bool roundingRequested_ = false;
    std::function<PitchRounding::Clock::time_point()> clock_ = PitchRounding::Clock::now;
};

} // namespace tinkella
