// MIDI Polyphonic Expression in the keyboard model: channels, initial expression, coalesced
// moves, switching, panic and the MIDI input, checked on what both outputs receive.
#include "interfaces/MidiMessage.h"
#include "model/MpeVoiceAllocator.h"
#include "support/KeyboardDoubles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tinkella {
namespace {

using testing::AudioStep;

// "on 60/1", "off 60/1", "cc 74 64/1", "bend 8533/1", "press 0/1", "pc 0/1": message/channel.
std::string describe(std::uint32_t status, std::uint32_t d1, std::uint32_t d2) {
    const std::string ch = "/" + std::to_string(status & 0x0F);
    switch (status & 0xF0) {
    case 0x90:
        return "on " + std::to_string(d1) + ch;
    case 0x80:
        return "off " + std::to_string(d1) + ch;
    case 0xB0:
        return "cc " + std::to_string(d1) + " " + std::to_string(d2) + ch;
    case 0xE0:
        return "bend " + std::to_string(d1 | (d2 << 7)) + ch;
    case 0xD0:
        return "press " + std::to_string(d1) + ch;
    default:
        return "pc " + std::to_string(d1) + ch;
    }
}

struct Mpe : testing::KeyboardDoubles {
    Mpe() {
        journal->steps.clear();
        midiPort->sent.clear();
        piano.setExpression(true);
    }
    void key(int note, bool down) {
        piano.keys()[note].isPressedOnKeyboard = down;
        piano.updatePlayingNotesFromPressedKeys();
    }
    std::vector<std::string> midi() {
        std::vector<std::string> out;
        for (std::uint32_t w : midiPort->sent) {
            out.push_back(describe(ump::statusByte(w), ump::data1(w), ump::data2(w)));
        }
        midiPort->sent.clear();
        return out;
    }
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
    using Strings = std::vector<std::string>;
};

TEST(MpeVoiceAllocatorTest, TakesTheChannelFreeLongestAndEndsTheOldestWhenAllAreBusy) {
    MpeVoiceAllocator voices;
    EXPECT_EQ(voices.allocate(60).channel, 1);
    EXPECT_EQ(voices.allocate(62).channel, 2);
    EXPECT_EQ(voices.release(60), 1);
    EXPECT_EQ(voices.release(61), std::nullopt);
    EXPECT_EQ(voices.allocate(64).channel, 3); // 1 was freed last
    for (int note = 0; note < 13; ++note) {
        voices.allocate(static_cast<std::uint8_t>(note));
    }
    const MpeVoiceAllocator::Allocation full = voices.allocate(100);
    EXPECT_EQ(full.endedNote, 62);
    EXPECT_EQ(full.channel, 2);
    EXPECT_EQ(voices.channelOf(62), std::nullopt);
    EXPECT_EQ(voices.channelOf(100), 2);
}

TEST(MpeExpressionTest, BendsScaleToFortyEightSemitonesAndClamp) {
    EXPECT_EQ(MpeExpression::bendValue(0), 8192);
    EXPECT_EQ(MpeExpression::bendValue(2), 8533);
    EXPECT_EQ(MpeExpression::bendValue(-48), 0);
    EXPECT_EQ(MpeExpression::bendValue(60), 16383);
    EXPECT_EQ(MpeExpression::bendValue(0.0 / 0.0), 8192);
}

TEST(MpeExpressionTest, SwitchingOnConfiguresTheZoneAndEachNoteGetsItsOwnChannel) {
    Mpe m;
    const Mpe::Strings config = m.midi();
    ASSERT_EQ(config.size(), 3U + 4U + 15U * 4U);
    EXPECT_EQ(Mpe::Strings(config.begin(), config.begin() + 7),
              (Mpe::Strings{"cc 101 0/0", "cc 100 6/0", "cc 6 15/0", "cc 101 0/0", "cc 100 0/0",
                            "cc 6 2/0", "cc 38 0/0"}));
    EXPECT_EQ(config.back(), "cc 38 0/15");
    EXPECT_EQ(config[config.size() - 2], "cc 6 48/15");
    EXPECT_EQ(m.synth().size(), config.size() + 15); // and the instrument on 15 more channels

    m.piano.expression().shape(60, 2, 0.5, {});
    m.key(60, true);
    m.key(64, true);
    EXPECT_EQ(m.midi(), (Mpe::Strings{"bend 8533/1", "cc 74 64/1", "press 0/1", "on 60/1",
                                      "bend 8192/2", "cc 74 64/2", "press 0/2", "on 64/2"}));
    EXPECT_EQ(m.synth(), (Mpe::Strings{"bend 8533/1", "cc 74 64/1", "press 0/1", "on 60/1",
                                       "bend 8192/2", "cc 74 64/2", "press 0/2", "on 64/2"}));
    m.key(60, false);
    EXPECT_EQ(m.midi(), (Mpe::Strings{"off 60/1"}));
    EXPECT_EQ(m.synth(), (Mpe::Strings{"off 60/1"}));
}

TEST(MpeExpressionTest, MovesCoalesceToTheLastValuePerNoteUntilTheFlush) {
    Mpe m;
    int requests = 0;
    m.piano.expression().setFlushRequest([&requests] { ++requests; });
    m.key(60, true);
    m.midi();
    for (double bend : {0.25, 0.5, 0.75}) {
        m.piano.expression().shape(60, bend, 1.0, 0.25);
    }
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(m.midi().empty());
    m.piano.expression().flush();
    EXPECT_EQ(m.midi(), (Mpe::Strings{"bend 8320/1", "cc 74 127/1", "press 32/1"}));
    m.piano.expression().shape(60, 0.75, 1.0, {});
    m.piano.expression().flush();
    EXPECT_TRUE(m.midi().empty()); // nothing changed, no pressure invented
    EXPECT_EQ(requests, 2);
}

TEST(MpeExpressionTest, SwitchingEndsHeldNotesAndPanicRecentresEveryChannel) {
    testing::KeyboardDoubles off;
    off.piano.keys()[60].isPressedOnKeyboard = true;
    off.piano.updatePlayingNotesFromPressedKeys();
    off.midiPort->sent.clear();
    off.piano.setExpression(true);
    EXPECT_EQ(off.midiPort->sent.front(), ump::noteOffWord(60, 0));
    EXPECT_EQ(off.midiPort->sent.back(), ump::noteOnWord(60, 127, 1));
    off.midiPort->sent.clear();
    off.piano.setExpression(false);
    EXPECT_EQ(off.midiPort->sent.front(), ump::noteOffWord(60, 1));
    EXPECT_EQ(off.midiPort->sent.back(), ump::noteOnWord(60, 127, 0));

    Mpe m;
    m.key(60, true);
    m.midi();
    m.synth();
    m.piano.panic();
    const Mpe::Strings out = m.midi();
    EXPECT_EQ(out.front(), "off 60/1");
    const Mpe::Strings synth = m.synth();
    for (const char* message : {"cc 120 0/", "cc 123 0/", "bend 8192/"}) {
        for (int ch = 1; ch < 16; ++ch) {
            const std::string wanted = message + std::to_string(ch);
            EXPECT_EQ(std::count(out.begin(), out.end(), wanted), 1) << wanted;
            EXPECT_EQ(std::count(synth.begin(), synth.end(), wanted), 1) << wanted;
        }
    }
}

TEST(MpeExpressionTest, AnMpeControllerSoundsOnItsOwnChannelsAndNothingIsSentOn) {
    Mpe m;
    m.midi();
    m.synth();
    m.midiPort->receive(1, ump::noteOnWord(62, 90, 3));
    m.midiPort->receive(1, ump::midi1Word(0xE3, 0, 80));
    m.midiPort->receive(1, ump::controlChangeWord(74, 10, 3));
    m.midiPort->receive(1, ump::noteOffWord(62, 3));
    EXPECT_EQ(m.synth(), (Mpe::Strings{"on 62/3", "bend 10240/3", "cc 74 10/3", "off 62/3"}));
    EXPECT_TRUE(m.midi().empty());
}

} // namespace
} // namespace tinkella
