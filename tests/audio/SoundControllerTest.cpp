#include "audio/SoundController.h"

#include "support/FakeSynthesizer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace tinkella {
namespace {

using testing::AudioJournal;
using testing::AudioStep;
using testing::FakeSynthesizer;

// Opening sets bank 0 and program 0 before anything else reaches the synthesiser, and names
// the output in one line.
TEST(SoundController, OpensAtProgramZeroAndNamesItsOutput) {
    auto journal = std::make_shared<AudioJournal>();
    journal->output = "synthesiser on test, 64 frames \u00d7 2 at 48000 Hz (2.7 ms)";
    ::testing::internal::CaptureStderr();
    SoundController sound(FakeSynthesizer::opener(journal));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Tinkella: synthesiser on test, 64 frames \u00d7 2 at 48000 Hz (2.7 ms)\n");
    ASSERT_EQ(journal->steps.size(), 3u);
    EXPECT_EQ(journal->steps[0].kind, AudioStep::Opened);
    EXPECT_EQ(std::tie(journal->steps[1].a, journal->steps[1].b, journal->steps[1].c),
              std::make_tuple(0xB0u, 0u, 0u));
    EXPECT_EQ(std::tie(journal->steps[2].a, journal->steps[2].b, journal->steps[2].c),
              std::make_tuple(0xC0u, 0u, 0u));
}

TEST(SoundController, OutOfRangeAndUnstartedNotesSendNothing) {
    auto journal = std::make_shared<AudioJournal>();
    SoundController sound(FakeSynthesizer::opener(journal));
    journal->steps.clear();
    for (std::uint32_t note : {127u, 128u, 0xFFFFFFFFu}) {
        sound.playNote(note);
    }
    sound.endNote(127 + 256); // would alias note 127 if truncated to a byte
    sound.endNote(60);
    ASSERT_EQ(journal->steps.size(), 1u);
    EXPECT_EQ(journal->steps[0].b, 127u);
    EXPECT_EQ(sound.soundingNotes(), (std::set<std::uint32_t>{127}));
}

// A synthesiser that cannot be opened (or no opener at all) leaves a silent controller that
// still keeps its books and explains itself in one line with the opener's own reason.
TEST(SoundController, UnopenedSynthesiserLeavesASilentControllerAndOneLine) {
    auto journal = std::make_shared<AudioJournal>();
    journal->failure = "no sound font found in /nowhere";
    for (const SynthesizerOpener& opener :
         {FakeSynthesizer::opener(journal), SynthesizerOpener()}) {
        ::testing::internal::CaptureStderr();
        SoundController sound(opener);
        sound.playNote(60);
        sound.setInstrument(5);
        sound.setMuted(true);
        sound.setMuted(false);
        sound.playNote(62);
        EXPECT_NE(sound.loadSoundFont("any.sf2"), "");
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(sound.synthUnit(), nullptr);
        EXPECT_TRUE(journal->steps.empty());
        EXPECT_EQ(sound.soundingNoteCount(), 1u) << "bookkeeping goes on without a synthesiser";
        EXPECT_EQ(err, "Tinkella: built-in synthesiser unavailable (" +
                           std::string(opener ? journal->failure : "no audio system") +
                           "); it stays silent and MIDI output goes on.\n");
    }
}

} // namespace
} // namespace tinkella
