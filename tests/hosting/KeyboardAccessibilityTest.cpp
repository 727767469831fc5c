// What a screen reader finds in the piano window's keyboard: one named key per key shown, in
// note order and in the chosen label style, pressed while held or lit by MIDI in, a "Press"
// action that plays the note for a moment, and the range shown, which follows a scroll.
#include "hosting/KeyboardAccessibility.h"

#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "model/PianoKey.h"
#include "support/KeyboardDoubles.h"
#include "support/QtTestApplication.h"

#include <QAccessible>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

class KeyboardAccessibilityTest : public ::testing::Test {
protected:
    KeyboardAccessibilityTest() {
        controller->showWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(controller->window()));
    }
    QAccessibleInterface* keyboard() const {
        return QAccessible::queryAccessibleInterface(controller->pianoWidget());
    }
    QAccessibleInterface* key(const QString& name) const {
        for (int i = 0; i < keyboard()->childCount(); ++i) {
            if (keyboard()->child(i)->text(QAccessible::Name) == name) {
                return keyboard()->child(i);
            }
        }
        return nullptr;
    }
    PianoKey& middleC() { return doubles.piano.keys()[60]; }

    QApplication& qt = testing::ensureQtApplication();
    testing::KeyboardDoubles doubles;
    std::unique_ptr<PianoWindowController> controller =
        std::make_unique<PianoWindowController>(doubles.defaults, doubles.piano, doubles.center);
};

TEST_F(KeyboardAccessibilityTest, KeysShownAreNamedInOrderAndTheRangeFollowsAScroll) {
    QAccessibleInterface* group = keyboard();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->text(QAccessible::Name), "Piano keyboard");
    // 1200 points of 50-point keys: 24 or 25 naturals and the sharps between them.
    const int shown = group->childCount();
    EXPECT_GE(shown, 40);
    EXPECT_LE(shown, 44);
    const QString first = group->child(0)->text(QAccessible::Name);
    const QString last = group->child(shown - 1)->text(QAccessible::Name);
    EXPECT_EQ(group->text(QAccessible::Description), first + " to " + last);
    ASSERT_NE(key("C5"), nullptr);
    ASSERT_NE(key(QString::fromUtf8("C\u266f5")), nullptr);
    EXPECT_EQ(group->indexOfChild(key(QString::fromUtf8("C\u266f5"))),
              group->indexOfChild(key("C5")) + 1);
    EXPECT_EQ(key("C5")->role(), QAccessible::Button);

    controller->scrollByOctaves(-1);
    QCoreApplication::processEvents();
    // Seven natural keys to the left: the same note an octave down.
    const QString lower = group->child(0)->text(QAccessible::Name);
    EXPECT_EQ(lower, first.chopped(1) + QString::number(first.right(1).toInt() - 1));
    EXPECT_EQ(group->text(QAccessible::Description),
              lower + " to " + group->child(group->childCount() - 1)->text(QAccessible::Name));
    EXPECT_LT(doubles.defaults.value("values.noteOffset").realValue(), 60);

    doubles.defaults.setValue(DefaultsValue::text("solfege"), "values.keyLabels");
    EXPECT_NE(key(QString::fromUtf8("Do5")), nullptr);
}

TEST_F(KeyboardAccessibilityTest, PressedFollowsPlayingAndMidiInAndPressPlaysForAMoment) {
    QAccessibleInterface* c = key("C5");
    ASSERT_NE(c, nullptr);
    EXPECT_FALSE(c->state().pressed);
    middleC().isHeldByMidiIn = true;
    EXPECT_TRUE(c->state().pressed);
    middleC().isHeldByMidiIn = false;

    QAccessibleActionInterface* actions = c->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(middleC().playing);
    EXPECT_TRUE(c->state().pressed);
    // Pressed again before it lets go: held on from the second press.
    QTest::qWait(KeyboardAccessibility::pressDurationMs / 2);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(KeyboardAccessibility::pressDurationMs * 2 / 3);
    EXPECT_TRUE(middleC().playing);
    QTest::qWait(KeyboardAccessibility::pressDurationMs);
    EXPECT_FALSE(middleC().playing);
    EXPECT_FALSE(c->state().pressed);
}

} // namespace
} // namespace tinkella
