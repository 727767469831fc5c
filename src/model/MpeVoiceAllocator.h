#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

namespace tinkella {

// Hands each sounding note a member channel of the lower MPE zone: channel 0 (the first MIDI
// channel) manages the zone, channels 1..15 carry one note each. A new note takes the member
// channel that has been free longest; with all fifteen busy, the note that started first gives
// its channel up. Main thread only.
class MpeVoiceAllocator {
public:
    static constexpr std::uint8_t managerChannel = 0;
    static constexpr std::uint8_t firstMemberChannel = 1;
    static constexpr std::uint8_t memberChannelCount = 15;

    struct Allocation {
        std::uint8_t channel;
        // The note that had the channel and must end first, when all fifteen were busy.
        std::optional<std::uint8_t> endedNote;
    };

    MpeVoiceAllocator();

    // A channel for note (0..127), which must not hold one already.
    Allocation allocate(std::uint8_t note);
    // The channel note held, now free; absent when it held none.
    std::optional<std::uint8_t> release(std::uint8_t note);
    std::optional<std::uint8_t> channelOf(std::uint8_t note) const;
    // (note, channel) of every sounding note, oldest first.
    const std::vector<std::pair<std::uint8_t, std::uint8_t>>& busy() const { return busy_; }
    // Every channel free again, in channel order.
    void reset();

private:
    std::deque<std::uint8_t> free_; // front: free longest
    std::vector<std::pair<std::uint8_t, std::uint8_t>> busy_;
};

} // namespace tinkella
