// The computer keyboard through the toolkit: keys by position on any layout, auto-repeat, and
// the releases when the key-up events may stop arriving.
#include "hosting/QtKeyboardInput.h"
#include "interfaces/MidiMessage.h"
#include "model/ComputerKeyboard.h"
#include "support/KeyboardDoubles.h"
#include "support/QtTestApplication.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tinkella {
namespace {

using testing::KeyboardDoubles;

QKeyEvent keyEvent(QEvent::Type type, ScanCode scanCode, int key, bool autoRepeat = false) {
    return QKeyEvent(type, key, Qt::NoModifier, scanCode, 0, 0, {}, autoRepeat);
}

std::set<int> heldOnKeyboard(const KeyboardDoubles& doubles) {
    std::set<int> notes;
    for (const PianoKey& key : doubles.piano.keys()) {
        if (key.isPressedOnKeyboard) {
            notes.insert(static_cast<int>(key.note));
        }
    }
    return notes;
}

// Keys labelled as other layouts (AZERTY, Dvorak) label them: only the position counts.
TEST(KeyboardInputTest, TheSameKeyPositionPlaysTheSameNoteOnEveryLayout) {
    testing::ensureQtApplication();
    const struct {
        ScanCode code;
        int label, semitone;
    } cases[]{{52, Qt::Key_W, 0}, {52, Qt::Key_Semicolon, 0}, {24, Qt::Key_A, 12}};
    for (const auto& c : cases) {
        KeyboardDoubles doubles;
        ComputerKeyboard keyboard(doubles.piano);
        EXPECT_TRUE(
            QtKeyboardInput::handleKeyEvent(keyboard, keyEvent(QEvent::KeyPress, c.code, c.label)));
        EXPECT_EQ(heldOnKeyboard(doubles),
                  std::set<int>{ComputerKeyboard::defaultBaseNote + c.semitone})
            << c.code;
    }
}

struct HoldCase {
    // Steps: <key><event> with key Z, X or Q (by position) or S (the space bar) and event +
    // (press), - (release), r (auto-repeat press), R (auto-repeat release), o (press in a window
    // not watched); or "octave+", "deactivate", "hide", "childhide", "later" (the pending
    // releases are applied, as they are after the last step).
    const char* steps;
    std::set<int> held;
    bool sustained;
    int noteOns;
};

TEST(KeyboardInputTest, AutoRepeatIsIgnoredAndLosingTheWindowReleasesEverything) {
    testing::ensureQtApplication();
    const std::vector<HoldCase> cases{
        {"Z+ ZR Zr ZR Zr", {48}, false, 1},
        // X11 repeats as release-press pairs the toolkit may not mark.
        {"Z+ Z- Z+ Z- Z+", {48}, false, 1},
        {"S+ S- S+", {}, true, 0},
        {"Z+ ZR Zr Z-", {}, false, 1},
        {"Z+ X+ S+ Sr deactivate", {}, false, 2},
        {"Q+ S+ hide", {}, false, 1},
        {"Q+ S+ childhide", {60}, true, 1},
        {"Z+ octave+ Z- later Z+", {60}, false, 2},
        {"X- Q+ Qr", {60}, false, 1},
        {"Zo Xo", {}, false, 0},
    };
    for (const HoldCase& c : cases) {
        SCOPED_TRACE(c.steps);
        KeyboardDoubles doubles;
        ComputerKeyboard keyboard(doubles.piano);
        QWidget window;
        QWidget child(&window);
        QWidget other;
        {
            QtKeyboardInput input(keyboard);
            input.watch(&window);
            std::istringstream steps(c.steps);
            for (std::string step; steps >> step;) {
                if (step == "later") {
                    keyboard.applyPendingReleases();
                } else if (step == "octave+") {
                    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, 114, 0, 0);
                    QCoreApplication::sendEvent(&child, &right);
                } else if (step == "deactivate") {
                    QEvent deactivate(QEvent::WindowDeactivate);
                    QCoreApplication::sendEvent(&window, &deactivate);
                } else if (step == "hide" || step == "childhide") {
                    QHideEvent hide;
                    QCoreApplication::sendEvent(step == "hide" ? &window : &child, &hide);
                } else {
                    const char event = step[1];
                    const bool space = step[0] == 'S';
                    const ScanCode code = space            ? 65
                                          : step[0] == 'Z' ? 52
                                          : step[0] == 'X' ? 53
                                                           : 24;
                    const int label = space ? int{Qt::Key_Space} : Qt::Key_A + (step[0] - 'A');
                    const bool down = event == '+' || event == 'r' || event == 'o';
                    QKeyEvent key = keyEvent(down ? QEvent::KeyPress : QEvent::KeyRelease, code,
                                             label, event == 'r' || event == 'R');
                    QCoreApplication::sendEvent(event == 'o' ? &other : &child, &key);
                }
            }
            keyboard.applyPendingReleases(); // as the input's timer does
            EXPECT_EQ(heldOnKeyboard(doubles), c.held);
            EXPECT_EQ(doubles.piano.isSustained(), c.sustained);
            EXPECT_EQ(std::ranges::count_if(doubles.midiPort->sent,
                                            [](std::uint32_t word) {
                                                return ump::statusByte(word) == ump::noteOnStatus;
                                            }),
                      c.noteOns);
        }
        // The input going away lets go as well.
        EXPECT_TRUE(heldOnKeyboard(doubles).empty());
        EXPECT_FALSE(doubles.piano.isSustained());
    }
}

} // namespace
} // namespace tinkella
