#pragma once

#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "model/PianoController.h"
#include "foundation/DefaultsController.h"
#include "model/Preferences.h"
#include "foundation/NotificationCenter.h"

#include <memory>

namespace tinkella::testing {

// A keyboard model of its own for one test: silent synthesiser, no MIDI system, its own
// notification centre and an in-memory preference store with the application's defaults.
struct KeyboardDoubles {
    KeyboardDoubles() { defaults.registerDefaults(preferences::registeredDefaults()); }

    NotificationCenter center;
    MIDIOutput midiOutput{nullptr};
    PianoController piano{std::make_unique<SoundController>(nullptr), midiOutput, center};
    DefaultsController defaults{std::make_unique<InMemoryDefaultsStore>()};
};

} // namespace tinkella::testing
