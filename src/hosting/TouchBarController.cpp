#include "hosting/TouchBarController.h"

#include "foundation/NotificationCenter.h"
#include "model/PianoController.h"
#include "model/Preferences.h"

namespace tinkella {

TouchBarController& TouchBarController::sharedInstance() {
    static TouchBarController controller(DefaultsController::shared(),
                                         PianoController::sharedInstance(),
                                         NotificationCenter::defaultCenter());
    return controller;
}

TouchBarController::TouchBarController(DefaultsController& defaults,
                                       PianoController& pianoController, NotificationCenter& center)
    : pianoView_(std::make_unique<PianoView>(Rect(0, 0, 0, 0), true, pianoController, center)) {
    bindings_[0] = preferences::bind<double>(defaults, preferences::keyWidth,
                                             [this](double width) { setKeyWidth(width); });
    bindings_[1] =
        preferences::bind<double>(defaults, preferences::noteOffset, [this](double offset) {
            setNoteOffset(static_cast<float>(offset));
        });
    bindings_[2] =
        preferences::bind<double>(defaults, preferences::blackKeyTouchArea,
                                  [this](double area) { pianoView_->setBlackKeyTouchArea(area); });
    bindings_[3] =
        preferences::bind<bool>(defaults, preferences::blackKeyGlissando, [this](bool glissando) {
            pianoView_->setBlackKeyGlissando(glissando);
        });
    bindings_[4] =
        preferences::bind<bool>(defaults, preferences::velocityFromTouch, [this](bool fromTouch) {
            pianoView_->setVelocityFromTouch(fromTouch);
        });
}

TouchBarController::~TouchBarController() = default;

void TouchBarController::setKeyWidth(double keyWidth) {
    pianoView_->setKeyWidth(static_cast<float>(keyWidth));
}

void TouchBarController::setNoteOffset(float noteOffset) {
    pianoView_->setNoteOffset(noteOffset);
}

} // namespace tinkella
