#include "hosting/TouchBarController.h"

#include "model/PianoController.h"
#include "model/Preferences.h"
#include "foundation/NotificationCenter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tinkella {

namespace {

constexpr double defaultKeyWidth = 50.0;
constexpr float defaultNoteOffset = 60.0F;
constexpr double defaultBlackKeyTouchArea = 0.15;

// Narrows to single precision without leaving the float range, which would be undefined.
float toFloat(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}

} // namespace

const TouchBarItemIdentifier& TouchBarController::pianoViewIdentifier() {
    static const TouchBarItemIdentifier identifier = "com.quorvin.piano.label";
    return identifier;
}

TouchBarController& TouchBarController::sharedInstance() {
    static TouchBarController controller(DefaultsController::shared(),
                                         PianoController::sharedInstance(),
                                         NotificationCenter::defaultCenter());
    return controller;
}

TouchBarController::TouchBarController(DefaultsController& defaults,
                                       PianoController& pianoController, NotificationCenter& center)
    : pianoView_(std::make_unique<PianoView>(Rect(0, 0, 0, 0), true, pianoController, center)) {
    bindings_[0] = defaults.bind(preferences::keyPath(preferences::keyWidth),
                                 [this](const DefaultsValue& value) {
                                     setKeyWidth(value.finiteNumber().value_or(defaultKeyWidth));
                                 });
    bindings_[1] = defaults.bind(
        preferences::keyPath(preferences::noteOffset), [this](const DefaultsValue& value) {
            setNoteOffset(toFloat(value.finiteNumber().value_or(defaultNoteOffset)));
        });
    bindings_[2] = defaults.bind(preferences::keyPath(preferences::blackKeyTouchArea),
                                 [this](const DefaultsValue& value) {
                                     pianoView_->setBlackKeyTouchArea(
                                         value.finiteNumber().value_or(defaultBlackKeyTouchArea));
                                 });
    bindings_[3] = defaults.bind(preferences::keyPath(preferences::blackKeyGlissando),
                                 [this](const DefaultsValue& value) {
                                     pianoView_->setBlackKeyGlissando(value.boolValue());
                                 });
}

TouchBarController::~TouchBarController() = default;

void TouchBarController::setKeyWidth(double keyWidth) {
    pianoView_->setKeyWidth(toFloat(std::isfinite(keyWidth) ? keyWidth : defaultKeyWidth));
}

void TouchBarController::setNoteOffset(float noteOffset) {
    pianoView_->setNoteOffset(std::isfinite(noteOffset) ? noteOffset : defaultNoteOffset);
}

} // namespace tinkella
