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

namespace tinkella::testing {

// Random input for the whole application, delivered the way the toolkit delivers it: touch and
// mouse events sent to the hosting widgets, settings written to the preferences as the panel's
// controls write them, the panel's own actions for output mode and instrument. It keeps the
// state a real input system would (fingers down per device, mouse button held) so that the
// sequences it makes are ones a user and a window system can produce; fingers and the held
// button are forgotten when the toolkit would stop reporting them (cancel, hiding, device gone,
// lost grab, the piano window unmapped or minimised). Main thread only.
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
            {14, &SoakInput::touchDown},        {30, &SoakInput::touchMove},
            {42, &SoakInput::touchUp},          {44, &SoakInput::touchCancel},
            {45, &SoakInput::deviceGone},       {53, &SoakInput::mouseDown},
            {63, &SoakInput::mouseDrag},        {70, &SoakInput::mouseUp},
            {72, &SoakInput::mouseLost},        {76, &SoakInput::keyWidth},
            {80, &SoakInput::noteOffset},       {84, &SoakInput::outputMode},
            {87, &SoakInput::instrument},       {89, &SoakInput::glissando},
            {91, &SoakInput::touchArea},        {94, &SoakInput::stripVisibility},
            {96, &SoakInput::deactivateWindow}, {98, &SoakInput::pianoWindowAway},
            {100, &SoakInput::runEventLoop}};
        const int pick = uniform(0, 99);
        return (this->*std::find_if(std::begin(steps), std::end(steps), [pick](auto& s) {
                           return pick < s.first;
                       })->second)();
    }

    // Lifts every finger, lets go of the mouse and shows the strip again, as a user who
    // stops playing.
    void releaseEverything() {
        while (!fingers_.empty()) {
            touchUp();
        }
        if (mouseHeld_) {
            mouseUp();
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
        return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")";
    }
    std::string runEventLoop() {
        QCoreApplication::processEvents();
        return "run the event loop";
    }

    // Anywhere on the strip, and now and then beside it.
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

    void newDevice() {
        device_.reset(QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
    }

    // One touch event through the window system, as a touchscreen reports it: the finger that
    // changes, and every other finger down where it is.
    enum class Change { press, move, release };
    void sendTouch(int changed, Change change, QPoint position) {
        // Delivered synchronously on commit; the soak runs the event loop on its own schedule.
        QTest::QTouchEventWidgetSequence event = QTest::touchEvent(&strip(), device_.get(), false);
        for (const auto& [id, where] : fingers_) {
            if (id != changed) {
                event.move(id, where, &strip());
            }
        }
        change == Change::press  ? event.press(changed, position, &strip())
        : change == Change::move ? event.move(changed, position, &strip())
                                 : event.release(changed, position, &strip());
        event.commit(false);
    }

    std::string touchDown() {
        if (!stripShown_) {
            return stripVisibility();
        }
        if (fingers_.size() >= maxFingers) {
            return touchMove();
        }
        // Fresh ids only: the window system may still count a cancelled finger as down.
        const int id = nextFinger_++;
        const QPoint p = stripPoint();
        sendTouch(id, Change::press, p);
        fingers_[id] = p;
        return "finger " + std::to_string(id) + " down at " + at(p);
    }

    std::string touchMove() {
        if (fingers_.empty()) {
            return touchDown();
        }
        auto finger =
            std::next(fingers_.begin(), uniform(0, static_cast<int>(fingers_.size()) - 1));
        QPoint p = finger->second;
        if (uniform(0, 2) == 0) {
            p = stripPoint();
        } else {
            p += QPoint(uniform(-40, 40), uniform(-3, 3));
        }
        sendTouch(finger->first, Change::move, p);
        finger->second = p;
        return "finger " + std::to_string(finger->first) + " slides to " + at(p);
    }

    std::string touchUp() {
        if (fingers_.empty()) {
            return touchDown();
        }
        auto finger =
            std::next(fingers_.begin(), uniform(0, static_cast<int>(fingers_.size()) - 1));
        const int id = finger->first;
        const QPoint p = finger->second;
        sendTouch(id, Change::release, p);
        fingers_.erase(id);
        return "finger " + std::to_string(id) + " up at " + at(p);
    }

    std::string touchCancel() {
        QTouchEvent cancel(QEvent::TouchCancel, device_.get(), Qt::NoModifier,
                           QList<QEventPoint>{});
        QCoreApplication::sendEvent(&strip(), &cancel);
        fingers_.clear();
        return "touch sequence cancelled";
    }

    std::string deviceGone() {
        device_.reset();
        fingers_.clear();
        newDevice();
        return "touch device removed, another added";
    }

    void sendMouse(QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, p, window().mapToGlobal(p), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&window(), &event);
    }

    std::string mouseDown() {
        if (windowAway_) {
            return pianoWindowAway();
        }
        if (mouseHeld_) {
            return mouseDrag();
        }
        const QPointF p = windowPoint(false);
        sendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        mouseHeld_ = true;
        return "mouse down at " + at(p);
    }

    std::string mouseDrag() {
        if (!mouseHeld_) {
            return mouseDown();
        }
        const QPointF p = windowPoint(true);
        sendMouse(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        return "mouse dragged to " + at(p);
    }

    std::string mouseUp() {
        if (!mouseHeld_) {
            return mouseDown();
        }
        const QPointF p = windowPoint(true);
        sendMouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        mouseHeld_ = false;
        return "mouse up at " + at(p);
    }

    // The release went to another window: the next move arrives without the button, or the
    // grab is taken away.
    std::string mouseLost() {
        if (!mouseHeld_) {
            return mouseDown();
        }
        mouseHeld_ = false;
        if (uniform(0, 1) == 0) {
            const QPointF p = windowPoint(true);
            sendMouse(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
            return "mouse released elsewhere, next move at " + at(p);
        }
        QEvent ungrab(QEvent::UngrabMouse);
        QCoreApplication::sendEvent(&window(), &ungrab);
        return "mouse grab taken away";
    }

    // The piano window unmapped (hidden) or minimised, as a window manager does on a desktop
    // switch or a minimise, whatever is held; or brought back. The window system delivers no
    // release to a window that is away, so the held button is forgotten.
    std::string pianoWindowAway() {
        QMainWindow& main = *piano_.window();
        if (windowAway_) {
            windowAway_ = false;
            main.isMinimized() ? main.showNormal() : main.show();
            QCoreApplication::processEvents();
            return "piano window back";
        }
        windowAway_ = true;
        const bool wasHeld = mouseHeld_;
        mouseHeld_ = false;
        const bool hide = uniform(0, 1) == 0;
        hide ? main.hide() : main.showMinimized();
        if (!strip().isVisible()) {
            fingers_.clear();
        }
        return std::string(hide ? "piano window unmapped" : "piano window minimised") +
               (wasHeld ? " with the mouse held" : "");
    }

    std::string deactivateWindow() {
        QEvent change(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&window(), &change);
        const bool wasHeld = mouseHeld_;
        mouseHeld_ = mouseHeld_ && window().isMouseHeld();
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

    // A preference written as the panel's controls write it: mostly in range, now and then odd.
    std::string write(std::string_view key, double low, double high,
                      std::initializer_list<double> odd) {
        const double value = uniform(0, 7) == 0
                                 ? *std::next(odd.begin(), uniform(0, int(odd.size()) - 1))
                                 : real(low, high);
        DefaultsController::shared().setObject(DefaultsValue::real(value), key);
        return std::string(key) + " " + std::to_string(value);
    }
    std::string keyWidth() {
        // Besides the slider's range: values a hand-edited settings file may hold.
        return write(preferences::keyWidth, 9.5, 90.5,
                     {0, -5, 9.5, 90.5, 400, 1e300, -1e300, 5e-324});
    }
    std::string noteOffset() {
        return write(
            preferences::noteOffset, 0, 96,
            {-10, 0, 96, 200, 1e300, -1e300, 5e-324, -std::numeric_limits<double>::infinity()});
    }
    std::string touchArea() {
        return write(preferences::blackKeyTouchArea, 0, 1, {0, 1, 1e300, -1e300, 5e-324});
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
