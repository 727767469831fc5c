// The pitch-bend and modulation wheels played by pointers and keys, checked on the player's
// channel they drive.
#include "view/WheelView.h"

#include "support/KeyboardDoubles.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tinkella {
namespace {

struct Wheels : testing::KeyboardDoubles {
    Wheels() {
        // A surface 200 points high: the view less its margins, insets and label.
        pitch.setSize({34, 200 + 2 * 8 + 14});
        modulation.setSize({34, 200 + 2 * 8 + 14});
    }
    WheelView pitch{WheelView::Kind::pitch, piano.player()};
    WheelView modulation{WheelView::Kind::modulation, piano.player()};
};

TEST(WheelViewTest, ThePitchWheelRollsWithItsPointerAndSpringsBackExactlyToTheCentre) {
    Wheels w;
    w.pitch.press("a", {10, 120});
    w.pitch.move("a", {10, 170}); // a quarter of the height: a quarter of the range
    EXPECT_EQ(w.pitch.value(), 8192 + 4096);
    w.pitch.press("b", {10, 20}); // a second finger is ignored while the first holds it
    w.pitch.move("b", {10, 0});
    w.pitch.release("b");
    EXPECT_EQ(std::tuple(w.pitch.value(), w.pitch.isHeld()), std::tuple(8192 + 4096, true));
    w.pitch.move("a", {10, 400}); // past the top: the top
    EXPECT_EQ(w.midiPort->sent.back(), ump::midi1Word(0xE0, 127, 127));
    w.pitch.move("a", {10, -400});
    EXPECT_EQ(w.piano.player().pitchWheel(), 0);
    w.pitch.release("a");
    EXPECT_EQ(w.midiPort->sent.back(), ump::midi1Word(0xE0, 0, 64));
    // The keys: a sixteenth of the range a step, back to the centre when the key is let go.
    w.pitch.step(1);
    EXPECT_EQ(w.pitch.value(), 8192 + 1024);
    w.pitch.moveToEnd(-1);
    EXPECT_EQ(w.pitch.value(), 0);
    w.pitch.keyReleased();
    EXPECT_EQ(w.pitch.value(), 8192);
    w.pitch.press("mouse", {10, 10});
    w.pitch.move("mouse", {10, 60});
    w.pitch.releaseAll(); // Esc, a cancel
    EXPECT_EQ(std::tuple(w.pitch.value(), w.pitch.isHeld()), std::tuple(8192, false));
}

TEST(WheelViewTest, TheModulationWheelStaysWhereItIsLeftAndSendsControllerOne) {
    Wheels w;
    w.modulation.press("mouse", {10, 30});
    w.modulation.move("mouse", {10, 80});
    w.modulation.release("mouse");
    EXPECT_EQ(w.modulation.value(), 32);
    EXPECT_EQ(w.midiPort->sent.back(), ump::controlChangeWord(1, 32, 0));
    w.modulation.step(-4);
    w.modulation.keyReleased();
    EXPECT_EQ(w.modulation.value(), 0);
    w.modulation.moveToEnd(1);
    EXPECT_EQ(std::tuple(w.modulation.value(), w.pitch.value()), std::tuple(127, 8192));
}

} // namespace
} // namespace tinkella
