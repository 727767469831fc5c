#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tinkella {

// One MIDI 1.0 channel voice message at a moment: bytes as on the wire, status byte first (the
// third byte unused by program change and channel pressure).
struct TimedMessage {
    std::int64_t microseconds = 0; // any origin, shared by every message of a performance
    std::uint8_t bytes[3] = {};
};

// What was played and what arrived, each in time order, up to the moment it was taken.
struct Performance {
    std::vector<TimedMessage> played;
    std::vector<TimedMessage> received;
    std::int64_t end = 0; // microseconds, the same origin; not before the last message
};

// A Standard MIDI File of format 1 at 960 ticks per quarter note: a tempo track (120 beats per
// minute, so one tick is 1/1920 s), then the track "Tinkella" (played) and the track "Tinkella
// In" (received). It starts at the first note: the first note-on of either track is at tick 0,
// and what came before it (the configuration, a pedal, a program) is at tick 0 too, in its order;
// a performance without a note starts at its first message. A note still held at the end is
// ended there (a note-off of velocity 0), as is a sustain pedal still down (controller 64 to 0);
// controllers 120 and 123 end the channel's held notes in the file too, with a note-off each just
// before them, so that every reader pairs every note. No running status. Pure.
std::string standardMidiFile(const Performance& performance);

// Appends value (at most 0x0FFFFFFF; larger values are clamped) as a variable-length quantity:
// seven bits a byte, most significant first, the high bit set on every byte but the last.
void appendVariableLength(std::string& out, std::uint32_t value);

inline constexpr int ticksPerQuarterNote = 960;
inline constexpr int microsecondsPerQuarterNote = 500000;

} // namespace tinkella
