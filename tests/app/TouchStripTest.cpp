#include "app/KeyboardDoubles.h"
#include "app/QtTestApplication.h"
#include "hosting/TouchBarController.h"
#include "platform/touchbar/QtStripWindow.h"
#include "platform/touchbar/TouchBar.h"
#include "platform/view/QtPianoWidget.h"
#include "support/FakeViewHost.h"
#include "view/PianoView.h"

#include <QPointingDevice>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tinkella {
namespace {

using testing::FakeViewHost;
using testing::KeyboardDoubles;

// --- The strip's piano view and its preferences ----------------------------------------------

class TouchBarControllerTest : public ::testing::Test {
protected:
    KeyboardDoubles doubles;
};

TEST_F(TouchBarControllerTest, ViewIsAStripViewWithTheStoredSettingsFromTheStart) {
    doubles.defaults.setValue(DefaultsValue::real(37.25), "values.keyWidth");
    doubles.defaults.setValue(DefaultsValue::real(0.4), "values.blackKeyTouchArea");
    doubles.defaults.setValue(DefaultsValue::boolean(true), "values.blackKeyGlissando");
    TouchBarController controller(doubles.defaults, doubles.piano, doubles.center);
    const PianoView& view = controller.pianoView();
    EXPECT_TRUE(view.isOnTouchBar());
    EXPECT_EQ(view.frame(), Rect(0, 0, 0, 0));
    EXPECT_EQ(view.keyWidth(), 37.25);
    EXPECT_EQ(view.noteOffset(), 60.0F);
    EXPECT_EQ(view.blackKeyTouchArea(), 0.4);
    EXPECT_TRUE(view.blackKeyGlissando());
}

TEST_F(TouchBarControllerTest, RegisteredDefaultsReachTheView) {
    TouchBarController controller(doubles.defaults, doubles.piano, doubles.center);
    EXPECT_EQ(controller.pianoView().keyWidth(), 50.0);
    EXPECT_EQ(controller.pianoView().noteOffset(), 60.0F);
    EXPECT_EQ(controller.pianoView().blackKeyTouchArea(), 0.15);
    EXPECT_FALSE(controller.pianoView().blackKeyGlissando());
}

TEST_F(TouchBarControllerTest, KeyWidthIsNarrowedToSinglePrecision) {
    TouchBarController controller(doubles.defaults, doubles.piano, doubles.center);
    doubles.defaults.setValue(DefaultsValue::real(50.1), "values.keyWidth");
    EXPECT_EQ(controller.pianoView().keyWidth(), 50.099998474121094);
}

TEST_F(TouchBarControllerTest, PropertiesForwardAndKeepNothing) {
    TouchBarController controller(doubles.defaults, doubles.piano, doubles.center);
    controller.setKeyWidth(42);
    controller.setNoteOffset(12);
    EXPECT_EQ(controller.pianoView().keyWidth(), 42.0);
    EXPECT_EQ(controller.pianoView().noteOffset(), 12.0F);
    EXPECT_EQ(controller.keyWidth(), 0.0);
    EXPECT_EQ(controller.noteOffset(), 0.0F);
}

TEST_F(TouchBarControllerTest, KeyWidthChangeReevaluatesARestingFingerAtOnce) {
    TouchBarController controller(doubles.defaults, doubles.piano, doubles.center);
    PianoView& view = controller.pianoView();
    FakeViewHost host(Rect(0, 0, 1085, 30));
    view.setHost(&host);
    doubles.defaults.setValue(DefaultsValue::real(0.0), "values.noteOffset");
    // Key width 50 from x = 0: x 75 is in D's slot, clear of the black zones.
    view.touchesBegan({TouchRecord{"finger", TouchPhase::began, TouchType::direct, {75, 15}}});
    ASSERT_TRUE(doubles.piano.keys()[2].isPressedOnTouchBar);
    const int redraws = host.redrawRequests;

    doubles.defaults.setValue(DefaultsValue::real(25.0), "values.keyWidth");
    // At 25 points x 75 is the left edge of slot 3, F; with a touch area of 0.15 that is inside
    // E-F's gap, which has no black key, so the finger now holds F.
    EXPECT_FALSE(doubles.piano.keys()[2].isPressedOnTouchBar);
    EXPECT_TRUE(doubles.piano.keys()[5].isPressedOnTouchBar);
    EXPECT_EQ(doubles.soundingNotes(), std::set<std::uint32_t>{5});
    EXPECT_GT(host.redrawRequests, redraws);

    view.touchesEnded({TouchRecord{"finger", TouchPhase::ended, TouchType::direct, {75, 15}}});
    view.setHost(nullptr);
}

TEST_F(TouchBarControllerTest, TouchAreaAndGlissandoChangesDoNotRedraw) {
    TouchBarController controller(doubles.defaults, doubles.piano, doubles.center);
    FakeViewHost host(Rect(0, 0, 1085, 30));
    controller.pianoView().setHost(&host);
    doubles.defaults.setValue(DefaultsValue::real(0.9), "values.blackKeyTouchArea");
    doubles.defaults.setValue(DefaultsValue::boolean(true), "values.blackKeyGlissando");
    EXPECT_EQ(host.redrawRequests, 0);
    EXPECT_EQ(controller.pianoView().blackKeyTouchArea(), 0.9);
    EXPECT_TRUE(controller.pianoView().blackKeyGlissando());
    controller.pianoView().setHost(nullptr);
}

// --- Where the strip goes --------------------------------------------------------------------

TEST(StripGeometryTest, SitsAtTheBottomCentreOfAnOrdinaryScreen) {
    const QRect available(0, 0, 1920, 1040); // a 40 pixel task bar below
    const QRect strip = QtStripWindow::stripGeometry({QRect(0, 0, 1920, 1080)}, available);
    EXPECT_EQ(strip.size(), QSize(1085, 30));
    EXPECT_EQ(strip.center().x(), available.center().x());
    EXPECT_EQ(strip.bottom() + 1, 1040 - QtStripWindow::bottomGap);
}

TEST(StripGeometryTest, FollowsTheAnchorScreensOrigin) {
    const QRect available(1920, 200, 1280, 1024);
    const QRect strip = QtStripWindow::stripGeometry(
        {QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 1024)}, available);
    EXPECT_EQ(strip.left(), 1920 + (1280 - 1085) / 2);
    EXPECT_EQ(strip.top(), 200 + 1024 - QtStripWindow::bottomGap - 30);
}

TEST(StripGeometryTest, NeverWiderThanANarrowScreen) {
    const QRect strip =
        QtStripWindow::stripGeometry({QRect(0, 0, 800, 600)}, QRect(0, 0, 800, 600));
    EXPECT_EQ(strip, QRect(0, 600 - QtStripWindow::bottomGap - 30, 800, 30));
}

TEST(StripGeometryTest, FillsATouchBarShapedScreen) {
    const QRect touchBar(0, 1080, 2170, 60);
    EXPECT_EQ(
        QtStripWindow::stripGeometry({QRect(0, 0, 1920, 1080), touchBar}, QRect(0, 0, 1920, 1040)),
        touchBar);
    EXPECT_TRUE(QtStripWindow::isTouchBarShaped(QRect(0, 0, 1200, 120)));
    EXPECT_FALSE(QtStripWindow::isTouchBarShaped(QRect(0, 0, 1200, 121)));
    EXPECT_FALSE(QtStripWindow::isTouchBarShaped(QRect(0, 0, 1199, 120)));
    EXPECT_FALSE(QtStripWindow::isTouchBarShaped(QRect(0, 0, 0, 0)));
}

// --- The strip window ------------------------------------------------------------------------

// Offers a bar like the piano window's: the piano item and the other-items proxy.
class FakeProvider : public TouchBarProvider, public TouchBarDelegate {
public:
    explicit FakeProvider(PianoView& view) : view_(view) {}
    std::unique_ptr<TouchBar> makeTouchBar() override {
        ++barsMade;
        auto bar = std::make_unique<TouchBar>();
        bar->setDelegate(this);
        bar->setDefaultItemIdentifiers(
            {TouchBarController::pianoViewIdentifier(), TouchBarItemIdentifierOtherItemsProxy});
        return bar;
    }
    std::unique_ptr<CustomTouchBarItem> touchBar(TouchBar&,
                                                 const std::string& identifier) override {
        asked.push_back(identifier);
        if (identifier != TouchBarController::pianoViewIdentifier()) {
            return nullptr;
        }
        auto item = std::make_unique<CustomTouchBarItem>(identifier);
        item->setView(&view_);
        return item;
    }
    int barsMade = 0;
    std::vector<std::string> asked;

private:
    PianoView& view_;
};

class StripWindowTest : public ::testing::Test {
protected:
    StripWindowTest() { testing::ensureQtApplication(); }

    KeyboardDoubles doubles;
    PianoView view{Rect(0, 0, 0, 0), true, doubles.piano, doubles.center};
    FakeProvider provider{view};
};

TEST_F(StripWindowTest, IsAFramelessTopWindowThatNeverTakesFocus) {
    QtStripWindow strip(provider, nullptr);
    EXPECT_EQ(strip.windowTitle(), QStringLiteral("Tinkella Touch Bar"));
    const Qt::WindowFlags flags = strip.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(strip.testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST_F(StripWindowTest, ShowsTheBarsItemsWhileTheApplicationIsActive) {
    QtStripWindow strip(provider, nullptr);
    strip.applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(strip.isVisible());
    EXPECT_EQ(provider.asked, std::vector<std::string>{"com.quorvin.piano.label"});
    ASSERT_EQ(strip.itemWidgets().size(), 1u);
    QtPianoWidget* item = strip.itemWidgets()[0];
    EXPECT_EQ(&item->pianoView(), &view);
    EXPECT_EQ(item->mouseMode(), QtPianoWidget::MouseMode::directTouch);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    EXPECT_EQ(item->size(), strip.size());
    EXPECT_EQ(view.bounds().size, (Size{double(strip.width()), double(strip.height())}));

    strip.applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(strip.isVisible());
    strip.applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(provider.barsMade, 1);
    EXPECT_EQ(strip.itemWidgets().size(), 1u);
}

TEST_F(StripWindowTest, DeactivationWithFingersDownCancelsThem) {
    QtStripWindow strip(provider, nullptr);
    strip.applicationStateChanged(Qt::ApplicationActive);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    view.storeNoteOffset(0);
    std::unique_ptr<QPointingDevice> screen(
        QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
    QtPianoWidget* item = strip.itemWidgets()[0];
    QTest::touchEvent(item, screen.get()).press(0, QPoint(25, 10));
    QTest::mousePress(item, Qt::LeftButton, {}, QPoint(75, 10));
    ASSERT_EQ(doubles.soundingNotes(), (std::set<std::uint32_t>{0, 2}));

    strip.applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(view.touchCount(), 0u);
    EXPECT_TRUE(doubles.soundingNotes().empty());
    EXPECT_FALSE(doubles.piano.keys()[0].isPressedOnTouchBar);
    EXPECT_FALSE(doubles.piano.keys()[2].isPressedOnTouchBar);
}

} // namespace
} // namespace tinkella
