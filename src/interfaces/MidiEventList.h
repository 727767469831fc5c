#pragma once

#include "interfaces/MidiSystem.h"

#include <cstddef>
#include <cstdint>

namespace tinkella {

// Universal MIDI Packet lists as the MIDI system takes them: packets of up to 64 32-bit words,
// packed to 4 bytes so a list with one packet is 276 bytes.
#pragma pack(push, 4)
struct MIDIEventPacket {
    MIDITimeStamp timeStamp;
    std::uint32_t wordCount;
    std::uint32_t words[64];
};

struct MIDIEventList {
    MIDIProtocolID protocol;
    std::uint32_t numPackets;
    MIDIEventPacket packet[1];
};
#pragma pack(pop)

static_assert(sizeof(MIDIEventList) == 276);

// Empties list for protocol and returns its first packet, the place for MIDIEventListAdd.
MIDIEventPacket* MIDIEventListInit(MIDIEventList* list, MIDIProtocolID protocol);

// Appends wordCount words at time to the list of listSize bytes, after curPacket. Returns the
// packet that holds them, or nullptr (list unchanged) when they do not fit.
MIDIEventPacket* MIDIEventListAdd(MIDIEventList* list, std::size_t listSize,
                                  MIDIEventPacket* curPacket, MIDITimeStamp time,
                                  std::size_t wordCount, const std::uint32_t* words);

// The packet after packet in a list (its words are followed directly by the next packet).
const MIDIEventPacket* MIDIEventPacketNext(const MIDIEventPacket* packet);

} // namespace tinkella
