#include "foundation/MidiEventRing.h"

#include "interfaces/MidiMessage.h"

#include <bit>
#include <utility>

namespace tinkella {

namespace {

constexpr std::uint8_t noteOff = ump::noteOffStatus, noteOn = ump::noteOnStatus,
                       controlChange = ump::controlChangeStatus,
                       programChange = ump::programChangeStatus,
                       pitchBendChange = ump::pitchBendStatus;
constexpr std::uint8_t sustainPedal = ump::sustainController,
                       allSoundOff = ump::allSoundOffController,
                       allNotesOff = ump::allNotesOffController;

} // namespace

MidiEventRing::MidiEventRing() {
    for (auto& value : latest_) {
        value.store(noValue, std::memory_order_relaxed);
    }
    takenLatest_.fill(noValue);
}

bool MidiEventRing::fold(Event event) {
    if (!overflowing_) {
        overflowing_ = true;
        overflows_.fetch_add(1, std::memory_order_relaxed);
    }
    const std::size_t channel = event.status & 0x0F;
    const std::uint8_t type = event.status & 0xF0, note = event.data1 & 0x7F;
    if (type == noteOff || (type == noteOn && event.data2 == 0)) {
        noteOffs_[channel * 2 + note / 64].fetch_or(std::uint64_t{1} << (note % 64),
                                                    std::memory_order_relaxed);
    } else if (type == controlChange &&
               (event.data1 == allSoundOff || event.data1 == allNotesOff)) {
        controls_.fetch_or(1U << (channel + (event.data1 == allNotesOff ? 16 : 0)),
                           std::memory_order_relaxed);
    } else if (type == controlChange && event.data1 == sustainPedal) {
        latest_[channel * latestKinds + sustain].store(event.data2, std::memory_order_relaxed);
    } else if (type == programChange) {
        latest_[channel * latestKinds + program].store(event.data1, std::memory_order_relaxed);
    } else if (type == pitchBendChange) {
        latest_[channel * latestKinds + pitchBend].store(
            static_cast<std::uint16_t>(event.data1 | event.data2 << 7), std::memory_order_relaxed);
    } else {
        dropped_.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    // Release: the consumer that sees this count sees the state written above.
    folds_.store(folds_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    return true;
}

// Called with the ring empty and the producer folding, so nothing the producer queues can come
// between what was taken here and what it queued before. A fold whose count is above `folds`
// but whose state is already written is taken now, which only hands it over sooner; one written
// after this take keeps the producer folding (its count is above what is acknowledged) until
// the next take.
bool MidiEventRing::take(std::uint64_t folds) {
    for (std::size_t i = 0; i < noteOffs_.size(); ++i) {
        takenNoteOffs_[i] |= noteOffs_[i].exchange(0, std::memory_order_relaxed);
        hasTaken_ = hasTaken_ || takenNoteOffs_[i] != 0;
    }
    takenControls_ |= controls_.exchange(0, std::memory_order_relaxed);
    hasTaken_ = hasTaken_ || takenControls_ != 0;
    for (std::size_t i = 0; i < latest_.size(); ++i) {
        if (const std::uint16_t value = latest_[i].exchange(noValue, std::memory_order_relaxed);
            value != noValue) {
            takenLatest_[i] = value;
            hasTaken_ = true;
        }
    }
    // Release: the producer queues again only after the exchanges above.
    taken_.store(folds, std::memory_order_release);
    return hasTaken_;
}

// All Sound Off and All Notes Off first, then each channel's latest pedal, then the note-offs,
// then the latest program and pitch bend. The pedal before the note-offs: a note let go under a
// pedal that is down at the end of the flood keeps sounding until the pedal is lifted, as it
// did at the sender, and one let go after the pedal was lifted ends.
bool MidiEventRing::popTaken(Event& event) {
    if (takenControls_ != 0) {
        const int bit = std::countr_zero(takenControls_);
        takenControls_ &= takenControls_ - 1;
        event = {static_cast<std::uint8_t>(controlChange | (bit % 16)),
                 bit < 16 ? allSoundOff : allNotesOff, 0};
        return true;
    }
    if (popLatest(sustain, event)) {
        return true;
    }
    for (std::size_t i = 0; i < takenNoteOffs_.size(); ++i) {
        if (std::uint64_t& notes = takenNoteOffs_[i]; notes != 0) {
            const auto bit = static_cast<std::size_t>(std::countr_zero(notes));
            notes &= notes - 1;
            event = {static_cast<std::uint8_t>(noteOff | i / 2),
                     static_cast<std::uint8_t>(i % 2 * 64 + bit), 0};
            return true;
        }
    }
    if (popLatest(program, event) || popLatest(pitchBend, event)) {
        return true;
    }
    hasTaken_ = false;
    return false;
}

bool MidiEventRing::popLatest(Latest kind, Event& event) {
    for (std::uint8_t channel = 0; channel < channels; ++channel) {
        const std::uint16_t value =
            std::exchange(takenLatest_[channel * latestKinds + kind], noValue);
        if (value == noValue) {
            continue;
        }
        const auto low = static_cast<std::uint8_t>(value & 0x7F);
        switch (kind) {
        case sustain:
            event = {static_cast<std::uint8_t>(controlChange | channel), sustainPedal, low};
            break;
        case program:
            event = {static_cast<std::uint8_t>(programChange | channel), low, 0};
            break;
        default:
            event = {static_cast<std::uint8_t>(pitchBendChange | channel), low,
                     static_cast<std::uint8_t>(value >> 7)};
            break;
        }
        return true;
    }
    return false;
}

} // namespace tinkella
