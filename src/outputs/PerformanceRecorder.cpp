#include "outputs/PerformanceRecorder.h"

#include "interfaces/MidiMessage.h"

#include <algorithm>
#include <utility>

namespace tinkella {

PerformanceRecorder& PerformanceRecorder::shared() {
    static PerformanceRecorder recorder;
    return recorder;
}

std::int64_t PerformanceRecorder::steadyMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::size_t PerformanceRecorder::memoryBytes() {
    static_assert(sizeof(Event) == eventBytes);
    return sizeof(PerformanceRecorder) + capacity * sizeof(Event);
}

// Default-initialised, so that the kernel gives the ring's pages only as they are written.
PerformanceRecorder::PerformanceRecorder(Clock clock)
    : clock_(std::move(clock)), events_(new Event[capacity]) {
    static_assert(sizeof(PerformanceRecorder) + capacity * sizeof(Event) <= memoryBound);
}

void PerformanceRecorder::played(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    const std::uint8_t bytes[] = {status, ump::wireDataByte(data1), ump::wireDataByte(data2)};
    if (ump::midi1WordFromBytes(bytes, sizeof bytes) != 0) {
        record(bytes, false);
    }
}

void PerformanceRecorder::received(const std::uint8_t* bytes, std::size_t size) {
    const std::uint32_t word = ump::midi1WordFromBytes(bytes, size);
    if (word != 0) {
        const std::uint8_t kept[] = {ump::statusByte(word), ump::data1(word), ump::data2(word)};
        record(kept, true);
    }
}

std::int64_t PerformanceRecorder::age(const Event& event, std::int64_t now) {
    return static_cast<std::uint32_t>(static_cast<std::uint32_t>(now) - event.time);
}

void PerformanceRecorder::record(const std::uint8_t* bytes, bool received) {
    const std::int64_t now = clock_();
    // After a silence longer than the window everything kept is too old, and a wrapped time
    // could no longer say so.
    if (count_ > 0 && now - newest_ > keptMicroseconds) {
        count_ = 0;
    }
    while (count_ > 0 && age(events_[oldest_], now) > keptMicroseconds) {
        oldest_ = (oldest_ + 1) % capacity;
        --count_;
    }
    if (count_ == capacity) {
        oldest_ = (oldest_ + 1) % capacity;
        --count_;
    }
    events_[(oldest_ + count_) % capacity] = {static_cast<std::uint32_t>(now),
                                              {bytes[0], bytes[1], bytes[2]},
                                              static_cast<std::uint8_t>(received)};
    ++count_;
    newest_ = now;
}

Performance PerformanceRecorder::performance() const {
    Performance performance;
    performance.end = clock_();
    if (count_ == 0 || performance.end - newest_ > keptMicroseconds) {
        return performance;
    }
    performance.played.reserve(count_);
    for (std::size_t i = 0; i < count_; ++i) {
        const Event& event = events_[(oldest_ + i) % capacity];
        const std::int64_t age = PerformanceRecorder::age(event, performance.end);
        if (age <= keptMicroseconds) {
            auto& track = event.received ? performance.received : performance.played;
            track.push_back(
                {performance.end - age, {event.bytes[0], event.bytes[1], event.bytes[2]}});
        }
    }
    return performance;
}

} // namespace tinkella
