#include "foundation/MidiEventRing.h"

#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace tinkella {
namespace {

// Numbers 0 .. 2^21 - 1 spread over the three bytes, so order and every byte can be checked.
MidiEventRing::Event eventFor(std::uint32_t n) {
    return {static_cast<std::uint8_t>(0x80 | (n & 0x7F)),
            static_cast<std::uint8_t>((n >> 7) & 0x7F),
            static_cast<std::uint8_t>((n >> 14) & 0x7F)};
}
std::uint32_t numberOf(const MidiEventRing::Event& e) {
    return (e.status & 0x7FU) | static_cast<std::uint32_t>(e.data1) << 7 |
           static_cast<std::uint32_t>(e.data2) << 14;
}

// One producer, one consumer, many wrap-arounds and full rings: every event accepted arrives
// once, in order, and one refused leaves the rest undisturbed.
TEST(MidiEventRing, AcrossTwoThreadsNothingAcceptedIsLostOrReordered) {
    auto ring = std::make_unique<MidiEventRing>();
    constexpr std::uint32_t total = 200000;
    std::thread producer([&] {
        for (std::uint32_t i = 0; i < total; ++i) {
            while (!ring->push(eventFor(i))) {
                std::this_thread::yield();
            }
        }
    });
    MidiEventRing::Event e;
    for (std::uint32_t expected = 0; expected < total;) {
        if (ring->pop(e)) {
            ASSERT_EQ(numberOf(e), expected++);
        } else {
            std::this_thread::yield();
        }
    }
    producer.join();
    EXPECT_TRUE(ring->empty());
}

} // namespace
} // namespace tinkella
