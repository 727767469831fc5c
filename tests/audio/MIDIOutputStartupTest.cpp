#include "audio/MIDIOutput.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiSystem.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tinkella {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using testing::FakeMidiSystem;
using ::testing::HasSubstr;
using testing::MidiLogCapture;
using ::testing::Not;

const std::string anotherCopyError = "MIDI-ERROR: another running instance already publishes "
                                     "'Tinkella' \u2014 MIDI may not reach it. Quit the other "
                                     "copy.";

struct Started {
    FakeMidiSystem* midi;
    MidiLogCapture log;
    std::unique_ptr<MIDIOutput> output;
};

Started start(std::unique_ptr<FakeMidiSystem> fake) {
    Started s{fake.get(), MidiLogCapture(), nullptr};
    s.output = std::make_unique<MIDIOutput>(std::move(fake), s.log.sink());
    return s;
}

std::string pidLine() {
    return "MIDI: === MIDIOutput starting (pid " + std::to_string(::getpid()) + ") ===";
}

TEST(MIDIOutputStartup, PublishesAndWritesEveryStartupLineInOrder) {
    auto fake = std::make_unique<FakeMidiSystem>();
    fake->createdSourceUniqueID = -2;
    Started s = start(std::move(fake));

    EXPECT_TRUE(s.output->isAvailable());
    EXPECT_TRUE(s.output->isEnabled());
    EXPECT_EQ(s.midi->clientName, "Tinkella");
    EXPECT_EQ(s.midi->manufacturerSet, "Quorvin");
    EXPECT_EQ(s.midi->sourceName, "Tinkella");
    EXPECT_EQ(s.midi->sourceProtocol, MIDIProtocolID::MIDI_1_0);
    std::string rule;
    for (int i = 0; i < 61; ++i) {
        rule += "\u2500";
    }
    EXPECT_THAT(
        s.log.stderrLines(),
        ElementsAre(pidLine(), "MIDI: MIDIClientCreateWithBlock -> 0 (noErr)",
                    "MIDI: MIDIObjectSetStringProperty(client, manufacturer) -> 0",
                    "MIDI: MIDISourceCreateWithProtocol('Tinkella', MIDI 1.0) -> 0 (noErr) "
                    "endpoint=42",
                    "MIDI: virtual source PUBLISHED: name='Tinkella' uniqueID=-2",
                    "MIDI: topology [startup] sources=1 destinations=0 devices=0 "
                    "ourSourceVisible=true ourUniqueID=-2",
                    "MIDI:   note: app-created virtual sources belong to no device, so apps that",
                    "MIDI:   list only devices (e.g. GarageBand's 'MIDI Controller' menu) will "
                    "not show us",
                    "MIDI:   source [0] 'Tinkella' \u2014 Quorvin   <== OURS", "MIDI: ",
                    "\u250C" + rule + "\u2510", "\u2502 To play into another app, in that app:",
                    "\u2502   1. Create a Software Instrument / MIDI track.",
                    "\u2502   2. Point the track's input at: 'Tinkella'",
                    "\u2502      (uniqueID 4294967294, MIDI 1.0, channel 1)",
                    "\u2502   3. Play here \u2014 notes appear on that track.",
                    "\u2514" + rule + "\u2518"));
}

TEST(MIDIOutputStartup, BannerIsOneEntryStartingWithLineFeedAndEndingWithout) {
    Started s = start(std::make_unique<FakeMidiSystem>());
    const auto& entries = s.log.systemLog();
    ASSERT_FALSE(entries.empty());
    const std::string& banner = entries.back().message;
    EXPECT_EQ(banner.front(), '\n');
    EXPECT_NE(banner.back(), '\n');
    EXPECT_EQ(std::count(banner.begin(), banner.end(), '\n'), 7);
    EXPECT_EQ(s.log.stderrWrites().back(), "MIDI: " + banner + "\n");
}

TEST(MIDIOutputStartup, ClientRefusedStopsStartupAndLeavesOutputUnavailable) {
    auto fake = std::make_unique<FakeMidiSystem>();
    fake->clientCreateStatus = -10860;
    Started s = start(std::move(fake));

    EXPECT_FALSE(s.output->isAvailable());
    EXPECT_THAT(s.log.stderrLines(),
                ElementsAre(pidLine(), "MIDI: MIDIClientCreateWithBlock -> -10860 (noConnection)",
                            "MIDI-ERROR: MIDIClientCreateWithBlock failed (noConnection)"));
    EXPECT_THAT(s.midi->calls, Not(Contains("sourceCreateWithProtocol")));
    EXPECT_THAT(s.midi->calls, Not(Contains("setStringProperty")));

    s.log.clear();
    s.output->noteOn(60, 127, 0);
    EXPECT_THAT(s.log.stderrLines(),
                ElementsAre("MIDI: noteOn  note=60 velocity=127 channel=0",
                            "MIDI-ERROR: send skipped: MIDI source unavailable"));
    EXPECT_TRUE(s.midi->sent.empty());
}

TEST(MIDIOutputStartup, SourceRefusedStopsAfterItsErrorLine) {
    auto fake = std::make_unique<FakeMidiSystem>();
    fake->sourceCreateStatus = -50;
    Started s = start(std::move(fake));

    EXPECT_FALSE(s.output->isAvailable());
    EXPECT_THAT(s.log.stderrLines(),
                ElementsAre(pidLine(), "MIDI: MIDIClientCreateWithBlock -> 0 (noErr)",
                            "MIDI: MIDIObjectSetStringProperty(client, manufacturer) -> 0",
                            "MIDI: MIDISourceCreateWithProtocol('Tinkella', MIDI 1.0) -> -50 "
                            "(paramErr) endpoint=0",
                            "MIDI-ERROR: MIDISourceCreateWithProtocol failed (paramErr)"));
    s.log.clear();
    s.output->noteOff(60, 0);
    EXPECT_THAT(s.log.stderrLines(), ElementsAre("MIDI: noteOff note=60 channel=0",
                                                 "MIDI-ERROR: send skipped: MIDI source "
                                                 "unavailable"));
}

TEST(MIDIOutputStartup, ManufacturerRefusedShowsNumberOnlyAndStillPublishes) {
    auto fake = std::make_unique<FakeMidiSystem>();
    fake->setManufacturerStatus = -95;
    Started s = start(std::move(fake));

    EXPECT_TRUE(s.output->isAvailable());
    const auto lines = s.log.stderrLines();
    EXPECT_EQ(lines.at(2), "MIDI: MIDIObjectSetStringProperty(client, manufacturer) -> -95");
    EXPECT_THAT(lines, Contains(HasSubstr("virtual source PUBLISHED")));
    EXPECT_THAT(lines, Not(Contains(HasSubstr("MIDI-ERROR"))));
}

TEST(MIDIOutputStartup, AnotherCopyIsReportedOnceAndThisCopyStillPublishes) {
    for (int copies : {1, 2}) {
        auto fake = std::make_unique<FakeMidiSystem>();
        fake->addSource("IAC Bus 1");
        for (int i = 0; i < copies; ++i) {
            fake->addSource("Tinkella", "Quorvin", 500 + i);
        }
        Started s = start(std::move(fake));

        EXPECT_TRUE(s.output->isAvailable());
        const auto lines = s.log.stderrLines();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), anotherCopyError), 1) << copies;
        EXPECT_EQ(lines.at(1), anotherCopyError);
        EXPECT_EQ(lines.at(2), "MIDI: MIDIClientCreateWithBlock -> 0 (noErr)");
        EXPECT_THAT(s.midi->calls, Contains("sourceCreateWithProtocol"));
    }
}

TEST(MIDIOutputStartup, NameMatchIsExactAndCaseSensitive) {
    auto fake = std::make_unique<FakeMidiSystem>();
    fake->addSource("tinkella");
    fake->addSource("Tinkella ");
    fake->addSource(std::nullopt);
    Started s = start(std::move(fake));
    EXPECT_THAT(s.log.stderrLines(), Not(Contains(anotherCopyError)));
}

TEST(MIDIOutputStartup, NoMidiSystemLeavesOutputUnavailableWithClearLines) {
    MidiLogCapture log;
    MIDIOutput output(nullptr, log.sink());
    EXPECT_FALSE(output.isAvailable());
    EXPECT_THAT(log.stderrLines(),
                ElementsAre(pidLine(), "MIDI: MIDIClientCreateWithBlock -> -10860 (noConnection)",
                            "MIDI-ERROR: MIDIClientCreateWithBlock failed (noConnection)"));
    output.noteOn(60, 127, 0);
    EXPECT_EQ(log.stderrLines().back(), "MIDI-ERROR: send skipped: MIDI source unavailable");
}

TEST(MIDIOutputStartup, NotificationsAreLoggedWhenDispatched) {
    Started s = start(std::make_unique<FakeMidiSystem>());
    s.log.clear();
    s.midi->queueNotification(2);
    s.midi->queueNotification(-7);
    EXPECT_TRUE(s.log.stderrLines().empty());
    s.output->dispatchNotifications();
    EXPECT_THAT(s.log.stderrLines(), ElementsAre("MIDI: CoreMIDI notification: id=2",
                                                 "MIDI: CoreMIDI notification: id=-7"));
    EXPECT_EQ(s.output->notificationDescriptor(), -1);
}

} // namespace
} // namespace tinkella
