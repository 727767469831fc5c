#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "model/PianoController.h"
#include "model/PianoKey.h"
#include "adapters/qt/QtPainterDrawContext.h"
#include "foundation/NotificationCenter.h"
#include "view/PianoView.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>

namespace tinkella::testing {
namespace {

QGuiApplication& guiApplication() {
    if (auto* existing = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static auto application = std::make_unique<QGuiApplication>(argc, argv);
    return *application;
}

// Renders piano views through the QPainter context into images and reads pixels back in the
// views' own coordinates (y up).
class PianoPixels : public ::testing::Test {
protected:
    void SetUp() override { guiApplication(); }

    static QImage render(const PianoView& view) {
        const Rect bounds = view.bounds();
        QImage image(static_cast<int>(bounds.size.width), static_cast<int>(bounds.size.height),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        QtPainterDrawContext context(painter, bounds.size.height);
        view.draw(context);
        return image;
    }

    // Colour of the pixel holding view point (x, y).
    static QColor at(const QImage& image, double x, double y) {
        return image.pixelColor(static_cast<int>(std::floor(x)),
                                static_cast<int>(std::floor(image.height() - y)));
    }

    static void save(const QImage& image, const std::string& name) {
        const char* directory = std::getenv("TINKELLA_ARTIFACTS");
        if (directory == nullptr) {
            return;
        }
        QDir().mkpath(QString::fromUtf8(directory));
        image.save(QString::fromUtf8(directory) + "/" + QString::fromStdString(name) + ".png");
    }

    static bool isGrey(const QColor& c, int level, int tolerance = 1) {
        return std::abs(c.red() - level) <= tolerance && std::abs(c.green() - level) <= tolerance &&
               std::abs(c.blue() - level) <= tolerance;
    }

    PianoKey& key(std::int64_t note) { return piano.keys().at(static_cast<std::size_t>(note)); }

    MIDIOutput midi{nullptr};
    NotificationCenter center;
    PianoController piano{std::make_unique<SoundController>(nullptr), midi, center};
};

// The window view, 1200 x 270 at key width 50, scrolled to the middle: slot 23 begins at x 0.
class WindowPixels : public PianoPixels {
protected:
    void SetUp() override {
        PianoPixels::SetUp();
        view.storeNoteOffset(48); // overflow 2300, shifted 1150
    }
    PianoView view{Rect(0, 0, 1200, 270), false, piano, center};
};

TEST_F(WindowPixels, PressedWhiteKeyIsWhiteAndGlowsOntoItsNeighbours) {
    key(52).isPressedOnScreen = true; // E, slot 30: x 350..400
    const QImage image = render(view);
    save(image, "window-pressed-white");
    EXPECT_TRUE(isGrey(at(image, 375, 60), 255)) << at(image, 375, 60).name().toStdString();
    const QColor neighbour = at(image, 405, 60); // F, 5 points from the pressed key
    EXPECT_GT(neighbour.red(), 238);
    EXPECT_LT(neighbour.red(), 255);
    EXPECT_TRUE(isGrey(at(image, 875, 60), 235)) << "an unpressed key far away";
    EXPECT_LT(at(image, 400.5, 60).red(), 40) << "the separator stays black over the glow";
}

TEST_F(WindowPixels, PressedBlackKeyIsDarkRedAndOthersBlack) {
    key(49).isPressedOnTouchBar = true; // C sharp, slot 28: x 283.5..316.5, upper half
    const QImage image = render(view);
    save(image, "window-pressed-black");
    const QColor pressed = at(image, 300, 200);
    EXPECT_NEAR(pressed.red(), 179, 2);
    EXPECT_LE(pressed.green(), 1);
    EXPECT_LE(pressed.blue(), 1);
    EXPECT_TRUE(isGrey(at(image, 350, 200), 0, 2)) << "D sharp, unpressed";
    // The red glow reaches a few points below the key onto the white keys.
    const QColor below = at(image, 290, 132);
    EXPECT_GT(below.red(), below.green() + 5);
    EXPECT_TRUE(isGrey(at(image, 290, 60), 235)) << "white key under the black key";
}

TEST_F(WindowPixels, TenKeysHeldWithLabels) {
    for (std::int64_t note : {48, 50, 52, 53, 55, 57, 59, 49, 54, 58}) {
        key(note).isPressedOnScreen = true;
    }
    center.post(PianoResizingStarted);
    const QImage image = render(view);
    save(image, "window-ten-keys-labels");
    // "C4" on the C of slot 28 (x 250..300): dark red text in the top 50-point label box.
    int inBox = 0;
    int belowBox = 0;
    for (int x = 250; x < 300; ++x) {
        for (int y = 0; y < 120; ++y) {
            const QColor c = at(image, x + 0.5, y + 0.5);
            if (c.red() > c.green() + 60) {
                (y >= 28 && y < 50 ? inBox : belowBox) += 1;
            }
        }
    }
    EXPECT_GT(inBox, 20);
    EXPECT_EQ(belowBox, 0);
}

TEST_F(WindowPixels, NarrowKeyboardLeavesBlackMargins) {
    view.storeKeyWidth(10); // 700 wide, centred: 250..950
    const QImage image = render(view);
    save(image, "window-narrow");
    EXPECT_TRUE(isGrey(at(image, 100, 100), 0));
    EXPECT_TRUE(isGrey(at(image, 249.5, 100), 0));
    EXPECT_TRUE(isGrey(at(image, 1100, 100), 0));
    EXPECT_TRUE(isGrey(at(image, 255, 60), 235));
    EXPECT_TRUE(isGrey(at(image, 949.5, 60), 235));
    EXPECT_TRUE(isGrey(at(image, 950.5, 60), 0));
}

TEST_F(WindowPixels, NonFiniteWidthGivesABlackView) {
    view.storeKeyWidth(std::numeric_limits<double>::quiet_NaN());
    const QImage image = render(view);
    EXPECT_TRUE(isGrey(at(image, 600, 135), 0));
    view.storeKeyWidth(1e300);
    const QImage huge = render(view);
    EXPECT_EQ(huge.size(), image.size());
}

TEST_F(WindowPixels, HugeKeyWidthDrawsWithoutTrouble) {
    view.storeKeyWidth(1e12);
    key(60).isPressedOnScreen = true;
    center.post(PianoResizingStarted);
    const QImage image = render(view);
    // Whatever key fills the view, it is drawn in a key colour, not left unpainted.
    const QColor c = at(image, 600, 10);
    EXPECT_NE(c, QColor(Qt::magenta));
}

// The strip, 1085 x 30, with its own defaults (key width 50, offset 60).
class StripPixels : public PianoPixels {
protected:
    PianoView view{Rect(0, 0, 1085, 30), true, piano, center};
};

TEST_F(StripPixels, UnpressedKeysAreLightGreyAndPressedOnesLightUp) {
    // Shift 1509.375: slot 31 (F, note 53) spans 40.6..90.6, slot 32 (G) 90.6..140.6.
    const QImage plain = render(view);
    save(plain, "strip-plain");
    EXPECT_TRUE(isGrey(at(plain, 65, 5), 170));
    key(53).isPressedOnTouchBar = true;
    key(56).isPressedOnTouchBar = true; // G sharp: 90.6 + 33.5 .. + 33
    const QImage pressed = render(view);
    save(pressed, "strip-pressed");
    EXPECT_TRUE(isGrey(at(pressed, 65, 5), 255));
    EXPECT_GT(at(pressed, 95, 5).red(), 175) << "glow on G";
    const QColor red = at(pressed, 140.6, 25);
    EXPECT_NEAR(red.red(), 179, 2);
    EXPECT_LE(red.green(), 1);
}

TEST_F(StripPixels, TouchAreaOverlayIsHalfTransparentRed) {
    view.setShowsBlackKeyTouchArea(true);
    view.setBlackKeyTouchArea(1.0);
    const QImage image = render(view);
    save(image, "strip-overlay");
    // F sharp's zone (slot 31/32 boundary at 90.6) covers 65.6..115.6; on light grey keys the
    // red overlay gives (1*0.5 + 0.667*0.5, 0.333, 0.333).
    const QColor c = at(image, 80, 5);
    EXPECT_NEAR(c.red(), 213, 2);
    EXPECT_NEAR(c.green(), 85, 2);
}

TEST_F(StripPixels, LabelsHangFromTheTopOfTheirShortBoxes) {
    center.post(PianoResizingStarted);
    const QImage image = render(view);
    save(image, "strip-labels");
    // "C5" on slot 35 (x 240.6..290.6); its box is 26 points high, so the text sits in the
    // upper part of the strip and nothing of it falls below y 6.
    int text = 0;
    int low = 0;
    for (int x = 241; x < 290; ++x) {
        for (int y = 0; y < 30; ++y) {
            const QColor c = at(image, x + 0.5, y + 0.5);
            if (c.red() > c.green() + 40) {
                (y >= 6 ? text : low) += 1;
            }
        }
    }
    EXPECT_GT(text, 20);
    EXPECT_EQ(low, 0);
}

} // namespace
} // namespace tinkella::testing
