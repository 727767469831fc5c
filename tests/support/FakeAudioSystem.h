#pragma once

#include "interfaces/AudioGraph.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tinkella::testing {

// One call that reached the fake audio system; for a MidiEvent, a to d are the status, data 1,
// data 2 and frame offset.
struct AudioStep {
    enum Kind {
        NewGraph,
        AddNode,
        Open,
        Connect,
        NodeInfo,
        Initialize,
        Start,
        MidiEvent,
        GraphDestroyed
    };
    Kind kind;
    std::uint32_t a = 0, b = 0, c = 0, d = 0;
};

// What the fake records and how it misbehaves; shared by the system, its graphs and the test.
struct AudioJournal {
    std::vector<AudioStep> steps;
    // The occurrence (1 = first, 0 = none) of failKind answers failStatus instead of 0.
    AudioStep::Kind failKind = AudioStep::MidiEvent;
    int failOccurrence = 0;
    OSStatus failStatus = 0;
    bool nodeInfoGivesNoUnit = false; // nodeInfo succeeds but hands back no unit
    std::string lastError;
    std::vector<std::string> soundFonts; // every replaceSoundFont path, in order
    std::string unloadableFont;          // this path fails to load

    OSStatus record(AudioStep step) {
        steps.push_back(step);
        return step.kind == failKind && count(failKind) == failOccurrence ? failStatus : 0;
    }
    int count(AudioStep::Kind kind) const {
        return static_cast<int>(std::count_if(
            steps.begin(), steps.end(), [kind](const AudioStep& s) { return s.kind == kind; }));
    }
};

class FakeAudioGraph : public AudioGraph, public MusicDevice {
public:
    explicit FakeAudioGraph(std::shared_ptr<AudioJournal> journal) : journal_(std::move(journal)) {}
    ~FakeAudioGraph() override { journal_->steps.push_back({AudioStep::GraphDestroyed}); }

    OSStatus addNode(const AudioComponentDescription&, AUNode& node) override {
        node = ++nodes_;
        return journal_->record({AudioStep::AddNode});
    }
    OSStatus open() override { return journal_->record({AudioStep::Open}); }
    OSStatus connectNodeInput(AUNode, std::uint32_t, AUNode, std::uint32_t) override {
        return journal_->record({AudioStep::Connect});
    }
    OSStatus nodeInfo(AUNode, MusicDevice*& unit) override {
        const OSStatus status = journal_->record({AudioStep::NodeInfo});
        unit = status == 0 && !journal_->nodeInfoGivesNoUnit ? this : nullptr;
        return status;
    }
    OSStatus initialize() override { return journal_->record({AudioStep::Initialize}); }
    OSStatus start() override { return journal_->record({AudioStep::Start}); }
    std::string lastError() const override { return journal_->lastError; }
    std::string replaceSoundFont(const std::string& path) override {
        journal_->soundFonts.push_back(path);
        return path == journal_->unloadableFont ? "the sound font " + path + ": no such file"
                                                : std::string();
    }
    OSStatus midiEvent(std::uint32_t status, std::uint32_t data1, std::uint32_t data2,
                       std::uint32_t offset) override {
        return journal_->record({AudioStep::MidiEvent, status, data1, data2, offset});
    }

private:
    std::shared_ptr<AudioJournal> journal_;
    AUNode nodes_ = 0;
};

class FakeAudioSystem : public AudioSystem {
public:
    explicit FakeAudioSystem(std::shared_ptr<AudioJournal> journal)
        : journal_(std::move(journal)) {}
    OSStatus newGraph(std::unique_ptr<AudioGraph>& graph) override {
        const OSStatus status = journal_->record({AudioStep::NewGraph});
        graph = status == 0 ? std::make_unique<FakeAudioGraph>(journal_) : nullptr;
        return status;
    }

private:
    std::shared_ptr<AudioJournal> journal_;
};

} // namespace tinkella::testing
