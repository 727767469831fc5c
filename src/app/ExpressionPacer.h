#pragma once

#include "foundation/DefaultsController.h"
#include "foundation/NotificationCenter.h"

#include <QElapsedTimer>
#include <QObject>
#include <array>

class QTimer;

namespace tinkella {
class MIDIOutput;
class PianoController;
} // namespace tinkella

namespace tinkella::app {

// Plays the stored expression settings ("expression": "off" or "mpe", and how MPE plays: pitch
// rounding, timbre, the zone and its bend range): switches the keyboard model to them at once and
// whenever they change, and paces what MPE sends between note starts and ends, on the main
// thread:
// - coalesced expression values leave on the next turn of the event loop after the first move
//   that changed them, but no sooner than one audio period (whole milliseconds, rounded up)
//   after the previous flush: one message per sounding note and kind for all the moves in
//   between, so no more than one per period reaches the synthesiser's queue;
// - pitch rounding moves resting fingers' bends every PitchRounding::tick while it has some to
//   move, and they leave as the moves do;
// - a new connection to the MIDI source learns the zone's layout 100 ms after it is reported,
//   since a JACK connection carries data only a cycle or two after that.
// The defaults, the keyboard model and the MIDI output must outlive it; it unhooks itself from
// all three when it goes.
class ExpressionPacer : public QObject {
public:
    ExpressionPacer(DefaultsController& defaults, PianoController& piano, MIDIOutput& midiOutput,
                    QObject* parent);
    ~ExpressionPacer() override;
    ExpressionPacer(const ExpressionPacer&) = delete;
    ExpressionPacer& operator=(const ExpressionPacer&) = delete;

private:
    // The zone from the three settings that make it.
    void applyZone();

    DefaultsController& defaults_;
    PianoController& piano_;
    QTimer* flush_ = nullptr; // a child of this pacer
    QTimer* round_ = nullptr; // a child of this pacer
    QElapsedTimer lastFlush_;
    std::array<DefaultsBinding, 6> bindings_;
    ObserverRegistration connections_;
};

} // namespace tinkella::app
