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
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tinkella {
namespace {

using testing::KeyboardDoubles;

std::set<int> heldOnKeyboard(const KeyboardDoubles& doubles) {
    std::set<int> notes;
    for (const PianoKey& key : doubles.piano.keys()) {
        if (key.isPressedOnKeyboard) {
            notes.insert(static_cast<int>(key.note));
        }
    }
    return notes;
}

struct HoldCase {
    // Steps: <key><event> with key Z, X or Q (by position on QWERTY, labelled as on AZERTY:
    // W, X, A; only the position counts) or S (the space bar) and event +
    // (press), - (release), r (auto-repeat press), R (auto-repeat release), o (press in a window
    // not watched); or "octave+", "deactivate", "block" (a modal dialog opens), "hide",
    // "childhide", "later" (the pending releases are applied, as they are after the last step).
    const char* steps;
    std::set<int> held;
    bool sustained;
    int noteOns;
};

TEST(KeyboardInputTest, KeysByPositionAutoRepeatIgnoredAndLosingTheWindowReleasesAll) {
    testing::ensureQtApplication();
    const std::vector<HoldCase> cases{
        {"Z+ ZR Zr ZR Zr", {48}, false, 1},
        // X11 repeats as release-press pairs the toolkit may not mark.
        {"Z+ Z- Z+ Z- Z+", {48}, false, 1},
        {"S+ S- S+", {}, true, 0},
        {"Z+ ZR Zr Z-", {}, false, 1},
        {"Z+ X+ S+ Sr deactivate", {}, false, 2},
        {"Q+ S+ block", {}, false, 1},
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
                } else if (step == "deactivate" || step == "block") {
                    QEvent deactivate(step == "block" ? QEvent::WindowBlocked
                                                      : QEvent::WindowDeactivate);
                    QCoreApplication::sendEvent(&window, &deactivate);
                } else if (step == "hide" || step == "childhide") {
                    QHideEvent hide;
                    QCoreApplication::sendEvent(step == "hide" ? &window : &child, &hide);
                } else {
                    const char event = step[1];
                    const std::size_t k = std::string_view("ZXQS").find(step[0]);
                    const ScanCode code = std::array<ScanCode, 4>{52, 53, 24, 65}[k];
                    const int label = std::array{Qt::Key_W, Qt::Key_X, Qt::Key_A, Qt::Key_Space}[k];
                    const bool down = event == '+' || event == 'r' || event == 'o';
                    QKeyEvent key(down ? QEvent::KeyPress : QEvent::KeyRelease, label,
                                  Qt::NoModifier, code, 0, 0, {}, event == 'r' || event == 'R');
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
