#include "model/ChordName.h"

#include "model/NoteNames.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

namespace tinkella {

namespace {

struct ChordType {
    std::uint16_t intervals; // bit n: n semitones above the root
    std::string_view suffix;
};

constexpr std::uint16_t bits(std::initializer_list<int> semitones) {
    std::uint16_t mask = 0;
    for (const int s : semitones) {
        mask = static_cast<std::uint16_t>(mask | (1U << s));
    }
    return mask;
}

constexpr std::array<ChordType, 15> chordTypes{{
    {bits({0, 4, 7}), ""},
    {bits({0, 3, 7}), "m"},
    {bits({0, 3, 6}), "dim"},
    {bits({0, 4, 8}), "aug"},
    {bits({0, 4, 7, 11}), "maj7"},
    {bits({0, 4, 7, 10}), "7"},
    {bits({0, 3, 7, 10}), "m7"},
    {bits({0, 3, 6, 10}), "m7b5"},
    {bits({0, 3, 6, 9}), "dim7"},
    {bits({0, 3, 7, 11}), "mM7"},
    {bits({0, 4, 7, 9}), "6"},
    {bits({0, 3, 7, 9}), "m6"},
    {bits({0, 2, 7}), "sus2"},
    {bits({0, 5, 7}), "sus4"},
    {bits({0, 2, 4, 7}), "add9"},
}};

constexpr std::array<std::string_view, 12> intervalNames{
    "octaves", "minor second",  "major second", "minor third", "major third",   "perfect fourth",
    "tritone", "perfect fifth", "minor sixth",  "major sixth", "minor seventh", "major seventh"};

// The pitch classes rotated so that root is bit 0.
std::uint16_t relativeTo(std::uint16_t classes, int root) {
    const unsigned rotated = (classes >> root) | (classes << (12 - root));
    return static_cast<std::uint16_t>(rotated & 0xFFFU);
}

const ChordType* matchOn(std::uint16_t classes, int root) {
    if ((classes & (1U << root)) == 0) {
        return nullptr;
    }
    const std::uint16_t relative = relativeTo(classes, root);
    for (const ChordType& type : chordTypes) {
        if (type.intervals == relative) {
            return &type;
        }
    }
    return nullptr;
}

} // namespace

std::string chordName(const SoundingNotes& notes) {
    int lowest = -1;
    int highest = -1;
    std::uint16_t classes = 0;
    for (int n = 0; n < 128; ++n) {
        if (notes.test(static_cast<std::size_t>(n))) {
            lowest = lowest < 0 ? n : lowest;
            highest = n;
            classes = static_cast<std::uint16_t>(classes | (1U << (n % 12)));
        }
    }
    if (lowest < 0) {
        return {};
    }
    const int bass = lowest % 12;
    const auto classCount = std::bitset<12>(classes).count();
    if (classCount == 1) {
        return std::string(pitchName(bass)) + (lowest == highest ? "" : " octaves");
    }
    if (classCount == 2) {
        const int other = std::countr_zero(static_cast<unsigned>(classes & ~(1U << bass)));
        const auto interval = static_cast<std::size_t>((other - bass + 12) % 12);
        return std::string(pitchName(bass)) + "–" + std::string(pitchName(other)) + " " +
               std::string(intervalNames[interval]);
    }
    if (const ChordType* type = matchOn(classes, bass)) {
        return std::string(pitchName(bass)) + std::string(type->suffix);
    }
    for (const ChordType& type : chordTypes) {
        for (int root = 0; root < 12; ++root) {
            if (matchOn(classes, root) == &type) {
                return std::string(pitchName(root)) + std::string(type.suffix) + "/" +
                       std::string(pitchName(bass));
            }
        }
    }
    std::string list;
    for (int n = lowest, seen = 0; n <= highest; ++n) {
        if (notes.test(static_cast<std::size_t>(n)) && (seen & (1 << (n % 12))) == 0) {
            seen |= 1 << (n % 12);
            list += (list.empty() ? "" : " ") + std::string(pitchName(n % 12));
        }
    }
    return list;
}

} // namespace tinkella
