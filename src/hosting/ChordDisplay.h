#pragma once

#include "foundation/NotificationCenter.h"
#include "model/ChordName.h"

#include <string>

class QLabel;
class QWidget;

namespace tinkella {

class PianoController;

// The name of the chord sounding (the surfaces' notes as transposed, and the MIDI input's), in a
// label floating over the top-left corner of the piano window's keyboard. Names again on
// PressedPianoKeysChanged only when the set of notes changed; shows only while switched on and
// something sounds. Main thread only.
class ChordDisplay {
public:
    // The label becomes a child of parent; controller and center must outlive this.
    ChordDisplay(PianoController& controller, NotificationCenter& center, QWidget& parent);
    ~ChordDisplay();
    ChordDisplay(const ChordDisplay&) = delete;
    ChordDisplay& operator=(const ChordDisplay&) = delete;

    void setShown(bool shown);
    // What the label says now ("" with nothing sounding).
    const std::string& text() const { return text_; }
    QLabel* label() const { return label_; }

private:
    void notesMayHaveChanged();
    void refresh();

    PianoController& controller_;
    QLabel* label_; // owned by its parent
    ObserverRegistration registration_;
    SoundingNotes notes_;
    std::string text_;
    bool shown_ = false;
};

} // namespace tinkella
