// Pressed-versus-playing reconciliation: what each update sends to the synthesiser and the MIDI
// output, and in which order, as one timeline of both outputs.
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "model/PianoController.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiSystem.h"

#include <gtest/gtest.h>

namespace tinkella {
namespace {

using testing::AudioJournal;
using testing::AudioStep;

// Puts every MIDI word on the synthesiser's journal, so one list shows the order across both.
struct TimelineMidi : testing::FakeMidiSystem {
    std::shared_ptr<AudioJournal> journal;
    OSStatus receivedEventList(MIDIEndpointRef source, const MIDIEventList& list) override {
        const std::uint32_t word = list.packet[0].words[0];
        journal->steps.push_back(
            {AudioStep::MidiEvent, 0x100 | ((word >> 16) & 0xF0), (word >> 8) & 0xFF});
        return FakeMidiSystem::receivedEventList(source, list);
    }
};

struct NoteLogic : ::testing::Test {
    NoteLogic() {
        auto system = std::make_unique<TimelineMidi>();
        system->journal = journal;
        midi = std::make_unique<MIDIOutput>(std::move(system), log.sink());
        piano = std::make_unique<PianoController>(
            std::make_unique<SoundController>(std::make_unique<testing::FakeAudioSystem>(journal)),
            *midi, center);
    }
    // Sets the touch-strip flags of the given notes, runs fn, and returns the note messages
    // sent since, as "synth on 64" / "midi off 65".
    std::string
    after(std::initializer_list<int> down, std::initializer_list<int> up,
          void (PianoController::*fn)() = &PianoController::updatePlayingNotesFromPressedKeys) {
        journal->steps.clear();
        for (int n : down) {
            piano->keys()[n].isPressedOnTouchBar = true;
        }
        for (int n : up) {
            piano->keys()[n].isPressedOnTouchBar = false;
        }
        (piano.get()->*fn)();
        std::string s;
        for (const AudioStep& e : journal->steps) {
            if ((e.a & 0xE0) == 0x80) {
                s += std::string(e.a & 0x100 ? "midi " : "synth ") + (e.a & 0x10 ? "on " : "off ") +
                     std::to_string(e.b) + ", ";
            }
        }
        return s;
    }
    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    testing::MidiLogCapture log;
    NotificationCenter center;
    std::unique_ptr<MIDIOutput> midi;
    std::unique_ptr<PianoController> piano;
};

TEST_F(NoteLogic, EachKeyReachesTheSynthesiserFirstAndAGlissandoStepKeepsNoteOrder) {
    EXPECT_EQ(after({64, 7}, {}), "synth on 7, midi on 7, synth on 64, midi on 64, ");
    EXPECT_EQ(after({}, {}), "");
    EXPECT_EQ(after({65}, {64}), "synth off 64, midi off 64, synth on 65, midi on 65, ");
    EXPECT_EQ(after({}, {7}, &PianoController::redoPlayingNotes),
              "synth off 7, midi off 7, synth off 65, midi off 65, synth on 65, midi on 65, ");
}

} // namespace
} // namespace tinkella
