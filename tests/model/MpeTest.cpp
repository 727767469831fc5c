// MIDI Polyphonic Expression in the keyboard model, checked on what both outputs receive.
#include "interfaces/MidiMessage.h"
#include "support/KeyboardDoubles.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace tinkella {
namespace {

using Strings = std::vector<std::string>;

using testing::describeMessage;

// A keyboard model with MPE switched on; midi() and synth() take what each output received.
struct Mpe : testing::KeyboardDoubles {
    Mpe() {
        journal->steps.clear();
        piano.setExpression(true);
    }
    Strings midi() { return takeSent(); }
    Strings synth() { // "in ..." on the MIDI input's channels
        Strings out;
        for (const auto& s : std::exchange(journal->steps, {})) {
            out.push_back((s.port ? "in " : "") + describeMessage(s.a, s.b, s.c));
        }
        return out;
    }
};

TEST(MpeExpressionTest, SwitchingOnConfiguresTheZoneEachNoteGetsItsOwnChannelMovesCoalesce) {
    Mpe m;
    const Strings config = m.midi();
    ASSERT_EQ(config.size(), 3U + 4U + 15U * 4U);
    EXPECT_EQ(
        Strings(config.begin(), config.begin() + 7),
        (Strings{"b0 101 0", "b0 100 6", "b0 6 15", "b0 101 0", "b0 100 0", "b0 6 2", "b0 38 0"}));
    EXPECT_EQ(Strings(config.end() - 2, config.end()), (Strings{"bf 6 48", "bf 38 0"}));
    EXPECT_EQ(m.synth().size(), config.size() + 15); // and the instrument on 15 more channels
    EXPECT_EQ(std::tuple(MpeExpression::bendValue(-48, 48), MpeExpression::bendValue(60, 48),
                         MpeExpression::bendValue(2, 12)),
              std::tuple(0, 16383, 9557)); // the range at most either way
    m.piano.expression().shape(60, 2, 0.5, 0.5);
    m.key(60, true);
    m.key(64, true);
    const Strings two{"e1 8533", "b1 74 64", "d1 64 0", "91 60 127",
                      "e2 8192", "b2 74 64", "d2 0 0",  "92 64 127"};
    EXPECT_EQ(std::tuple(m.midi(), m.synth()), std::tuple(two, two));
    m.key(60, false); // pressure released first; the bend stays for the release tail
    const Strings off{"d1 0 0", "81 60 0"};
    EXPECT_EQ(std::tuple(m.midi(), m.synth()), std::tuple(off, off));
    int requests = 0;
    m.piano.expression().setFlushRequest([&requests] { ++requests; });
    m.key(60, true); // on channel 3, free longest: 1 was freed last
    m.midi();
    m.piano.expression().shape(60, 0.5, 0.0, 0.5);
    m.piano.expression().shape(60, 0.75, 1.0, 0.25);
    EXPECT_EQ(std::tuple(requests, m.midi()), std::tuple(1, Strings{}));
    m.piano.expression().flush();
    EXPECT_EQ(m.midi(), (Strings{"e3 8320", "b3 74 127", "d3 32 0"}));
    m.piano.expression().shape(60, 0.75, 1.0, {}); // asks again; nothing changed, none invented
    m.piano.expression().flush();
    EXPECT_EQ(std::tuple(requests, m.midi()), std::tuple(2, Strings{}));
    // Sixteen keys: the 16th note takes the oldest's channel (64's), which ends first on both.
    for (int note = 70; note < 84; m.key(note++, true)) {
    }
    const Strings stolen{"82 64 0", "e2 8192", "b2 74 64", "d2 0 0", "92 83 127"},
        out = m.midi(), synth = m.synth();
    EXPECT_EQ(std::tuple(Strings(out.end() - 5, out.end()), Strings(synth.end() - 5, synth.end())),
              std::tuple(stolen, stolen));
}

TEST(MpeExpressionTest, SwitchingEndsHeldNotesTheMidiInputUsesItsChannelsPanicRecentresAll) {
    Mpe m;
    m.piano.expression().shape(60, 1, {}, {});
    m.key(60, true);
    m.midi();
    m.piano.setExpression(false); // recentred after the note, and the zone ended (RPN 6 = 0)
    EXPECT_EQ(m.midi(),
              (Strings{"81 60 0", "e1 8192", "b0 101 0", "b0 100 6", "b0 6 0", "90 60 127"}));
    m.piano.setExpression(true);
    EXPECT_EQ(m.midi().front(), "80 60 0");
    m.synth();
    // An MPE controller at the MIDI input sounds on its own channel, apart from the player's;
    // nothing of it is sent on.
    m.midiPort->receive(1, ump::noteOnWord(62, 90, 3));
    m.midiPort->receive(1, ump::midi1Word(0xE3, 0, 80));
    EXPECT_EQ(std::tuple(m.synth(), m.midi()),
              std::tuple(Strings{"in 93 62 90", "in e3 10240"}, Strings{}));
    m.piano.panic();
    const Strings out = m.midi(), synth = m.synth();
    EXPECT_EQ(out.front(), "81 60 0");
    for (int ch = 1; ch < 16; ++ch) {
        for (const std::string& wanted :
             {describeMessage(0xB0 + ch, 120, 0), describeMessage(0xB0 + ch, 123, 0),
              describeMessage(0xE0 + ch, 0, 64)}) {
            EXPECT_EQ(std::count(out.begin(), out.end(), wanted), 1) << wanted;
            EXPECT_EQ(std::count(synth.begin(), synth.end(), wanted), 1) << wanted;
        }
    }
}

// The upper zone counts its members down from channel 15 under its manager, channel 16, at its
// own bend range; a resting finger glides to its key's centre at the chosen rate, unless rounding
// is off; relative timbre starts at 64; quitting recentres what notes left bent or pressed.
TEST(MpeExpressionTest, ZonesRangesPitchRoundingRelativeTimbreAndRecentringAtQuit) {
    Mpe m;
    MpeExpression& e = m.piano.expression();
    m.midi();
    m.piano.setMpeZone({.upper = true, .members = 3, .bendRange = 12});
    const Strings config = m.midi();
    EXPECT_EQ(Strings(config.begin(), config.begin() + 6),
              (Strings{"b0 101 0", "b0 100 6", "b0 6 0", "bf 101 0", "bf 100 6", "bf 6 3"}));
    EXPECT_EQ(std::tuple(config.size(), config[config.size() - 2]), std::tuple(22U, "bc 6 12"));
    PitchRounding::Clock::time_point now{};
    e.setClock([&now] { return now; });
    const auto at = [&](int ms) {
        now = PitchRounding::Clock::time_point{} + std::chrono::milliseconds(ms);
        e.advanceRounding();
        e.flush();
        return m.midi();
    };
    m.key(60, true);
    EXPECT_EQ(m.midi().back(), "9e 60 127");
    Strings bends;
    const auto run = [&](std::initializer_list<int> times) {
        for (const int ms : times) {
            const Strings out = at(ms);
            bends.push_back(std::to_string(ms) + ":" + (out.empty() ? "-" : out.back()));
        }
        return std::exchange(bends, {});
    };
    e.shape(60, 1.7, {}, {}); // a slide that rests off D's centre, trembling, glides there in 50 ms
    EXPECT_EQ(run({0, 30}), (Strings{"0:ee 9353", "30:-"}));
    e.shape(60, 1.75, {}, {});
    EXPECT_EQ(run({59, 85, 110, 500}),
              (Strings{"59:ee 9387", "85:ee 9472", "110:ee 9557", "500:-"}));
    e.shape(60, 1.2, {}, {}); // moving on leaves the key's centre within 50 ms, then rounds again
    EXPECT_EQ(run({510, 560, 2000}), (Strings{"510:ee 9448", "560:ee 9011", "2000:ee 8875"}));
    e.setPitchRounding(PitchRounding::Rate::off);
    e.setRelativeTimbre(true);
    e.shape(62, 0, 0.8, {});
    m.key(62, true);
    e.shape(62, 0.3, 0.9, {});
    m.key(64, true);
    m.key(65, true); // the fourth note takes the oldest's channel
    EXPECT_EQ(m.midi(), (Strings{"ed 8192", "bd 74 64", "dd 0 0", "9d 62 127", "ec 8192",
                                 "bc 74 64", "dc 0 0", "9c 64 127", "8e 60 0", "ee 8192",
                                 "be 74 64", "de 0 0", "9e 65 127"}));
    EXPECT_EQ(at(3000), (Strings{"ed 8397", "bd 74 76"})); // relative; stays off-centre
    EXPECT_EQ(run({4000}), Strings{"4000:-"});
    m.piano.endCurrentNotes();
    m.midi();
    e.recentre();
    EXPECT_EQ(m.midi(), Strings{"ed 8192"});
}

// A split: the lower zone below it, the upper above, seven members each; a zone's eighth note takes
// its own oldest channel; the wheel bends both managers; gone, the split closes the upper zone.
TEST(MpeExpressionTest, ASplitPlaysALowerZoneBelowItAndAnUpperZoneAbove) {
    Mpe m;
    m.piano.player().setProgramOut(true);
    m.midi();
    m.piano.setSplit(60, 32);
    const Strings config = m.midi(), synth = m.synth();
    const auto has = [](const Strings& in, const std::string& s) {
        return std::count(in.begin(), in.end(), s);
    };
    EXPECT_EQ(std::tuple(config.size(), has(config, "b0 6 7"), has(config, "bf 6 7")),
              std::tuple(2U * (3 + 4 + 7 * 4) + 6, 1, 1));
    EXPECT_EQ(std::tuple(has(config, "c0 32 0"), has(synth, "c7 32 0"), has(synth, "c8 32 0")),
              std::tuple(1, 1, 0));
    m.key(60, true);
    for (int note = 48; note < 56; m.key(note++, true)) {
    }
    const Strings notes = m.midi();
    EXPECT_EQ(std::tuple(notes[3], notes[7], has(notes, "81 48 0"), has(notes, "8e 60 0")),
              std::tuple("9e 60 127", "91 48 127", 1, 0));
    m.piano.player().setPitchWheel(10000);
    EXPECT_EQ(m.midi(), (Strings{"ef 10000", "e0 10000"}));
    m.piano.setSplit(std::nullopt, 32);
    const Strings back = m.midi();
    EXPECT_EQ(has(back, "bf 6 0") + has(back, "b0 6 15") + has(back, "ef 8192"), 3);
}

} // namespace
} // namespace tinkella
