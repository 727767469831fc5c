#include "view/PianoViewTestSupport.h"

#include <limits>

namespace tinkella::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A window view 1000 x 100 showing the keyboard from slot 0 at x = 0, key width 50.
class MouseKeyboard : public PianoViewTest {
protected:
    void SetUp() override { makeView(false, 1000, 100, 0); }

    std::int64_t hitAt(double x, double y) {
        const PianoKey* k = view->mouseKeyHitTest({x, y});
        return k == nullptr ? -1 : k->note;
    }
};

TEST_F(MouseKeyboard, BlackKeysAreHitInTheirDrawnRectangleOnly) {
    EXPECT_EQ(hitAt(60, 75), 1);   // C sharp: x 33.5..66.5, y 50..100
    EXPECT_EQ(hitAt(60, 25), 2);   // below it: D
    EXPECT_EQ(hitAt(50, 25), 2);   // boundary of C and D
    EXPECT_EQ(hitAt(66.5, 75), 2); // right edge of the black rectangle excluded
    EXPECT_EQ(hitAt(33.5, 75), 1); // left edge included
    EXPECT_EQ(hitAt(60, 50), 1);   // bottom edge included
    EXPECT_EQ(hitAt(60, 100), -1); // top edge excluded
    EXPECT_EQ(hitAt(60, -0.5), -1);
}

TEST_F(MouseKeyboard, BadCoordinatesHitNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(hitAt(nan, 75), -1);
    EXPECT_EQ(hitAt(60, nan), -1);
    EXPECT_EQ(hitAt(inf, 10), -1);
    EXPECT_EQ(hitAt(-1e300, 10), -1);
    EXPECT_EQ(hitAt(3499.99, 10), 119);
    EXPECT_EQ(hitAt(3500, 10), -1);
}

TEST_F(MouseKeyboard, ClickHoldsOneKeyUntilMouseUp) {
    view->mouseDown({60, 75});
    EXPECT_THAT(pressedOnScreen(), ElementsAre(1));
    EXPECT_THAT(takeNoteEvents(), ElementsAre("on 1"));
    view->mouseUp({60, 75});
    EXPECT_THAT(pressedOnScreen(), IsEmpty());
    EXPECT_FALSE(view->mousePosition().has_value());
    EXPECT_THAT(takeNoteEvents(), ElementsAre("off 1"));
}

TEST_F(MouseKeyboard, DraggingAlongTheUpperHalfPlaysBlackKeysWithoutGlissando) {
    ASSERT_FALSE(view->blackKeyGlissando());
    view->mouseDown({10, 75});
    for (double x : {40.0, 75.0, 110.0, 140.0}) {
        view->mouseDragged({x, 75});
    }
    EXPECT_THAT(takeNoteEvents(), ElementsAre("on 0", "off 0", "on 1", "off 1", "on 2", "off 2",
                                              "on 3", "off 3", "on 4"));
}

TEST_F(MouseKeyboard, DragOutsideEndsTheNoteAndComingBackRestartsIt) {
    view->mouseDown({10, 10});
    view->mouseDragged({-20, 10});
    EXPECT_THAT(playing(), IsEmpty());
    EXPECT_TRUE(view->mousePosition().has_value());
    view->mouseDragged({12, 10});
    EXPECT_THAT(takeNoteEvents(), ElementsAre("on 0", "off 0", "on 0"));
    view->mouseUp({5000, 5000}); // released outside
    EXPECT_THAT(playing(), IsEmpty());
}

TEST_F(MouseKeyboard, ClickInTheMarginPlaysNothingButIsHeld) {
    view->storeKeyWidth(10); // keyboard 150..850
    view->mouseDown({100, 10});
    EXPECT_THAT(pressedOnScreen(), IsEmpty());
    EXPECT_EQ(view->mousePosition()->x, 100);
    view->mouseUp({100, 10});
    EXPECT_FALSE(view->mousePosition().has_value());
}

TEST_F(MouseKeyboard, KeyHeldByMouseAndFingerSoundsOnceAndEndsWhenBothRelease) {
    PianoView strip(Rect(0, 0, 1000, 30), true, controller, center);
    strip.storeNoteOffset(0);
    strip.touchesBegan({touch("f", TouchPhase::began, 10)});
    view->mouseDown({10, 10});
    EXPECT_THAT(takeNoteEvents(), ElementsAre("on 0"));
    strip.touchesEnded({touch("f", TouchPhase::ended, 10)});
    EXPECT_THAT(playing(), ElementsAre(0));
    view->mouseUp({10, 10});
    EXPECT_THAT(takeNoteEvents(), ElementsAre("off 0"));
}

TEST_F(MouseKeyboard, WindowViewLeavesTheStripFlagsAlone) {
    key(7).isPressedOnTouchBar = true;
    view->mouseDown({10, 10});
    EXPECT_TRUE(key(7).isPressedOnTouchBar);
    EXPECT_THAT(pressedOnScreen(), ElementsAre(0));
}

TEST_F(MouseKeyboard, WidthAndOffsetChangesReEvaluateTheHeldButton) {
    view->mouseDown({60, 25}); // D
    takeNoteEvents();
    view->setKeyWidth(20); // keyboard 1400 wide in 1000: at offset 0 x 60 is slot 3 (F)
    EXPECT_THAT(pressedOnScreen(), ElementsAre(5));
    view->setNoteOffset(96); // shifted 400 left: x 60 is keyboard 460, slot 23 (of octave 3)
    EXPECT_THAT(pressedOnScreen(), ElementsAre(36 + 4));
    EXPECT_THAT(takeNoteEvents(), ElementsAre("off 2", "on 5", "off 5", "on 40"));
}

} // namespace
} // namespace tinkella::testing
