#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "model/PianoController.h"

#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace tinkella {
namespace {

class KeyLayoutTest : public ::testing::Test {
protected:
    MIDIOutput midi{nullptr};
    NotificationCenter center;
    PianoController controller{std::make_unique<SoundController>(nullptr), midi, center};
    const std::vector<PianoKey>& keys = controller.keys();
};

TEST_F(KeyLayoutTest, HasOneKeyPerNoteInOrder) {
    ASSERT_EQ(keys.size(), 120u);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].note, static_cast<std::int64_t>(i));
        EXPECT_FALSE(keys[i].isPressedOnTouchBar);
        EXPECT_FALSE(keys[i].isPressedOnScreen);
        EXPECT_FALSE(keys[i].playing);
    }
}

TEST_F(KeyLayoutTest, OctavePatternMatchesAPianoKeyboard) {
    const bool sharpInOctave[12] = {false, true,  false, true,  false, false,
                                    true,  false, true,  false, true,  false};
    const std::int64_t slotInOctave[12] = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
    for (const PianoKey& key : keys) {
        const auto octave = key.note / 12;
        EXPECT_EQ(key.sharp, sharpInOctave[key.note % 12]) << "note " << key.note;
        EXPECT_EQ(key.x, 7 * octave + slotInOctave[key.note % 12]) << "note " << key.note;
    }
}

TEST_F(KeyLayoutTest, NaturalsFillSeventySlotsAndSharpsFollowTheirNatural) {
    std::set<std::int64_t> naturalSlots;
    int sharps = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].sharp) {
            ++sharps;
            ASSERT_GT(i, 0u);
            EXPECT_FALSE(keys[i - 1].sharp);
            EXPECT_EQ(keys[i].x, keys[i - 1].x);
        } else {
            EXPECT_TRUE(naturalSlots.insert(keys[i].x).second) << "slot shared: " << keys[i].x;
        }
    }
    EXPECT_EQ(naturalSlots.size(), 70u);
    EXPECT_EQ(*naturalSlots.begin(), 0);
    EXPECT_EQ(*naturalSlots.rbegin(), 69);
    EXPECT_EQ(sharps, 50);
}

TEST(PianoKeyTest, IsPressedWhenEitherSurfaceHoldsIt) {
    PianoKey key(0, false, 0);
    EXPECT_FALSE(key.isPressed());
    key.isPressedOnTouchBar = true;
    EXPECT_TRUE(key.isPressed());
    key.isPressedOnScreen = true;
    EXPECT_TRUE(key.isPressed());
    key.isPressedOnTouchBar = false;
    EXPECT_TRUE(key.isPressed());
    key.playing = true;
    key.isPressedOnScreen = false;
    EXPECT_FALSE(key.isPressed());
}

TEST(SharedPianoControllerTest, IsBuiltOnceEvenWhenFirstReachedFromTwoThreads) {
    PianoController* fromA = nullptr;
    PianoController* fromB = nullptr;
    std::thread a([&] { fromA = &PianoController::sharedInstance(); });
    std::thread b([&] { fromB = &PianoController::sharedInstance(); });
    a.join();
    b.join();
    EXPECT_EQ(fromA, fromB);
    EXPECT_EQ(&PianoController::sharedInstance(), fromA);
    EXPECT_EQ(fromA->keys().size(), 120u);
}

} // namespace
} // namespace tinkella
