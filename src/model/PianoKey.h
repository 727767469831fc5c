#pragma once

#include <cstdint>

namespace tinkella {

// One key of the keyboard. The controller's list and every view share the same key objects;
// main thread only.
class PianoKey {
public:
    PianoKey(std::int64_t x, bool sharp, std::int64_t note) : x(x), sharp(sharp), note(note) {}

    // Held by any surface: the note logic and the drawing look at this, never at one flag.
    bool isPressed() const {
        return isPressedOnTouchBar || isPressedOnScreen || isPressedOnKeyboard || isPressedByAction;
    }

    // Natural-key slot: a natural key's index among the naturals (0..69); a sharp key has the
    // slot of the natural key just below it.
    const std::int64_t x;
    const bool sharp;
    bool isPressedOnTouchBar = false; // written only by the touch-strip view
    bool isPressedOnScreen = false;   // written only by the on-screen (mouse) view
    bool isPressedOnKeyboard = false; // written only by the computer keyboard (ComputerKeyboard)
    // Held for a moment by the key's "Press" action, which a screen reader offers; written only
    // by the keyboard's accessibility (hosting/KeyboardAccessibility).
    bool isPressedByAction = false;
    bool playing = false; // note started and not yet ended; written only by the model
    // Velocity 1..127 the key's next note starts with: a surface that measures its presses sets
    // it as it presses the key; the model puts it back to 127 once the note has started.
    std::uint8_t velocity = 127;
    // Held by a note another program sent to the MIDI input: lit, but not one of the surfaces,
    // so the note logic never sends it out again. Written only by IncomingNotes.
    bool isHeldByMidiIn = false;
    const std::int64_t note; // MIDI note number, equal to the key's index (0..119)
};

} // namespace tinkella
