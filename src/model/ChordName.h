#pragma once

#include <bitset>
#include <string>

namespace tinkella {

// The MIDI notes sounding at one moment (bit n: note n).
using SoundingNotes = std::bitset<128>;

// Names what sounds the way a lead sheet would: nothing is ""; one note is its pitch name
// ("E"); one pitch class in several octaves is "C octaves"; two pitch classes are the interval
// from the lower to the higher note ("C–E major third"); three or more are a chord ("Am7"),
// with the lowest note after a slash when it is not the root ("C/E"), or, when no chord fits,
// the pitch names from the lowest up. A chord whose notes fit two names takes the one rooted
// on the lowest note, else the first in the order triads, sevenths, sixths, sus2, sus4,
// add9 (Am7/E rather than C6/E).
std::string chordName(const SoundingNotes& notes);

} // namespace tinkella
