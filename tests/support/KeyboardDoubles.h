#pragma once

#include "foundation/DefaultsController.h"
#include "foundation/NotificationCenter.h"
#include "interfaces/MidiMessage.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiPort.h"
#include "support/FakeSynthesizer.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tinkella::testing {

// "94 60 90": a channel message as its status byte in hex and its data bytes; a pitch bend as
// its 14-bit value ("e4 8192").
inline std::string describeMessage(std::uint32_t status, std::uint32_t d1, std::uint32_t d2) {
    char text[24];
    const bool bend = (status & 0xF0) == 0xE0;
    std::snprintf(text, sizeof text, bend ? "%x %u" : "%x %u %u", status, bend ? d1 | d2 << 7 : d1,
                  d2);
    return text;
}

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

    // A key of the computer keyboard going down or up, and the model following it.
    void key(int note, bool down) {
        piano.keys()[note].isPressedOnKeyboard = down;
        piano.updatePlayingNotesFromPressedKeys();
    }
    // What the MIDI output sent since the last call, described.
    std::vector<std::string> takeSent() {
        std::vector<std::string> out;
        for (std::uint32_t w : std::exchange(midiPort->sent, {})) {
            out.push_back(describeMessage(ump::statusByte(w), ump::data1(w), ump::data2(w)));
        }
        return out;
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
