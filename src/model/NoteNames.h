#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace tinkella {

// Names of pitch classes (0 = C .. 11 = B), spelt the way most lead sheets spell them: sharps
// for C♯ and F♯, flats for E♭, A♭ and B♭.
std::string_view pitchName(int pitchClass);
// The same in fixed-do solfège: Do, Do♯, Ré, Mi♭, Mi, Fa, Fa♯, Sol, La♭, La, Si♭, Si.
std::string_view solfegeName(int pitchClass);
// The octave number this program gives a MIDI note: note / 12, so note 60 is in octave 5.
inline int octaveOf(std::int64_t note) {
    return static_cast<int>(note / 12);
}

// A note's name with its octave ("C♯5", or "Do♯5" in solfège), as the keys are labelled.
std::string noteName(std::int64_t note, bool solfege);

// The pitch classes of a scale (bit n: n semitones above the root) by the index of
// preferences::scaleNames; index 0 (no scale) holds every pitch class.
std::bitset<12> scaleIntervals(std::size_t scale);
// Whether a note lies in the scale built on root (0..11).
bool inScale(std::size_t scale, int root, std::int64_t note);

} // namespace tinkella
