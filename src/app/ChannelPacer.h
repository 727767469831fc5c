#pragma once

#include "foundation/DefaultsController.h"
#include "foundation/NotificationCenter.h"

#include <QObject>
#include <vector>

namespace tinkella {
class MIDIOutput;
class PianoController;
} // namespace tinkella

namespace tinkella::app {

// Plays the stored settings of the player's channel into the keyboard model at once and
// whenever they change: the channel ("midiChannel"), the velocity, the bend range, the knobs'
// controllers and values, the instrument with its bank for program out ("sendProgram"), the
// keyboard split ("splitPoint", "splitInstrument"), and which of the wheels and knobs are shown.
// A new connection to the MIDI source learns what the player's channel holds
// (PlayerChannel::resend()) 100 ms after it is reported, as a JACK connection carries data only a
// cycle or two after that. The defaults, the keyboard model and the MIDI output must outlive it.
class ChannelPacer : public QObject {
public:
    ChannelPacer(DefaultsController& defaults, PianoController& piano, MIDIOutput& midiOutput,
                 QObject* parent);

private:
    void knobChanged(std::size_t knob);
    void programChanged();
    void splitChanged();

    DefaultsController& defaults_;
    PianoController& piano_;
    std::vector<DefaultsBinding> bindings_;
    ObserverRegistration connections_;
};

} // namespace tinkella::app
