#include "interfaces/MidiEventList.h"

#include <cstddef>
#include <cstring>

namespace tinkella {

namespace {
constexpr std::size_t packetHeaderSize = offsetof(MIDIEventPacket, words);
constexpr std::size_t maxPacketWords = 64;
} // namespace

MIDIEventPacket* MIDIEventListInit(MIDIEventList* list, MIDIProtocolID protocol) {
    list->protocol = protocol;
    list->numPackets = 0;
    return &list->packet[0];
}

MIDIEventPacket* MIDIEventListAdd(MIDIEventList* list, std::size_t listSize,
                                  MIDIEventPacket* curPacket, MIDITimeStamp time,
                                  std::size_t wordCount, const std::uint32_t* words) {
    if (wordCount == 0 || wordCount > maxPacketWords) {
        return nullptr;
    }
    MIDIEventPacket* packet = list->numPackets == 0
                                  ? &list->packet[0]
                                  : const_cast<MIDIEventPacket*>(MIDIEventPacketNext(curPacket));
    auto* base = reinterpret_cast<unsigned char*>(list);
    auto* end = reinterpret_cast<unsigned char*>(packet) + packetHeaderSize + wordCount * 4;
    if (end > base + listSize) {
        return nullptr;
    }
    packet->timeStamp = time;
    packet->wordCount = static_cast<std::uint32_t>(wordCount);
    std::memcpy(packet->words, words, wordCount * sizeof(std::uint32_t));
    ++list->numPackets;
    return packet;
}

const MIDIEventPacket* MIDIEventPacketNext(const MIDIEventPacket* packet) {
    return reinterpret_cast<const MIDIEventPacket*>(&packet->words[packet->wordCount]);
}

} // namespace tinkella
