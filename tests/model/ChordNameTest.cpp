// Chord naming: every type, inversion and root; fewer pitch classes; no chord.
#include "model/ChordName.h"

#include "model/NoteNames.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace tinkella {
namespace {

SoundingNotes notesOf(const std::vector<int>& notes) {
    SoundingNotes set;
    for (const int n : notes) {
        set.set(static_cast<std::size_t>(n));
    }
    return set;
}

TEST(ChordNameTest, EveryTypeInversionAndRootAndTheSmallerSets) {
    // Suffix, intervals, and by inversion another name of the same notes (root so many semitones
    // up, suffix), which wins rooted on the bass (E♭6, not Cm7/E♭) or as an earlier type.
    const std::vector<std::tuple<const char*, std::vector<int>,
                                 std::map<std::size_t, std::pair<int, const char*>>>>
        types{{"", {0, 4, 7}, {}},
              {"m", {0, 3, 7}, {}},
              {"dim", {0, 3, 6}, {}},
              {"aug", {0, 4, 8}, {{1, {4, "aug"}}, {2, {8, "aug"}}}},
              {"6", {0, 4, 7, 9}, {{1, {9, "m7"}}, {2, {9, "m7"}}, {3, {9, "m7"}}}},
              {"m6", {0, 3, 7, 9}, {{1, {9, "m7b5"}}, {2, {9, "m7b5"}}, {3, {9, "m7b5"}}}},
              {"maj7", {0, 4, 7, 11}, {}},
              {"7", {0, 4, 7, 10}, {}},
              {"m7", {0, 3, 7, 10}, {{1, {3, "6"}}}},
              {"m7b5", {0, 3, 6, 10}, {{1, {3, "m6"}}}},
              {"dim7", {0, 3, 6, 9}, {{1, {3, "dim7"}}, {2, {6, "dim7"}}, {3, {9, "dim7"}}}},
              {"mM7", {0, 3, 7, 11}, {}},
              {"sus2", {0, 2, 7}, {{2, {7, "sus4"}}}},
              {"sus4", {0, 5, 7}, {{1, {5, "sus2"}}, {2, {5, "sus2"}}}},
              {"add9", {0, 2, 4, 7}, {}}};
    for (int root = 0; root < 12; ++root) {
        for (const auto& [suffix, intervals, otherNames] : types) {
            for (std::size_t inversion = 0; inversion < intervals.size(); ++inversion) {
                // The inversion's notes from its bass upwards, in the octave above note 48.
                std::vector<int> notes;
                for (std::size_t i = 0; i < intervals.size(); ++i) {
                    const std::size_t k = (inversion + i) % intervals.size();
                    notes.push_back(48 + root + intervals[k] + (k < inversion ? 12 : 0));
                }
                const std::string bass(pitchName(notes.front() % 12));
                const auto other = otherNames.find(inversion);
                const bool renamed = other != otherNames.end();
                const std::string name(pitchName(root + (renamed ? other->second.first : 0)));
                EXPECT_EQ(chordName(notesOf(notes)), name +
                                                         (renamed ? other->second.second : suffix) +
                                                         (name == bass ? "" : "/" + bass));
            }
        }
    }
    const std::pair<std::vector<int>, const char*> smaller[] = {
        {{}, ""},
        {{61}, "C♯"},
        {{48, 60, 72}, "C octaves"},
        {{64, 72}, "E–C minor sixth"},
        {{40, 60, 67, 72, 76}, "C/E"}, // doubled and spread
        {{60, 61, 62}, "C C♯ D"}};
    for (const auto& [notes, name] : smaller) {
        EXPECT_EQ(chordName(notesOf(notes)), name);
    }
}

} // namespace
} // namespace tinkella
