// Sustain, panic and the MIDI input in the keyboard model, checked on what both outputs receive.
#include "interfaces/MidiMessage.h"
#include "model/ChordName.h"
#include "support/KeyboardDoubles.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace tinkella {
namespace {

using testing::AudioStep;

// "on 60", "off 60" or "cc 64 127" for one channel message on the first channel.
std::string describe(std::uint32_t status, std::uint32_t data1, std::uint32_t data2) {
    const std::string d1 = std::to_string(data1);
    return status == 0x90   ? "on " + d1
           : status == 0x80 ? "off " + d1
           : status == 0xB0 ? "cc " + d1 + " " + std::to_string(data2)
           : status == 0xC0 ? "pc " + d1
                            : "other";
}

struct Model : testing::KeyboardDoubles {
    Model() { journal->steps.clear(); }
    // Steps: "k60+" / "k60-" note 60 down / up on the computer keyboard, "s60+" on the screen,
    // "t60+" on the strip, keys joined by commas changing at once;
    // "K+" / "K-" sustain by the keyboard, "M+" / "M-" by the menu; "mute", "unmute",
    // "midioff"; "T2" / "T-3" transpose; into the MIDI input "i60+" / "i60-" note 60 from sender 1
    // ("j60+": sender 2), "I+" / "I-" its pedal, "pc5" program change, "gone1" sender 1 gone
    // ("gone0": all).
    void play(const std::string& steps) {
        std::istringstream in(steps);
        for (std::string group; in >> group;) {
            std::istringstream parts(group);
            bool changed = false;
            for (std::string step; std::getline(parts, step, ',');) {
                const bool down = step.back() == '+';
                const auto n = static_cast<std::uint8_t>(std::atoi(
                    step.c_str() + std::min(step.find_first_of("0123456789"), step.size())));
                if (std::string("ijIpg").find(step[0]) != std::string::npos) {
                    midiPort->receive(step[0] == 'j'   ? 2
                                      : step[0] == 'g' ? n
                                                       : 1,
                                      step[0] == 'I' ? ump::controlChangeWord(64, down ? 127 : 0, 0)
                                      : step[0] == 'p' ? ump::midi1Word(0xC0, n, 0)
                                      : step[0] == 'g' ? 0
                                                       : (down ? ump::noteOnWord(n, 100, 0)
                                                               : ump::noteOffWord(n, 0)));
                } else if (step == "mute" || step == "unmute") {
                    piano.setInternalSynthMuted(step == "mute");
                } else if (step == "midioff") {
                    midiOutput.setEnabled(false);
                } else if (step[0] == 'T') {
                    piano.setTranspose(std::stoi(step.substr(1)));
                } else if (step[0] == 'K' || step[0] == 'M') {
                    piano.setSustained(
                        step[0] == 'K' ? SustainSource::keyboard : SustainSource::menu, down);
                } else {
                    PianoKey& key = piano.keys()[std::stoul(step.substr(1))];
                    (step[0] == 'k'   ? key.isPressedOnKeyboard
                     : step[0] == 's' ? key.isPressedOnScreen
                                      : key.isPressedOnTouchBar) = down;
                    changed = true;
                }
            }
            if (changed) {
                piano.updatePlayingNotesFromPressedKeys();
            }
        }
    }
    // What each output received since the last call.
    std::vector<std::string> synth() {
        std::vector<std::string> out;
        for (const AudioStep& s : journal->steps) {
            if (s.kind == AudioStep::MidiEvent) {
                out.push_back(describe(s.a, s.b, s.c));
            }
        }
        journal->steps.clear();
        return out;
    }
    std::string lit() const { // the keys the MIDI input lights
        std::string text = "lit";
        for (const PianoKey& key : piano.keys()) {
            text += key.isHeldByMidiIn ? " " + std::to_string(key.note) : "";
        }
        return text;
    }
    std::vector<std::string> midiOut() {
        std::vector<std::string> out;
        const std::vector<std::uint32_t>& words = midiPort->sent;
        for (std::size_t i = seen; i < words.size(); ++i) {
            out.push_back(
                describe(ump::statusByte(words[i]), ump::data1(words[i]), ump::data2(words[i])));
        }
        seen = words.size();
        return out;
    }

    std::size_t seen = 0;
};

struct SustainCase {
    const char* steps;
    std::vector<std::string> synth;
    std::vector<std::string> midi;
};

// Notes still end on both outputs at key release; the pedal goes to both, once per change of
// the combined state, and every path that ends everything lifts what it holds.
TEST(SustainTest, SequencesReachBothOutputsAsPedalAndNotes) {
    using V = std::vector<std::string>;
    const std::vector<SustainCase> cases{
        {"k60+ K+ k60- K-", V{"on 60", "cc 64 127", "off 60", "cc 64 0"},
         V{"on 60", "cc 64 127", "off 60", "cc 64 0"}},
        {"M+ k64+ k64- k64+ k64- M-",
         V{"cc 64 127", "on 64", "off 64", "on 64", "off 64", "cc 64 0"},
         V{"cc 64 127", "on 64", "off 64", "on 64", "off 64", "cc 64 0"}},
        {"K+ M+ K- K- M-", V{"cc 64 127", "cc 64 0"}, V{"cc 64 127", "cc 64 0"}},
        // Muting silences what the pedal holds and unmuting starts nothing; switching MIDI off
        // lifts the pedal there.
        {"K+ k67+ k67- mute", V{"cc 64 127", "on 67", "off 67", "cc 120 0"},
         V{"cc 64 127", "on 67", "off 67"}},
        {"k60+ mute k62+ k60- unmute k62-", V{"on 60", "off 60"},
         V{"on 60", "on 62", "off 60", "off 62"}},
        {"K+ k48+ midioff", V{"cc 64 127", "on 48"}, V{"cc 64 127", "on 48", "off 48", "cc 64 0"}},
    };
    for (const SustainCase& c : cases) {
        SCOPED_TRACE(c.steps);
        Model m;
        m.play(c.steps);
        EXPECT_EQ(m.synth(), c.synth);
        EXPECT_EQ(m.midiOut(), c.midi);
    }
}

// Notes from the MIDI input light keys and sound, never leave the MIDI output, and sound on
// channels of their own beside the user's own press of the same key, neither ending nor holding
// the other's; a sender gone ends what it held.
TEST(MidiInTest, IncomingNotesLightSoundAndEndWithTheirSender) {
    using V = std::vector<std::string>;
    // Steps; synthesiser; lit keys; MIDI output.
    const std::vector<std::tuple<const char*, V, const char*, V>> cases{
        {"i60+ k60+ i60-", V{"on 60", "on 60", "off 60"}, "lit", V{"on 60"}},
        {"k60+ i60+ k60-", V{"on 60", "on 60", "off 60"}, "lit 60", V{"on 60", "off 60"}},
        {"mute i60+ unmute k60+ i60-", V{"on 60"}, "lit", V{"on 60"}},
        {"i62+ j62+ i62+ gone1", V{"on 62"}, "lit 62", V{}},
        {"i64+ i119+ i127+ j65+ gone1",
         V{"on 64", "on 119", "on 127", "on 65", "off 64", "off 119", "off 127"}, "lit 65", V{}},
        {"I+ i60+ j61+ gone0", V{"cc 64 127", "on 60", "on 61", "cc 64 0", "off 60", "off 61"},
         "lit", V{}},
        {"pc5 I+ i67+ i67- I-", V{"pc 5", "cc 64 127", "on 67", "off 67", "cc 64 0"}, "lit", V{}},
        {"K+ I+ K-", V{"cc 64 127", "cc 64 127", "cc 64 0"}, "lit", V{"cc 64 127", "cc 64 0"}},
    };
    for (const auto& [steps, synth, lit, midi] : cases) {
        SCOPED_TRACE(steps);
        Model m;
        m.play(steps);
        EXPECT_EQ(m.synth(), synth);
        EXPECT_EQ(m.lit(), lit);
        EXPECT_EQ(m.midiOut(), midi);
    }
}

// Both outputs hear the transposed note; a held key ends on the note it started, whatever the
// transposition is by then; notes beyond 0..127 sound nowhere; the MIDI input is not moved.
TEST(TransposeTest, KeysSoundShiftedAndEndWhereTheyStarted) {
    using V = std::vector<std::string>;
    const std::vector<std::tuple<const char*, V, const char*>> cases{
        {"T2 s60+ T-1 s60- k60+", V{"on 62", "off 62", "on 59"}, "B"},
        {"T12 t119+ T-24 k10+ k24+", V{"on 0"}, "C"},
        {"T7 k60+ i60+ i64+", V{"on 67"}, "C"},
        {"T-5 k60+,k64+,k67+,k70+", V{"on 55", "on 59", "on 62", "on 65"}, "G7"},
    };
    for (const auto& [steps, notes, chord] : cases) {
        SCOPED_TRACE(steps);
        Model m;
        m.play(steps);
        EXPECT_EQ(m.midiOut(), notes);
        V synth = m.synth();
        std::erase_if(synth, [](const std::string& s) { return s == "on 60" || s == "on 64"; });
        EXPECT_EQ(synth, notes);
        EXPECT_EQ(chordName(m.piano.soundingNotes()), chord);
    }
}

TEST(PanicTest, FromAnyStateEverythingStopsAndEveryFlagClears) {
    // Before the panic; whether MIDI is on and its pedal down then.
    const struct {
        const char* steps;
        bool midiOn, midiSustaining;
    } cases[]{{"s60+ t62+ k64+ i65+ I+", true, false},
              {"K+ M+ k70+ k70- k72+", true, true},
              {"mute k40+ midioff", false, false}};
    for (const auto& [steps, midiOn, midiSustaining] : cases) {
        SCOPED_TRACE(steps);
        Model m;
        m.play(steps);
        m.synth();
        m.midiOut();
        int posts = 0;
        auto observer =
            m.center.addObserver(PressedPianoKeysChanged, [&](const Notification&) { ++posts; });

        m.piano.panic();

        EXPECT_EQ(posts, 1);
        for (const PianoKey& key : m.piano.keys()) {
            EXPECT_FALSE(key.isPressed() || key.playing || key.isHeldByMidiIn) << key.note;
        }
        EXPECT_FALSE(m.piano.isSustained());
        EXPECT_TRUE(m.piano.soundController().soundingNotes().empty());
        const std::vector<std::string> synth = m.synth();
        ASSERT_GE(synth.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(synth.end() - 3, synth.end()),
                  (std::vector<std::string>{"cc 64 0", "cc 120 0", "cc 123 0"}));
        std::vector<std::string> midi;
        if (midiOn) {
            if (midiSustaining) {
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
