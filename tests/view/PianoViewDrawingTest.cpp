#include "support/RecordingDrawContext.h"
#include "view/PianoViewTestSupport.h"

#include <algorithm>

namespace tinkella::testing {
namespace {

// The strip's touch-area overlay covers each black key's zone through the whole height, and
// octave labels appear only while a resize is under way.
TEST_F(PianoViewTest, StripDrawsTheTouchZonesAndLabelsWhileResizing) {
    makeView(true, 150, 30);
    view->setShowsBlackKeyTouchArea(true);
    view->setBlackKeyTouchArea(0.5);
    controller.keys()[1].isPressedOnTouchBar = true;
    const auto drawn = [this] {
        RecordingDrawContext context;
        view->draw(context);
        return context.lines;
    };
    std::vector<std::string> lines = drawn();
    const auto overlay = std::find(lines.begin(), lines.end(), "setFillColor rgba(1 0 0 0.5)");
    ASSERT_NE(overlay, lines.end());
    EXPECT_EQ(std::vector<std::string>(overlay + 2, lines.end()),
              (std::vector<std::string>{"fillRect 37.5 0 25 30", "strokeRect 37.5 0 25 30",
                                        "fillRect 87.5 0 25 30", "strokeRect 87.5 0 25 30"}));
    const auto labelled = [&] {
        lines = drawn();
        return std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
            return l.rfind("drawText \"C0\"", 0) == 0;
        });
    };
    EXPECT_EQ(labelled(), 0);
    center.post(PianoResizingStarted);
    EXPECT_EQ(labelled(), 1);
    center.post(PianoResizingEnded);
    EXPECT_EQ(labelled(), 0);
}

} // namespace
} // namespace tinkella::testing
