#include "foundation/StandardMidiFile.h"

#include <gtest/gtest.h>

namespace tinkella {
namespace {

using namespace std::string_literals;

// Leading silence trimmed, ticks of 1/1920 s rounded to the nearest, variable-length gaps of one to
// three bytes, a pedal and a note held at the end closed there, a note-on of velocity 0 taken for
// a note-off; All Notes Off closes its channel's notes first.
TEST(StandardMidiFile, SmallPerformanceByteForByte) {
    Performance p;
    p.played = {{1000, {0x90, 60, 100}}, {250800, {0xB0, 64, 127}}, {501000, {0x90, 60, 0}}};
    p.received = {{251000, {0x92, 64, 90}},
                  {251000, {0x93, 1, 9}},
                  {376000, {0xC2, 5, 0}},
                  {376000, {0xB3, 123, 0}}};
    p.end = 10001000;
    EXPECT_EQ(standardMidiFile(p),
              "MThd\0\0\0\6\0\1\0\3\3\xC0"s
              "MTrk\0\0\0\x0B\0\xFF\x51\3\x07\xA1\x20\0\xFF\x2F\0"s
              "MTrk\0\0\0\x24\0\xFF\3\x08Tinkella\0\x90\x3C\x64\x83\x60\xB0\x40\x7F\x83\x60\x90"s
              "\x3C\0\x81\x8E\x40\xB0\x40\0\0\xFF\x2F\0"s
              "MTrk\0\0\0\x2E\0\xFF\3\x0BTinkella In\x83\x60\x92\x40\x5A\0\x93\1\x09\x81\x70"s
              "\xC2\5\0\x83\1\0\0\xB3\x7B\0\x81\x90\x30\x82\x40\0\0\xFF\x2F\0"s);
}

// The file starts at the first note, played or received: what came before it (MPE's
// configuration, a note-on of velocity 0, a pedal, a program received) is at tick 0, in order.
TEST(StandardMidiFile, StartsAtTheFirstNote) {
    Performance early;
    early.played = {{0, {0xB0, 101, 0}},        {100, {0xB0, 6, 15}},
                    {150, {0x90, 62, 0}},       {2000000, {0xB0, 64, 127}},
                    {5000000, {0x91, 60, 100}}, {5500000, {0x81, 60, 0}}};
    early.received = {{1000000, {0xC2, 5, 0}}, {5250000, {0x92, 64, 90}}};
    early.end = 6000000;
    Performance atTheNote = early;
    for (auto* track : {&atTheNote.played, &atTheNote.received}) {
        for (TimedMessage& message : *track) {
            message.microseconds = std::max<std::int64_t>(message.microseconds, 5000000);
        }
    }
    EXPECT_EQ(standardMidiFile(early), standardMidiFile(atTheNote));
}

} // namespace
} // namespace tinkella
