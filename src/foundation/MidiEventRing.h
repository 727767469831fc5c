#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace tinkella {

// Three-byte MIDI channel messages from one producer thread to one consumer thread (the main
// thread to the audio thread, a JACK process callback to the main thread). Lock-free and
// allocation-free on both sides: a full ring drops the new event and counts it rather than wait.
class MidiEventRing {
public:
    struct Event {
        std::uint8_t status = 0;
        std::uint8_t data1 = 0;
        std::uint8_t data2 = 0;
    };
    static constexpr std::size_t capacity = 1024; // a power of two

    // Producer only. False (and counted) when the ring is full.
    bool push(Event event) {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail - head_.load(std::memory_order_acquire) == capacity) {
            dropped_.fetch_add(1, std::memory_order_relaxed);
            return false;
        }
        slots_[tail & (capacity - 1)] = static_cast<std::uint32_t>(event.status) |
                                        static_cast<std::uint32_t>(event.data1) << 8 |
                                        static_cast<std::uint32_t>(event.data2) << 16;
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }

    // Consumer only. False when nothing is waiting.
    bool pop(Event& event) {
        const std::size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire)) {
            return false;
        }
        const std::uint32_t word = slots_[head & (capacity - 1)];
        event.status = static_cast<std::uint8_t>(word);
        event.data1 = static_cast<std::uint8_t>(word >> 8);
        event.data2 = static_cast<std::uint8_t>(word >> 16);
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

    // Either side; a snapshot.
    bool empty() const {
        return head_.load(std::memory_order_acquire) == tail_.load(std::memory_order_acquire);
    }
    std::uint64_t dropped() const { return dropped_.load(std::memory_order_relaxed); }

private:
    std::array<std::uint32_t, capacity> slots_{};
    alignas(64) std::atomic<std::size_t> head_{0};
    alignas(64) std::atomic<std::size_t> tail_{0};
    alignas(64) std::atomic<std::uint64_t> dropped_{0};
};

} // namespace tinkella
