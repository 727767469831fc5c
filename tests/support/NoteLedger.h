#pragma once

#include "interfaces/MidiMessage.h"
#include "support/FakeMidiPort.h"
#include "support/FakeSynthesizer.h"

#include <algorithm>
#include <array>
#include <set>

namespace tinkella::testing {

// What a listener on the far side of an output holds, from the first channel's notes and pedal
// alone; while the pedal is down, ended notes ring on. A count above one is a note started twice
// without an end: a second voice. All Sound Off (120) silences everything.
class NoteLedger {
public:
    bool pedalDown() const { return pedal_; }
    std::set<std::uint32_t> held() const {
        std::set<std::uint32_t> notes;
        for (std::uint32_t n = 0; n < counts_.size(); ++n) {
            if (counts_[n] > 0) {
                notes.insert(n);
            }
        }
        return notes;
    }
    int maxCount() const { return *std::max_element(counts_.begin(), counts_.end()); }
    std::uint64_t noteOns = 0;

protected:
    void channelMessage(std::uint32_t status, std::uint32_t data1, std::uint32_t data2) {
        pedal_ = status == 0xB0U && data1 == 64 ? data2 >= 64 : pedal_;
        status == 0xB0U && data1 == 120 ? counts_.fill(0) : void();
        if ((status & 0xEFU) != 0x80U || data1 >= counts_.size()) { // first channel only
            return;
        }
        if (status == 0x90U && data2 > 0) {
            ++counts_[data1];
            ++noteOns;
        } else if (counts_[data1] > 0) {
            --counts_[data1];
        }
    }

private:
    std::array<int, 128> counts_{};
    bool pedal_ = false;
};

// A MIDI receiver on the virtual source: every word the fake MIDI system was handed arrives.
class MidiReceiverLedger : public NoteLedger {
public:
    void catchUp(const FakeMidiPort& system) {
        for (; seen_ < system.sent.size(); ++seen_) {
            const std::uint32_t word = system.sent[seen_];
            if (ump::messageType(word) == ump::midi1ChannelVoiceType) {
                channelMessage(ump::statusByte(word), ump::data1(word), ump::data2(word));
            }
        }
    }

private:
    std::size_t seen_ = 0;
};

// The synthesiser's own view. forget() counts the journal's steps and clears them.
class SynthLedger : public NoteLedger {
public:
    void forget(AudioJournal& journal) {
        for (const AudioStep& step : journal.steps) {
            if (step.kind == AudioStep::MidiEvent) {
                channelMessage(step.a, step.b, step.c);
            }
        }
        journal.steps.clear();
    }
};

} // namespace tinkella::testing
