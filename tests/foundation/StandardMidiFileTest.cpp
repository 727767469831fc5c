#include "foundation/StandardMidiFile.h"

#include <gtest/gtest.h>

namespace tinkella {
namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int value : values) {
        out += static_cast<char>(value);
    }
    return out;
}

TEST(StandardMidiFile, VariableLengthQuantitiesAtEveryByteBoundary) {
    const std::pair<std::uint32_t, std::string> rows[] = {
        {0, bytes({0})},
        {0x7F, bytes({0x7F})},
        {0x80, bytes({0x81, 0})},
        {0x3FFF, bytes({0xFF, 0x7F})},
        {0x4000, bytes({0x81, 0x80, 0})},
        {0x1FFFFF, bytes({0xFF, 0xFF, 0x7F})},
        {0x200000, bytes({0x81, 0x80, 0x80, 0})},
        {0x0FFFFFFF, bytes({0xFF, 0xFF, 0xFF, 0x7F})},
        {0xFFFFFFFF, bytes({0xFF, 0xFF, 0xFF, 0x7F})},
    };
    for (const auto& [value, expected] : rows) {
        std::string out;
        appendVariableLength(out, value);
        EXPECT_EQ(out, expected) << value;
    }
}

// Leading silence trimmed, ticks of 1/1920 s, a pedal and a note held at the end closed there.
TEST(StandardMidiFile, SmallPerformanceByteForByte) {
    Performance p;
    p.played = {{1000, {0x90, 60, 100}}, {251000, {0xB0, 64, 127}}, {501000, {0x80, 60, 0}}};
    p.received = {{251000, {0x92, 64, 90}}, {376000, {0xC2, 5, 0}}};
    p.end = 1001000;
    const std::string expected =
        "MThd" + bytes({0, 0, 0, 6, 0, 1, 0, 3, 3, 0xC0}) + "MTrk" +
        bytes({0, 0, 0, 11, 0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20, 0, 0xFF, 0x2F, 0}) + "MTrk" +
        bytes({0, 0, 0, 35, 0, 0xFF, 3, 8}) + "Tinkella" +
        bytes({0,  0x90, 60,   100,  0x83, 0x60, 0xB0, 64, 127,  0x83, 0x60, 0x80,
               60, 0,    0x87, 0x40, 0xB0, 64,   0,    0,  0xFF, 0x2F, 0}) +
        "MTrk" + bytes({0, 0, 0, 33, 0, 0xFF, 3, 11}) + "Tinkella In" +
        bytes({0x83, 0x60, 0x92, 64, 90, 0x81, 0x70, 0xC2, 5, 0x89, 0x30, 0x82, 64, 0, 0, 0xFF,
               0x2F, 0});
    EXPECT_EQ(standardMidiFile(p), expected);
}

// All Notes Off ends the channel's held notes in the file before it; nothing left to close.
TEST(StandardMidiFile, AllNotesOffClosesTheChannelsNotes) {
    Performance p;
    p.played = {{0, {0x91, 60, 1}}, {0, {0x91, 60, 1}}, {0, {0x90, 62, 1}}, {0, {0xB1, 123, 0}}};
    p.end = 5000000;
    const std::string file = standardMidiFile(p);
    EXPECT_NE(file.find(bytes({0x81, 60,   0,    0,    0x81, 60, 0, 0,    0xB1, 123,
                               0,    0xCB, 0x00, 0x80, 62,   0,  0, 0xFF, 0x2F, 0})),
              std::string::npos);
}

} // namespace
} // namespace tinkella
