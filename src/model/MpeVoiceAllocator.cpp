#include "model/MpeVoiceAllocator.h"

#include <algorithm>

namespace tinkella {

MpeVoiceAllocator::MpeVoiceAllocator() {
    reset(MpeZone{});
}

void MpeVoiceAllocator::reset(const MpeZone& zone) {
    free_.clear();
    busy_.clear();
    for (std::uint8_t i = 0; i < zone.members; ++i) {
        free_.push_back(zone.member(i));
    }
}

MpeVoiceAllocator::Allocation MpeVoiceAllocator::allocate(std::uint8_t note) {
    Allocation allocation{};
    if (free_.empty()) {
        allocation.endedNote = busy_.front().first;
        free_.push_back(busy_.front().second);
        busy_.erase(busy_.begin());
    }
    allocation.channel = free_.front();
    free_.pop_front();
    busy_.emplace_back(note, allocation.channel);
    return allocation;
}

std::optional<std::uint8_t> MpeVoiceAllocator::release(std::uint8_t note) {
    const auto it = std::find_if(busy_.begin(), busy_.end(),
                                 [note](const auto& voice) { return voice.first == note; });
    if (it == busy_.end()) {
        return std::nullopt;
    }
    const std::uint8_t channel = it->second;
    busy_.erase(it);
    free_.push_back(channel);
    return channel;
}

std::optional<std::uint8_t> MpeVoiceAllocator::channelOf(std::uint8_t note) const {
    const auto it = std::find_if(busy_.begin(), busy_.end(),
                                 [note](const auto& voice) { return voice.first == note; });
    return it == busy_.end() ? std::nullopt : std::optional<std::uint8_t>(it->second);
}

} // namespace tinkella
