// The queue to the JACK MIDI source, cycle by cycle into a real JACK MIDI buffer.
#include "adapters/jack/JackCallbacks.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <vector>

namespace tinkella {

// With no cycle running: the pedal, every note of every channel (one message more than the queue
// holds), every note let go, the pedal up. Only the note-on that found the queue full is refused,
// and once the cycles have carried it all (more than a port's buffer holds) nothing sounds.
TEST(JackCallbacks, AFloodedQueueToTheSourceRefusesOnlyNoteOns) {
    jack_set_error_function([](const char*) {}); // the full buffer's complaint
    JackCallbacks callbacks;
    const auto refused = [&](std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
        return callbacks.queue(MidiMessage{status, data1, data2}) ? 0 : status;
    };
    std::vector<int> refusals = {refused(0xB0, 64, 127)};
    for (int i = 0; i < 2 * 16 * 128; ++i) {
        refusals.push_back(refused((i < 2048 ? 0x90 : 0x80) | i % 2048 / 128, i % 128, 100));
    }
    refusals.push_back(refused(0xB0, 64, 0));
    std::erase(refusals, 0);
    EXPECT_EQ(refusals, std::vector<int>{0x9F});

    alignas(16) static std::array<std::uint8_t, 65536> buffer;
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    jack_midi_reset_buffer(buffer.data()); // as the server sizes a port's
    std::vector<bool> held(16 * 128 + 1);  // channel * 128 + note, then the pedal
    int cycles = 0;
    for (; callbacks.hasQueued() && cycles < 10; ++cycles) {
        callbacks.sendQueued(buffer.data());
        jack_midi_event_t e{};
        for (std::uint32_t i = 0; jack_midi_event_get(&e, buffer.data(), i) == 0; ++i) {
            const bool pedal = (e.buffer[0] & 0xF0) == 0xB0;
            held[pedal ? 16 * 128 : (e.buffer[0] & 0x0F) * 128 + e.buffer[1]] =
                pedal ? e.buffer[2] >= 64 : (e.buffer[0] & 0xF0) == 0x90;
        }
    }
    EXPECT_TRUE(cycles > 1 && !callbacks.hasQueued()) << cycles << " cycles";
    EXPECT_EQ(std::count(held.begin(), held.end(), true), 0);
}

} // namespace tinkella
