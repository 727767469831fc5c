#pragma once

#include "interfaces/MidiMessage.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace tinkella {

// Three-byte MIDI channel messages from one producer thread to one consumer thread (the main
// thread to the audio thread, a JACK process callback to the main thread). Lock-free and
// allocation-free on both sides, and neither side ever waits.
//
// A flood never leaves a note hanging: when the ring is full, what ends or shapes sound is
// folded into a fixed overflow state instead of queued: per channel the set of notes to end
// (note-off, or note-on of velocity 0), controllers 120 and 123 as flags, and the latest sustain
// pedal (controller 64), program and pitch bend. Only note-ons and other messages are dropped,
// and counted. The consumer receives the folded state as ordinary messages (note-offs of
// velocity 0 and the latest values) after every message queued before the overflow and before
// any queued after it: once the producer has folded, it keeps folding until the consumer has
// taken what was folded.
class MidiEventRing {
public:
    using Event = MidiMessage;
    static constexpr std::size_t capacity = 2048; // a power of two

    MidiEventRing();

    // Producer only. True when the event will reach the consumer, queued or folded; false when
    // it was dropped (counted in dropped()).
    bool push(Event event) {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        // Acquire: what the consumer took before acknowledging is never folded into again.
        if (folds_.load(std::memory_order_relaxed) != taken_.load(std::memory_order_acquire) ||
            tail - head_.load(std::memory_order_acquire) == capacity) {
            return fold(event);
        }
        slots_[tail & (capacity - 1)] = static_cast<std::uint32_t>(event.status) |
                                        static_cast<std::uint32_t>(event.data1) << 8 |
                                        static_cast<std::uint32_t>(event.data2) << 16;
        tail_.store(tail + 1, std::memory_order_release);
        overflowing_ = false;
        return true;
    }

    // Consumer only. False when nothing is waiting.
    bool pop(Event& event) {
        if (hasTaken_ && popTaken(event)) {
            return true;
        }
        // The fold count first: every message queued before those folds is then seen below.
        const std::uint64_t folds = folds_.load(std::memory_order_acquire);
        const std::size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire)) {
            return folds != taken_.load(std::memory_order_relaxed) && take(folds) &&
                   popTaken(event);
        }
        const std::uint32_t word = slots_[head & (capacity - 1)];
        event.status = static_cast<std::uint8_t>(word);
        event.data1 = static_cast<std::uint8_t>(word >> 8);
        event.data2 = static_cast<std::uint8_t>(word >> 16);
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

    // Consumer only: nothing is queued, folded or left to hand over.
    bool empty() const {
        return !hasTaken_ && head_.load(std::memory_order_relaxed) == tail_.load() &&
               folds_.load() == taken_.load(std::memory_order_relaxed);
    }
    // Either side; snapshots. Messages dropped, and overflows (runs of messages that found the
    // ring full, each ended by one that was queued).
    std::uint64_t dropped() const { return dropped_.load(std::memory_order_relaxed); }
    std::uint64_t overflows() const { return overflows_.load(std::memory_order_relaxed); }

private:
    static constexpr std::size_t channels = 16;
    static constexpr std::uint16_t noValue = 0xFFFF;
    enum Latest : std::size_t { sustain, program, pitchBend, latestKinds };

    bool fold(Event event);                    // producer
    bool take(std::uint64_t folds);            // consumer: moves the overflow state into taken*_
    bool popTaken(Event& event);               // consumer
    bool popLatest(Latest kind, Event& event); // consumer

    std::array<std::uint32_t, capacity> slots_{};
    alignas(64) std::atomic<std::size_t> head_{0};
    alignas(64) std::atomic<std::size_t> tail_{0};
    // Producer's: folds so far; consumer's: the fold count its latest take covered.
    alignas(64) std::atomic<std::uint64_t> folds_{0};
    bool overflowing_ = false; // producer's
    std::atomic<std::uint64_t> dropped_{0};
    std::atomic<std::uint64_t> overflows_{0};
    alignas(64) std::atomic<std::uint64_t> taken_{0};

    // The overflow state: written by the producer, emptied by the consumer's take.
    alignas(64) std::array<std::atomic<std::uint64_t>, channels * 2> noteOffs_{}; // 64 notes each
    std::atomic<std::uint32_t> controls_{0}; // bit c: 120 on channel c; bit 16 + c: 123
    std::array<std::atomic<std::uint16_t>, channels * latestKinds> latest_;

    // The consumer's share, handed out one message per pop.
    alignas(64) bool hasTaken_ = false;
    std::array<std::uint64_t, channels * 2> takenNoteOffs_{};
    std::uint32_t takenControls_ = 0;
    std::array<std::uint16_t, channels * latestKinds> takenLatest_;
};

} // namespace tinkella
