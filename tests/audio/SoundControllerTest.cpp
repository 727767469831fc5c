#include "audio/SoundController.h"

#include "support/FakeAudioSystem.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace tinkella {
namespace {

using testing::AudioJournal;
using testing::AudioStep;
using testing::FakeAudioSystem;

TEST(SoundController, OutOfRangeAndUnstartedNotesSendNothing) {
    auto journal = std::make_shared<AudioJournal>();
    SoundController sound(std::make_unique<FakeAudioSystem>(journal));
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

// Any step of building the graph that fails leaves a silent controller that still keeps its
// books, drops the graph, and explains itself in one line with the backend's own reason.
TEST(SoundController, FailingGraphStepLeavesASilentControllerAndOneLine) {
    const struct {
        AudioStep::Kind kind;
        int occurrence;
        const char* wording;
    } steps[] = {{AudioStep::NewGraph, 1, "creating the audio graph"},
                 {AudioStep::AddNode, 2, "adding the peak limiter"},
                 {AudioStep::Open, 1, "opening the audio graph"},
                 {AudioStep::Connect, 2, "connecting the limiter"},
                 {AudioStep::NodeInfo, 1, "finding the synthesiser unit"},
                 {AudioStep::Initialize, 1, "backend reason"},
                 {AudioStep::Start, 1, "backend reason"},
                 {AudioStep::MidiEvent, 0, "finding the synthesiser unit"}};
    for (const auto& step : steps) {
        auto journal = std::make_shared<AudioJournal>(AudioJournal{
            {}, step.kind, step.occurrence, -4242, step.occurrence == 0, "backend reason", {}, {}});
        ::testing::internal::CaptureStderr();
        SoundController sound(std::make_unique<FakeAudioSystem>(journal));
        const std::size_t events = journal->count(AudioStep::MidiEvent);
        sound.playNote(60);
        sound.setInstrument(5);
        sound.setMuted(true);
        sound.setMuted(false);
        sound.playNote(62);
        EXPECT_NE(sound.loadSoundFont("any.sf2"), "") << step.wording;
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(sound.synthUnit(), nullptr) << step.wording;
        EXPECT_EQ(journal->count(AudioStep::MidiEvent), events) << step.wording;
        EXPECT_EQ(journal->count(AudioStep::GraphDestroyed),
                  step.kind == AudioStep::NewGraph ? 0 : 1);
        EXPECT_EQ(sound.soundingNoteCount(), 1u) << "bookkeeping goes on without a synthesiser";
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find(step.wording), std::string::npos) << err;
    }
}

} // namespace
} // namespace tinkella
