#include "view/PianoViewTestSupport.h"

namespace tinkella::testing {
namespace {

using ViewSetup = PianoViewTest;

TEST_F(ViewSetup, NewViewHasTheDefaults) {
    PianoView v(Rect(0, 0, 100, 30), false, controller, center);
    EXPECT_FALSE(v.isOnTouchBar());
    EXPECT_FALSE(v.showsOctaveNumber());
    EXPECT_FALSE(v.showsBlackKeyTouchArea());
    EXPECT_EQ(v.blackKeyTouchArea(), 0.5);
    EXPECT_EQ(v.noteOffset(), 60.0F);
    EXPECT_FALSE(v.blackKeyGlissando());
    EXPECT_EQ(v.keyWidth(), 50.0);
    EXPECT_EQ(v.touchCount(), 0U);
    EXPECT_FALSE(v.mousePosition().has_value());
    EXPECT_TRUE(v.acceptsFirstResponder());
    EXPECT_TRUE(PianoView(Rect(), true, controller, center).isOnTouchBar());
}

TEST_F(ViewSetup, ViewObservesThreeNamesAndLetsGoWhenDestroyed) {
    const std::size_t before = center.observerCount();
    {
        PianoView v(Rect(), true, controller, center);
        EXPECT_EQ(center.observerCount(), before + 3);
    }
    EXPECT_EQ(center.observerCount(), before);
    center.post(PianoResizingStarted); // no observer left to reach a dead view
}

TEST_F(ViewSetup, DestroyingAViewReleasesTheKeysItHolds) {
    auto strip = std::make_unique<PianoView>(Rect(0, 0, 1000, 30), true, controller, center);
    strip->storeNoteOffset(0);
    strip->touchesBegan({touch("a", TouchPhase::began, 10)});
    auto window = std::make_unique<PianoView>(Rect(0, 0, 1000, 100), false, controller, center);
    window->storeNoteOffset(0);
    window->mouseDown({75, 10});
    window->mouseDown({10, 10});
    EXPECT_EQ(takeNoteEvents(), (std::vector<std::string>{"on 0", "on 2", "off 2"}));
    strip.reset();
    EXPECT_FALSE(key(0).isPressedOnTouchBar);
    EXPECT_EQ(playing(), std::vector<std::int64_t>{0}); // still held by the mouse
    window.reset();
    EXPECT_EQ(takeNoteEvents(), std::vector<std::string>{"off 0"});
}

TEST_F(ViewSetup, DestroyingAnIdleViewPostsNothing) {
    int posts = 0;
    auto registration =
        center.addObserver(PressedPianoKeysChanged, [&](const Notification&) { ++posts; });
    { PianoView v(Rect(0, 0, 600, 30), true, controller, center); }
    EXPECT_EQ(posts, 0);
}

TEST_F(ViewSetup, PressedKeysChangedFromAnySenderRedraws) {
    makeView(false, 600, 100);
    center.post(PressedPianoKeysChanged);
    center.post(PressedPianoKeysChanged, &controller);
    EXPECT_EQ(host.redrawRequests, 2);
}

TEST_F(ViewSetup, EveryViewHearsEveryResizingNotificationAndRedraws) {
    makeView(false, 600, 100);
    PianoView strip(Rect(0, 0, 600, 30), true, controller, center);
    center.post(PianoResizingEnded); // without a start: still a redraw
    EXPECT_FALSE(view->showsOctaveNumber());
    EXPECT_EQ(host.redrawRequests, 1);
    center.post(PianoResizingStarted);
    center.post(PianoResizingStarted);
    EXPECT_TRUE(view->showsOctaveNumber());
    EXPECT_TRUE(strip.showsOctaveNumber());
    center.post(PianoResizingEnded);
    EXPECT_FALSE(view->showsOctaveNumber());
    EXPECT_FALSE(strip.showsOctaveNumber());
    EXPECT_EQ(host.redrawRequests, 4);
}

TEST_F(ViewSetup, BoundSettersOnlyStore) {
    makeView(true, 600, 30);
    int posts = 0;
    auto registration =
        center.addObserver(PressedPianoKeysChanged, [&](const Notification&) { ++posts; });
    view->setBlackKeyTouchArea(0.8);
    view->setBlackKeyGlissando(true);
    view->storeKeyWidth(40);
    view->storeNoteOffset(0);
    EXPECT_EQ(host.redrawRequests, 0);
    EXPECT_EQ(posts, 0);
    EXPECT_EQ(view->blackKeyTouchArea(), 0.8);
    EXPECT_TRUE(view->blackKeyGlissando());
}

TEST_F(ViewSetup, WidthAndOffsetSettersRedrawAndPostOnce) {
    makeView(true, 600, 30);
    int posts = 0;
    auto registration = center.addObserver(PressedPianoKeysChanged, [&](const Notification& n) {
        ++posts;
        EXPECT_EQ(n.object, &controller);
    });
    view->setKeyWidth(30);
    view->setNoteOffset(12);
    EXPECT_EQ(posts, 2);
    // Each setter asks once itself and once through the notification it causes.
    EXPECT_EQ(host.redrawRequests, 4);
    EXPECT_EQ(view->noteOffset(), 12.0F);
}

TEST_F(ViewSetup, TouchAreaOverlaySwitchRedraws) {
    makeView(true, 600, 30);
    view->setShowsBlackKeyTouchArea(true);
    EXPECT_TRUE(view->showsBlackKeyTouchArea());
    EXPECT_EQ(host.redrawRequests, 1);
}

TEST_F(ViewSetup, ViewWithoutHostIgnoresRedrawRequests) {
    PianoView v(Rect(0, 0, 600, 30), true, controller, center);
    center.post(PianoResizingStarted);
    v.setKeyWidth(20);
    EXPECT_TRUE(v.showsOctaveNumber());
}

} // namespace
} // namespace tinkella::testing
