#pragma once

#include "foundation/DefaultsController.h"
#include "foundation/NotificationCenter.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiPort.h"
#include "support/FakeSynthesizer.h"

#include <memory>

namespace tinkella::testing {

// A keyboard model of its own for one test: a recording synthesiser, MIDI output on the scripted
// MIDI system (log captured), its own notification centre and an in-memory preference store
// with the application's defaults registered.
struct KeyboardDoubles {
    KeyboardDoubles()
        : midiOutput(std::move(ownedMidiPort), midiLog.sink()),
          piano(std::make_unique<SoundController>(FakeSynthesizer::opener(journal)), midiOutput,
                center),
          defaults(std::make_unique<InMemoryDefaultsStore>()) {
        defaults.registerDefaults(preferences::registeredDefaults());
    }

    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    NotificationCenter center;
    MidiLogCapture midiLog;
    std::unique_ptr<FakeMidiPort> ownedMidiPort = std::make_unique<FakeMidiPort>();
    FakeMidiPort* midiPort = ownedMidiPort.get(); // owned by midiOutput from here on
    MIDIOutput midiOutput;
    PianoController piano;
    DefaultsController defaults;
};

} // namespace tinkella::testing
