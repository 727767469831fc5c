#include "support/RecordingDrawContext.h"
#include "view/PianoViewTestSupport.h"

#include <algorithm>
#include <limits>

namespace tinkella::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class Drawing : public PianoViewTest {
protected:
    std::vector<std::string> drawn() {
        RecordingDrawContext context;
        view->draw(context);
        return context.lines();
    }
    std::vector<DrawOperation> operations() {
        RecordingDrawContext context;
        view->draw(context);
        return context.operations();
    }
    static std::vector<std::string> starting(const std::vector<std::string>& lines,
                                             const std::string& prefix) {
        std::vector<std::string> found;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                     [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
        return found;
    }
    std::vector<std::string> labels() {
        std::vector<std::string> texts;
        for (const DrawOperation& op : operations()) {
            if (op.kind == DrawOperation::Kind::drawText) {
                texts.push_back(op.text);
            }
        }
        return texts;
    }
    static std::vector<std::string> sharpOutline(double bl, double h) {
        const double bw = 33;
        return {"beginPath", "moveTo " + fmt(bl) + " " + fmt(h),
                "addArc " + fmt(bl + 3) + " " + fmt(h / 2 + 3) + " 3 3.14159 4.71239 ccw",
                "addArc " + fmt(bl + bw - 3) + " " + fmt(h / 2 + 3) + " 3 4.71239 0 ccw",
                "addLineTo " + fmt(bl + bw) + " " + fmt(h)};
    }
    static std::string fmt(double v) {
        DrawOperation op;
        op.kind = DrawOperation::Kind::moveTo;
        op.point = {v, 0};
        const std::string line = RecordingDrawContext::describe(op); // "moveTo <v> 0"
        return line.substr(7, line.size() - 9);
    }
};

TEST_F(Drawing, WindowSceneWithPressedWhiteAndBlackKeys) {
    // Slots 0..2 fill the 150-point view; F (slot 3) touches its right edge.
    makeView(false, 150, 100, 0);
    key(4).isPressedOnScreen = true;   // E
    key(1).isPressedOnTouchBar = true; // C sharp
    std::vector<std::string> expected = {
        "setFillColor rgba(0 0 0 1)",
        "fillRect 0 0 150 100",
        "setFillColor rgba(0.92 0.92 0.92 1)",
        "clipToRect 0 0 3500 100",
        "fillRect 0 0 150 100",
        "setShadow 0 0 15 rgba(1 1 1 1)",
        "setFillColor rgba(1 1 1 1)",
        "fillRect 100 0 50 100",
    };
    auto append = [&](const std::vector<std::string>& more) {
        expected.insert(expected.end(), more.begin(), more.end());
    };
    append(sharpOutline(33.5, 100));
    append({"setShadow 0 0 5 rgba(0.7 0 0 1)", "setFillColor rgba(0.7 0 0 1)", "fillPath"});
    append(sharpOutline(83.5, 100));
    append({"setShadow 0 0 0 rgba(0 0 0 0)", "setFillColor rgba(0 0 0 1)", "fillPath"});
    append({"setShadow 0 0 0 rgba(0 0 0 0)", "setFillColor rgba(0 0 0 1)", "fillRect 0 0 1 100",
            "fillRect 50 0 1 50", "fillRect 100 0 1 50", "fillRect 150 0 1 100"});
    append({"setStrokeColor rgba(0 0 0 1)"});
    append(sharpOutline(33.5, 100));
    append({"strokePath"});
    append(sharpOutline(83.5, 100));
    append({"strokePath"});
    EXPECT_THAT(drawn(), ElementsAreArray(expected));
}

TEST_F(Drawing, StripPaintsItsKeysLightGrey) {
    makeView(true, 150, 30, 0);
    EXPECT_EQ(drawn().at(2), "setFillColor rgba(0.666667 0.666667 0.666667 1)");
}

TEST_F(Drawing, PressedOnBothSurfacesLooksLikePressedOnceAndSoundingAloneLooksUnpressed) {
    makeView(false, 150, 100, 0);
    key(2).isPressedOnScreen = true;
    const std::vector<std::string> once = drawn();
    key(2).isPressedOnTouchBar = true;
    EXPECT_EQ(drawn(), once);
    key(2).isPressedOnScreen = false;
    key(2).isPressedOnTouchBar = false;
    const std::vector<std::string> unpressed = drawn();
    key(2).playing = true;
    EXPECT_EQ(drawn(), unpressed);
    EXPECT_NE(unpressed, once);
}

TEST_F(Drawing, NarrowKeyboardIsClippedToItsCentredExtent) {
    makeView(false, 1000, 100);
    view->storeKeyWidth(10);
    const std::vector<std::string> lines = drawn();
    EXPECT_THAT(starting(lines, "clipToRect"), ElementsAre("clipToRect 150 0 700 100"));
    EXPECT_EQ(lines.at(4), "fillRect 0 0 1000 100"); // only the extent takes the grey
}

TEST_F(Drawing, FirstVisibleWhiteKeyAfterAHiddenSharpGetsAFullLine) {
    // Shifted 75 points: D comes first, its left neighbour C sharp is out of view.
    makeView(false, 600, 100, static_cast<float>(96.0 * 75.0 / 2900.0));
    const std::vector<std::string> separators = starting(drawn(), "fillRect");
    ASSERT_GE(separators.size(), 4U);
    // Black background, grey keys, then the first separator: D's left edge, full height.
    EXPECT_EQ(separators.at(2), "fillRect -25 0 1 100");
    EXPECT_EQ(separators.at(3), "fillRect 25 0 1 50");
}

TEST_F(Drawing, NoVisibleKeyLeavesTheViewBlack) {
    makeView(true, 600, 30, 120);
    view->setShowsBlackKeyTouchArea(true);
    center.post(PianoResizingStarted);
    key(0).isPressedOnTouchBar = true;
    EXPECT_THAT(drawn(), ElementsAre("setFillColor rgba(0 0 0 1)", "fillRect 0 0 600 30",
                                     "setFillColor rgba(0.666667 0.666667 0.666667 1)",
                                     "clipToRect -3625 0 3500 30", "fillRect 0 0 600 30",
                                     "setShadow 0 0 15 rgba(1 1 1 1)", "setFillColor rgba(1 1 1 1)",
                                     "setShadow 0 0 0 rgba(0 0 0 0)", "setFillColor rgba(0 0 0 1)",
                                     "setStrokeColor rgba(0 0 0 1)", "setFillColor rgba(1 0 0 0.5)",
                                     "setStrokeColor rgba(1 0 0 1)"));
}

TEST_F(Drawing, NonFiniteLayoutDrawsTheBackgroundOnly) {
    makeView(false, 600, 100);
    for (double width : {std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity(), 1e307}) {
        view->storeKeyWidth(width);
        EXPECT_THAT(drawn(), ElementsAre("setFillColor rgba(0 0 0 1)", "fillRect 0 0 600 100"));
    }
    view->storeKeyWidth(50);
    view->storeNoteOffset(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(drawn().size(), 2U);
}

TEST_F(Drawing, TouchAreaOverlayCoversTheZoneThroughTheWholeHeight) {
    makeView(true, 150, 30, 0);
    view->setShowsBlackKeyTouchArea(true);
    view->setBlackKeyTouchArea(1.0);
    std::vector<std::string> lines = drawn();
    const auto first = std::find(lines.begin(), lines.end(), "setFillColor rgba(1 0 0 0.5)");
    ASSERT_NE(first, lines.end());
    EXPECT_THAT(std::vector<std::string>(first, lines.end()),
                ElementsAre("setFillColor rgba(1 0 0 0.5)", "setStrokeColor rgba(1 0 0 1)",
                            "fillRect 25 0 50 30", "strokeRect 25 0 50 30", "fillRect 75 0 50 30",
                            "strokeRect 75 0 50 30"));
    view->setBlackKeyTouchArea(0.5);
    EXPECT_THAT(starting(drawn(), "strokeRect"),
                ElementsAre("strokeRect 37.5 0 25 30", "strokeRect 87.5 0 25 30"));
}

TEST_F(Drawing, LabelsOnlyWhileResizing) {
    makeView(false, 2000, 100);
    view->storeKeyWidth(25);
    EXPECT_THAT(labels(), IsEmpty());
    center.post(PianoResizingStarted);
    EXPECT_THAT(labels(), ElementsAre("C0", "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9"));
    center.post(PianoResizingEnded);
    EXPECT_THAT(labels(), IsEmpty());
}

TEST_F(Drawing, LabelFontAndRectangleAndShortLabelsBelowKeyWidth25) {
    makeView(false, 2000, 100);
    center.post(PianoResizingStarted);
    view->storeKeyWidth(24.9);
    EXPECT_EQ(labels().at(5), "5");
    view->storeKeyWidth(25);
    const std::vector<std::string> texts = starting(drawn(), "drawText");
    // Keyboard 1750 wide, centred: starts at 125; C5 is slot 35.
    EXPECT_EQ(texts.at(5), "drawText \"C5\" 1000 0 26.5 50 Helvetica 16 rgba(0.5 0 0 1) centered");
}

TEST_F(Drawing, LabelFontSizeIsTheRoundedKeyWidthWithin12To16) {
    makeView(false, 2000, 100);
    center.post(PianoResizingStarted);
    const std::vector<std::pair<double, double>> cases = {
        {10, 12}, {12.4, 12}, {12.5, 13}, {14.5, 15}, {15.4, 15}, {15.5, 16}, {50, 16}};
    for (const auto& [width, size] : cases) {
        view->storeKeyWidth(width);
        bool found = false;
        for (const DrawOperation& op : operations()) {
            if (op.kind == DrawOperation::Kind::drawText) {
                EXPECT_EQ(op.attributes.fontSize, size) << width;
                found = true;
            }
        }
        EXPECT_TRUE(found) << width;
    }
}

TEST_F(Drawing, LabelHeightsOnTheStripAndInTheWindow) {
    auto heightAt = [&](double width) {
        view->storeKeyWidth(width);
        for (const DrawOperation& op : operations()) {
            if (op.kind == DrawOperation::Kind::drawText) {
                return op.rect.size.height;
            }
        }
        return -1.0;
    };
    makeView(true, 1000, 30, 0);
    center.post(PianoResizingStarted);
    EXPECT_EQ(heightAt(50), 26);   // 16/2 + 18
    EXPECT_EQ(heightAt(24.9), 18); // 16/2 + 10
    EXPECT_EQ(heightAt(10), 16);   // 12/2 + 10
    makeView(false, 1000, 300, 0);
    center.post(PianoResizingStarted);
    EXPECT_EQ(heightAt(50), 50);
    EXPECT_EQ(heightAt(10), 50);
}

} // namespace
} // namespace tinkella::testing
