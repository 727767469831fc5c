#include "model/MpeVoiceAllocator.h"

#include <algorithm>

namespace tinkella {

MpeVoiceAllocator::MpeVoiceAllocator() {
    reset(MpeZone{});
}

void MpeVoiceAllocator::reset(std::span<const MpeZone> zones) {
    busy_.clear();
    zones_ = std::clamp<std::size_t>(zones.size(), 1, mostZones);
    for (std::size_t z = 0; z < mostZones; ++z) {
        free_[z].clear();
        for (std::uint8_t i = 0; z < zones.size() && i < zones[z].members; ++i) {
            const std::uint8_t channel = zones[z].member(i);
            free_[z].push_back(channel);
            zoneOf_[channel] = static_cast<std::uint8_t>(z);
        }
    }
}

MpeVoiceAllocator::Allocation MpeVoiceAllocator::allocate(std::uint8_t note, std::size_t zone) {
    zone = std::min(zone, zones_ - 1);
    std::deque<std::uint8_t>& free = free_[zone];
    Allocation allocation{};
    if (free.empty()) {
        const auto oldest = std::find_if(busy_.begin(), busy_.end(), [&](const auto& voice) {
            return zoneOf_[voice.second] == zone;
        });
        allocation.endedNote = oldest->first;
        free.push_back(oldest->second);
        busy_.erase(oldest);
    }
    allocation.channel = free.front();
    free.pop_front();
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
    free_[zoneOf_[channel]].push_back(channel);
    return channel;
}

std::optional<std::uint8_t> MpeVoiceAllocator::channelOf(std::uint8_t note) const {
    const auto it = std::find_if(busy_.begin(), busy_.end(),
                                 [note](const auto& voice) { return voice.first == note; });
    return it == busy_.end() ? std::nullopt : std::optional<std::uint8_t>(it->second);
}

} // namespace tinkella
