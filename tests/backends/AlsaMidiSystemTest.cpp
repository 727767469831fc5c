#include "adapters/alsa/AlsaMidiSystem.h"

#include "app/Composition.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tinkella {
namespace {

bool sequencerPresent() {
    struct stat info {};
    return ::stat("/dev/snd/seq", &info) == 0;
}

TEST(AlsaMidiSystem, OpeningWithoutSequencerFailsWithNegativeErrno) {
    if (sequencerPresent()) {
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    }
    OSStatus status = 0;
    auto system = AlsaMidiSystem::open(status);
    EXPECT_EQ(system, nullptr);
    EXPECT_LT(status, 0);
}

TEST(StandardMidiBackends, AreAlsaThenJack) {
    const auto& table = app::midiBackends();
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].name, "alsa");
    EXPECT_EQ(table[1].name, "jack");
}

TEST(StandardMidiBackends, ForcedAlsaWithoutSequencerLeavesNoSystemAndSaysWhy) {
    if (sequencerPresent()) {
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    }
    MidiBackendChoice choice = chooseMidiBackend(app::midiBackends(), "alsa");
    EXPECT_FALSE(choice.system);
    EXPECT_EQ(choice.report.rfind("no MIDI system could be opened (alsa: -", 0), 0u)
        << choice.report;
}

} // namespace
} // namespace tinkella
