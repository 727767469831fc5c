#include "interfaces/MidiEventList.h"

#include "interfaces/StandardError.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tinkella {
namespace {

TEST(MidiEventList, OnePacketOfOneWordFitsAndIsReadBack) {
    MIDIEventList list{};
    MIDIEventPacket* packet = MIDIEventListInit(&list, MIDIProtocolID::MIDI_1_0);
    const std::uint32_t word = 0x20903C7F;
    MIDIEventPacket* added = MIDIEventListAdd(&list, sizeof list, packet, 99, 1, &word);
    ASSERT_EQ(added, &list.packet[0]);
    EXPECT_EQ(list.protocol, MIDIProtocolID::MIDI_1_0);
    EXPECT_EQ(list.numPackets, 1u);
    const MIDITimeStamp stamp = list.packet[0].timeStamp;
    EXPECT_EQ(stamp, 99u);
    EXPECT_EQ(list.packet[0].wordCount, 1u);
    EXPECT_EQ(list.packet[0].words[0], word);
}

TEST(MidiEventList, SixtyFourWordsFillTheListAndNothingMoreFits) {
    MIDIEventList list{};
    MIDIEventPacket* packet = MIDIEventListInit(&list, MIDIProtocolID::MIDI_1_0);
    std::uint32_t words[65] = {};
    EXPECT_EQ(MIDIEventListAdd(&list, sizeof list, packet, 0, 65, words), nullptr);
    packet = MIDIEventListAdd(&list, sizeof list, packet, 0, 64, words);
    ASSERT_NE(packet, nullptr);
    EXPECT_EQ(MIDIEventListAdd(&list, sizeof list, packet, 0, 1, words), nullptr);
    EXPECT_EQ(list.numPackets, 1u);
}

TEST(MidiEventList, SecondPacketFollowsTheFirstsWords) {
    alignas(8) unsigned char storage[512] = {};
    auto* list = reinterpret_cast<MIDIEventList*>(storage);
    MIDIEventPacket* packet = MIDIEventListInit(list, MIDIProtocolID::MIDI_1_0);
    const std::uint32_t first[2] = {1, 2};
    const std::uint32_t second = 3;
    packet = MIDIEventListAdd(list, sizeof storage, packet, 10, 2, first);
    MIDIEventPacket* next = MIDIEventListAdd(list, sizeof storage, packet, 20, 1, &second);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(MIDIEventPacketNext(packet), next);
    EXPECT_EQ(list->numPackets, 2u);
    const MIDITimeStamp stamp = next->timeStamp; // packed: read by value, never by reference
    EXPECT_EQ(stamp, 20u);
    EXPECT_EQ(next->words[0], 3u);
}

TEST(PosixStandardErrorWriter, WritesTheWholeLineToDescriptorTwo) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(fds[1], STDERR_FILENO);
    PosixStandardErrorWriter().write("MIDI: hello \u2014 world\n");
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    ::close(fds[1]);
    char buffer[64] = {};
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer - 1);
    ::close(fds[0]);
    EXPECT_EQ(std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0),
              "MIDI: hello \u2014 world\n");
}

} // namespace
} // namespace tinkella
