#include "hosting/PianoWindowController.h"

#include "app/KeyboardDoubles.h"
#include "app/QtTestApplication.h"
#include "hosting/TouchBarController.h"
#include "platform/touchbar/QtStripWindow.h"
#include "platform/view/QtPianoWidget.h"
#include "view/PianoView.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace tinkella {
namespace {

using testing::KeyboardDoubles;

class PianoWindowControllerTest : public ::testing::Test {
protected:
    PianoWindowControllerTest() {
        testing::ensureQtApplication();
        controller = std::make_unique<PianoWindowController>(doubles.defaults, doubles.piano,
                                                             doubles.center);
        started = doubles.center.addObserver(PianoResizingStarted,
                                             [this](const Notification&) { ++startedCount; });
        ended = doubles.center.addObserver(PianoResizingEnded,
                                           [this](const Notification&) { ++endedCount; });
    }

    // Shows the window with its 1200 points wide clip view.
    void show() {
        controller->showWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(controller->window()));
        ASSERT_EQ(controller->clipView()->width(), 1200);
    }

    QScrollBar* bar() const { return controller->scrollView()->horizontalScrollBar(); }
    double storedNoteOffset() const {
        return doubles.defaults.value("values.noteOffset").realValue();
    }

    void sendWheel(Qt::ScrollPhase phase, QPoint angle) {
        QWidget* clip = controller->clipView();
        QWheelEvent wheel(QPointF(100, 100), clip->mapToGlobal(QPointF(100, 100)), QPoint(), angle,
                          Qt::NoButton, Qt::NoModifier, phase, false);
        QCoreApplication::sendEvent(clip, &wheel);
    }

    KeyboardDoubles doubles;
    std::unique_ptr<PianoWindowController> controller;
    ObserverRegistration started;
    ObserverRegistration ended;
    int startedCount = 0;
    int endedCount = 0;
};

TEST_F(PianoWindowControllerTest, WindowIsTitledAndBoundedAndHasNoCloseButton) {
    QMainWindow* window = controller->window();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tinkella"));
    EXPECT_EQ(window->minimumSize(), QSize(200, 100));
    EXPECT_EQ(window->maximumSize(), QSize(9999, 400));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(controller->scrollView()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(controller->scrollView()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(controller->clipView()->palette().color(QPalette::Window),
              QColor::fromRgbF(0.265F, 0.265F, 0.265F, 1.0F));
}

TEST_F(PianoWindowControllerTest, WindowViewDrawsFromItsFirstKeyAtTheDerivedKeyWidth) {
    EXPECT_EQ(controller->pianoView()->noteOffset(), 0.0F);
    EXPECT_FALSE(controller->pianoView()->isOnTouchBar());
    EXPECT_EQ(controller->pianoView()->keyWidth(), 50.0);
    EXPECT_EQ(controller->keyboardWidth(), 3500.0);
    EXPECT_EQ(controller->noteOffset(), 60.0F);
}

TEST_F(PianoWindowControllerTest, KeyWidthPreferenceMapsToWholeNumberKeyWidths) {
    controller->setKeyWidth(50);
    EXPECT_EQ(controller->pianoView()->keyWidth(), 50.0);
    EXPECT_EQ(controller->pianoWidget()->width(), 3500);
    controller->setKeyWidth(9.5);
    EXPECT_EQ(controller->pianoView()->keyWidth(), 26.0);
    EXPECT_DOUBLE_EQ(controller->keyWidth(), 10.0);
    controller->setKeyWidth(90.5);
    EXPECT_EQ(controller->pianoView()->keyWidth(), 75.0);
    EXPECT_NEAR(controller->keyWidth(), 91.6667, 1e-4);
    EXPECT_EQ(controller->pianoWidget()->width(), 75 * 70);
}

TEST_F(PianoWindowControllerTest, NoteOffsetScrollsInProportion) {
    show();
    controller->setKeyWidth(50);
    const std::vector<std::pair<float, double>> cases = {
        {0.0F, 0.0}, {48.0F, 1150.0}, {60.0F, 1437.5}, {96.0F, 2300.0}};
    for (const auto& [offset, x] : cases) {
        controller->setNoteOffset(offset);
        EXPECT_EQ(controller->requestedScrollX(), x) << offset;
        EXPECT_EQ(bar()->value(), static_cast<int>(std::lround(x))) << offset;
        EXPECT_EQ(controller->noteOffset(), offset);
    }
}

TEST_F(PianoWindowControllerTest, KeyWidthChangeKeepsTheScrollProportion) {
    show();
    controller->setNoteOffset(48);
    controller->setKeyWidth(90.5); // 75 points: W = 5250
    EXPECT_EQ(controller->requestedScrollX(), (5250.0 - 1200.0) * 0.5);
    EXPECT_EQ(bar()->value(), 2025);
}

TEST_F(PianoWindowControllerTest, BindingsFollowThePreferences) {
    show();
    doubles.defaults.setValue(DefaultsValue::real(37.25), "values.keyWidth");
    EXPECT_EQ(controller->pianoView()->keyWidth(), 43.0);
    doubles.defaults.setValue(DefaultsValue::real(0.0), "values.noteOffset");
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_EQ(controller->noteOffset(), 0.0F);
    // The window's own view never moves its keys: the window scrolls instead.
    EXPECT_EQ(controller->pianoView()->noteOffset(), 0.0F);
}

TEST_F(PianoWindowControllerTest, LiveScrollWritesTheMeasuredOffset) {
    show();
    controller->setNoteOffset(60);
    doubles.defaults.setValue(DefaultsValue::real(12.0), "values.noteOffset");
    controller->setNoteOffset(60); // the window at x 1437.5, the preference elsewhere
    controller->willStartLiveScroll();
    controller->sampleLiveScroll();
    EXPECT_EQ(storedNoteOffset(), 60.0);

    bar()->setValue(bar()->maximum() + 500);
    controller->sampleLiveScroll();
    EXPECT_EQ(storedNoteOffset(), 96.0);
    bar()->setValue(-100);
    controller->sampleLiveScroll();
    EXPECT_EQ(storedNoteOffset(), 0.0);
    controller->didEndLiveScroll();
}

TEST_F(PianoWindowControllerTest, LiveScrollOfAKeyboardNarrowerThanTheWindowWritesZero) {
    show();
    controller->window()->resize(2000, 270);
    QTest::qWait(10);
    controller->setKeyWidth(9.5); // W = 1820
    ASSERT_GT(controller->clipView()->width(), 1820);
    controller->willStartLiveScroll();
    controller->sampleLiveScroll();
    EXPECT_EQ(storedNoteOffset(), 0.0);
    EXPECT_FALSE(std::signbit(storedNoteOffset()));
    controller->didEndLiveScroll();
}

TEST_F(PianoWindowControllerTest, LiveScrollSamplesAtMostEveryFortyMilliseconds) {
    show();
    QElapsedTimer clock;
    std::vector<qint64> writes;
    DefaultsBinding watch = doubles.defaults.bind(
        "values.noteOffset", [&](const DefaultsValue&) { writes.push_back(clock.elapsed()); });
    writes.clear();
    clock.start();
    bar()->setSliderDown(true);
    EXPECT_TRUE(controller->isLiveScrolling());
    while (clock.elapsed() < 300) {
        bar()->setValue((bar()->value() + 7) % bar()->maximum());
        QTest::qWait(3);
    }
    const qint64 duration = clock.elapsed();
    bar()->setSliderDown(false);
    EXPECT_FALSE(controller->isLiveScrolling());

    ASSERT_GE(writes.size(), 3u);
    // Each tick writes once, and the preference's own echo scrolls without writing again;
    // the end of the scroll may add one last sample.
    EXPECT_LE(static_cast<qint64>(writes.size()), duration / 40 + 2);
}

TEST_F(PianoWindowControllerTest, ScrollEndingBetweenTicksLeavesThePreferenceWhereTheWindowIs) {
    show();
    controller->setNoteOffset(0);
    bar()->setSliderDown(true);
    bar()->setValue(2300);
    bar()->setSliderDown(false);
    EXPECT_EQ(storedNoteOffset(), 96.0);
    EXPECT_EQ(controller->noteOffset(), 96.0F);
}

TEST_F(PianoWindowControllerTest, ScrollBarDragPostsResizingNotifications) {
    show();
    bar()->setSliderDown(true);
    EXPECT_EQ(startedCount, 1);
    EXPECT_TRUE(controller->pianoView()->showsOctaveNumber());
    bar()->setSliderDown(false);
    EXPECT_EQ(endedCount, 1);
    EXPECT_FALSE(controller->pianoView()->showsOctaveNumber());
}

TEST_F(PianoWindowControllerTest, PhasedWheelRunIsOneLiveScroll) {
    show();
    controller->setNoteOffset(0);
    sendWheel(Qt::ScrollBegin, QPoint(0, 0));
    sendWheel(Qt::ScrollUpdate, QPoint(-120, 0));
    sendWheel(Qt::ScrollUpdate, QPoint(-120, 0));
    EXPECT_EQ(startedCount, 1);
    EXPECT_EQ(endedCount, 0);
    EXPECT_GT(bar()->value(), 0);
    sendWheel(Qt::ScrollEnd, QPoint(0, 0));
    EXPECT_EQ(endedCount, 1);
    EXPECT_GT(storedNoteOffset(), 0.0);
}

TEST_F(PianoWindowControllerTest, WheelWithoutPhasesEndsAfterAPause) {
    show();
    controller->setNoteOffset(0);
    sendWheel(Qt::NoScrollPhase, QPoint(0, -120)); // an upright wheel scrolls sideways too
    sendWheel(Qt::NoScrollPhase, QPoint(0, -120));
    EXPECT_EQ(startedCount, 1);
    EXPECT_GT(bar()->value(), 0);
    QTest::qWait(100);
    EXPECT_EQ(endedCount, 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return endedCount == 1; }, 1000));
    EXPECT_FALSE(controller->isLiveScrolling());
}

TEST_F(PianoWindowControllerTest, ScrollBarStepsAreALiveScrollThatEndsAfterAPause) {
    show();
    controller->setNoteOffset(0);
    bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(startedCount, 1);
    EXPECT_TRUE(controller->isLiveScrolling());
    const int position = bar()->value();
    ASSERT_GT(position, 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return endedCount == 1; }, 1000))
        << endedCount << " " << controller->isLiveScrolling();
    EXPECT_FLOAT_EQ(static_cast<float>(storedNoteOffset()),
                    static_cast<float>(position / (3500.0 - 1200.0) * 96.0));
}

TEST_F(PianoWindowControllerTest, ProgrammaticScrollIsNoLiveScroll) {
    show();
    doubles.defaults.setValue(DefaultsValue::real(30.0), "values.noteOffset");
    QTest::qWait(60);
    EXPECT_EQ(startedCount, 0);
    EXPECT_FALSE(controller->isLiveScrolling());
}

TEST_F(PianoWindowControllerTest, BarHoldsThePianoItemThenTheOtherItems) {
    const auto bar = controller->makeTouchBar();
    EXPECT_EQ(bar->delegate(), controller.get());
    EXPECT_EQ(bar->customizationIdentifier(), "com.quorvin.piano");
    EXPECT_EQ(bar->defaultItemIdentifiers(),
              (std::vector<std::string>{"com.quorvin.piano.label",
                                        TouchBarItemIdentifierOtherItemsProxy}));
    EXPECT_EQ(bar->customizationAllowedItemIdentifiers(),
              std::vector<std::string>{"com.quorvin.piano.label"});
}

TEST_F(PianoWindowControllerTest, OnlyThePianoIdentifierMakesAnItem) {
    TouchBarController strip(doubles.defaults, doubles.piano, doubles.center);
    controller->setStripPianoView(&strip.pianoView());
    auto bar = controller->makeTouchBar();
    auto item = controller->touchBar(*bar, "com.quorvin.piano.label");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->identifier(), "com.quorvin.piano.label");
    EXPECT_EQ(item->view(), &strip.pianoView());
    EXPECT_EQ(controller->touchBar(*bar, "com.quorvin.piano"), nullptr);
    EXPECT_EQ(controller->touchBar(*bar, TouchBarItemIdentifierOtherItemsProxy), nullptr);
    EXPECT_EQ(controller->touchBar(*bar, ""), nullptr);
    const auto items = bar->makeDefaultItems();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]->view(), &strip.pianoView());
}

TEST_F(PianoWindowControllerTest, CloseRequestMinimisesInsteadOfClosing) {
    show();
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    QCoreApplication::instance()->notify(controller->window(), &request);
    EXPECT_FALSE(request.isAccepted());
    EXPECT_TRUE(controller->window()->isVisible());
    EXPECT_TRUE(controller->window()->windowState().testFlag(Qt::WindowMinimized));
}

TEST_F(PianoWindowControllerTest, FullScreenIsUndone) {
    show();
    controller->window()->setWindowState(Qt::WindowFullScreen);
    QTest::qWait(20);
    EXPECT_FALSE(controller->window()->windowState().testFlag(Qt::WindowFullScreen));
}

TEST_F(PianoWindowControllerTest, FrameIsKeptUnderKeyboardAndGarbageIsIgnored) {
    show();
    controller->window()->setGeometry(150, 120, 900, 300);
    controller->saveFrame();
    const DefaultsValue stored = doubles.defaults.objectForKey("keyboard");
    ASSERT_NE(stored.asText(), nullptr);

    PianoWindowController again(doubles.defaults, doubles.piano, doubles.center);
    EXPECT_EQ(again.window()->geometry().size(), QSize(900, 300));

    doubles.defaults.setObject(DefaultsValue::text("not a frame at all"), "keyboard");
    EXPECT_FALSE(again.restoreFrame());
    doubles.defaults.setObject(DefaultsValue::text("AAAA"), "keyboard");
    EXPECT_FALSE(again.restoreFrame());
    doubles.defaults.setObject(DefaultsValue::integer(7), "keyboard");
    EXPECT_FALSE(again.restoreFrame());
    PianoWindowController fresh(doubles.defaults, doubles.piano, doubles.center);
    EXPECT_EQ(fresh.window()->geometry().size(), QSize(1200, 270));
}

TEST_F(PianoWindowControllerTest, ShowingTheWindowMakesTheStripOfItsBar) {
    TouchBarController strip(doubles.defaults, doubles.piano, doubles.center);
    controller->setStripPianoView(&strip.pianoView());
    show();
    ASSERT_NE(controller->stripWindow(), nullptr);
    controller->stripWindow()->applicationStateChanged(Qt::ApplicationActive);
    ASSERT_EQ(controller->stripWindow()->itemWidgets().size(), 1u);
    EXPECT_EQ(&controller->stripWindow()->itemWidgets()[0]->pianoView(), &strip.pianoView());
    EXPECT_TRUE(controller->stripWindow()->isVisible());
    controller.reset(); // the strip shows the view of `strip`, which goes first
}

} // namespace
} // namespace tinkella
