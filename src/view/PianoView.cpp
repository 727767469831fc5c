#include "view/PianoView.h"

#include "interfaces/ViewHost.h"
#include "model/PianoController.h"
#include "model/PianoKey.h"

#include <algorithm>
#include <cmath>

namespace tinkella {

PianoView::PianoView(Rect frame, bool isOnTouchBar)
    : PianoView(frame, isOnTouchBar, PianoController::sharedInstance(),
                NotificationCenter::defaultCenter()) {}

PianoView::PianoView(Rect frame, bool isOnTouchBar, PianoController& controller,
                     NotificationCenter& center)
    : isOnTouchBar_(isOnTouchBar), controller_(controller), center_(center), frame_(frame) {
    startUp();
}

PianoView::~PianoView() {
    // Keys this view still holds would otherwise stay pressed with their notes sounding, as
    // no later event of this view can release them.
    const bool holdsKeys = !touches_.empty() || mousePosition_.has_value();
    registrations_.clear();
    host_ = nullptr;
    if (holdsKeys) {
        touches_.clear();
        mousePosition_.reset();
        updatePressedKeys();
    }
}

void PianoView::startUp() {
    registrations_.push_back(center_.addObserver(
        PressedPianoKeysChanged, [this](const Notification& n) { pressedKeysChanged(n); }));
    registrations_.push_back(center_.addObserver(
        PianoResizingStarted, [this](const Notification& n) { pianoResizingStarted(n); }));
    registrations_.push_back(center_.addObserver(
        PianoResizingEnded, [this](const Notification& n) { pianoResizingEnded(n); }));
}

Rect PianoView::bounds() const {
    if (host_ != nullptr) {
        return host_->bounds();
    }
    return Rect(0, 0, frame_.size.width, frame_.size.height);
}

void PianoView::setNeedsDisplay() {
    if (host_ != nullptr) {
        host_->setNeedsDisplay();
    }
}

void PianoView::setShowsBlackKeyTouchArea(bool shows) {
    showsBlackKeyTouchArea_ = shows;
    setNeedsDisplay();
}

void PianoView::setKeyWidth(float keyWidth) {
    keyWidth_ = static_cast<double>(keyWidth);
    setNeedsDisplay();
    updatePressedKeys();
}

void PianoView::setNoteOffset(float noteOffset) {
    noteOffset_ = noteOffset;
    setNeedsDisplay();
    updatePressedKeys();
}

// --- Geometry ------------------------------------------------------------------------------

double PianoView::getKeyboardWidth() const {
    const auto& keys = controller_.keys();
    if (keys.empty()) {
        return 0;
    }
    return static_cast<double>(keys.back().x + 1) * keyWidth_;
}

double PianoView::shift() const {
    const double overflow = getKeyboardWidth() - bounds().size.width;
    const double fraction = overflow < 0 ? 0.5 : static_cast<double>(noteOffset_) / 96.0;
    return overflow * fraction;
}

double PianoView::getXFrom(std::int64_t xPos) const {
    return static_cast<double>(xPos) * keyWidth_ - shift();
}

Rect PianoView::getWhiteDisplayRect(std::int64_t xPos) const {
    return Rect(getXFrom(xPos), 0, keyWidth_, bounds().size.height);
}

Rect PianoView::getBlackDisplayRect(std::int64_t xPos) const {
    return blackKeyRect(getXFrom(xPos), bounds().size.height);
}

Rect PianoView::blackKeyRect(double slotLeft, double height) const {
    return Rect(slotLeft + blackKey::left * keyWidth_, blackKey::front * height,
                blackKey::width * keyWidth_, (1 - blackKey::front) * height);
}

bool PianoView::hasFiniteLayout(double shift, const Rect& area) const {
    return std::isfinite(keyWidth_) && std::isfinite(shift) && area.isFinite();
}

std::vector<PianoKey*> PianoView::getVisibleKeys() const {
    std::vector<PianoKey*> visible;
    const Rect area = bounds();
    const double h = area.size.height;
    const double s = shift();
    if (!hasFiniteLayout(s, area)) {
        return visible;
    }
    for (PianoKey& key : controller_.keys()) {
        const double left = static_cast<double>(key.x) * keyWidth_ - s;
        const Rect rect = key.sharp ? blackKeyRect(left, h) : Rect(left, 0, keyWidth_, h);
        if (rect.intersects(area)) {
            visible.push_back(&key);
        }
    }
    return visible;
}

// --- Hit tests -----------------------------------------------------------------------------

TouchBarHit PianoView::touchBarKeyHitTest(Point p) const {
    auto& keys = controller_.keys();
    const Rect area = bounds();
    const double h = area.size.height;
    const double s = shift();
    if (!hasFiniteLayout(s, area)) {
        return {};
    }
    const double kw = keyWidth_;
    const double z = blackKeyTouchArea_ * 0.5;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        PianoKey& key = keys[i];
        if (key.sharp) {
            continue;
        }
        const double left = static_cast<double>(key.x) * kw - s;
        if (!Rect(left, 0, kw, h).contains(p)) {
            continue;
        }
        const double dx = p.x - left;
        if (i > 0 && kw * z > dx && keys[i - 1].sharp) {
            return {&keys[i - 1], &key};
        }
        if (dx > (1 - z) * kw && i + 1 < keys.size() && keys[i + 1].sharp) {
            return {&keys[i + 1], &key};
        }
        return {&key, &key};
    }
    return {};
}

PianoKey* PianoView::mouseKeyHitTest(Point p) const {
    auto& keys = controller_.keys();
    if (!hasFiniteLayout(shift(), bounds())) {
        return nullptr;
    }
    for (PianoKey& key : keys) {
        if (key.sharp && getBlackDisplayRect(key.x).contains(p)) {
            return &key;
        }
    }
    for (PianoKey& key : keys) {
        if (!key.sharp && getWhiteDisplayRect(key.x).contains(p)) {
            return &key;
        }
    }
    return nullptr;
}

double PianoView::depthAlong(const PianoKey& key, Point p) const {
    const double h = bounds().size.height;
    const double front = key.sharp ? blackKey::front * h : 0.0;
    const double length = key.sharp ? (1 - blackKey::front) * h : h;
    const double depth = length > 0 ? (p.y - front) / length : 0.0;
    return std::isfinite(depth) ? std::clamp(depth, 0.0, 1.0) : 0.0;
}

std::uint8_t PianoView::velocityAt(const PianoKey& key, Point p,
                                   std::optional<double> pressure) const {
    double velocity = 127.0 * (1.0 - depthAlong(key, p));
    if (pressure && std::isfinite(*pressure)) {
        velocity *= std::clamp(*pressure, 0.0, 1.0);
    }
    return static_cast<std::uint8_t>(std::clamp(std::lround(velocity), 1L, 127L));
}

double PianoView::keyCentre(const PianoKey& key) const {
    const double inSlot = key.sharp ? blackKey::left + blackKey::width / 2 : 0.5;
    return getXFrom(key.x) + inSlot * keyWidth_;
}

double PianoView::bendAt(double x, const PianoKey& key, double anchorX) const {
    const auto& keys = controller_.keys();
    const auto held = static_cast<std::size_t>(key.note);
    // The centre of key i, the press's anchor standing for the held key's, kept between the
    // midpoints to its neighbours' centres so that the pitch keeps rising with x.
    const auto centre = [&](std::size_t i) {
        if (i != held) {
            return keyCentre(keys[i]);
        }
        const double own = keyCentre(key);
        const double low = held > 0 ? (keyCentre(keys[held - 1]) + own) / 2 : own;
        const double high = held + 1 < keys.size() ? (keyCentre(keys[held + 1]) + own) / 2 : own;
        return std::clamp(anchorX, low, high);
    };
    if (!std::isfinite(x) || keys.size() < 2) {
        return 0;
    }
    std::size_t i = 0;
    while (i + 2 < keys.size() && centre(i + 1) <= x) {
        ++i;
    }
    const double left = centre(i);
    const double right = centre(i + 1);
    const double fraction = right > left ? std::clamp((x - left) / (right - left), 0.0, 1.0) : 0;
    return static_cast<double>(i) + fraction - static_cast<double>(held);
}

void PianoView::pressExpressively(std::int64_t note, double anchorX, Point location,
                                  std::optional<double> pressure) {
    PianoKey& key = controller_.keys()[static_cast<std::size_t>(note)];
    press(key, location, pressure);
    controller_.shapeExpression(key, bendAt(location.x, key, anchorX), depthAlong(key, location),
                                pressure);
}

// --- Pressed keys --------------------------------------------------------------------------

void PianoView::updatePressedKeys() {
    if (isOnTouchBar_) {
        updatePressedKeysOnTouchBar();
    } else {
        updatePressedKeysOnScreen();
    }
    controller_.updatePlayingNotesFromPressedKeys();
    controller_.notifyPressedKeysChanged();
}

void PianoView::updatePressedKeysOnTouchBar() {
    for (PianoKey& key : controller_.keys()) {
        key.isPressedOnTouchBar = false;
    }
    const bool mpe = controller_.expression().isOn();
    for (auto& [identity, touch] : touches_) {
        if (mpe && touch.firstNote.has_value()) {
            pressExpressively(*touch.firstNote, touch.anchorX, touch.currentPoint, touch.pressure);
            continue;
        }
        const TouchBarHit hit = touchBarKeyHitTest(touch.currentPoint);
        if (hit.top == nullptr) {
            continue;
        }
        // Without glissando a finger keeps to the natural keys unless it is back on the black
        // key it went down on.
        const bool playsTop =
            blackKeyGlissando_ || !touch.firstNote.has_value() || *touch.firstNote == hit.top->note;
        PianoKey& pressed = playsTop ? *hit.top : *hit.natural;
        press(pressed, touch.currentPoint, touch.pressure);
        if (!touch.firstNote.has_value()) {
            touch.firstNote = pressed.note;
            touch.anchorX = touch.currentPoint.x;
        }
        if (mpe) {
            pressExpressively(pressed.note, touch.anchorX, touch.currentPoint, touch.pressure);
        }
    }
}

void PianoView::updatePressedKeysOnScreen() {
    for (PianoKey& key : controller_.keys()) {
        key.isPressedOnScreen = false;
    }
    const bool mpe = controller_.expression().isOn();
    if (!mousePosition_.has_value() || !mpe) {
        mouseNote_.reset();
    }
    if (mouseNote_.has_value()) {
        pressExpressively(*mouseNote_, mouseAnchorX_, *mousePosition_, mousePressure_);
    } else if (mousePosition_.has_value()) {
        if (PianoKey* key = mouseKeyHitTest(*mousePosition_)) {
            press(*key, *mousePosition_, mousePressure_);
            if (mpe) {
                mouseNote_ = key->note;
                mouseAnchorX_ = mousePosition_->x;
                pressExpressively(key->note, mouseAnchorX_, *mousePosition_, mousePressure_);
            }
        }
    }
}

void PianoView::press(PianoKey& key, Point location, std::optional<double> pressure) {
    (isOnTouchBar_ ? key.isPressedOnTouchBar : key.isPressedOnScreen) = true;
    if (velocityFromTouch_ && !key.playing) {
        key.velocity = velocityAt(key, location, pressure);
    }
}

// --- Touches -------------------------------------------------------------------------------

namespace {

bool takes(const TouchRecord& touch, TouchPhase phase) {
    return touch.phase == phase && touch.type == TouchType::direct;
}

} // namespace

void PianoView::touchesBegan(const std::vector<TouchRecord>& touches) {
    for (const TouchRecord& touch : touches) {
        if (takes(touch, TouchPhase::began)) {
            touches_.insert_or_assign(touch.identity, KeyTouch(touch.location, touch.pressure));
        }
    }
    updatePressedKeys();
}

void PianoView::touchesMoved(const std::vector<TouchRecord>& touches) {
    for (const TouchRecord& touch : touches) {
        if (!takes(touch, TouchPhase::moved)) {
            continue;
        }
        auto it = touches_.find(touch.identity);
        if (it != touches_.end()) {
            it->second.currentPoint = touch.location;
            it->second.pressure = touch.pressure;
        }
    }
    updatePressedKeys();
}

void PianoView::touchesEnded(const std::vector<TouchRecord>& touches) {
    for (const TouchRecord& touch : touches) {
        if (takes(touch, TouchPhase::ended)) {
            touches_.erase(touch.identity);
        }
    }
    updatePressedKeys();
}

void PianoView::touchesCancelled(const std::vector<TouchRecord>& touches) {
    for (const TouchRecord& touch : touches) {
        if (takes(touch, TouchPhase::cancelled)) {
            touches_.erase(touch.identity);
        }
    }
    updatePressedKeys();
}

// --- Mouse ---------------------------------------------------------------------------------

void PianoView::mouseDown(Point locationInView, std::optional<double> pressure) {
    mouseNote_.reset();
    mousePosition_ = locationInView;
    mousePressure_ = pressure;
    updatePressedKeys();
}

void PianoView::mouseDragged(Point locationInView, std::optional<double> pressure) {
    mousePosition_ = locationInView;
    mousePressure_ = pressure;
    updatePressedKeys();
}

void PianoView::mouseUp(Point /*locationInView*/) {
    mousePosition_.reset();
    updatePressedKeys();
}

// --- Notifications -------------------------------------------------------------------------

void PianoView::pressedKeysChanged(const Notification& /*notification*/) {
    setNeedsDisplay();
}

void PianoView::pianoResizingStarted(const Notification& /*notification*/) {
    showsOctaveNumber_ = true;
    setNeedsDisplay();
}

void PianoView::pianoResizingEnded(const Notification& /*notification*/) {
    showsOctaveNumber_ = false;
    setNeedsDisplay();
}

} // namespace tinkella
