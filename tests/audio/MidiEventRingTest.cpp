#include "foundation/MidiEventRing.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace tinkella {
namespace {

MidiEventRing::Event eventFor(std::uint32_t n) {
    return {static_cast<std::uint8_t>(0x80 | (n & 0x7F)),
            static_cast<std::uint8_t>((n >> 7) & 0x7F),
            static_cast<std::uint8_t>((n >> 14) & 0x7F)};
}

std::uint32_t numberOf(const MidiEventRing::Event& e) {
    return static_cast<std::uint32_t>(e.status & 0x7F) | static_cast<std::uint32_t>(e.data1) << 7 |
           static_cast<std::uint32_t>(e.data2) << 14;
}

TEST(MidiEventRing, KeepsOrderAndAllThreeBytes) {
    auto ring = std::make_unique<MidiEventRing>();
    EXPECT_TRUE(ring->empty());
    ASSERT_TRUE(ring->push({0x90, 60, 127}));
    ASSERT_TRUE(ring->push({0xC0, 127, 0}));
    MidiEventRing::Event e;
    ASSERT_TRUE(ring->pop(e));
    EXPECT_EQ(e.status, 0x90);
    EXPECT_EQ(e.data1, 60);
    EXPECT_EQ(e.data2, 127);
    ASSERT_TRUE(ring->pop(e));
    EXPECT_EQ(e.status, 0xC0);
    EXPECT_EQ(e.data1, 127);
    EXPECT_FALSE(ring->pop(e));
    EXPECT_TRUE(ring->empty());
}

TEST(MidiEventRing, FullRingDropsAndCountsTheNewestWithoutDisturbingTheRest) {
    auto ring = std::make_unique<MidiEventRing>();
    for (std::uint32_t i = 0; i < MidiEventRing::capacity; ++i) {
        ASSERT_TRUE(ring->push(eventFor(i)));
    }
    EXPECT_FALSE(ring->push(eventFor(999999)));
    EXPECT_FALSE(ring->push(eventFor(999998)));
    EXPECT_EQ(ring->dropped(), 2u);
    MidiEventRing::Event e;
    for (std::uint32_t i = 0; i < MidiEventRing::capacity; ++i) {
        ASSERT_TRUE(ring->pop(e));
        ASSERT_EQ(numberOf(e), i);
    }
    EXPECT_FALSE(ring->pop(e));
    EXPECT_TRUE(ring->push(eventFor(5)));
}

// One producer, one consumer, many wrap-arounds: every event accepted arrives once, in order.
TEST(MidiEventRing, AcrossTwoThreadsNothingAcceptedIsLostOrReordered) {
    auto ring = std::make_unique<MidiEventRing>();
    constexpr std::uint32_t total = 200000;
    std::uint32_t accepted = 0;
    std::thread producer([&] {
        for (std::uint32_t i = 0; i < total; ++i) {
            while (!ring->push(eventFor(accepted))) {
                std::this_thread::yield();
            }
            ++accepted;
        }
    });
    std::uint32_t expected = 0;
    MidiEventRing::Event e;
    while (expected < total) {
        if (ring->pop(e)) {
            ASSERT_EQ(numberOf(e), expected);
            ++expected;
        } else {
            std::this_thread::yield();
        }
    }
    producer.join();
    EXPECT_EQ(accepted, total);
    EXPECT_TRUE(ring->empty());
}

} // namespace
} // namespace tinkella
