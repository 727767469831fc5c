#include "audio/MIDIOutput.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

using ::testing::ElementsAre;
using testing::FakeMidiSystem;
using testing::MidiLogCapture;

const char* noteLine1 =
    "MIDI:   note: app-created virtual sources belong to no device, so apps that";
const char* noteLine2 = "MIDI:   list only devices (e.g. GarageBand's 'MIDI Controller' menu) "
                        "will not show us";
const char* notVisible =
    "MIDI-ERROR: our source is NOT in the system source list \u2014 other apps cannot see it";

TEST(MidiDescribe, NamesKnownStatusesAndNumbersTheRest) {
    EXPECT_EQ(MIDIOutput::describe(0), "noErr");
    EXPECT_EQ(MIDIOutput::describe(-50), "paramErr");
    EXPECT_EQ(MIDIOutput::describe(-10860), "noConnection");
    EXPECT_EQ(MIDIOutput::describe(-25300), "serverStartErr");
    EXPECT_EQ(MIDIOutput::describe(1), "OSStatus(1)");
    EXPECT_EQ(MIDIOutput::describe(-10830), "OSStatus(-10830)");
    EXPECT_EQ(MIDIOutput::describe(INT32_MIN), "OSStatus(-2147483648)");
}

class MidiDiag : public ::testing::Test {
protected:
    MidiDiag() : output(std::make_unique<FakeMidiSystem>(), log.sink()) { log.clear(); }
    MidiLogCapture log;
    MIDIOutput output;
};

TEST_F(MidiDiag, LineGoesToSystemLogBareAtItsLevelAndToStderrPrefixedInOneWrite) {
    output.info("hello");
    output.error("bad");
    ASSERT_EQ(log.systemLog().size(), 2u);
    EXPECT_EQ(log.systemLog()[0].level, LogLevel::Default);
    EXPECT_EQ(log.systemLog()[0].message, "hello");
    EXPECT_EQ(log.systemLog()[1].level, LogLevel::Error);
    EXPECT_EQ(log.systemLog()[1].message, "bad");
    EXPECT_THAT(log.stderrWrites(), ElementsAre("MIDI: hello\n", "MIDI-ERROR: bad\n"));
}

TEST_F(MidiDiag, DisabledLevelSkipsOnlyTheSystemLog) {
    log.setLevelEnabled(LogLevel::Default, false);
    output.info("quiet");
    output.error("loud");
    ASSERT_EQ(log.systemLog().size(), 1u);
    EXPECT_EQ(log.systemLog()[0].message, "loud");
    EXPECT_THAT(log.stderrWrites(), ElementsAre("MIDI: quiet\n", "MIDI-ERROR: loud\n"));
}

TEST_F(MidiDiag, MultiLineMessageIsOneEntryAndOneWrite) {
    output.info("\nfirst\nsecond");
    ASSERT_EQ(log.systemLog().size(), 1u);
    EXPECT_THAT(log.stderrWrites(), ElementsAre("MIDI: \nfirst\nsecond\n"));
}

struct Topology : ::testing::Test {
    Topology() {
        auto owned = std::make_unique<FakeMidiSystem>();
        midi = owned.get();
        midi->createdSourceVisible = false;
        output = std::make_unique<MIDIOutput>(std::move(owned), log.sink());
        log.clear();
    }
    MidiLogCapture log;
    FakeMidiSystem* midi = nullptr;
    std::unique_ptr<MIDIOutput> output;
};

TEST_F(Topology, EmptySystemShowsZerosNotesAndTheNotVisibleError) {
    output->logTopology("startup");
    EXPECT_THAT(log.stderrLines(),
                ElementsAre("MIDI: topology [startup] sources=0 destinations=0 devices=0 "
                            "ourSourceVisible=false ourUniqueID=0",
                            noteLine1, noteLine2, notVisible));
}

TEST_F(Topology, ListsDevicesSourcesAndDestinationsInIndexOrder) {
    midi->addDevice("USB Keys");
    midi->addDevice(std::nullopt);
    midi->addSource("Keys Out", "Acme", 9);
    midi->addSource("Tinkella", "Quorvin", 77);
    midi->addSource(std::nullopt, "Nameless Inc", 5);
    midi->addSource("Other", std::nullopt, 6);
    midi->addDestination("Synth In");
    midi->addDestination(std::nullopt);
    output->logTopology("every 25 messages");
    EXPECT_THAT(log.stderrLines(),
                ElementsAre("MIDI: topology [every 25 messages] sources=4 destinations=2 "
                            "devices=2 ourSourceVisible=true ourUniqueID=77",
                            "MIDI:   device [0] 'USB Keys'", "MIDI:   device [1] '?'", noteLine1,
                            noteLine2, "MIDI:   source [0] 'Keys Out' \u2014 Acme",
                            "MIDI:   source [1] 'Tinkella' \u2014 Quorvin   <== OURS",
                            "MIDI:   source [2] '?' \u2014 Nameless Inc",
                            "MIDI:   source [3] 'Other' \u2014 ?",
                            "MIDI:   destination [0] 'Synth In'", "MIDI:   destination [1] '?'"));
}

TEST_F(Topology, TwoTinkellaSourcesAreBothOursAndTheLastGivesTheUniqueID) {
    midi->addSource("Tinkella", "Quorvin", 11);
    midi->addSource("Tinkella", "Quorvin", -12);
    output->logTopology("startup");
    const auto lines = log.stderrLines();
    EXPECT_EQ(lines[0], "MIDI: topology [startup] sources=2 destinations=0 devices=0 "
                        "ourSourceVisible=true ourUniqueID=-12");
    EXPECT_EQ(lines[3], "MIDI:   source [0] 'Tinkella' \u2014 Quorvin   <== OURS");
    EXPECT_EQ(lines[4], "MIDI:   source [1] 'Tinkella' \u2014 Quorvin   <== OURS");
}

TEST_F(Topology, UnreadableUniqueIdOfOurSourceStaysZero) {
    midi->addSource("Tinkella", "Quorvin", std::nullopt);
    output->logTopology("startup");
    EXPECT_EQ(log.stderrLines()[0], "MIDI: topology [startup] sources=1 destinations=0 devices=0 "
                                    "ourSourceVisible=true ourUniqueID=0");
}

TEST_F(Topology, StartupWithInvisibleSourceStillPublishesAndSaysSo) {
    MidiLogCapture startLog;
    auto fake = std::make_unique<FakeMidiSystem>();
    fake->createdSourceVisible = false;
    MIDIOutput hidden(std::move(fake), startLog.sink());
    EXPECT_TRUE(hidden.isAvailable());
    EXPECT_THAT(startLog.stderrLines(), ::testing::Contains(notVisible));
}

} // namespace
} // namespace tinkella
