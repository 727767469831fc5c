// Chord naming over every chord type in every inversion on all twelve roots.
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

struct Type {
    const char* suffix;
    std::vector<int> intervals;
    // Inversion -> the other name the same notes take (the root that many semitones above
    // this one, and its suffix): rooted on the bass it wins over a slash chord (E♭6, not
    // Cm7/E♭), and sevenths before sixths, sus2 before sus4 (Am7/E, not C6/E).
    std::map<std::size_t, std::pair<int, const char*>> otherName;
};

TEST(ChordNameTest, EveryTypeInversionAndRoot) {
    const std::vector<Type> types{
        {"", {0, 4, 7}, {}},
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
        {"add9", {0, 2, 4, 7}, {}},
    };
    int checked = 0;
    for (int root = 0; root < 12; ++root) {
        for (const Type& type : types) {
            for (std::size_t inversion = 0; inversion < type.intervals.size(); ++inversion) {
                // The inversion's notes from its bass upwards, in the octave above note 48.
                std::vector<int> notes;
                for (std::size_t i = 0; i < type.intervals.size(); ++i) {
                    const std::size_t k = (inversion + i) % type.intervals.size();
                    notes.push_back(48 + root + type.intervals[k] + (k < inversion ? 12 : 0));
                }
                const std::string bass(pitchName(notes.front() % 12));
                const auto other = type.otherName.find(inversion);
                const bool renamed = other != type.otherName.end();
                const std::string name(pitchName(root + (renamed ? other->second.first : 0)));
                const std::string expected = name + (renamed ? other->second.second : type.suffix) +
                                             (name == bass ? "" : "/" + bass);
                EXPECT_EQ(chordName(notesOf(notes)), expected) << "root " << root;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 12 * 54);
}

TEST(ChordNameTest, FewNotesAndUnnamedSets) {
    EXPECT_EQ(chordName({}), "");
    EXPECT_EQ(chordName(notesOf({61})), "C♯");
    EXPECT_EQ(chordName(notesOf({48, 60, 72})), "C octaves");
    EXPECT_EQ(chordName(notesOf({64, 72})), "E–C minor sixth");
    EXPECT_EQ(chordName(notesOf({60, 67})), "C–G perfect fifth");
    EXPECT_EQ(chordName(notesOf({59, 60})), "B–C minor second");
    // Doubled notes and spread voicings name the same chord.
    EXPECT_EQ(chordName(notesOf({40, 60, 67, 72, 76})), "C/E");
    EXPECT_EQ(chordName(notesOf({60, 61, 62})), "C C♯ D");
}

} // namespace
} // namespace tinkella
