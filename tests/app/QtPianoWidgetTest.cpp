#include "hosting/QtPianoWidget.h"

#include "app/KeyboardDoubles.h"
#include "app/QtTestApplication.h"
#include "view/PianoView.h"

#include <QPointingDevice>
#include <QTest>
#include <QTouchEvent>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tinkella {
namespace {

using testing::KeyboardDoubles;

constexpr std::uint32_t noteOnWord(std::uint32_t note) {
    return 0x2090007Fu | (note << 8);
}
constexpr std::uint32_t noteOffWord(std::uint32_t note) {
    return 0x20800000u | (note << 8);
}

// Counts the touch events that reach a widget.
class TouchCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::TouchBegin || event->type() == QEvent::TouchUpdate ||
            event->type() == QEvent::TouchEnd) {
            ++touchEvents;
        }
        return false;
    }
    int touchEvents = 0;
};

class QtPianoWidgetTest : public ::testing::Test {
protected:
    QtPianoWidgetTest() { testing::ensureQtApplication(); }

    // The window's keyboard, 3500 × 100 so that key width 50 lays all 70 slots out from x = 0:
    // middle C (note 60) spans x 1750..1800, its sharp 1783.5..1816.5 in the upper half.
    std::unique_ptr<QtPianoWidget> makeWindowWidget() {
        windowView = std::make_unique<PianoView>(Rect(0, 0, 3500, 100), false, doubles.piano,
                                                 doubles.center);
        auto widget =
            std::make_unique<QtPianoWidget>(*windowView, QtPianoWidget::MouseMode::playsKeys);
        widget->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
        return widget;
    }

    // The strip's keyboard, 1085 × 30, scrolled to its left end: C0 spans x 0..50.
    std::unique_ptr<QtPianoWidget> makeStripWidget() {
        stripView =
            std::make_unique<PianoView>(Rect(0, 0, 1085, 30), true, doubles.piano, doubles.center);
        stripView->storeNoteOffset(0);
        auto widget =
            std::make_unique<QtPianoWidget>(*stripView, QtPianoWidget::MouseMode::directTouch);
        widget->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
        return widget;
    }

    // A touch device that goes when the test ends (the toolkit would keep it forever).
    QPointingDevice* touchDevice(QInputDevice::DeviceType type) {
        devices.emplace_back(QTest::createTouchDevice(type));
        return devices.back().get();
    }

    bool pressedOnScreen(std::size_t note) { return doubles.piano.keys()[note].isPressedOnScreen; }
    bool pressedOnStrip(std::size_t note) { return doubles.piano.keys()[note].isPressedOnTouchBar; }

    KeyboardDoubles doubles;
    std::unique_ptr<PianoView> windowView;
    std::unique_ptr<PianoView> stripView;
    std::vector<std::unique_ptr<QPointingDevice>> devices;
};

TEST_F(QtPianoWidgetTest, ClickOnMiddleCLightsTheKeyAndPlaysItOnBothOutputs) {
    auto widget = makeWindowWidget();
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(1775, 80));
    EXPECT_TRUE(pressedOnScreen(60));
    EXPECT_EQ(doubles.soundingNotes(), std::set<std::uint32_t>{60});
    EXPECT_EQ(doubles.noteWords(), std::vector<std::uint32_t>{noteOnWord(60)});

    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(1775, 80));
    EXPECT_FALSE(pressedOnScreen(60));
    EXPECT_TRUE(doubles.soundingNotes().empty());
    EXPECT_EQ(doubles.noteWords(), (std::vector<std::uint32_t>{noteOnWord(60), noteOffWord(60)}));
}

TEST_F(QtPianoWidgetTest, UpperHalfOfTheWidgetIsTheUpperHalfOfTheView) {
    auto widget = makeWindowWidget();
    // Qt's y = 20 is 80 points above the bottom: the sharp's rectangle.
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(1800, 20));
    EXPECT_TRUE(pressedOnScreen(61));
    EXPECT_FALSE(pressedOnScreen(62));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(1800, 20));

    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(1800, 80));
    EXPECT_TRUE(pressedOnScreen(62));
    EXPECT_FALSE(pressedOnScreen(61));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(1800, 80));
    ASSERT_TRUE(windowView->mousePosition() == std::nullopt);
}

TEST_F(QtPianoWidgetTest, DragMovesTheHeldKeyAndOnlyTheLeftButtonPlays) {
    auto widget = makeWindowWidget();
    QTest::mousePress(widget.get(), Qt::RightButton, {}, QPoint(1775, 80));
    EXPECT_FALSE(pressedOnScreen(60));
    QTest::mouseRelease(widget.get(), Qt::RightButton, {}, QPoint(1775, 80));

    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(1775, 80));
    QTest::mouseMove(widget.get(), QPoint(1825, 80));
    EXPECT_FALSE(pressedOnScreen(60));
    EXPECT_TRUE(pressedOnScreen(62));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(1825, 80));
    EXPECT_TRUE(doubles.soundingNotes().empty());
}

TEST_F(QtPianoWidgetTest, AnotherWidgetGrabbingTheMouseReleasesTheHeldKey) {
    auto widget = makeWindowWidget();
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(1775, 80));
    ASSERT_TRUE(pressedOnScreen(60));

    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    other.grabMouse();
    QCoreApplication::processEvents();
    QEvent poke(QEvent::User);
    QCoreApplication::sendEvent(&other, &poke);
    other.releaseMouse();

    EXPECT_FALSE(widget->isMouseHeld());
    EXPECT_FALSE(pressedOnScreen(60));
    EXPECT_TRUE(doubles.soundingNotes().empty());
    EXPECT_EQ(windowView->mousePosition(), std::nullopt);
}

TEST_F(QtPianoWidgetTest, DeactivatingTheWindowReleasesTheHeldKey) {
    auto widget = makeWindowWidget();
    QWidget other;
    other.show();
    other.activateWindow();
    QCoreApplication::processEvents();
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(1775, 80));
    ASSERT_TRUE(pressedOnScreen(60));
    QEvent deactivated(QEvent::ActivationChange);
    QCoreApplication::sendEvent(widget.get(), &deactivated);
    EXPECT_FALSE(pressedOnScreen(60));
    EXPECT_TRUE(doubles.soundingNotes().empty());
}

TEST_F(QtPianoWidgetTest, HidingTheWidgetReleasesTheHeldMouseButton) {
    auto widget = makeWindowWidget();
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(1775, 80));
    widget->hide();
    EXPECT_FALSE(pressedOnScreen(60));
    EXPECT_TRUE(doubles.soundingNotes().empty());
}

TEST_F(QtPianoWidgetTest, TouchscreenFingersAreDirectTouchesOnTheStrip) {
    auto widget = makeStripWidget();
    QPointingDevice* screen = touchDevice(QInputDevice::DeviceType::TouchScreen);
    QTest::touchEvent(widget.get(), screen).press(0, QPoint(25, 15));
    EXPECT_TRUE(pressedOnStrip(0));
    QTest::touchEvent(widget.get(), screen).stationary(0).press(1, QPoint(75, 15));
    EXPECT_TRUE(pressedOnStrip(0));
    EXPECT_TRUE(pressedOnStrip(2));
    EXPECT_EQ(stripView->touchCount(), 2u);

    QTest::touchEvent(widget.get(), screen).release(0, QPoint(25, 15)).move(1, QPoint(125, 15));
    EXPECT_FALSE(pressedOnStrip(0));
    EXPECT_FALSE(pressedOnStrip(2));
    EXPECT_TRUE(pressedOnStrip(4));
    QTest::touchEvent(widget.get(), screen).release(1, QPoint(125, 15));
    EXPECT_EQ(stripView->touchCount(), 0u);
    EXPECT_TRUE(doubles.soundingNotes().empty());
}

TEST_F(QtPianoWidgetTest, TouchpadFingersPlayNothing) {
    auto widget = makeStripWidget();
    TouchCounter counter;
    widget->installEventFilter(&counter);
    QPointingDevice* pad = touchDevice(QInputDevice::DeviceType::TouchPad);
    QTest::touchEvent(widget.get(), pad).press(0, QPoint(25, 15));
    ASSERT_GT(counter.touchEvents, 0);
    EXPECT_FALSE(pressedOnStrip(0));
    EXPECT_EQ(stripView->touchCount(), 0u);
    EXPECT_TRUE(doubles.soundingNotes().empty());
    QTest::touchEvent(widget.get(), pad).release(0, QPoint(25, 15));
}

TEST_F(QtPianoWidgetTest, TouchCoordinatesAreFlippedIntoTheView) {
    auto widget = makeStripWidget();
    QPointingDevice* screen = touchDevice(QInputDevice::DeviceType::TouchScreen);
    // The strip's hit test takes the whole height: Qt's y 0 is the top edge, outside the view
    // (y 30 there), and Qt's y 29 is one point above the bottom edge, inside it.
    QTest::touchEvent(widget.get(), screen).press(0, QPoint(25, 0));
    EXPECT_FALSE(pressedOnStrip(0));
    QTest::touchEvent(widget.get(), screen).move(0, QPoint(25, 29));
    EXPECT_TRUE(pressedOnStrip(0));
    QTest::touchEvent(widget.get(), screen).release(0, QPoint(25, 29));
}

TEST_F(QtPianoWidgetTest, HidingTheStripWithFingersDownCancelsThem) {
    auto widget = makeStripWidget();
    QPointingDevice* screen = touchDevice(QInputDevice::DeviceType::TouchScreen);
    QTest::touchEvent(widget.get(), screen).press(0, QPoint(25, 15)).press(1, QPoint(75, 15));
    ASSERT_EQ(doubles.soundingNotes(), (std::set<std::uint32_t>{0, 2}));

    widget->hide();
    EXPECT_EQ(stripView->touchCount(), 0u);
    EXPECT_EQ(widget->heldTouchCount(), 0u);
    EXPECT_FALSE(pressedOnStrip(0));
    EXPECT_FALSE(pressedOnStrip(2));
    EXPECT_TRUE(doubles.soundingNotes().empty());
}

TEST_F(QtPianoWidgetTest, TouchCancelEndsEveryFingerOfTheDevice) {
    auto widget = makeStripWidget();
    QPointingDevice* screen = touchDevice(QInputDevice::DeviceType::TouchScreen);
    QTest::touchEvent(widget.get(), screen).press(0, QPoint(25, 15));
    ASSERT_TRUE(pressedOnStrip(0));
    QTouchEvent cancel(QEvent::TouchCancel, screen, Qt::NoModifier, QList<QEventPoint>{});
    QCoreApplication::sendEvent(widget.get(), &cancel);
    EXPECT_FALSE(pressedOnStrip(0));
    EXPECT_TRUE(doubles.soundingNotes().empty());
}

TEST_F(QtPianoWidgetTest, RemovedDeviceCancelsItsFingers) {
    auto widget = makeStripWidget();
    std::unique_ptr<QPointingDevice> device(
        QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
    QTest::touchEvent(widget.get(), device.get()).press(0, QPoint(25, 15));
    ASSERT_TRUE(pressedOnStrip(0));
    device.reset(); // what the platform does when the screen is unplugged
    EXPECT_FALSE(pressedOnStrip(0));
    EXPECT_EQ(stripView->touchCount(), 0u);
    EXPECT_EQ(widget->heldTouchCount(), 0u);
}

TEST_F(QtPianoWidgetTest, LeftButtonOnTheStripIsOneMoreDirectFinger) {
    auto widget = makeStripWidget();
    QPointingDevice* screen = touchDevice(QInputDevice::DeviceType::TouchScreen);
    QTest::touchEvent(widget.get(), screen).press(0, QPoint(25, 15));
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, QPoint(75, 15));
    EXPECT_TRUE(pressedOnStrip(0));
    EXPECT_TRUE(pressedOnStrip(2));
    EXPECT_FALSE(pressedOnScreen(2));
    EXPECT_EQ(stripView->touchCount(), 2u);

    QTest::mouseMove(widget.get(), QPoint(125, 15));
    EXPECT_TRUE(pressedOnStrip(4));
    EXPECT_FALSE(pressedOnStrip(2));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, QPoint(125, 15));
    EXPECT_FALSE(pressedOnStrip(4));
    EXPECT_TRUE(pressedOnStrip(0));
    QTest::touchEvent(widget.get(), screen).release(0, QPoint(25, 15));
}

TEST_F(QtPianoWidgetTest, ViewFrameFollowsTheWidgetAndRedrawsBecomeUpdates) {
    auto widget = makeWindowWidget();
    widget->resize(2000, 150);
    EXPECT_EQ(windowView->bounds(), Rect(0, 0, 2000, 150));
    EXPECT_EQ(windowView->frame().size, (Size{2000, 150}));
    // A redraw request paints the view later, from the paint event.
    windowView->setNeedsDisplay();
    QTest::qWait(20);
    const QImage image = widget->grab().toImage();
    EXPECT_EQ(image.width(), 2000);
}

} // namespace
} // namespace tinkella
