#pragma once

#include "interfaces/AudioGraph.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tinkella::testing {

// One call that reached the fake audio system, in the order it happened.
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
        GraphDestroyed,
    };
    Kind kind;
    // AddNode: the description's type and subtype; Connect: source node, source bus,
    // destination node, destination bus; NodeInfo: the node; MidiEvent: status, data 1,
    // data 2, frame offset.
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    std::uint32_t c = 0;
    std::uint32_t d = 0;
};

// What the fake records and how it misbehaves; shared by the system, its graphs and the test.
struct AudioJournal {
    std::vector<AudioStep> steps;
    // The occurrence (1 = first) of failKind that returns failStatus instead of 0.
    AudioStep::Kind failKind = AudioStep::MidiEvent;
    int failOccurrence = 0;
    OSStatus failStatus = 0;
    // nodeInfo answers success but hands back no unit.
    bool nodeInfoGivesNoUnit = false;
    std::string lastError;

    void failAt(AudioStep::Kind kind, int occurrence, OSStatus status) {
        failKind = kind;
        failOccurrence = occurrence;
        failStatus = status;
    }

    OSStatus record(AudioStep step) {
        steps.push_back(step);
        if (failOccurrence > 0 && step.kind == failKind && count(step.kind) == failOccurrence) {
            return failStatus;
        }
        return 0;
    }

    int count(AudioStep::Kind kind) const {
        int n = 0;
        for (const AudioStep& s : steps) {
            n += s.kind == kind ? 1 : 0;
        }
        return n;
    }

    std::vector<AudioStep> eventsOnly() const {
        std::vector<AudioStep> events;
        for (const AudioStep& s : steps) {
            if (s.kind == AudioStep::MidiEvent) {
                events.push_back(s);
            }
        }
        return events;
    }

    // Position of the first step of this kind, or -1.
    int indexOf(AudioStep::Kind kind) const {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (steps[i].kind == kind) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

class FakeMusicDevice : public MusicDevice {
public:
    explicit FakeMusicDevice(std::shared_ptr<AudioJournal> journal)
        : journal_(std::move(journal)) {}
    OSStatus midiEvent(std::uint32_t status, std::uint32_t data1, std::uint32_t data2,
                       std::uint32_t offsetSampleFrame) override {
        return journal_->record({AudioStep::MidiEvent, status, data1, data2, offsetSampleFrame});
    }

private:
    std::shared_ptr<AudioJournal> journal_;
};

class FakeAudioGraph : public AudioGraph {
public:
    explicit FakeAudioGraph(std::shared_ptr<AudioJournal> journal)
        : journal_(std::move(journal)), device_(journal_) {}
    ~FakeAudioGraph() override { journal_->steps.push_back({AudioStep::GraphDestroyed}); }

    OSStatus addNode(const AudioComponentDescription& description, AUNode& node) override {
        node = nextNode_++;
        return journal_->record(
            {AudioStep::AddNode, description.componentType, description.componentSubType});
    }
    OSStatus open() override { return journal_->record({AudioStep::Open}); }
    OSStatus connectNodeInput(AUNode sourceNode, std::uint32_t sourceOutput, AUNode destNode,
                              std::uint32_t destInput) override {
        return journal_->record({AudioStep::Connect, static_cast<std::uint32_t>(sourceNode),
                                 sourceOutput, static_cast<std::uint32_t>(destNode), destInput});
    }
    OSStatus nodeInfo(AUNode node, MusicDevice*& unit) override {
        OSStatus status = journal_->record({AudioStep::NodeInfo, static_cast<std::uint32_t>(node)});
        unit = status == 0 && !journal_->nodeInfoGivesNoUnit ? &device_ : nullptr;
        return status;
    }
    OSStatus initialize() override { return journal_->record({AudioStep::Initialize}); }
    OSStatus start() override { return journal_->record({AudioStep::Start}); }
    std::string lastError() const override { return journal_->lastError; }

private:
    std::shared_ptr<AudioJournal> journal_;
    FakeMusicDevice device_;
    AUNode nextNode_ = 1;
};

class FakeAudioSystem : public AudioSystem {
public:
    explicit FakeAudioSystem(std::shared_ptr<AudioJournal> journal)
        : journal_(std::move(journal)) {}
    OSStatus newGraph(std::unique_ptr<AudioGraph>& graph) override {
        OSStatus status = journal_->record({AudioStep::NewGraph});
        if (status == 0) {
            graph = std::make_unique<FakeAudioGraph>(journal_);
        }
        return status;
    }

private:
    std::shared_ptr<AudioJournal> journal_;
};

} // namespace tinkella::testing
