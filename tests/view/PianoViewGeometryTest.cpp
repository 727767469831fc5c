#include "view/PianoViewTestSupport.h"

#include <cmath>
#include <limits>

namespace tinkella::testing {
namespace {

using Geometry = PianoViewTest;

std::vector<std::int64_t> notesOf(const std::vector<PianoKey*>& keys) {
    std::vector<std::int64_t> notes;
    for (const PianoKey* k : keys) {
        notes.push_back(k->note);
    }
    return notes;
}

TEST_F(Geometry, KeyboardIsSeventyNaturalKeysWide) {
    PianoView& v = makeView(false, 600, 100);
    EXPECT_DOUBLE_EQ(v.getKeyboardWidth(), 3500);
    v.storeKeyWidth(9.5);
    EXPECT_DOUBLE_EQ(v.getKeyboardWidth(), 665);
}

TEST_F(Geometry, WideKeyboardScrollsByTheFractionOfItsOverflow) {
    PianoView& v = makeView(false, 600, 100);
    EXPECT_DOUBLE_EQ(v.getXFrom(0), 0);
    v.storeNoteOffset(96);
    EXPECT_DOUBLE_EQ(v.getXFrom(69), 550);
    EXPECT_DOUBLE_EQ(v.getWhiteDisplayRect(69).maxX(), 600);
    v.storeNoteOffset(60);
    EXPECT_DOUBLE_EQ(v.getXFrom(0), -1812.5);
    v.storeNoteOffset(48);
    EXPECT_DOUBLE_EQ(v.getXFrom(0), -1450);
}

TEST_F(Geometry, NarrowKeyboardIsCentredWhateverTheOffset) {
    PianoView& v = makeView(false, 1000, 100);
    v.storeKeyWidth(10);
    for (float offset :
         {0.0F, 60.0F, 96.0F, -40.0F, 500.0F, std::numeric_limits<float>::quiet_NaN()}) {
        v.storeNoteOffset(offset);
        EXPECT_DOUBLE_EQ(v.getXFrom(0), 150) << offset;
        EXPECT_DOUBLE_EQ(v.getWhiteDisplayRect(69).maxX(), 850) << offset;
    }
}

TEST_F(Geometry, KeyboardExactlyAsWideAsTheViewStartsAtZero) {
    PianoView& v = makeView(false, 3500, 100, 60);
    EXPECT_DOUBLE_EQ(v.getXFrom(0), 0);
}

TEST_F(Geometry, OffsetBeyondTheRangeIsUsedUnchanged) {
    PianoView& v = makeView(false, 3000, 100, 120);
    // Overflow 500: 96 would end the keyboard at 3000, 120 shifts it 125 further left.
    EXPECT_DOUBLE_EQ(v.getWhiteDisplayRect(69).maxX(), 2875);
    v.storeNoteOffset(-48);
    EXPECT_DOUBLE_EQ(v.getXFrom(0), 250);
}

TEST_F(Geometry, KeyRectanglesFollowTheSlotAndTheHeight) {
    PianoView& v = makeView(false, 600, 30);
    EXPECT_EQ(v.getWhiteDisplayRect(3), Rect(150, 0, 50, 30));
    EXPECT_EQ(v.getBlackDisplayRect(0), Rect(33.5, 15, 33, 15));
    v.storeKeyWidth(20);
    const Rect sharp = v.getBlackDisplayRect(1);
    EXPECT_DOUBLE_EQ(sharp.origin.x, 20 + 0.67 * 20);
    EXPECT_DOUBLE_EQ(sharp.size.width, 0.66 * 20);
}

TEST_F(Geometry, SetKeyWidthTakesASinglePrecisionValue) {
    PianoView& v = makeView(false, 600, 30);
    v.setKeyWidth(14.3F);
    EXPECT_EQ(v.keyWidth(), static_cast<double>(14.3F));
    EXPECT_NE(v.keyWidth(), 14.3);
}

TEST_F(Geometry, VisibleKeysAreThoseMeetingTheBoundsInNoteOrder) {
    PianoView& v = makeView(false, 600, 100);
    // Slots 0..11 fill the view exactly; slot 12 touches its right edge and still counts.
    const std::vector<std::int64_t> notes = notesOf(v.getVisibleKeys());
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.front(), 0);
    EXPECT_EQ(notes.back(), 21); // A, slot 12
    EXPECT_TRUE(std::is_sorted(notes.begin(), notes.end()));
    EXPECT_EQ(notes.size(), 22U);
}

TEST_F(Geometry, VisibleListStartsAtTheFirstKeyMeetingTheLeftEdge) {
    // Shifted 75 points: C (-75..-25) and C sharp (-41.5..-8.5) are out of view, D (-25..25)
    // is partly in view and comes first, followed by D sharp.
    PianoView& v = makeView(false, 600, 100, static_cast<float>(96.0 * 75.0 / 2900.0));
    const std::vector<std::int64_t> notes = notesOf(v.getVisibleKeys());
    ASSERT_GE(notes.size(), 2U);
    EXPECT_EQ(notes[0], 2);
    EXPECT_EQ(notes[1], 3);
    // The right end: slot 12 (A) runs 525..575, A sharp 558.5..591.5, slot 13 (B) 575..625.
    EXPECT_EQ(notes.back(), 23);
}

TEST_F(Geometry, KeyboardOutsideTheViewShowsNoKeys) {
    PianoView& v = makeView(false, 600, 100, 120); // shifted wholly left of the view
    EXPECT_TRUE(v.getVisibleKeys().empty());
    v.storeNoteOffset(-24); // wholly right of it
    EXPECT_TRUE(v.getVisibleKeys().empty());
}

TEST_F(Geometry, ViewWithoutHostUsesItsFrameSize) {
    PianoView v(Rect(40, 70, 1000, 30), false, controller, center);
    EXPECT_EQ(v.bounds(), Rect(0, 0, 1000, 30));
    v.setFrameSize({700, 30});
    EXPECT_EQ(v.bounds(), Rect(0, 0, 700, 30));
    v.storeKeyWidth(10);
    EXPECT_DOUBLE_EQ(v.getXFrom(0), 0);
}

TEST_F(Geometry, BoundsChangeTakesEffectAtTheNextUse) {
    PianoView& v = makeView(false, 1000, 100);
    v.storeKeyWidth(10);
    EXPECT_DOUBLE_EQ(v.getXFrom(0), 150);
    host.setBounds(Rect(0, 0, 800, 100));
    EXPECT_DOUBLE_EQ(v.getXFrom(0), 50);
}

TEST_F(Geometry, NonFiniteLayoutShowsAndHitsNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    PianoView& v = makeView(false, 600, 100, 30);
    for (double width : {nan, inf, -inf, 1e307}) {
        v.storeKeyWidth(width);
        EXPECT_TRUE(v.getVisibleKeys().empty()) << width;
        EXPECT_EQ(v.mouseKeyHitTest({10, 10}), nullptr) << width;
        EXPECT_EQ(v.touchBarKeyHitTest({10, 10}).top, nullptr) << width;
    }
    v.storeKeyWidth(50);
    v.storeNoteOffset(std::numeric_limits<float>::infinity());
    EXPECT_TRUE(v.getVisibleKeys().empty());
    EXPECT_EQ(v.mouseKeyHitTest({10, 10}), nullptr);
    host.setBounds(Rect(0, 0, inf, 100));
    v.storeNoteOffset(0);
    EXPECT_TRUE(v.getVisibleKeys().empty());
}

TEST(RectRules, ContainmentTakesLeftAndBottomEdgesOnly) {
    const Rect r(10, 20, 30, 40);
    EXPECT_TRUE(r.contains({10, 20}));
    EXPECT_FALSE(r.contains({40, 30}));
    EXPECT_FALSE(r.contains({20, 60}));
    EXPECT_FALSE(r.contains({std::nan(""), 30}));
    EXPECT_TRUE(Rect(40, 20, -30, 40).contains({10, 20})); // a negative width runs leftwards
}

TEST(RectRules, TouchingRectanglesIntersectDisjointOnesDoNot) {
    const Rect r(0, 0, 10, 10);
    EXPECT_TRUE(r.intersects(Rect(10, 0, 10, 10)));
    EXPECT_TRUE(r.intersects(Rect(5, 10, 1, 1)));
    EXPECT_FALSE(r.intersects(Rect(10.001, 0, 10, 10)));
    EXPECT_FALSE(r.intersects(Rect(std::nan(""), 0, 10, 10)));
    EXPECT_EQ(r.united(Rect(20, -5, 5, 5)), Rect(0, -5, 25, 15));
}

} // namespace
} // namespace tinkella::testing
