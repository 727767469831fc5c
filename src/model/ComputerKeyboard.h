#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>

namespace tinkella {

class PianoController;

// The key of the computer keyboard at a physical position, as the X11 / xkb keycode (the
// Linux evdev code + 8) that both X11 and Wayland report: the same number for the same place
// on every layout (QWERTY, AZERTY, QWERTZ, Dvorak), whatever its label.
using ScanCode = std::uint32_t;

// The tracker layout: the bottom letter row from Z to the comma plays one octave and a note
// (Z S X D C V G B H N J M ,: 0..12 semitones, the row above giving the sharps), the top
// letter row from Q to I the next (Q 2 W 3 E R 5 T 6 Y 7 U I: 12..24, the digit row giving the
// sharps). Semitones above the keyboard's base note; no value for any other key.
std::optional<int> semitoneForScanCode(ScanCode scanCode);

// The computer keyboard as the keyboard model's third input surface, beside the strip and the
// window: it keeps the keys held down, rebuilds every key's isPressedOnKeyboard from them, and
// has the model sound them, so a held key sounds and lights like a touch or the mouse. The
// space bar holds the sustain (source SustainSource::keyboard). The toolkit side hands it
// presses and releases and calls releaseAll() whenever the key-up events may stop arriving
// (focus loss, window deactivated or hidden). Main thread only.
class ComputerKeyboard {
public:
    // The base note (the Z key) moves by octaves between these, so every mapped key stays on
    // the 120-key keyboard from the bottom octave (Z = note 0) up to Z = note 96, where the
    // top row above note 119 plays nothing.
    static constexpr int lowestBaseNote = 0;
    static constexpr int highestBaseNote = 96;
    static constexpr int defaultBaseNote = 48; // Z = C3, Q = C4 (middle C, note 60)

    // controller must outlive the surface.
    explicit ComputerKeyboard(PianoController& controller);

    // A key went down or up; auto-repeats the window system sends while a key is held are ignored.
    // Returns whether the key belongs to the surface (so the toolkit does nothing else with it).
    // A key keeps the note it went down with when the octave changes while it is held.
    //
    // A release only becomes pending: X11 repeats a held key as release-press pairs, which the
    // toolkit cannot always tell from real ones, so a press of the same key while its release
    // is pending is taken for a repeat, and the key stays down. The toolkit side applies the
    // pending releases a moment later (applyPendingReleases()), sooner than anyone can strike
    // the same key again.
    bool keyDown(ScanCode scanCode, bool autoRepeat);
    bool keyUp(ScanCode scanCode, bool autoRepeat);
    bool hasPendingReleases() const { return !pendingReleases_.empty() || sustainUpPending_; }
    void applyPendingReleases();
    // The space bar: its release waits like a key's.
    void sustainDown(bool autoRepeat);
    void sustainUp(bool autoRepeat);
    // Releases every held key and the sustain held by the space bar.
    void releaseAll();
    // Forgets the held keys without an update: the model's panic clears the flags itself.
    void forget() {
        held_.clear();
        pendingReleases_.clear();
        sustainUpPending_ = false;
    }

    // One octave down / up within the bounds; held keys are unaffected.
    void octaveDown();
    void octaveUp();
    int baseNote() const { return baseNote_; }
    std::size_t heldKeyCount() const { return held_.size(); }

private:
    void update();

    PianoController& controller_;
    int baseNote_ = defaultBaseNote;
    std::map<ScanCode, int> held_;       // key down -> the note it plays (0..119)
    std::set<ScanCode> pendingReleases_; // held keys released, not yet applied
    bool sustainUpPending_ = false;
};

} // namespace tinkella
