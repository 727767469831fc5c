#include "view/PianoViewTestSupport.h"

#include <limits>

namespace tinkella::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A strip view 1000 x 30 showing the keyboard from slot 0 at x = 0, key width 50.
class TouchStrip : public PianoViewTest {
protected:
    void SetUp() override { makeView(true, 1000, 30, 0); }

    // Note of the key the hit test plays at x (natural key -1 when nothing is hit).
    std::pair<std::int64_t, std::int64_t> hitAt(double x, double y = 10) {
        const TouchBarHit hit = view->touchBarKeyHitTest({x, y});
        EXPECT_EQ(hit.top == nullptr, hit.natural == nullptr);
        if (hit.top == nullptr) {
            return {-1, -1};
        }
        return {hit.top->note, hit.natural->note};
    }
    void down(const std::string& id, double x, double y = 10) {
        view->touchesBegan({touch(id, TouchPhase::began, x, y)});
    }
    void move(const std::string& id, double x, double y = 10) {
        view->touchesMoved({touch(id, TouchPhase::moved, x, y)});
    }
    void up(const std::string& id) { view->touchesEnded({touch(id, TouchPhase::ended, 0)}); }

    // The note one finger holds after going down at x and after each move along the path.
    std::vector<std::int64_t> glide(double x, std::initializer_list<double> path) {
        std::vector<std::int64_t> played;
        down("f", x);
        played.push_back(pressedOnTouchBar().at(0));
        for (double to : path) {
            move("f", to);
            played.push_back(pressedOnTouchBar().at(0));
        }
        return played;
    }
};

using Hit = std::pair<std::int64_t, std::int64_t>;

TEST_F(TouchStrip, HalfWidthZonesReachAQuarterKeyIntoEachNeighbour) {
    EXPECT_EQ(hitAt(40), (Hit{1, 0}));   // C sharp zone in C
    EXPECT_EQ(hitAt(37.5), (Hit{0, 0})); // zone edge: C
    EXPECT_EQ(hitAt(55), (Hit{1, 2}));   // zone in D
    EXPECT_EQ(hitAt(50), (Hit{1, 2}));   // D's slot, dx 0
    EXPECT_EQ(hitAt(62.5), (Hit{2, 2})); // zone edge: D
    EXPECT_EQ(hitAt(10), (Hit{0, 0}));   // C, no sharp left
    EXPECT_EQ(hitAt(149), (Hit{4, 4}));  // E, none right
    EXPECT_EQ(hitAt(151), (Hit{5, 5}));  // F, none left
}

TEST_F(TouchStrip, OnlyTheHorizontalPositionDecides) {
    EXPECT_EQ(hitAt(40, 0).first, 1);
    EXPECT_EQ(hitAt(40, 29.9).first, 1);
    EXPECT_EQ(hitAt(60, 0).first, 1);
}

TEST_F(TouchStrip, PointsOffTheStripHitNothing) {
    EXPECT_EQ(hitAt(40, -0.001).first, -1);
    EXPECT_EQ(hitAt(40, 30).first, -1);
    EXPECT_EQ(hitAt(-0.001).first, -1);
    EXPECT_EQ(hitAt(3500).first, -1);
    EXPECT_EQ(hitAt(3499.9).first, 119);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(hitAt(nan).first, -1);
    EXPECT_EQ(hitAt(40, nan).first, -1);
    EXPECT_EQ(hitAt(inf).first, -1);
    EXPECT_EQ(hitAt(-inf).first, -1);
    EXPECT_EQ(hitAt(1e300, 1e300).first, -1);
}

TEST_F(TouchStrip, ZeroTouchAreaLeavesOnlyNaturalKeys) {
    view->setBlackKeyTouchArea(0);
    for (double x = 0; x < 3500; x += 0.5) {
        const auto [top, natural] = hitAt(x);
        ASSERT_EQ(top, natural) << x;
        ASSERT_FALSE(key(top).sharp) << x;
    }
}

TEST_F(TouchStrip, FullTouchAreaLeavesOnlySlivers) {
    view->setBlackKeyTouchArea(1);
    // D (slot 1, 50..100) only at its exact centre; C only in its left half; E in its right.
    EXPECT_EQ(hitAt(75).first, 2);
    EXPECT_EQ(hitAt(74.999).first, 1);
    EXPECT_EQ(hitAt(75.001).first, 3);
    EXPECT_EQ(hitAt(25).first, 0);
    EXPECT_EQ(hitAt(25.001).first, 1);
    EXPECT_EQ(hitAt(124.999).first, 3);
    EXPECT_EQ(hitAt(125).first, 4);
}

TEST_F(TouchStrip, OverlappingZonesFavourTheLeftNeighbour) {
    view->setBlackKeyTouchArea(1.6);
    EXPECT_EQ(hitAt(75).first, 1); // D: both zones cover the point; C sharp is tested first
}

TEST_F(TouchStrip, FingerDownPressesItsKeyAndLiftingReleasesIt) {
    down("a", 10);
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(0));
    EXPECT_THAT(playing(), ElementsAre(0));
    EXPECT_THAT(takeNoteEvents(), ElementsAre("on 0"));
    up("a");
    EXPECT_THAT(pressedOnTouchBar(), IsEmpty());
    EXPECT_THAT(takeNoteEvents(), ElementsAre("off 0"));
    EXPECT_EQ(view->touchCount(), 0U);
}

TEST_F(TouchStrip, GlissandoFromANaturalKeyCatchesBlackKeysOnlyWhenSwitchedOn) {
    // E, F, F sharp's zone in F's slot, F sharp's zone in G's slot, G.
    struct Case {
        bool glissando;
        std::vector<std::int64_t> played;
    };
    for (const Case& k : {Case{false, {4, 5, 5, 7, 7}}, Case{true, {4, 5, 6, 6, 7}}}) {
        view->setBlackKeyGlissando(k.glissando);
        EXPECT_EQ(glide(125, {170.0, 195.0, 205.0, 230.0}), k.played) << k.glissando;
        up("f");
    }
}

TEST_F(TouchStrip, GlissandoOffFromABlackKeyKeepsItOnlyInItsZone) {
    // F sharp's zone in F's slot, F sharp, G, G (G sharp's zone in G's slot), A (G sharp's zone
    // in A's slot), A, G, back in F sharp's zone: F sharp.
    EXPECT_THAT(glide(195, {205.0, 225.0, 245.0, 255.0, 280.0, 230.0, 198.0}),
                ElementsAre(6, 6, 7, 7, 9, 9, 7, 6));
}

TEST_F(TouchStrip, GlissandoSwitchedWhileHeldKeepsTheFirstNote) {
    down("f", 125); // E
    view->setBlackKeyGlissando(true);
    move("f", 195);
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(6));
    view->setBlackKeyGlissando(false);
    move("f", 196);
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(5)); // first note is still E
}

TEST_F(TouchStrip, FingerFromTheMarginTakesItsFirstKeyOnArrival) {
    makeView(true, 1000, 30);
    view->storeKeyWidth(10); // keyboard 150..850
    down("m", 100);
    EXPECT_THAT(pressedOnTouchBar(), IsEmpty());
    move("m", 158); // C sharp's zone (157.5..162.5): the first key this finger reaches
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(1));
    move("m", 165); // D
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(2));
    move("m", 161); // back in C sharp's zone, inside D's slot: its first key plays again
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(1));
}

TEST_F(TouchStrip, SlidingReleasesAndPressesInOneUpdateInPitchOrder) {
    down("a", 125); // E
    takeNoteEvents();
    move("a", 175); // F
    EXPECT_THAT(takeNoteEvents(), ElementsAre("off 4", "on 5"));
    move("a", 125);
    EXPECT_THAT(takeNoteEvents(), ElementsAre("on 4", "off 5"));
}

TEST_F(TouchStrip, TwoFingersOnOneKeyHoldItUntilTheLastLifts) {
    down("a", 10);
    down("b", 20);
    EXPECT_THAT(takeNoteEvents(), ElementsAre("on 0"));
    up("a");
    EXPECT_THAT(playing(), ElementsAre(0));
    EXPECT_THAT(takeNoteEvents(), IsEmpty());
    up("b");
    EXPECT_THAT(takeNoteEvents(), ElementsAre("off 0"));
}

TEST_F(TouchStrip, SeveralFingersInOneEvent) {
    view->touchesBegan({touch("a", TouchPhase::began, 10), touch("b", TouchPhase::began, 75),
                        touch("c", TouchPhase::began, 175)});
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(0, 2, 5));
    EXPECT_THAT(takeNoteEvents(), ElementsAre("on 0", "on 2", "on 5"));
    view->touchesEnded({touch("a", TouchPhase::ended, 10), touch("c", TouchPhase::ended, 175)});
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(2));
}

TEST_F(TouchStrip, CancelEndsTheNoteLikeLifting) {
    down("a", 10);
    down("b", 75);
    takeNoteEvents();
    view->touchesCancelled({touch("a", TouchPhase::cancelled, 10)});
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(2));
    EXPECT_THAT(takeNoteEvents(), ElementsAre("off 0"));
}

TEST_F(TouchStrip, EachHandlerTakesOnlyItsOwnPhaseAndDirectTouches) {
    view->touchesBegan({touch("a", TouchPhase::began, 10),
                        touch("b", TouchPhase::began, 75, 10, TouchType::indirect),
                        touch("c", TouchPhase::moved, 210)});
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(0));
    view->touchesMoved({touch("a", TouchPhase::stationary, 310)});
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(0));
    view->touchesEnded({touch("a", TouchPhase::cancelled, 10)});
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(0));
    view->touchesCancelled({touch("a", TouchPhase::ended, 10)});
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(0));
    view->touchesEnded({touch("a", TouchPhase::ended, 10, 10, TouchType::indirect)});
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(0));
}

TEST_F(TouchStrip, MovesAndEndsOfUnknownFingersChangeNothingButStillNotify) {
    int posts = 0;
    auto registration =
        center.addObserver(PressedPianoKeysChanged, [&](const Notification&) { ++posts; });
    move("ghost", 10);
    up("ghost");
    view->touchesBegan({});
    EXPECT_THAT(pressedOnTouchBar(), IsEmpty());
    EXPECT_EQ(posts, 3);
}

TEST_F(TouchStrip, BeginUnderAKnownIdentityStartsAFreshRecord) {
    down("a", 195); // F sharp
    down("a", 125); // E, replaces the record and its first note
    move("a", 195);
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(5));
    EXPECT_EQ(view->touchCount(), 1U);
}

TEST_F(TouchStrip, OffsetChangeReResolvesHeldFingersAtOnce) {
    makeView(true, 600, 30, 0);
    down("a", 10); // C
    takeNoteEvents();
    // Shift by 100 points (overflow 2900): the finger is now over E.
    view->setNoteOffset(static_cast<float>(96.0 * 100.0 / 2900.0));
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(4));
    EXPECT_THAT(takeNoteEvents(), ElementsAre("off 0", "on 4"));
    view->setKeyWidth(5); // narrow keyboard centred in 600: starts at 125, finger off it
    EXPECT_THAT(pressedOnTouchBar(), IsEmpty());
}

TEST_F(TouchStrip, StripClearsAllTouchFlagsButNotTheMouseFlags) {
    key(100).isPressedOnTouchBar = true;
    key(50).isPressedOnScreen = true;
    down("a", 10);
    EXPECT_THAT(pressedOnTouchBar(), ElementsAre(0));
    EXPECT_THAT(pressedOnScreen(), ElementsAre(50));
}

TEST_F(TouchStrip, NonFiniteTouchLocationsPressNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    down("a", nan, nan);
    down("b", std::numeric_limits<double>::infinity());
    move("a", 1e308, -1e308);
    EXPECT_THAT(pressedOnTouchBar(), IsEmpty());
    EXPECT_EQ(view->touchCount(), 2U);
}

} // namespace
} // namespace tinkella::testing
