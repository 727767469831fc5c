#pragma once

#include "foundation/StandardMidiFile.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace tinkella {

// The last half hour of playing, always kept: every channel voice message the player's keyboard
// sends towards the MIDI output (whether or not it can leave) and every one that arrives at the
// MIDI input, each with the moment it was taken. A fixed ring of 8-byte events, allocated once
// (its pages are touched only as it fills), so that memory stays under 4 MiB whatever is played:
// at the bound, or after half an hour, the oldest events go first. Main thread only, no locks.
class PerformanceRecorder {
public:
    // Microseconds of a monotonic clock; any origin.
    using Clock = std::function<std::int64_t()>;
    static constexpr std::int64_t keptMicroseconds = 30LL * 60 * 1000 * 1000;
    static constexpr std::size_t memoryBound = 4u << 20; // bytes, this object and its ring
    static constexpr std::size_t eventBytes = 8;
    // A little under 512 Ki, leaving the rest of the bound to the object itself.
    static constexpr std::size_t capacity = memoryBound / eventBytes - 64;

    // The process's recorder, on the steady clock.
    static PerformanceRecorder& shared();
    static std::int64_t steadyMicroseconds();

    explicit PerformanceRecorder(Clock clock = steadyMicroseconds);
    PerformanceRecorder(const PerformanceRecorder&) = delete;
    PerformanceRecorder& operator=(const PerformanceRecorder&) = delete;

    // A message of the player: status byte and two data bytes (the second ignored when the
    // status has one). Anything but a channel voice message is not kept.
    void played(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    // A message of the MIDI input as it arrived, status byte first.
    void received(const std::uint8_t* bytes, std::size_t size);

    // What is kept of the last half hour, up to now (the performance's end); the ring is left
    // as it is.
    Performance performance() const;
    // Events in the ring, some possibly older than half an hour until the next one comes.
    std::size_t size() const { return count_; }
    // Bytes this object and its ring take, used or not.
    static std::size_t memoryBytes();

private:
    struct Event {
        std::uint32_t time; // the low 32 bits of the clock's microseconds: wraps every 71 minutes
        std::uint8_t bytes[3];
        std::uint8_t received; // 1: from the MIDI input
    };
    void record(const std::uint8_t* bytes, bool received);
    // Age in microseconds at now of an event kept; right while now is under 71 minutes after
    // it, which the window and forget-on-silence keep true.
    static std::int64_t age(const Event& event, std::int64_t now);

    Clock clock_;
    std::unique_ptr<Event[]> events_;
    std::size_t oldest_ = 0;
    std::size_t count_ = 0;
    std::int64_t newest_ = 0; // the clock at the newest event
};

} // namespace tinkella
