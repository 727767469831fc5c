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
    RecordingDrawContext context;
    const auto drawn = [&] {
        context.lines.clear();
        view->draw(context);
        return std::ranges::count_if(
            context.lines, [](const std::string& l) { return l.starts_with("drawText \"C0\""); });
    };
    EXPECT_EQ(drawn(), 0);
    const auto overlay =
        std::find(context.lines.begin(), context.lines.end(), "setFillColor rgba(1 0 0 0.5)");
    ASSERT_NE(overlay, context.lines.end());
    EXPECT_EQ(std::vector<std::string>(overlay + 2, context.lines.end()),
              (std::vector<std::string>{"fillRect 37.5 0 25 30", "strokeRect 37.5 0 25 30",
                                        "fillRect 87.5 0 25 30", "strokeRect 87.5 0 25 30"}));
    center.post(PianoResizingStarted);
    EXPECT_EQ(drawn(), 1);
    center.post(PianoResizingEnded);
    EXPECT_EQ(drawn(), 0);
}

} // namespace
} // namespace tinkella::testing
