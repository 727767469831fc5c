// The player's channel, velocity, program out, wheels and knobs in the keyboard model, checked
// on what both outputs receive.
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

struct Player : testing::KeyboardDoubles {
    Player() { journal->steps.clear(); }
    Strings midi() { return takeSent(); }
    // What the synthesiser received; without registered parameters when notes is set.
    Strings synth(bool notes = false) {
        Strings out;
        for (const auto& s : std::exchange(journal->steps, {})) {
            const bool parameter = (s.a & 0xF0) == 0xB0 && (s.b == 6 || s.b == 38 || s.b >= 100);
            if (!notes || !parameter) {
                out.push_back(describeMessage(s.a, s.b, s.c));
            }
        }
        return out;
    }
    PlayerChannel& player() { return piano.player(); }
};

// Registered parameter 0 (the bend range) on channel 5, then none chosen.
Strings bendRangeOn5(int semitones) {
    return {"b4 101 0", "b4 100 0",   "b4 6 " + std::to_string(semitones),
            "b4 38 0",  "b4 101 127", "b4 100 127"};
}

TEST(PlayerChannelTest, NotesPedalAndPanicGoOutOnTheChosenChannelAtTheChosenVelocity) {
    Player m;
    m.piano.setChannel(4);
    m.piano.setVelocity(90);
    m.synth();
    m.key(60, true);
    m.piano.setSustained(SustainSource::keyboard, true);
    m.key(60, false);
    EXPECT_EQ(m.midi(), (Strings{"94 60 90", "b4 64 127", "84 60 0"}));
    EXPECT_EQ(m.synth(), (Strings{"94 60 90", "b4 64 127", "84 60 0"}));
    // A key held while the channel changes ends on the old channel and sounds again on the new
    // one; the pedal moves along, so that no channel is left sustained.
    m.key(62, true);
    m.piano.setChannel(9);
    const Strings moved{"94 62 90", "84 62 0", "b4 64 0", "b9 64 127", "99 62 90"};
    EXPECT_EQ(m.midi(), moved);
    EXPECT_EQ(m.synth(true), moved);
    m.piano.panic();
    const Strings out = m.midi();
    ASSERT_FALSE(out.empty());
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](const std::string& s) {
        return s[1] == '9';
    })) << out.front();
    // Velocity from the touch still wins over the setting.
    m.piano.keys()[64].velocity = 33;
    m.key(64, true);
    EXPECT_EQ(m.midi(), Strings{"99 64 33"});
    m.key(64, false);
    m.key(64, true);
    EXPECT_EQ(m.midi(), (Strings{"89 64 0", "99 64 90"}));
}

TEST(PlayerChannelTest, ProgramOutSendsBankAndProgramOnlyWhenOnAndAgainForANewListener) {
    Player m;
    m.piano.setChannel(4);
    m.midi();
    m.synth();
    m.player().setProgram(41, 0);
    m.player().resend();
    EXPECT_EQ(m.midi(), Strings{}); // off: today's stream
    m.player().setProgramOut(true);
    const Strings violin{"b4 0 0", "b4 32 0", "c4 40 0"};
    EXPECT_EQ(m.midi(), violin);
    m.player().resend();
    EXPECT_EQ(m.midi(), violin);
    m.player().setProgram(1, 130);
    EXPECT_EQ(m.midi(), (Strings{"b4 0 1", "b4 32 2", "c4 0 0"}));
    EXPECT_EQ(m.synth(), Strings{}); // the synthesiser keeps the panel's instrument
}

TEST(PlayerChannelTest, SplitPlaysTheLowKeysOnTheNextChannelWithItsOwnProgram) {
    Player m;
    m.player().setProgramOut(true);
    m.midi();
    m.piano.setSplit(60, 32);
    EXPECT_EQ(m.midi(), (Strings{"b1 0 0", "b1 32 0", "c1 32 0"}));
    EXPECT_EQ(m.synth(true), Strings{"c1 32 0"});
    m.key(59, true);
    m.key(60, true);
    EXPECT_EQ(m.midi(), (Strings{"91 59 127", "90 60 127"}));
    EXPECT_EQ(m.synth(true), (Strings{"91 59 127", "90 60 127"}));
    // Held across a change of split, a note ends where it started; the channel gets the
    // instrument back.
    m.piano.setSplit(std::nullopt, 32);
    m.key(59, false);
    EXPECT_EQ(m.midi(), Strings{"81 59 0"});
    EXPECT_EQ(m.synth(true), (Strings{"c1 0 0", "81 59 0"}));
    // Held on a channel neither side plays any more, it still ends on a panic; so do both sides.
    m.piano.setSplit(72, 32);
    m.key(59, true);
    m.piano.setSplit(48, 32);
    m.midi();
    m.piano.panic();
    const Strings out = m.midi();
    for (const char* end : {"81 59 0", "b0 123 0", "b1 123 0"}) {
        EXPECT_NE(std::find(out.begin(), out.end(), end), out.end()) << end;
    }
    // At channel 16 the split plays on channel 15, and the pedal holds both sides.
    m.piano.setChannel(15);
    m.piano.setSustained(SustainSource::keyboard, true);
    m.key(40, true);
    const Strings midi = m.midi();
    EXPECT_EQ(Strings(midi.end() - 3, midi.end()),
              (Strings{"bf 64 127", "be 64 127", "9e 40 127"}));
}

TEST(PlayerChannelTest, WheelsSendRangeBendAndModulationThePitchWheelRecentresOnPanic) {
    Player m;
    m.piano.setChannel(4);
    m.midi();
    m.synth();
    m.player().setWheelsShown(true);
    Strings shown = bendRangeOn5(2);
    shown.insert(shown.end(), {"b4 1 0", "e4 8192"});
    EXPECT_EQ(m.midi(), shown);
    m.player().setBendRange(12);
    EXPECT_EQ(m.midi().at(2), "b4 6 12");
    // The synthesiser plays the range on the chosen channel.
    const Strings synth = m.synth();
    EXPECT_NE(std::find(synth.begin(), synth.end(), "b4 6 12"), synth.end());
    m.player().setPitchWheel(16383);
    m.player().setModulation(100);
    EXPECT_EQ(m.midi(), (Strings{"e4 16383", "b4 1 100"}));
    EXPECT_EQ(m.synth(), (Strings{"e4 16383", "b4 1 100"}));
    m.piano.panic();
    const Strings out = m.midi();
    EXPECT_EQ(out.back(), "e4 8192");
    EXPECT_EQ(m.player().pitchWheel(), ump::bendCentre);
    EXPECT_EQ(m.player().modulation(), 100); // stays where it was left
    // A new listener hears the range and where both wheels are.
    m.player().resend();
    shown = bendRangeOn5(12);
    shown.insert(shown.end(), {"b4 1 100", "e4 8192"});
    EXPECT_EQ(m.midi(), shown);
    // Moving on with the wheel held down leaves the old channel centred.
    m.player().setPitchWheel(0);
    m.piano.setChannel(5);
    EXPECT_EQ(m.midi().at(1), "e4 8192");
}

TEST(PlayerChannelTest, KnobsSendTheirControllersWhileShownWithMpeTheWheelBendsTheZone) {
    Player m;
    m.player().setKnob(0, 7, 100);
    m.player().setKnob(1, 10, 64);
    EXPECT_EQ(m.midi(), Strings{}); // hidden: held, not sent
    m.player().setKnobsShown(true);
    EXPECT_EQ(m.midi(), (Strings{"b0 7 100", "b0 10 64", "b0 0 0", "b0 0 0", "b0 0 0", "b0 0 0",
                                 "b0 0 0", "b0 0 0"}));
    m.player().setKnob(1, 10, 0);
    EXPECT_EQ(std::tuple(m.midi(), m.synth().back()),
              std::tuple(Strings{"b0 10 0"}, std::string("b0 10 0")));
    m.piano.setChannel(4);
    m.piano.setExpression(true);
    m.midi();
    m.synth();
    m.player().setPitchWheel(16383);
    EXPECT_EQ(m.midi(), Strings{"e0 16383"}); // the manager channel
    // The synthesiser adds the zone's bend (2 semitones) to each member's own (of 48).
    const Strings synth = m.synth();
    EXPECT_NE(std::find(synth.begin(), synth.end(), "e1 8533"), synth.end());
    EXPECT_NE(std::find(synth.begin(), synth.end(), "e0 16383"), synth.end());
}

} // namespace
} // namespace tinkella
