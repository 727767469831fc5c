#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace tinkella {

// The MPE zone the keyboard plays in: its manager channel and member channels (0 is the first
// MIDI channel), and the member channels' pitch-bend range.
struct MpeZone {
    static constexpr std::uint8_t maximumMembers = 15;
    static constexpr std::uint8_t maximumBendRange = 96;

    // The lower zone is managed on the first channel, its members counting up from the second;
    // the upper zone on the sixteenth, its members counting down from the fifteenth.
    bool upper = false;
    std::uint8_t members = maximumMembers; // 1..15
    std::uint8_t bendRange = 48;           // semitones, 1..96

    std::uint8_t manager() const { return upper ? 15 : 0; }
    // Member channel i (0 .. members - 1).
    std::uint8_t member(std::uint8_t i) const {
        return static_cast<std::uint8_t>(upper ? 14 - i : 1 + i);
    }
    bool operator==(const MpeZone&) const = default;
};

// Hands each sounding note a member channel of its zone (one, or two beside a keyboard split). A
// new note takes the zone's member channel that has been free longest; with all of them busy, the
// zone's note that started first gives its channel up. Main thread only.
class MpeVoiceAllocator {
public:
    struct Allocation {
        std::uint8_t channel;
        // The note that had the channel and must end first, when all members were busy.
        std::optional<std::uint8_t> endedNote;
    };

    MpeVoiceAllocator();

    // A channel of zone (an index into the zones of reset(); the first beyond them) for note
    // (0..127), which must not hold one already.
    Allocation allocate(std::uint8_t note, std::size_t zone = 0);
    // The channel note held, now free; absent when it held none.
    std::optional<std::uint8_t> release(std::uint8_t note);
    std::optional<std::uint8_t> channelOf(std::uint8_t note) const;
    // (note, channel) of every sounding note, oldest first.
    const std::vector<std::pair<std::uint8_t, std::uint8_t>>& busy() const { return busy_; }
    // Every member channel of zone free again, in the zone's order.
    void reset(const MpeZone& zone) { reset(std::span(&zone, 1)); }
    // The same for one or two zones, whose members do not overlap.
    void reset(std::span<const MpeZone> zones);

private:
    static constexpr std::size_t mostZones = 2;
    std::array<std::deque<std::uint8_t>, mostZones> free_{}; // by zone; front: free longest
    std::array<std::uint8_t, 16> zoneOf_{};                  // by member channel
    std::size_t zones_ = 1;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> busy_;
};

} // namespace tinkella
