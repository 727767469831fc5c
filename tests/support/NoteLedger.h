#pragma once

#include "support/FakeAudioSystem.h"
#include "support/FakeMidiSystem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

namespace tinkella::testing {

// What a listener on the far side of an output holds, rebuilt from the messages it received
// alone: a note-on raises the note's count, a note-off (or a note-on of velocity 0) lowers it
// when it is above zero. A count above one means a note was started twice without an end in
// between, which a real receiver answers with a second voice. The sustain pedal (controller 64)
// keeps a note ended while it is down ringing until it goes up; All Notes Off (123) ends every
// note as a note-off would, All Sound Off (120) silences everything at once. Only the first channel
// counts; messages on others are tallied as strays.
class NoteLedger {
public:
    static constexpr std::size_t noteCount = 128;

    void noteOn(std::uint32_t channel, std::uint32_t note, std::uint32_t velocity) {
        if (channel != 0 || note >= noteCount) {
            ++strayMessages;
            return;
        }
        if (velocity == 0) {
            noteOff(channel, note);
            return;
        }
        ++counts_[note];
        ++noteOns;
    }
    void noteOff(std::uint32_t channel, std::uint32_t note) {
        if (channel != 0 || note >= noteCount) {
            ++strayMessages;
            return;
        }
        if (counts_[note] > 0) {
            --counts_[note];
            if (counts_[note] == 0 && pedalDown_) {
                ringing_.insert(note);
            }
        } else {
            ++unmatchedNoteOffs;
        }
        ++noteOffs;
    }

    // Notes with a count above zero.
    std::set<std::uint32_t> held() const {
        std::set<std::uint32_t> notes;
        for (std::uint32_t n = 0; n < noteCount; ++n) {
            if (counts_[n] > 0) {
                notes.insert(n);
            }
        }
        return notes;
    }
    // Notes ended while the pedal was down, still ringing under it.
    const std::set<std::uint32_t>& ringing() const { return ringing_; }
    int count(std::uint32_t note) const { return note < noteCount ? counts_[note] : 0; }
    // The highest count of any note.
    int maxCount() const {
        int highest = 0;
        for (int c : counts_) {
            highest = c > highest ? c : highest;
        }
        return highest;
    }

    std::uint64_t noteOns = 0;
    std::uint64_t noteOffs = 0;
    std::uint64_t unmatchedNoteOffs = 0;
    std::uint64_t strayMessages = 0;

protected:
    void channelMessage(std::uint32_t status, std::uint32_t data1, std::uint32_t data2) {
        const std::uint32_t kind = status & 0xF0U;
        const std::uint32_t channel = status & 0x0FU;
        if (kind == 0x90U) {
            noteOn(channel, data1, data2);
        } else if (kind == 0x80U) {
            noteOff(channel, data1);
        } else if (kind == 0xB0U && channel == 0) {
            controlChange(data1, data2);
        }
    }

private:
    void controlChange(std::uint32_t controller, std::uint32_t value) {
        if (controller == 64) {
            pedalDown_ = value >= 64;
            if (!pedalDown_) {
                ringing_.clear();
            }
        } else if (controller == 123) {
            for (std::uint32_t n = 0; n < noteCount; ++n) {
                if (counts_[n] > 0 && pedalDown_) {
                    ringing_.insert(n);
                }
            }
            counts_.fill(0);
        } else if (controller == 120) {
            ringing_.clear();
            counts_.fill(0);
        }
    }

    std::array<int, noteCount> counts_{};
    bool pedalDown_ = false;
    std::set<std::uint32_t> ringing_;
};

// A MIDI receiver subscribed to the virtual source: reads the Universal MIDI Packet words the
// fake MIDI system handed over (only those it accepted, as a listener sees nothing else).
class MidiReceiverLedger : public NoteLedger {
public:
    // Takes the packets handed over since the last call. Every packet counts as delivered
    // unless the system was scripted to refuse sends, which the tests using this never do.
    void catchUp(const FakeMidiSystem& system) {
        for (; seen_ < system.sent.size(); ++seen_) {
            for (std::uint32_t word : system.sent[seen_].words) {
                if ((word >> 28) != 0x2U || ((word >> 24) & 0x0FU) != 0) {
                    ++strayMessages;
                    continue;
                }
                channelMessage((word >> 16) & 0xFFU, (word >> 8) & 0xFFU, word & 0xFFU);
            }
        }
    }

private:
    std::size_t seen_ = 0;
};

// The synthesiser's own view: the channel messages its music device received.
class SynthLedger : public NoteLedger {
public:
    // Takes the events recorded since the last call; the journal may be cleared in between
    // only through forget().
    void catchUp(const AudioJournal& journal) {
        for (; seen_ < journal.steps.size(); ++seen_) {
            const AudioStep& step = journal.steps[seen_];
            if (step.kind == AudioStep::MidiEvent) {
                channelMessage(step.a, step.b, step.c);
            }
        }
    }
    // Clears the journal's steps already counted, so a long run does not keep them all.
    void forget(AudioJournal& journal) {
        catchUp(journal);
        journal.steps.clear();
        seen_ = 0;
    }

private:
    std::size_t seen_ = 0;
};

} // namespace tinkella::testing
