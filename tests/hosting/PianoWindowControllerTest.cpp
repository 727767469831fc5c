// The piano window: key width and note offset turned into widget size and scroll position,
// live scrolls (scroll bar, wheel) written back as the note offset,
// and the saved frame.
#include "hosting/PianoWindowController.h"

#include "hosting/KeyboardScroll.h"
#include "hosting/QtPianoWidget.h"
#include "support/KeyboardDoubles.h"
#include "support/QtTestApplication.h"
#include "view/PianoView.h"

#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

class PianoWindowControllerTest : public ::testing::Test {
protected:
    PianoWindowControllerTest() {
        controller->showWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(controller->window()));
        EXPECT_EQ(controller->clipView()->width(), 1200);
    }
    QScrollBar* bar() const { return controller->scrollView()->horizontalScrollBar(); }
    double stored() const { return doubles.defaults.value("values.noteOffset").realValue(); }
    void wheel(Qt::ScrollPhase phase, QPoint angle) {
        QWheelEvent event(QPointF(100, 100), QPointF(100, 100), QPoint(), angle, Qt::NoButton,
                          Qt::NoModifier, phase, false);
        QCoreApplication::sendEvent(controller->clipView(), &event);
    }

    QApplication& qt = testing::ensureQtApplication();
    testing::KeyboardDoubles doubles;
    std::unique_ptr<PianoWindowController> controller =
        std::make_unique<PianoWindowController>(doubles.defaults, doubles.piano, doubles.center);
    int resizes = 0;
    ObserverRegistration ended =
        doubles.center.addObserver(PianoResizingEnded, [this](const Notification&) { ++resizes; });
};

// Through the stored preferences, so odd values are decoded on their way as in the program.
TEST_F(PianoWindowControllerTest, KeyWidthAndOffsetSetTheWidgetWidthAndTheScrollPosition) {
    const struct {
        double keyWidth;
        float offset;
        int viewKeyWidth, scroll;
    } cases[] = {{50, 0, 50, 0},     {50, 60, 50, 1438},   {50, 96, 50, 2300},
                 {9.5, 48, 26, 310}, {90.5, 48, 75, 2025}, {NAN, INFINITY, 50, 1438},
                 {1e300, 0, 75, 0}};
    for (const auto& c : cases) {
        doubles.defaults.setValue(DefaultsValue::real(c.keyWidth), "values.keyWidth");
        doubles.defaults.setValue(DefaultsValue::real(c.offset), "values.noteOffset");
        EXPECT_EQ(controller->pianoView()->keyWidth(), c.viewKeyWidth) << c.keyWidth;
        EXPECT_EQ(controller->pianoWidget()->width(), c.viewKeyWidth * 70) << c.keyWidth;
        EXPECT_EQ(bar()->value(), c.scroll) << c.keyWidth << " " << c.offset;
    }
}

// What the window shows after a live scroll is written back, clamped to 0..96, whether the
// scroll ends between samples or not; a scroll by the program is no live scroll.
TEST_F(PianoWindowControllerTest, LiveScrollsWriteTheOffsetTheWindowShows) {
    controller->setNoteOffset(0);
    bar()->setSliderDown(true);
    EXPECT_TRUE(controller->pianoView()->showsOctaveNumber());
    bar()->setValue(2300);
    bar()->setSliderDown(false);
    EXPECT_EQ(stored(), 96.0);
    EXPECT_EQ(resizes, 1);
    controller->willStartLiveScroll();
    bar()->setValue(-100);
    controller->keyboardScroll().sampleLiveScroll();
    EXPECT_EQ(stored(), 0.0);
    controller->didEndLiveScroll();

    wheel(Qt::ScrollBegin, QPoint(0, 0));
    wheel(Qt::ScrollUpdate, QPoint(-120, 0));
    EXPECT_GT(bar()->value(), 0);
    wheel(Qt::ScrollEnd, QPoint(0, 0));
    EXPECT_EQ(resizes, 3);
    EXPECT_FLOAT_EQ(static_cast<float>(stored()),
                    static_cast<float>(bar()->value() / 2300.0 * 96.0));
    doubles.defaults.setValue(DefaultsValue::real(30.0), "values.noteOffset");
    EXPECT_FALSE(controller->keyboardScroll().isLiveScrolling());
    EXPECT_EQ(resizes, 3);
}

} // namespace
} // namespace tinkella
