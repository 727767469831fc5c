#include "foundation/MidiEventRing.h"

#include <bitset>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <thread>
#include <tuple>
#include <vector>

namespace tinkella {
namespace {

using Event = MidiEventRing::Event;

// A full ring keeps what ends or shapes sound, after all queued before and before all queued once
// the consumer has taken it (the producer folds until then), and drops note-ons and the rest. The
// same ring twice: a flood of every kind, then one of note-offs alone.
TEST(MidiEventRing, AFullRingFoldsWhatEndsSoundAndHandsItOverInOrder) {
    auto ring = std::make_unique<MidiEventRing>();
    const std::vector<Event> sent = {{0x90, 5, 100},  {0x80, 3, 64}, {0xB0, 7, 90}, {0x92, 100, 0},
                                     {0xB1, 64, 127}, {0xA0, 3, 9},  {0xB1, 64, 0}, {0xB0, 123, 0},
                                     {0xB3, 120, 0},  {0xC1, 5, 0},  {0xC1, 7, 0},  {0xE4, 1, 70}};
    const std::vector<Event> handedOver = {{0xB3, 120, 0}, {0xB0, 123, 0}, {0xB1, 64, 0},
                                           {0x80, 3, 0},   {0x80, 9, 0},   {0x82, 100, 0},
                                           {0xC1, 7, 0},   {0xE4, 1, 70},  {0x90, 61, 100}};
    const std::vector<Event> offs = {{0x80, 3, 64}, {0x92, 100, 0}};
    const std::vector<Event> offsOut = {
        {0x80, 3, 0}, {0x80, 9, 0}, {0x82, 100, 0}, {0x90, 61, 100}};
    Event e;
    for (std::uint64_t round = 1; round <= 2; ++round) {
        const auto& [in, out] = round == 1 ? std::tie(sent, handedOver) : std::tie(offs, offsOut);
        for (std::size_t i = 0; i < MidiEventRing::capacity; ++i) {
            ASSERT_TRUE(ring->push({0x90, static_cast<std::uint8_t>(i % 128), 100}));
        }
        int kept = 0;
        for (const Event& event : in) {
            kept += ring->push(event);
        }
        EXPECT_EQ(kept, round == 1 ? 9 : 2) << "all but the note-on, controller 7 and aftertouch";
        for (std::size_t i = 0; i < MidiEventRing::capacity; ++i) {
            ASSERT_TRUE(ring->pop(e));
            ASSERT_EQ(e, (Event{0x90, static_cast<std::uint8_t>(i % 128), 100}));
            if (i == 0) {
                EXPECT_FALSE(ring->push({0x90, 60, 100})) << "dropped while the fold waits";
                EXPECT_TRUE(ring->push({0x80, 9, 0}));
            }
        }
        for (const Event& expected : out) {
            ASSERT_TRUE(ring->pop(e));
            EXPECT_EQ(e, expected);
            if (&expected == &out.front()) { // taken: the next push is queued behind the rest
                EXPECT_TRUE(ring->push({0x90, 61, 100}));
            }
        }
        EXPECT_TRUE(!ring->pop(e) && ring->empty());
        EXPECT_EQ(ring->dropped(), 3 + round); // those three, and a note-on a round
        EXPECT_EQ(ring->overflows(), round);
    }
}

// Random notes, pedal and numbered aftertouch on four channels in bursts of up to three rings,
// against a consumer taking a few hundred at a time: the numbers accepted arrive once and in
// order, and once the producer has let everything go the consumer holds nothing either.
TEST(MidiEventRing, AFloodedConsumerEndsHoldingWhatTheProducerHolds) {
    auto ring = std::make_unique<MidiEventRing>();
    std::atomic<bool> done{false};
    std::thread producer([&] {
        std::mt19937 random(17);
        std::bitset<4 * 128> held; // channel * 128 + note
        unsigned number = 0;
        const auto send = [&](int status, std::size_t at, std::uint8_t data2) {
            return ring->push({static_cast<std::uint8_t>(status | at / 128),
                               static_cast<std::uint8_t>(at % 128), data2});
        };
        for (int burst = 0; burst < 150; ++burst) {
            for (auto i = random() % (3 * MidiEventRing::capacity); i > 0; --i) {
                const std::size_t at = random() % held.size();
                if (random() % 16 == 0) {
                    send(0xB0, at / 128 * 128 + 64, random() % 2 * 127);
                } else if (random() % 16 == 0) {
                    number += send(0xA0, 0, number % 128);
                } else if (held[at]) {
                    send(random() % 2 ? 0x90 : 0x80, at, 0);
                    held[at] = false;
                } else {
                    held[at] = send(0x90, at, 100);
                }
            }
            std::this_thread::yield();
        }
        for (std::size_t at = 0; at < held.size(); ++at) {
            at % 128 == 64 && send(0xB0, at, 0);
            held[at] && send(0x80, at, 0);
        }
        done = true;
    });
    std::bitset<4 * 128> sounding;
    std::bitset<4> pedal;
    unsigned number = 0;
    Event e;
    while (!done || !ring->empty()) {
        for (int taken = 0; taken < 300 && ring->pop(e); ++taken) {
            const std::size_t channel = e.status & 0x0F, at = channel * 128 + e.data1;
            if ((e.status & 0xF0) == 0xA0) {
                ASSERT_EQ(e.data2, number++ % 128);
            } else if ((e.status & 0xF0) == 0xB0) {
                pedal.set(channel, e.data2 >= 64); // out of range: throws
            } else {
                sounding.set(at, (e.status & 0xF0) == 0x90 && e.data2 > 0);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    producer.join();
    EXPECT_TRUE(sounding.none() && pedal.none()) << sounding << ' ' << pedal;
    EXPECT_GT(ring->overflows(), 0U) << "the consumer kept up: no flood was tested";
}

} // namespace
} // namespace tinkella
