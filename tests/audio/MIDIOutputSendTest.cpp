#include "audio/MIDIOutput.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiSystem.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

using ::testing::ElementsAre;
using testing::FakeMidiSystem;
using ::testing::HasSubstr;
using testing::MidiLogCapture;

class MIDIOutputSend : public ::testing::Test {
protected:
    MIDIOutputSend() {
        auto fake = std::make_unique<FakeMidiSystem>();
        midi = fake.get();
        output = std::make_unique<MIDIOutput>(std::move(fake), log.sink());
        log.clear();
    }

    std::vector<std::string> lines() const { return log.stderrLines(); }
    std::size_t topologyDumps(const std::string& reason) const {
        const auto all = lines();
        return static_cast<std::size_t>(std::count_if(all.begin(), all.end(), [&](auto& line) {
            return line.rfind("MIDI: topology [" + reason + "]", 0) == 0;
        }));
    }

    MidiLogCapture log;
    FakeMidiSystem* midi = nullptr;
    std::unique_ptr<MIDIOutput> output;
};

TEST_F(MIDIOutputSend, NoteOnOfMiddleCSendsItsWordAndLogsIt) {
    output->noteOn(60, 127, 0);
    EXPECT_THAT(midi->sentWords(), ElementsAre(0x20903C7Fu));
    ASSERT_EQ(midi->sent.size(), 1u);
    EXPECT_EQ(midi->sent[0].source, midi->createdSourceRef);
    EXPECT_EQ(midi->sent[0].protocol, MIDIProtocolID::MIDI_1_0);
    const auto all = lines();
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[0], "MIDI: noteOn  note=60 velocity=127 channel=0");
    EXPECT_EQ(all[1], "MIDI: send #1 MIDIReceivedEventList word=0x20903C7F mt=2 status=0x90 "
                      "data1=60 data2=127 -> 0 (noErr)");
    EXPECT_EQ(all[2], "MIDI: topology [first note sent] sources=1 destinations=0 devices=0 "
                      "ourSourceVisible=true ourUniqueID=1001");
}

TEST_F(MIDIOutputSend, NoteOffSendsVelocityZeroWord) {
    output->noteOff(60, 0);
    EXPECT_THAT(midi->sentWords(), ElementsAre(0x20803C00u));
    EXPECT_EQ(lines()[0], "MIDI: noteOff note=60 channel=0");
    EXPECT_EQ(lines()[1], "MIDI: send #1 MIDIReceivedEventList word=0x20803C00 mt=2 status=0x80 "
                          "data1=60 data2=0 -> 0 (noErr)");
}

TEST_F(MIDIOutputSend, HexHasNoLeadingZerosAndIsUpperCase) {
    output->noteOn(0, 0, 0);
    output->noteOn(0x0A, 0x0B, 0x0C);
    const auto all = lines();
    EXPECT_THAT(all, ::testing::Contains(HasSubstr("word=0x20900000 mt=2 status=0x90 data1=0 "
                                                   "data2=0 ->")));
    EXPECT_THAT(all, ::testing::Contains(HasSubstr("word=0x209C0A0B mt=2 status=0x9C data1=10 "
                                                   "data2=11 ->")));
}

TEST_F(MIDIOutputSend, ChannelIsMaskedInTheWordButPrintedAsGiven) {
    output->noteOn(60, 127, 17);
    EXPECT_THAT(midi->sentWords(), ElementsAre(0x20913C7Fu));
    EXPECT_EQ(lines()[0], "MIDI: noteOn  note=60 velocity=127 channel=17");
    output->noteOff(60, 255);
    EXPECT_EQ(midi->sentWords().back(), 0x208F3C00u);
}

TEST_F(MIDIOutputSend, VelocityIsNeverRefused) {
    output->noteOn(60, 200, 0);
    EXPECT_THAT(midi->sentWords(), ElementsAre(0x20903CC8u));
}

TEST_F(MIDIOutputSend, NotesAbove127AreRefusedWithoutMovingCounters) {
    output->noteOn(128, 127, 0);
    output->noteOff(255, 0);
    EXPECT_THAT(lines(),
                ElementsAre("MIDI-ERROR: noteOn rejected: note 128 is out of MIDI range 0-127",
                            "MIDI-ERROR: noteOff rejected: note 255 is out of MIDI range 0-127"));
    EXPECT_TRUE(midi->sent.empty());
    output->noteOn(127, 1, 0);
    EXPECT_THAT(lines(), ::testing::Contains(HasSubstr("send #1 ")));
    EXPECT_EQ(topologyDumps("first note sent"), 1u);
}

TEST_F(MIDIOutputSend, RefusedMessageIsNumberedButNotCounted) {
    midi->sendStatusSequence = {-10860};
    output->noteOn(60, 127, 0);
    EXPECT_THAT(lines(), ElementsAre("MIDI: noteOn  note=60 velocity=127 channel=0",
                                     "MIDI: send #1 MIDIReceivedEventList word=0x20903C7F mt=2 "
                                     "status=0x90 data1=60 data2=127 -> -10860 (noConnection)",
                                     "MIDI-ERROR: MIDIReceivedEventList failed (noConnection)"));
    log.clear();
    output->noteOff(60, 0);
    EXPECT_THAT(lines()[1], HasSubstr("send #2 "));
    EXPECT_EQ(topologyDumps("first note sent"), 1u);
    EXPECT_EQ(midi->sent.size(), 2u);
}

TEST_F(MIDIOutputSend, TopologyIsDumpedAfterFirstAndEvery25thAcceptedMessage) {
    // Messages 2 and 30 are refused: accepted counts reach 1, 25, 50 at sends 1, 26, 52.
    for (int i = 1; i <= 52; ++i) {
        if (i == 2 || i == 30) {
            midi->sendStatusSequence.push_back(-1);
        } else {
            midi->sendStatusSequence.push_back(0);
        }
    }
    std::vector<int> dumpsAfterSend;
    for (int i = 1; i <= 52; ++i) {
        log.clear();
        output->noteOn(static_cast<std::uint8_t>(i), 100, 0);
        if (topologyDumps("first note sent") + topologyDumps("every 25 messages") > 0) {
            dumpsAfterSend.push_back(i);
        }
        EXPECT_THAT(lines()[1], HasSubstr("send #" + std::to_string(i) + " "));
    }
    EXPECT_THAT(dumpsAfterSend, ElementsAre(1, 26, 52));
}

TEST_F(MIDIOutputSend, SwitchedOffWritesFourLinesForPressAndReleaseAndSendsNothing) {
    output->setEnabled(false);
    log.clear();
    output->noteOn(60, 127, 0);
    output->noteOff(60, 0);
    EXPECT_THAT(lines(), ElementsAre("MIDI: noteOn  note=60 velocity=127 channel=0",
                                     "MIDI: send skipped: MIDI output is switched off",
                                     "MIDI: noteOff note=60 channel=0",
                                     "MIDI: send skipped: MIDI output is switched off"));
    EXPECT_TRUE(midi->sent.empty());
    output->setEnabled(true);
    log.clear();
    output->noteOn(61, 127, 0);
    EXPECT_THAT(lines()[1], HasSubstr("send #1 "));
    EXPECT_EQ(topologyDumps("first note sent"), 1u);
}

TEST_F(MIDIOutputSend, PacketIsStampedWithCurrentHostTime) {
    midi->hostTime = 123456789;
    output->noteOn(60, 127, 0);
    ASSERT_EQ(midi->sent.size(), 1u);
    EXPECT_EQ(midi->sent[0].timeStamp, 123456789u);
}

// Switching the output off must not leave notes hanging in the programs that listen.
TEST_F(MIDIOutputSend, SwitchingOffEndsEveryStartedNoteFirst) {
    output->noteOn(60, 127, 0);
    output->noteOn(64, 127, 0);
    output->noteOn(62, 127, 3);
    output->noteOff(64, 0);
    output->noteOn(70, 0, 0); // velocity 0 is a note-off
    midi->sent.clear();
    log.clear();

    output->setEnabled(false);
    EXPECT_FALSE(output->isEnabled());
    EXPECT_THAT(midi->sentWords(), ElementsAre(0x20803C00u, 0x20833E00u));
    const auto all = lines();
    EXPECT_EQ(all[0], "MIDI: noteOff note=60 channel=0");
    EXPECT_THAT(all[1], HasSubstr("word=0x20803C00"));
    EXPECT_EQ(all[2], "MIDI: noteOff note=62 channel=3");
    EXPECT_THAT(all[3], HasSubstr("word=0x20833E00"));

    midi->sent.clear();
    output->setEnabled(false);
    output->setEnabled(true);
    output->setEnabled(false);
    EXPECT_TRUE(midi->sent.empty());
}

TEST_F(MIDIOutputSend, MendRetriesNoteWhoseNoteOffWasRefused) {
    output->noteOn(60, 127, 0);
    midi->sendStatusSequence = {-5};
    output->noteOff(60, 0);
    midi->sent.clear();
    output->setEnabled(false);
    EXPECT_THAT(midi->sentWords(), ElementsAre(0x20803C00u));
}

TEST_F(MIDIOutputSend, NoteOnThatWasRefusedIsNotEndedBySwitchingOff) {
    midi->sendStatusSequence = {-5};
    output->noteOn(60, 127, 0);
    midi->sent.clear();
    output->setEnabled(false);
    EXPECT_TRUE(midi->sent.empty());
}

TEST_F(MIDIOutputSend, ASystemThatGoesAwayIsReportedOnceAndLaterMessagesAreSkipped) {
    midi->queueNotification(kMIDIMsgSetupChanged);
    output->dispatchNotifications();
    EXPECT_TRUE(output->isAvailable());
    midi->queueNotification(kMIDIMsgIOError);
    midi->queueNotification(kMIDIMsgIOError);
    output->dispatchNotifications();
    EXPECT_FALSE(output->isAvailable());
    EXPECT_THAT(lines(), ElementsAre("MIDI: CoreMIDI notification: id=1",
                                     "MIDI: CoreMIDI notification: id=7",
                                     "MIDI-ERROR: the MIDI system has gone away \u2014 MIDI output "
                                     "is unavailable until Tinkella is restarted",
                                     "MIDI: CoreMIDI notification: id=7"));
    log.clear();
    output->noteOn(60, 127, 0);
    EXPECT_TRUE(midi->sent.empty());
    EXPECT_THAT(lines(), ElementsAre("MIDI: noteOn  note=60 velocity=127 channel=0",
                                     "MIDI-ERROR: send skipped: MIDI source unavailable"));
}

} // namespace
} // namespace tinkella
