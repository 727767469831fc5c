// The piano window: key width and note offset turned into widget size and scroll position,
// live scrolls (scroll bar, wheel) written back as the note offset, the saved frame, and the
// keyboard as a screen reader finds it.
#include "hosting/PianoWindowController.h"

#include "hosting/KeyboardAccessibility.h"
#include "hosting/KeyboardScroll.h"
#include "hosting/QtPianoWidget.h"
#include "model/PianoKey.h"
#include "support/KeyboardDoubles.h"
#include "support/QtTestApplication.h"
#include "view/PianoView.h"

#include <QAccessible>
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

// The keyboard as a screen reader finds it: one named key per key shown, in note order and in
// the chosen label style, pressed while held or lit by MIDI in, a "Press" action that plays the
// note for a moment, and the range shown, which follows a scroll.
// What a screen reader finds: the piano keyboard and its key named name (null when not shown).
QAccessibleInterface* keyboard(PianoWindowController& controller) {
    return QAccessible::queryAccessibleInterface(controller.pianoWidget());
}
QAccessibleInterface* key(PianoWindowController& controller, const QString& name) {
    for (int i = 0; i < keyboard(controller)->childCount(); ++i) {
        if (keyboard(controller)->child(i)->text(QAccessible::Name) == name) {
            return keyboard(controller)->child(i);
        }
    }
    return nullptr;
}

TEST_F(PianoWindowControllerTest, KeysShownAreNamedInOrderAndTheRangeFollowsAScroll) {
    QAccessibleInterface* group = keyboard(*controller);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->text(QAccessible::Name), "Piano keyboard");
    // 1200 points of 50-point keys: 24 or 25 naturals and the sharps between them.
    const int shown = group->childCount();
    EXPECT_GE(shown, 40);
    EXPECT_LE(shown, 44);
    const QString first = group->child(0)->text(QAccessible::Name);
    const QString last = group->child(shown - 1)->text(QAccessible::Name);
    EXPECT_EQ(group->text(QAccessible::Description), first + " to " + last);
    ASSERT_NE(key(*controller, "C5"), nullptr);
    ASSERT_NE(key(*controller, QString::fromUtf8("C\u266f5")), nullptr);
    EXPECT_EQ(group->indexOfChild(key(*controller, QString::fromUtf8("C\u266f5"))),
              group->indexOfChild(key(*controller, "C5")) + 1);

    controller->scrollByOctaves(-1);
    QCoreApplication::processEvents();
    // Seven natural keys to the left: the same note an octave down.
    const QString lower = group->child(0)->text(QAccessible::Name);
    EXPECT_EQ(lower, first.chopped(1) + QString::number(first.right(1).toInt() - 1));
    EXPECT_EQ(group->text(QAccessible::Description),
              lower + " to " + group->child(group->childCount() - 1)->text(QAccessible::Name));
    EXPECT_LT(doubles.defaults.value("values.noteOffset").realValue(), 60);

    doubles.defaults.setValue(DefaultsValue::text("solfege"), "values.keyLabels");
    EXPECT_NE(key(*controller, QString::fromUtf8("Do5")), nullptr);
}

TEST_F(PianoWindowControllerTest, PressedFollowsPlayingAndMidiInAndPressPlaysForAMoment) {
    QAccessibleInterface* c = key(*controller, "C5");
    ASSERT_NE(c, nullptr);
    EXPECT_FALSE(c->state().pressed);
    doubles.piano.keys()[60].isHeldByMidiIn = true;
    EXPECT_TRUE(c->state().pressed);
    doubles.piano.keys()[60].isHeldByMidiIn = false;

    QAccessibleActionInterface* actions = c->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(doubles.piano.keys()[60].playing);
    EXPECT_TRUE(c->state().pressed);
    // Pressed again before it lets go: held on from the second press.
    QTest::qWait(KeyboardAccessibility::pressDurationMs / 2);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(KeyboardAccessibility::pressDurationMs * 2 / 3);
    EXPECT_TRUE(doubles.piano.keys()[60].playing);
    QTest::qWait(KeyboardAccessibility::pressDurationMs);
    EXPECT_FALSE(doubles.piano.keys()[60].playing);
    EXPECT_FALSE(c->state().pressed);
}

} // namespace
} // namespace tinkella
