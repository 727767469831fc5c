// The computer keyboard's key map, sustain and panic in the keyboard model, checked on what
// both outputs receive.
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "model/ComputerKeyboard.h"
#include "model/PianoController.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiSystem.h"

#include <algorithm>
#include <functional>
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

// "on 60", "off 60" or "cc 64 127" for one channel message on the first channel.
std::string describe(std::uint32_t status, std::uint32_t data1, std::uint32_t data2) {
    switch (status) {
    case 0x90:
        return "on " + std::to_string(data1);
    case 0x80:
        return "off " + std::to_string(data1);
    case 0xB0:
        return "cc " + std::to_string(data1) + " " + std::to_string(data2);
    default:
        return "other";
    }
}

struct Model {
    Model() {
        auto system = std::make_unique<FakeMidiSystem>();
        system->createdSourceVisible = false;
        midiSystem = system.get();
        midi = std::make_unique<MIDIOutput>(std::move(system), log.sink());
        piano = std::make_unique<PianoController>(
            std::make_unique<SoundController>(std::make_unique<FakeAudioSystem>(journal)), *midi,
            center);
        journal->steps.clear();
    }
    void press(int note, bool down) {
        piano->keys()[static_cast<std::size_t>(note)].isPressedOnKeyboard = down;
        piano->updatePlayingNotesFromPressedKeys();
    }
    // What each output received since the last call.
    std::vector<std::string> synth() {
        std::vector<std::string> out;
        for (const AudioStep& s : journal->eventsOnly()) {
            out.push_back(describe(s.a, s.b, s.c));
        }
        journal->steps.clear();
        return out;
    }
    std::vector<std::string> midiOut() {
        std::vector<std::string> out;
        const std::vector<std::uint32_t> words = midiSystem->sentWords();
        for (std::size_t i = seen; i < words.size(); ++i) {
            out.push_back(
                describe((words[i] >> 16) & 0xFF, (words[i] >> 8) & 0xFF, words[i] & 0xFF));
        }
        seen = words.size();
        return out;
    }

    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    MidiLogCapture log;
    NotificationCenter center;
    FakeMidiSystem* midiSystem = nullptr;
    std::unique_ptr<MIDIOutput> midi;
    std::unique_ptr<PianoController> piano;
    std::size_t seen = 0;
};

TEST(ComputerKeyboardMapTest, TheTwoTrackerRowsPlayAnOctaveAndAHalfByKeyPosition) {
    // xkb keycodes of Z S X D C V G B H N J M , and of Q 2 W 3 E R 5 T 6 Y 7 U I.
    const std::vector<ScanCode> lower{52, 39, 53, 40, 54, 55, 42, 56, 43, 57, 44, 58, 59};
    const std::vector<ScanCode> upper{24, 11, 25, 12, 26, 27, 14, 28, 15, 29, 16, 30, 31};
    for (int i = 0; i <= 12; ++i) {
        EXPECT_EQ(semitoneForScanCode(lower[static_cast<std::size_t>(i)]), i) << lower[i];
        EXPECT_EQ(semitoneForScanCode(upper[static_cast<std::size_t>(i)]), 12 + i) << upper[i];
    }
    // A, space, Esc, 1, and no key at all.
    for (ScanCode other : {38U, 65U, 9U, 10U, 0U}) {
        EXPECT_EQ(semitoneForScanCode(other), std::nullopt) << other;
    }
}

struct SustainCase {
    const char* name;
    std::function<void(Model&)> play;
    std::vector<std::string> synth;
    std::vector<std::string> midi;
};

// Notes still end on both outputs at key release; the pedal goes to both, once per change of
// the combined state, and every path that ends everything lifts what it holds.
TEST(SustainTest, SequencesReachBothOutputsAsPedalAndNotes) {
    const auto sustain = [](Model& m, SustainSource source, bool down) {
        m.piano->setSustained(source, down);
    };
    const std::vector<SustainCase> cases{
        {"press, sustain, release, lift",
         [&](Model& m) {
             m.press(60, true);
             sustain(m, SustainSource::keyboard, true);
             m.press(60, false);
             sustain(m, SustainSource::keyboard, false);
         },
         {"on 60", "cc 64 127", "off 60", "cc 64 0"},
         {"on 60", "cc 64 127", "off 60", "cc 64 0"}},
        {"a key struck twice under the pedal",
         [&](Model& m) {
             sustain(m, SustainSource::menu, true);
             for (int i = 0; i < 2; ++i) {
                 m.press(64, true);
                 m.press(64, false);
             }
             sustain(m, SustainSource::menu, false);
         },
         {"cc 64 127", "on 64", "off 64", "on 64", "off 64", "cc 64 0"},
         {"cc 64 127", "on 64", "off 64", "on 64", "off 64", "cc 64 0"}},
        {"two sources overlap: one pedal down, one up",
         [&](Model& m) {
             sustain(m, SustainSource::keyboard, true);
             sustain(m, SustainSource::menu, true);
             sustain(m, SustainSource::keyboard, false);
             sustain(m, SustainSource::keyboard, false);
             sustain(m, SustainSource::menu, false);
         },
         {"cc 64 127", "cc 64 0"},
         {"cc 64 127", "cc 64 0"}},
        {"muting under the pedal silences what it holds",
         [&](Model& m) {
             sustain(m, SustainSource::keyboard, true);
             m.press(67, true);
             m.press(67, false);
             m.piano->setInternalSynthMuted(true);
         },
         {"cc 64 127", "on 67", "off 67", "cc 120 0"},
         {"cc 64 127", "on 67", "off 67"}},
        {"switching MIDI off under the pedal lifts it there",
         [&](Model& m) {
             sustain(m, SustainSource::keyboard, true);
             m.press(48, true);
             m.midi->setEnabled(false);
         },
         {"cc 64 127", "on 48"},
         {"cc 64 127", "on 48", "off 48", "cc 64 0"}},
    };
    for (const SustainCase& c : cases) {
        SCOPED_TRACE(c.name);
        Model m;
        c.play(m);
        EXPECT_EQ(m.synth(), c.synth);
        EXPECT_EQ(m.midiOut(), c.midi);
        EXPECT_FALSE(m.midi->isSustaining(0) && !m.piano->isSustained());
    }
    Model logged;
    logged.piano->setSustained(SustainSource::menu, true);
    const std::vector<std::string> lines = logged.log.stderrLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "MIDI: controlChange controller=64 value=127 channel=0"),
              lines.end());
}

struct PanicCase {
    const char* name;
    std::function<void(Model&)> before;
    bool midiOn;
    bool midiSustaining; // the MIDI output's pedal is down when the panic comes
};

TEST(PanicTest, FromAnyStateEverythingStopsAndEveryFlagClears) {
    const std::vector<PanicCase> cases{
        {"idle", [](Model&) {}, true, false},
        {"keys held on all three surfaces",
         [](Model& m) {
             m.piano->keys()[60].isPressedOnScreen = true;
             m.piano->keys()[62].isPressedOnTouchBar = true;
             m.press(64, true);
         },
         true, false},
        {"sustained, a released note ringing, a key held",
         [](Model& m) {
             m.piano->setSustained(SustainSource::keyboard, true);
             m.piano->setSustained(SustainSource::menu, true);
             m.press(70, true);
             m.press(70, false);
             m.press(72, true);
         },
         true, true},
        {"synthesiser muted, MIDI off",
         [](Model& m) {
             m.piano->setInternalSynthMuted(true);
             m.press(40, true);
             m.midi->setEnabled(false);
         },
         false, false},
    };
    for (const PanicCase& c : cases) {
        SCOPED_TRACE(c.name);
        Model m;
        c.before(m);
        m.synth();
        m.midiOut();
        int posts = 0;
        auto observer =
            m.center.addObserver(PressedPianoKeysChanged, [&](const Notification&) { ++posts; });

        m.piano->panic();

        EXPECT_EQ(posts, 1);
        for (const PianoKey& key : m.piano->keys()) {
            EXPECT_FALSE(key.isPressed() || key.playing) << key.note;
        }
        EXPECT_FALSE(m.piano->isSustained());
        EXPECT_TRUE(m.piano->soundController().soundingNotes().empty());
        const std::vector<std::string> synth = m.synth();
        ASSERT_GE(synth.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(synth.end() - 3, synth.end()),
                  (std::vector<std::string>{"cc 64 0", "cc 120 0", "cc 123 0"}));
        std::vector<std::string> midi;
        if (c.midiOn) {
            if (c.midiSustaining) {
                midi.push_back("cc 64 0");
            }
            for (int note = 0; note < 128; ++note) {
                midi.push_back("off " + std::to_string(note));
            }
            midi.insert(midi.end(), {"cc 120 0", "cc 123 0"});
        }
        EXPECT_EQ(m.midiOut(), midi);
    }
}

} // namespace
} // namespace tinkella
