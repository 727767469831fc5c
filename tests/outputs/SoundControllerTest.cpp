#include "outputs/SoundController.h"

#include "support/FakeSynthesizer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace tinkella {
namespace {

using testing::AudioJournal;
using testing::AudioStep;
using testing::FakeSynthesizer;

// Opening sets bank 0 and program 0 before anything else reaches the synthesiser and names the
// output in one line; notes out of range, or never started, send nothing.
TEST(SoundController, OpensAtProgramZeroAndSendsOnlyNotesInRange) {
    auto journal = std::make_shared<AudioJournal>();
    journal->output = "synthesiser on test";
    ::testing::internal::CaptureStderr();
    SoundController sound(FakeSynthesizer::opener(journal));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Tinkella: synthesiser on test\n");
    for (std::uint32_t note : {127u, 128u, 0xFFFFFFFFu}) {
        sound.playNote(note);
    }
    sound.endNote(127 + 256); // would alias note 127 if truncated to a byte
    sound.endNote(60);
    std::vector<std::uint32_t> steps; // kind, status, data 1, data 2
    for (const AudioStep& s : journal->steps) {
        steps.push_back(static_cast<std::uint32_t>(s.kind) << 24 | s.a << 16 | s.b << 8 | s.c);
    }
    EXPECT_EQ(steps, (std::vector<std::uint32_t>{0, 0x01B00000, 0x01C00000, 0x01907F7F}));
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
        sound.playNote(62);
        sound.loadSoundFont("any.sf2", [](const std::string& why) { EXPECT_NE(why, ""); });
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(sound.synthUnit(), nullptr);
        EXPECT_TRUE(journal->steps.empty());
        EXPECT_EQ(sound.soundingNoteCount(), 2u) << "bookkeeping goes on without a synthesiser";
        EXPECT_EQ(err, "Tinkella: built-in synthesiser unavailable (" +
                           std::string(opener ? journal->failure : "no audio system") +
                           "); it stays silent and MIDI output goes on.\n");
    }
}

} // namespace
} // namespace tinkella
