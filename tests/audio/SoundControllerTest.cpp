#include "audio/SoundController.h"

#include "support/FakeAudioSystem.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tinkella {
namespace {

using testing::AudioJournal;
using testing::AudioStep;
using testing::FakeAudioSystem;

struct Event {
    std::uint32_t status, data1, data2;
    bool operator==(const Event&) const = default;
};

std::vector<Event> events(const AudioJournal& journal) {
    std::vector<Event> out;
    for (const AudioStep& s : journal.eventsOnly()) {
        EXPECT_EQ(s.d, 0u) << "every event goes out at frame offset 0";
        out.push_back({s.a, s.b, s.c});
    }
    return out;
}

class SoundControllerTest : public ::testing::Test {
protected:
    std::unique_ptr<SoundController> make() {
        return std::make_unique<SoundController>(std::make_unique<FakeAudioSystem>(journal));
    }
    // The events sent after construction.
    std::vector<Event> sentSinceStart() {
        std::vector<Event> all = events(*journal);
        return {all.begin() + 2, all.end()};
    }

    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
};

TEST_F(SoundControllerTest, ConstructionBuildsTheGraphAndSelectsBankZeroProgramZeroBeforeStart) {
    auto sound = make();
    const std::vector<AudioStep>& s = journal->steps;
    ASSERT_EQ(s.size(), 12u);
    EXPECT_EQ(s[0].kind, AudioStep::NewGraph);
    EXPECT_EQ(s[1].kind, AudioStep::AddNode);
    EXPECT_EQ(s[1].a, 0x61756D75u);
    EXPECT_EQ(s[1].b, 0x646C7320u);
    EXPECT_EQ(s[2].a, 0x61756678u);
    EXPECT_EQ(s[2].b, 0x6C6D7472u);
    EXPECT_EQ(s[3].a, 0x61756F75u);
    EXPECT_EQ(s[3].b, 0x64656620u);
    EXPECT_EQ(s[4].kind, AudioStep::Open);
    // Nodes are numbered 1, 2, 3 by the fake in the order they were added.
    EXPECT_EQ(s[5].kind, AudioStep::Connect);
    EXPECT_EQ((std::vector<std::uint32_t>{s[5].a, s[5].b, s[5].c, s[5].d}),
              (std::vector<std::uint32_t>{1, 0, 2, 0}));
    EXPECT_EQ((std::vector<std::uint32_t>{s[6].a, s[6].b, s[6].c, s[6].d}),
              (std::vector<std::uint32_t>{2, 0, 3, 0}));
    EXPECT_EQ(s[7].kind, AudioStep::NodeInfo);
    EXPECT_EQ(s[7].a, 1u);
    EXPECT_EQ(s[8].kind, AudioStep::Initialize);
    EXPECT_EQ(events(*journal), (std::vector<Event>{{0xB0, 0, 0}, {0xC0, 0, 0}}));
    EXPECT_EQ(s[9].kind, AudioStep::MidiEvent);
    EXPECT_EQ(s[10].kind, AudioStep::MidiEvent);
    EXPECT_EQ(s[11].kind, AudioStep::Start);
    EXPECT_NE(sound->synthUnit(), nullptr);
    EXPECT_FALSE(sound->isMuted());
    EXPECT_EQ(sound->soundingNoteCount(), 0u);
}

TEST_F(SoundControllerTest, StrikingTwiceSendsTwoNoteOnsAndOneEndEndsIt) {
    auto sound = make();
    sound->playNote(60);
    sound->playNote(60);
    EXPECT_EQ(sound->soundingNoteCount(), 1u);
    sound->endNote(60);
    sound->endNote(60);
    EXPECT_EQ(sentSinceStart(),
              (std::vector<Event>{{0x90, 60, 127}, {0x90, 60, 127}, {0x80, 60, 0}}));
    EXPECT_EQ(sound->soundingNoteCount(), 0u);
}

TEST_F(SoundControllerTest, EndOfANoteNeverStartedSendsNothing) {
    auto sound = make();
    sound->playNote(61);
    sound->endNote(60);
    sound->endNote(0);
    sound->endNote(119);
    EXPECT_EQ(sentSinceStart(), (std::vector<Event>{{0x90, 61, 127}}));
    EXPECT_EQ(sound->soundingNotes(), (std::set<std::uint32_t>{61}));
}

TEST_F(SoundControllerTest, NotesAbove127AreIgnored) {
    auto sound = make();
    sound->playNote(127);
    sound->playNote(128);
    sound->playNote(0xFFFFFFFFu);
    sound->endNote(128);
    sound->endNote(127 + 256); // would alias note 127 if truncated to a byte
    EXPECT_EQ(sentSinceStart(), (std::vector<Event>{{0x90, 127, 127}}));
    EXPECT_EQ(sound->soundingNotes(), (std::set<std::uint32_t>{127}));
}

TEST_F(SoundControllerTest, MutingEndsSoundingNotesOnceAndThenDropsStarts) {
    auto sound = make();
    sound->playNote(60);
    sound->playNote(64);
    sound->setMuted(true);
    std::vector<Event> offs = sentSinceStart();
    ASSERT_EQ(offs.size(), 4u);
    std::vector<Event> ends{offs[2], offs[3]};
    std::sort(ends.begin(), ends.end(), [](Event x, Event y) { return x.data1 < y.data1; });
    EXPECT_EQ(ends, (std::vector<Event>{{0x80, 60, 0}, {0x80, 64, 0}}));
    EXPECT_EQ(sound->soundingNoteCount(), 0u);
    EXPECT_TRUE(sound->isMuted());

    sound->playNote(67);
    sound->endNote(67);
    sound->setMuted(true);
    sound->setMuted(false);
    EXPECT_FALSE(sound->isMuted());
    EXPECT_EQ(sentSinceStart().size(), 4u);

    sound->playNote(67);
    EXPECT_EQ(sentSinceStart().back(), (Event{0x90, 67, 127}));
}

TEST_F(SoundControllerTest, EndAllNotesEndsEachStartedNoteOnce) {
    auto sound = make();
    for (std::uint32_t n : {10u, 20u, 20u, 30u}) {
        sound->playNote(n);
    }
    sound->endAllNotes();
    sound->endAllNotes();
    std::vector<Event> sent = sentSinceStart();
    ASSERT_EQ(sent.size(), 7u);
    std::vector<std::uint32_t> ended;
    for (std::size_t i = 4; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i].status, 0x80u);
        ended.push_back(sent[i].data1);
    }
    std::sort(ended.begin(), ended.end());
    EXPECT_EQ(ended, (std::vector<std::uint32_t>{10, 20, 30}));
}

TEST_F(SoundControllerTest, ProgramChangeGoesOutMutedOrNotAndLeavesNotesAlone) {
    auto sound = make();
    sound->playNote(60);
    sound->setInstrument(1);
    sound->setInstrument(128);
    sound->setMuted(true);
    sound->setInstrument(1);
    sound->setInstrument(128);
    sound->setInstrument(0);
    sound->setInstrument(129);
    sound->setInstrument(-5);
    EXPECT_EQ(sentSinceStart(), (std::vector<Event>{{0x90, 60, 127},
                                                    {0xC0, 0, 0},
                                                    {0xC0, 127, 0},
                                                    {0x80, 60, 0},
                                                    {0xC0, 0, 0},
                                                    {0xC0, 127, 0}}));
}

TEST(SoundControllerInstruments, TableHoldsTheGeneralMidiNamesAtTheirProgramNumbers) {
    const SoundController::InstrumentTable& table = SoundController::instruments();
    ASSERT_EQ(table.size(), 129u);
    EXPECT_FALSE(table[0].has_value());
    for (std::size_t i = 1; i <= 128; ++i) {
        ASSERT_TRUE(table[i].has_value()) << i;
        EXPECT_FALSE(table[i]->empty()) << i;
    }
    const std::vector<std::pair<int, std::string>> spellings{
        {1, "Acoustic Grand Piano"}, {8, "Clavi"},           {17, "Drawbar Organ"},
        {32, "Guitar harmonics"},    {51, "SynthStrings 1"}, {52, "SynthStrings 2"},
        {63, "SynthBrass 1"},        {64, "SynthBrass 2"},   {88, "Lead 8 (bass + lead)"},
        {104, "FX 8 (sci-fi)"},      {110, "Bag pipe"},      {112, "Shanai"},
        {113, "Tinkle Bell"},        {114, "Agogo"},         {128, "Gunshot"}};
    for (const auto& [n, name] : spellings) {
        EXPECT_EQ(*table[static_cast<std::size_t>(n)], name) << n;
    }
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= 128; ++i) {
        names.push_back(*table[i]);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << "names are unique";
    EXPECT_EQ(&table, &SoundController::instruments()) << "built once";
}

// Every call a silent controller must still accept without sending anything.
void playEverything(SoundController& sound) {
    sound.playNote(60);
    sound.endNote(60);
    sound.playNote(61);
    sound.setInstrument(5);
    sound.setMuted(true);
    sound.setMuted(false);
    sound.endAllNotes();
}

struct FailingStep {
    AudioStep::Kind kind;
    int occurrence;
    const char* wording;
};

class SoundControllerFailureTest : public ::testing::TestWithParam<FailingStep> {};

TEST_P(SoundControllerFailureTest, FailingStepLeavesASilentControllerAndOneLine) {
    const FailingStep step = GetParam();
    auto journal = std::make_shared<AudioJournal>();
    journal->failAt(step.kind, step.occurrence, -4242);
    journal->lastError = "no General MIDI sound font found in /nowhere";
    ::testing::internal::CaptureStderr();
    SoundController sound(std::make_unique<FakeAudioSystem>(journal));
    playEverything(sound);
    const std::string err = ::testing::internal::GetCapturedStderr();

    // Nothing after the failing step was attempted; the graph, if any, is gone.
    std::size_t failedAt = 0;
    int seen = 0;
    for (std::size_t i = 0; i < journal->steps.size(); ++i) {
        if (journal->steps[i].kind == step.kind && ++seen == step.occurrence) {
            failedAt = i;
            break;
        }
    }
    ASSERT_EQ(seen, step.occurrence);
    std::vector<AudioStep> after(journal->steps.begin() + static_cast<long>(failedAt) + 1,
                                 journal->steps.end());
    if (step.kind != AudioStep::NewGraph) {
        ASSERT_EQ(after.size(), 1u);
        EXPECT_EQ(after[0].kind, AudioStep::GraphDestroyed);
    } else {
        EXPECT_TRUE(after.empty());
    }
    EXPECT_EQ(journal->count(AudioStep::MidiEvent), 0);
    EXPECT_EQ(journal->count(AudioStep::Start), 0);
    EXPECT_EQ(sound.synthUnit(), nullptr);
    sound.playNote(62);
    EXPECT_EQ(sound.soundingNoteCount(), 1u) << "bookkeeping goes on without a synthesiser";

    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find(step.wording), std::string::npos) << err;
    EXPECT_NE(err.find("status -4242"), std::string::npos) << err;
    EXPECT_NE(err.find("MIDI output goes on"), std::string::npos) << err;
    if (step.kind != AudioStep::NewGraph) {
        EXPECT_NE(err.find("no General MIDI sound font found in /nowhere"), std::string::npos)
            << err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, SoundControllerFailureTest,
    ::testing::Values(FailingStep{AudioStep::NewGraph, 1, "creating the audio graph"},
                      FailingStep{AudioStep::AddNode, 1, "adding the synthesiser"},
                      FailingStep{AudioStep::AddNode, 2, "adding the peak limiter"},
                      FailingStep{AudioStep::AddNode, 3, "adding the audio output"},
                      FailingStep{AudioStep::Open, 1, "opening the audio graph"},
                      FailingStep{AudioStep::Connect, 1, "connecting the synthesiser"},
                      FailingStep{AudioStep::Connect, 2, "connecting the limiter"},
                      FailingStep{AudioStep::NodeInfo, 1, "finding the synthesiser unit"}));

TEST(SoundControllerFailure, NodeInfoWithoutAUnitCountsAsFailure) {
    auto journal = std::make_shared<AudioJournal>();
    journal->nodeInfoGivesNoUnit = true;
    ::testing::internal::CaptureStderr();
    SoundController sound(std::make_unique<FakeAudioSystem>(journal));
    playEverything(sound);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(journal->count(AudioStep::Initialize), 0);
    EXPECT_EQ(journal->count(AudioStep::MidiEvent), 0);
    EXPECT_EQ(sound.synthUnit(), nullptr);
    EXPECT_NE(err.find("finding the synthesiser unit"), std::string::npos) << err;
}

TEST(SoundControllerFailure, GraphThatCannotStartIsDroppedAndReported) {
    for (AudioStep::Kind kind : {AudioStep::Initialize, AudioStep::Start}) {
        auto journal = std::make_shared<AudioJournal>();
        journal->failAt(kind, 1, -19);
        journal->lastError = "no audio output could be opened (tried jack, alsa)";
        ::testing::internal::CaptureStderr();
        SoundController sound(std::make_unique<FakeAudioSystem>(journal));
        const std::size_t eventsAtStart = journal->eventsOnly().size();
        playEverything(sound);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(sound.synthUnit(), nullptr);
        EXPECT_EQ(journal->steps.back().kind, AudioStep::GraphDestroyed);
        EXPECT_EQ(journal->eventsOnly().size(), eventsAtStart);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find("no audio output could be opened (tried jack, alsa)"), std::string::npos)
            << err;
    }
}

TEST(SoundControllerFailure, NoAudioSystemAtAllStillGivesAUsableController) {
    ::testing::internal::CaptureStderr();
    SoundController sound(nullptr);
    playEverything(sound);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(sound.synthUnit(), nullptr);
    EXPECT_NE(err.find("MIDI output goes on"), std::string::npos) << err;
}

TEST(SoundControllerFailure, SuccessfulConstructionWritesNothing) {
    auto journal = std::make_shared<AudioJournal>();
    ::testing::internal::CaptureStderr();
    SoundController sound(std::make_unique<FakeAudioSystem>(journal));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

} // namespace
} // namespace tinkella
