#include "model/NoteNames.h"

#include <array>

namespace tinkella {

namespace {

constexpr std::array<std::string_view, 12> pitchNames{"C",  "C♯", "D",  "E♭", "E",  "F",
                                                      "F♯", "G",  "A♭", "A",  "B♭", "B"};
constexpr std::array<std::string_view, 12> solfegeNames{"Do",  "Do♯", "Ré",  "Mi♭", "Mi",  "Fa",
                                                        "Fa♯", "Sol", "La♭", "La",  "Si♭", "Si"};

// Bit n set: the scale holds the pitch n semitones above its root. Written from the root
// upwards, so the string reads right to left.
const std::array<std::bitset<12>, 10> scales{
    std::bitset<12>("111111111111"), // none: every key
    std::bitset<12>("101010110101"), // major
    std::bitset<12>("010110101101"), // natural minor
    std::bitset<12>("100110101101"), // harmonic minor
    std::bitset<12>("101010101101"), // melodic minor (ascending)
    std::bitset<12>("011010101101"), // dorian
    std::bitset<12>("011010110101"), // mixolydian
    std::bitset<12>("001010010101"), // major pentatonic
    std::bitset<12>("010010101001"), // minor pentatonic
    std::bitset<12>("010011101001"), // blues
};

int pitchClassOf(std::int64_t note) {
    return static_cast<int>(((note % 12) + 12) % 12);
}

} // namespace

std::string_view pitchName(int pitchClass) {
    return pitchNames[static_cast<std::size_t>(pitchClassOf(pitchClass))];
}

std::string_view solfegeName(int pitchClass) {
    return solfegeNames[static_cast<std::size_t>(pitchClassOf(pitchClass))];
}

std::string noteName(std::int64_t note, bool solfege) {
    const int pitch = pitchClassOf(note);
    return std::string(solfege ? solfegeName(pitch) : pitchName(pitch)) +
           std::to_string(octaveOf(note));
}

std::bitset<12> scaleIntervals(std::size_t scale) {
    return scales[scale < scales.size() ? scale : 0];
}

bool inScale(std::size_t scale, int root, std::int64_t note) {
    return scaleIntervals(scale).test(static_cast<std::size_t>(pitchClassOf(note - root)));
}

} // namespace tinkella
