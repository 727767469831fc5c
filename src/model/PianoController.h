#pragma once

#include "foundation/NotificationCenter.h"
#include "interfaces/MidiPort.h"
#include "model/ChordName.h"
#include "model/IncomingNotes.h"
#include "model/MpeExpression.h"
#include "model/PianoKey.h"
#include "model/PlayerChannel.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tinkella {

class SoundController;
class MIDIOutput;

// Who holds the sustain down; it is down while any of them holds it.
enum class SustainSource { keyboard, menu };

// The shared keyboard model: the 120 keys (MIDI notes 0..119) and the one procedure that turns
// held keys into note starts and ends on both outputs. Main thread only, no locks.
//
// Sustain works as on a hardware keyboard: a note still ends on both outputs when its key is
// released, and the sustain pedal (controller 64) goes to both outputs, whose voices ring on
// while it is down. So `playing` keeps following the keys, every path that ends notes (release,
// focus loss, muting, switching MIDI off, quitting) stays as it was, and the only new state held
// downstream is the pedal, which each output lifts again whenever it ends everything.
class PianoController : public NotificationSender, public MidiInputListener {
public:
    static constexpr std::size_t keyCount = 120;

    // The one controller of the process, built on first use (thread-safe, at most once) from
    // the shared synthesiser factory, MIDIOutput::shared() and the default notification centre.
    static PianoController& sharedInstance();

    // Chooses how sharedInstance() makes its synthesiser; call before its first use. Without it
    // the shared controller gets a silent synthesiser.
    using SoundFactory = std::function<std::unique_ptr<SoundController>()>;
    static void setSharedSoundFactory(SoundFactory factory);

    // For tests and for sharedInstance(): owns the synthesiser, refers to the MIDI output and
    // the notification centre, which must outlive it. Becomes the MIDI output's input listener
    // until it goes.
    PianoController(std::unique_ptr<SoundController> soundController, MIDIOutput& midiOutput,
                    NotificationCenter& center);
    ~PianoController() override;
    PianoController(const PianoController&) = delete;
    PianoController& operator=(const PianoController&) = delete;

    SoundController& soundController() { return *soundController_; }
    // Exactly 120 keys in note order; the list itself never changes, only the keys' flags.
    std::vector<PianoKey>& keys() { return keys_; }
    const std::vector<PianoKey>& keys() const { return keys_; }

    // Ends and restarts every held note, e.g. so held notes take a new instrument at once.
    void redoPlayingNotes();
    // Posts PressedPianoKeysChanged (sender: this controller), synchronously.
    void notifyPressedKeysChanged();
    // Brings each key's note in line with its pressed flags, in ascending note order; for
    // each key the synthesiser hears of it before the MIDI output.
    void updatePlayingNotesFromPressedKeys();
    // Semitones (-24..24) added to the note of every key that starts playing from now on; a
    // key already playing ends on the note it started with. Notes beyond 0..127 are not played
    // (the key still lights).
    void setTranspose(int semitones) { transpose_ = semitones; }
    int transpose() const { return transpose_; }
    // The notes sounding from the surfaces (as transposed) and from the MIDI input.
    SoundingNotes soundingNotes() const;
    // Ends every playing note on both outputs; pressed flags are kept.
    void endCurrentNotes();
    void setInternalSynthMuted(bool muted);

    // Puts the sustain down or lifts it for one source; the pedal message goes to both outputs
    // (synthesiser first) only when the combined state changes. Posts nothing.
    void setSustained(SustainSource source, bool down);
    bool isSustained() const { return sustainedByKeyboard_ || sustainedByMenu_; }
    bool isSustainedBy(SustainSource source) const {
        return source == SustainSource::keyboard ? sustainedByKeyboard_ : sustainedByMenu_;
    }
    // One message of the MIDI input, or one of its senders gone (see IncomingNotes); each posts
    // PressedPianoKeysChanged when a key's lit state changed.
    void received(MidiSender sender, const std::uint8_t* bytes, std::size_t size) override;
    void senderGone(MidiSender sender) override;
    // Ends every note and lifts the pedal that the MIDI input holds, as when every sender went.
    void endIncomingNotes() { senderGone(0); }
    bool isSustainedByMidiIn() const { return incoming_.isSustaining(); }

    // MIDI Polyphonic Expression: with it on, each note the surfaces start has a member channel
    // of its own on both outputs, and the MIDI input sounds on its own channels.
    MpeExpression& expression() { return expression_; }
    // Shapes the note the key sounds (the one it started on, or would start on now, with the
    // transposition); a key beyond MIDI's range shapes nothing. Values as MpeExpression::shape.
    void shapeExpression(const PianoKey& key, double bendSemitones, std::optional<double> along,
                         std::optional<double> pressure);
    // Switches it, ending every note first (the surfaces' and the MIDI input's) and bringing the
    // synthesiser's channels back to Tinkella's own configuration; held keys then sound again in
    // the new way.
    void setExpression(bool mpe);
    // The MPE zone from now on; with MPE on, every note ends first and held keys then sound again
    // in the new zone.
    void setMpeZone(const MpeZone& zone);

    // Stops everything, whatever the state: clears every pressed flag, the keys held by the
    // MIDI input and every sustain source, silences the synthesiser at once, sends the MIDI
    // output's panic on the player's active channel, recentres the pitch wheel, and posts
    // PressedPianoKeysChanged. The surfaces should drop what they hold first, so that their next
    // update does not press the keys again.
    void panic();

    // The player's channel and its controls (wheels, knobs, program out).
    PlayerChannel& player() { return player_; }
    // The MIDI channel (0..15) the keys play on without MPE, on both outputs: every note ends
    // first and held keys sound again there; a sustain held down moves along.
    void setChannel(std::uint8_t channel);
    // The keyboard split: keys below point (a note 0..127; none: no split) play program (0..127),
    // with MPE off on splitChannel() of both outputs, with MPE on in the lower zone and the other
    // keys in the upper one (the program goes to the synthesiser, and to the MIDI output with
    // program out on). Held notes go on and end where they started; with MPE on, a split that
    // comes or goes ends them and held keys sound again in their zones.
    void setSplit(std::optional<std::uint8_t> point, std::uint8_t program);
    std::optional<std::uint8_t> splitPoint() const { return splitPoint_; }
    // With MPE off the channel after the player's, or at channel 16 the one before, so that the
    // two sides never share a channel; with MPE on the lower zone's manager channel (0), where
    // its program, pedal and wheels go; none while there is no split.
    std::optional<std::uint8_t> splitChannel() const;
    // The velocity (1..127, 127 at first) of every note whose surface does not measure it.
    void setVelocity(std::uint8_t velocity);
    std::uint8_t velocity() const { return velocity_; }

private:
    // One note of a key to both outputs, on the player's channel or, with MPE, on its own in the
    // zone of its side of the split.
    void startNote(std::uint32_t note, std::uint8_t velocity, std::uint8_t channel,
                   bool belowSplit);
    void endNote(std::uint32_t note, std::uint8_t channel);
    // Gives both outputs the split's channel and program as they are now.
    void applySplit();
    // The player's controls to channel, or with MPE on to the zones' managers.
    void placePlayer(std::uint8_t channel);
    // The key's note with the transposition now, or -1 beyond 0..127.
    std::int16_t soundingNoteOf(const PianoKey& key) const;
    // Ends the note the key started (if it sounded) on both outputs.
    void endNoteOf(PianoKey& key);
    // Lifts a sustain held down, runs move (which moves where the keyboard plays) and puts the
    // sustain down again, so that no channel is left sustained.
    void withPedalLifted(const std::function<void()>& move);

    std::unique_ptr<SoundController> soundController_;
    std::vector<PianoKey> keys_;
    IncomingNotes incoming_;
    MIDIOutput& midiOutput_;
    MpeExpression expression_;
    PlayerChannel player_;
    std::uint8_t velocity_ = 127;
    NotificationCenter& center_;
    bool sustainedByKeyboard_ = false;
    bool sustainedByMenu_ = false;
    int transpose_ = 0;
    // By key: the note a playing key started, -1 when it started beyond 0..127.
    std::array<std::int16_t, keyCount> startedOn_{};
    // By key: the channel (0..15) where a playing key's note started, without MPE.
    std::array<std::uint8_t, keyCount> startedChannel_{};
    std::optional<std::uint8_t> splitPoint_;
    std::uint8_t splitProgram_ = 32;
};

} // namespace tinkella
