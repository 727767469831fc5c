#pragma once

#include "model/PianoKey.h"
#include "foundation/NotificationCenter.h"

#include <functional>
#include <memory>
#include <vector>

namespace tinkella {

class SoundController;
class MIDIOutput;

// The shared keyboard model: the 120 keys (MIDI notes 0..119) and the one procedure that turns
// held keys into note starts and ends on both outputs. Main thread only, no locks.
class PianoController : public NotificationSender {
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
    // the notification centre, which must outlive it.
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
    // Ends every playing note on both outputs; pressed flags are kept.
    void endCurrentNotes();
    void setInternalSynthMuted(bool muted);

private:
    std::unique_ptr<SoundController> soundController_;
    std::vector<PianoKey> keys_;
    MIDIOutput& midiOutput_;
    NotificationCenter& center_;
};

} // namespace tinkella
