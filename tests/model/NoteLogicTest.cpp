#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "model/PianoController.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiSystem.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tinkella {
namespace {

using testing::AudioJournal;
using testing::AudioStep;
using testing::FakeAudioSystem;
using testing::FakeMidiSystem;
using testing::MidiLogCapture;

// Puts the words the MIDI output hands over on the same timeline as the synthesiser's events,
// so the order across the two outputs can be checked.
class TimelineMidiSystem : public FakeMidiSystem {
public:
    explicit TimelineMidiSystem(std::shared_ptr<std::vector<std::string>> timeline)
        : timeline_(std::move(timeline)) {}
    OSStatus receivedEventList(MIDIEndpointRef source, const MIDIEventList& list) override {
        const std::size_t before = sent.size();
        const OSStatus status = FakeMidiSystem::receivedEventList(source, list);
        for (std::size_t i = before; i < sent.size(); ++i) {
            for (std::uint32_t word : sent[i].words) {
                const unsigned statusByte = (word >> 16) & 0xFF;
                const unsigned note = (word >> 8) & 0xFF;
                timeline_->push_back(std::string(statusByte == 0x90 ? "midi on " : "midi off ") +
                                     std::to_string(note));
            }
        }
        return status;
    }

private:
    std::shared_ptr<std::vector<std::string>> timeline_;
};

class NoteLogicTest : public ::testing::Test {
protected:
    NoteLogicTest() {
        auto midiSystem = std::make_unique<TimelineMidiSystem>(timeline);
        midiSystem->createdSourceVisible = false; // keep topology dumps short
        midi = std::make_unique<MIDIOutput>(std::move(midiSystem), log.sink());
        controller = std::make_unique<PianoController>(
            std::make_unique<SoundController>(std::make_unique<FakeAudioSystem>(journal)), *midi,
            center);
        journal->steps.clear();
        timeline->clear();
    }

    PianoKey& key(int note) { return controller->keys()[static_cast<std::size_t>(note)]; }

    // Runs an update and returns the messages both outputs received, in the order sent.
    std::vector<std::string> update() {
        timeline->clear();
        controller->updatePlayingNotesFromPressedKeys();
        return collect();
    }
    std::vector<std::string> collect() {
        // The synthesiser's messages, then the MIDI output's, each in the order sent (the order
        // across the two outputs has its own test).
        std::vector<std::string> merged;
        std::vector<std::string> synth;
        for (const AudioStep& s : journal->steps) {
            if (s.kind == AudioStep::MidiEvent && (s.a == 0x90 || s.a == 0x80)) {
                synth.push_back(std::string(s.a == 0x90 ? "synth on " : "synth off ") +
                                std::to_string(s.b));
            }
        }
        journal->steps.clear();
        merged = synth;
        merged.insert(merged.end(), timeline->begin(), timeline->end());
        timeline->clear();
        return merged;
    }
    std::vector<std::string> synthEvents() {
        std::vector<std::string> out;
        for (const AudioStep& s : journal->steps) {
            if (s.kind == AudioStep::MidiEvent) {
                out.push_back(std::to_string(s.a) + " " + std::to_string(s.b) + " " +
                              std::to_string(s.c));
            }
        }
        return out;
    }

    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    std::shared_ptr<std::vector<std::string>> timeline =
        std::make_shared<std::vector<std::string>>();
    MidiLogCapture log;
    NotificationCenter center;
    std::unique_ptr<MIDIOutput> midi;
    std::unique_ptr<PianoController> controller;
};

TEST_F(NoteLogicTest, PressAndReleaseReachBothOutputsAtFullVelocityOnTheFirstChannel) {
    key(60).isPressedOnScreen = true;
    controller->updatePlayingNotesFromPressedKeys();
    EXPECT_EQ(synthEvents(), (std::vector<std::string>{"144 60 127"}));
    EXPECT_TRUE(key(60).playing);
    journal->steps.clear();

    key(60).isPressedOnScreen = false;
    controller->updatePlayingNotesFromPressedKeys();
    EXPECT_EQ(synthEvents(), (std::vector<std::string>{"128 60 0"}));
    EXPECT_FALSE(key(60).playing);

    EXPECT_EQ(*timeline, (std::vector<std::string>{"midi on 60", "midi off 60"}));
}

TEST_F(NoteLogicTest, AKeyHeldOnBothSurfacesSoundsOnceUntilBothLetGo) {
    key(64).isPressedOnScreen = true;
    key(64).isPressedOnTouchBar = true;
    EXPECT_EQ(update(), (std::vector<std::string>{"synth on 64", "midi on 64"}));
    key(64).isPressedOnTouchBar = false;
    EXPECT_TRUE(update().empty());
    EXPECT_TRUE(key(64).playing);
    key(64).isPressedOnScreen = false;
    EXPECT_EQ(update(), (std::vector<std::string>{"synth off 64", "midi off 64"}));
}

TEST_F(NoteLogicTest, AnUpdateWithoutChangesSendsNothing) {
    key(10).isPressedOnTouchBar = true;
    update();
    EXPECT_TRUE(update().empty());
    EXPECT_TRUE(update().empty());
}

TEST_F(NoteLogicTest, AGlissandoStepIsSentInNoteOrderWithTheSynthesiserFirstPerKey) {
    key(64).isPressedOnTouchBar = true;
    update();
    // Releasing 64 and pressing 65: on each output the note-off for 64 goes first.
    key(64).isPressedOnTouchBar = false;
    key(65).isPressedOnTouchBar = true;
    EXPECT_EQ(update(), (std::vector<std::string>{"synth off 64", "synth on 65", "midi off 64",
                                                  "midi on 65"}));
    // Releasing 65 and pressing 64: the note-on for 64 goes first.
    key(65).isPressedOnTouchBar = false;
    key(64).isPressedOnTouchBar = true;
    EXPECT_EQ(update(), (std::vector<std::string>{"synth on 64", "synth off 65", "midi on 64",
                                                  "midi off 65"}));
}

TEST_F(NoteLogicTest, ForEachKeyTheSynthesiserHearsBeforeTheMidiOutput) {
    // A MIDI word handed over while the synthesiser's journal already holds the matching
    // event proves the order: record the journal size at each MIDI word.
    std::vector<std::size_t> synthEventsAtEachWord;
    struct Probe : FakeMidiSystem {
        std::shared_ptr<AudioJournal> journal;
        std::vector<std::size_t>* out = nullptr;
        OSStatus receivedEventList(MIDIEndpointRef source, const MIDIEventList& list) override {
            out->push_back(static_cast<std::size_t>(journal->count(AudioStep::MidiEvent)));
            return FakeMidiSystem::receivedEventList(source, list);
        }
    };
    auto probe = std::make_unique<Probe>();
    probe->journal = journal;
    probe->out = &synthEventsAtEachWord;
    MIDIOutput probedMidi(std::move(probe), log.sink());
    PianoController probed(
        std::make_unique<SoundController>(std::make_unique<FakeAudioSystem>(journal)), probedMidi,
        center);
    journal->steps.clear();
    probed.keys()[3].isPressedOnScreen = true;
    probed.keys()[7].isPressedOnScreen = true;
    probed.updatePlayingNotesFromPressedKeys();
    EXPECT_EQ(synthEventsAtEachWord, (std::vector<std::size_t>{1, 2}));
}

TEST_F(NoteLogicTest, AMutedSynthesiserLeavesTheNotesToMidi) {
    controller->setInternalSynthMuted(true);
    journal->steps.clear();
    key(60).isPressedOnScreen = true;
    EXPECT_EQ(update(), (std::vector<std::string>{"midi on 60"}));
    EXPECT_TRUE(key(60).playing);
    key(60).isPressedOnScreen = false;
    EXPECT_EQ(update(), (std::vector<std::string>{"midi off 60"}));
}

TEST_F(NoteLogicTest, MutingWhileKeysAreHeldSilencesTheSynthesiserOnly) {
    key(60).isPressedOnScreen = true;
    key(64).isPressedOnTouchBar = true;
    update();
    controller->setInternalSynthMuted(true);
    auto sent = collect();
    std::sort(sent.begin(), sent.end());
    EXPECT_EQ(sent, (std::vector<std::string>{"synth off 60", "synth off 64"}));
    EXPECT_TRUE(key(60).playing);
    EXPECT_TRUE(key(64).playing);
    // Unmuting starts nothing for keys already held.
    controller->setInternalSynthMuted(false);
    EXPECT_TRUE(collect().empty());
    // Released keys end on MIDI; the synthesiser finds nothing to end.
    key(60).isPressedOnScreen = false;
    EXPECT_EQ(update(), (std::vector<std::string>{"midi off 60"}));
}

TEST_F(NoteLogicTest, RedoWithThreeKeysEndsAllThenStartsAllInNoteOrder) {
    for (int note : {67, 60, 64}) {
        key(note).isPressedOnScreen = true;
    }
    update();
    controller->redoPlayingNotes();
    EXPECT_EQ(synthEvents(), (std::vector<std::string>{"128 60 0", "128 64 0", "128 67 0",
                                                       "144 60 127", "144 64 127", "144 67 127"}));
    EXPECT_EQ(*timeline, (std::vector<std::string>{"midi off 60", "midi off 64", "midi off 67",
                                                   "midi on 60", "midi on 64", "midi on 67"}));
}

TEST_F(NoteLogicTest, RedoWithNothingHeldSendsNothing) {
    controller->redoPlayingNotes();
    EXPECT_TRUE(collect().empty());
}

TEST_F(NoteLogicTest, EndingCurrentNotesKeepsThePressedFlagsForTheNextUpdate) {
    key(50).isPressedOnTouchBar = true;
    update();
    controller->endCurrentNotes();
    EXPECT_EQ(collect(), (std::vector<std::string>{"synth off 50", "midi off 50"}));
    EXPECT_FALSE(key(50).playing);
    EXPECT_TRUE(key(50).isPressedOnTouchBar);
    EXPECT_EQ(update(), (std::vector<std::string>{"synth on 50", "midi on 50"}));
}

TEST_F(NoteLogicTest, NotifyPostsThePressedKeysNotificationWithTheController) {
    int posts = 0;
    const NotificationSender* sender = nullptr;
    auto registration = center.addObserver(PressedPianoKeysChanged, [&](const Notification& n) {
        ++posts;
        sender = n.object;
    });
    controller->updatePlayingNotesFromPressedKeys();
    controller->redoPlayingNotes();
    EXPECT_EQ(posts, 0);
    controller->notifyPressedKeysChanged();
    EXPECT_EQ(posts, 1);
    EXPECT_EQ(sender, controller.get());
}

} // namespace
} // namespace tinkella
