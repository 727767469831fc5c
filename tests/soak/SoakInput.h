#pragma once

#include "app/WindowController.h"
#include "foundation/DefaultsController.h"
#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/QtStripWindow.h"
#include "model/Preferences.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTest>
#include <QTouchEvent>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tinkella::testing {

// Random input for the whole application, delivered as the toolkit delivers it: touch and mouse
// events to the hosting widgets, preferences written as the panel's controls write them, the
// panel's actions for output mode and instrument. It keeps the state a window system keeps
// (fingers down, mouse button held) so its sequences are ones a user can produce, and forgets
// fingers and the button when the toolkit stops reporting them (cancel, device gone, lost grab,
// strip hidden, piano window unmapped or minimised). Main thread only.
class SoakInput {
public:
    static constexpr int maxFingers = 5;

    SoakInput(app::WindowController& settings, PianoWindowController& piano, std::uint64_t seed)
        : settings_(settings), piano_(piano), random_(seed) {
        stripWindow().loadItems();
        stripWindow().applicationStateChanged(Qt::ApplicationActive);
        newDevice();
    }

    // Does one random thing; returns what, for the failure report.
    std::string randomStep() {
        using Step = std::string (SoakInput::*)();
        static constexpr std::pair<int, Step> steps[] = {
            {45, &SoakInput::touch},           {72, &SoakInput::mouse},
            {82, &SoakInput::number},          {84, &SoakInput::glissando},
            {88, &SoakInput::outputMode},      {91, &SoakInput::instrument},
            {94, &SoakInput::stripVisibility}, {96, &SoakInput::deactivateWindow},
            {98, &SoakInput::pianoWindowAway}, {100, &SoakInput::runEventLoop}};
        const int pick = uniform(0, 99);
        return (this->*std::find_if(std::begin(steps), std::end(steps), [pick](auto& s) {
                           return pick < s.first;
                       })->second)();
    }

    // Lets go of everything and shows the strip and the piano window again, as a user who stops.
    void releaseEverything() {
        while (!fingers_.empty()) {
            lift(fingers_.begin()->first);
        }
        if (mouseHeld_) {
            sendMouse(QEvent::MouseButtonRelease, QPointF(1, 1), Qt::LeftButton, Qt::NoButton);
            mouseHeld_ = false;
        }
        if (!stripShown_) {
            stripVisibility();
        }
        if (windowAway_) {
            pianoWindowAway();
        }
    }

private:
    QtStripWindow& stripWindow() { return *piano_.stripWindow(); }
    QtPianoWidget& strip() { return *stripWindow().itemWidgets().front(); }
    QtPianoWidget& window() { return *piano_.pianoWidget(); }

    int uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    double real(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    static std::string at(QPointF p) {
        return " at (" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")";
    }
    std::string runEventLoop() {
        QCoreApplication::processEvents();
        return "run the event loop";
    }
    void newDevice() {
        device_.reset(QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
    }

    // Anywhere on the strip, now and then beside it.
    QPoint stripPoint() {
        const int w = strip().width();
        const int h = strip().height();
        return {uniform(0, 9) == 0 ? uniform(-80, w + 80) : uniform(0, w - 1), uniform(-4, h + 3)};
    }
    QPointF windowPoint(bool mayLeave) {
        const double w = window().width();
        const double h = window().height();
        if (mayLeave && uniform(0, 3) == 0) {
            return {real(-300, w + 300), real(-200, h + 200)};
        }
        return {real(0, w), real(0, h)};
    }

    // One touch event as a touchscreen reports it: the finger that changes, at its place in
    // fingers_, and every other finger down where it is.
    enum class Change { press, move, release };
    void sendTouch(int changed, Change change) {
        // Delivered synchronously on commit; the soak runs the event loop on its own schedule.
        QTest::QTouchEventWidgetSequence event = QTest::touchEvent(&strip(), device_.get(), false);
        for (const auto& [id, where] : fingers_) {
            id != changed             ? event.move(id, where, &strip())
            : change == Change::press ? event.press(id, where, &strip())
            : change == Change::move  ? event.move(id, where, &strip())
                                      : event.release(id, where, &strip());
        }
        event.commit(false);
    }
    std::string lift(int id) {
        sendTouch(id, Change::release);
        const std::string text = "finger " + std::to_string(id) + " up" + at(fingers_[id]);
        fingers_.erase(id);
        return text;
    }

    // Down 14, move 16, up 12, cancel 2, device gone 1 in 45.
    std::string touch() {
        const int what = uniform(0, 44);
        if (what >= 42) {
            if (what == 44) {
                device_.reset();
                newDevice();
            } else {
                QTouchEvent cancel(QEvent::TouchCancel, device_.get());
                QCoreApplication::sendEvent(&strip(), &cancel);
            }
            fingers_.clear();
            return what == 44 ? "touch device removed, another added" : "touch sequence cancelled";
        }
        if (fingers_.empty() || (what < 14 && int(fingers_.size()) < maxFingers)) {
            if (!stripShown_) {
                return stripVisibility();
            }
            // Fresh ids only: the window system may still count a cancelled finger as down.
            const int id = nextFinger_++;
            fingers_[id] = stripPoint();
            sendTouch(id, Change::press);
            return "finger " + std::to_string(id) + " down" + at(fingers_[id]);
        }
        auto finger = std::next(fingers_.begin(), uniform(0, int(fingers_.size()) - 1));
        if (what >= 30) {
            return lift(finger->first);
        }
        finger->second = uniform(0, 2) == 0
                             ? stripPoint()
                             : finger->second + QPoint(uniform(-40, 40), uniform(-3, 3));
        sendTouch(finger->first, Change::move);
        return "finger " + std::to_string(finger->first) + " slides" + at(finger->second);
    }

    void sendMouse(QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, p, window().mapToGlobal(p), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&window(), &event);
    }

    // While held: drag 10, release inside or outside 7, release in another window (the next
    // move arrives without the button) 1, grab taken away 1 in 19.
    std::string mouse() {
        if (windowAway_) {
            return pianoWindowAway();
        }
        if (!mouseHeld_) {
            const QPointF p = windowPoint(false);
            sendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
            mouseHeld_ = true;
            return "mouse down" + at(p);
        }
        const int what = uniform(0, 18);
        const QPointF p = windowPoint(true);
        if (what < 10) {
            sendMouse(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
            return "mouse dragged" + at(p);
        }
        mouseHeld_ = false;
        if (what < 17) {
            sendMouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
            return "mouse up" + at(p);
        }
        if (what == 17) {
            sendMouse(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
            return "mouse released elsewhere, next move" + at(p);
        }
        QEvent ungrab(QEvent::UngrabMouse);
        QCoreApplication::sendEvent(&window(), &ungrab);
        return "mouse grab taken away";
    }

    // The piano window unmapped or minimised (a desktop switch, a minimise) whatever is held, or
    // brought back. No release reaches a window that is away, so the held button is forgotten.
    std::string pianoWindowAway() {
        QMainWindow& main = *piano_.window();
        if (windowAway_) {
            windowAway_ = false;
            main.isMinimized() ? main.showNormal() : main.show();
            QCoreApplication::processEvents();
            return "piano window back";
        }
        windowAway_ = true;
        const bool hide = uniform(0, 1) == 0;
        hide ? main.hide() : main.showMinimized();
        if (!strip().isVisible()) {
            fingers_.clear();
        }
        return std::string(hide ? "piano window unmapped" : "piano window minimised") +
               (std::exchange(mouseHeld_, false) ? " with the mouse held" : "");
    }

    std::string deactivateWindow() {
        QEvent change(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&window(), &change);
        const bool wasHeld = std::exchange(mouseHeld_, mouseHeld_ && window().isMouseHeld());
        return std::string("piano window deactivated") + (wasHeld ? " with the mouse held" : "");
    }

    std::string stripVisibility() {
        stripShown_ = !stripShown_;
        stripWindow().applicationStateChanged(stripShown_ ? Qt::ApplicationActive
                                                          : Qt::ApplicationInactive);
        if (!stripShown_) {
            fingers_.clear();
        }
        return stripShown_ ? "strip shown" : "strip hidden";
    }

    // A number written as the panel's controls write it: mostly in its range, now and then a
    // value a hand-edited settings file may hold.
    std::string number() {
        constexpr double inf = std::numeric_limits<double>::infinity();
        static const std::pair<const preferences::Setting<double>*, std::vector<double>> rows[] = {
            {&preferences::keyWidth, {0, -5, 9.5, 90.5, 400, 1e300, -1e300, 5e-324}},
            {&preferences::noteOffset, {-10, 0, 96, 200, 1e300, -1e300, 5e-324, -inf}},
            {&preferences::blackKeyTouchArea, {0, 1, 1e300, -1e300, 5e-324}}};
        const auto& [setting, odd] = rows[uniform(0, 2)];
        const double value = uniform(0, 7) == 0 ? odd[uniform(0, int(odd.size()) - 1)]
                                                : real(setting->minimum, setting->maximum);
        DefaultsController::shared().setObject(DefaultsValue::real(value), *setting);
        return std::string(setting->key) + " " + std::to_string(value);
    }
    std::string glissando() {
        const bool on = uniform(0, 1) == 1;
        DefaultsController::shared().setObject(DefaultsValue::boolean(on),
                                               preferences::blackKeyGlissando);
        return std::string("glissando ") + (on ? "on" : "off");
    }
    std::string outputMode() {
        const int tag = uniform(0, 2);
        settings_.outputModeChanged(tag);
        return "output mode " + std::to_string(tag);
    }
    std::string instrument() {
        QComboBox& popUp = *settings_.instrumentPopUp();
        popUp.setCurrentIndex(uniform(0, popUp.count() - 1));
        settings_.instrumentChanged();
        return "instrument " + std::to_string(popUp.currentIndex());
    }

    app::WindowController& settings_;
    PianoWindowController& piano_;
    std::mt19937_64 random_;
    std::unique_ptr<QPointingDevice> device_;
    std::map<int, QPoint> fingers_;
    int nextFinger_ = 0;
    bool mouseHeld_ = false;
    bool stripShown_ = true;
    bool windowAway_ = false;
};

} // namespace tinkella::testing
