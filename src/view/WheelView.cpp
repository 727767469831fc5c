#include "view/WheelView.h"

#include "interfaces/DrawContext.h"
#include "interfaces/MidiMessage.h"
#include "model/PlayerChannel.h"

#include <algorithm>
#include <cmath>

namespace tinkella {

namespace {

// The window's clip grey behind; a dark slot; a mid-grey surface with darker ridges; the value's
// mark in the pressed keys' red, the centre's in white.
constexpr Color slotColor{0.08, 0.08, 0.08, 1};
constexpr Color surfaceColor{0.42, 0.42, 0.42, 1};
constexpr Color ridgeColor{0.3, 0.3, 0.3, 1};
constexpr Color markColor{0.85, 0.1, 0.1, 1};
constexpr Color centreColor{1, 1, 1, 0.7};
constexpr Color labelColor{0.85, 0.85, 0.85, 1};
constexpr Color focusColor{0.3, 0.6, 1, 1};

constexpr double margin = 5;       // slot to the view's edges
constexpr double inset = 3;        // surface to the slot
constexpr double labelHeight = 14; // under the slot
constexpr double ridgeSpacing = 6;
constexpr double markHeight = 6;

} // namespace

WheelView::WheelView(Kind kind, PlayerChannel& player) : kind_(kind), player_(player) {}

int WheelView::value() const {
    return kind_ == Kind::pitch ? player_.pitchWheel() : player_.modulation();
}

void WheelView::setValue(double value) {
    const auto v = static_cast<int>(std::lround(std::clamp(value, 0.0, double(highest()))));
    if (kind_ == Kind::pitch) {
        player_.setPitchWheel(static_cast<std::uint16_t>(v));
    } else {
        player_.setModulation(static_cast<std::uint8_t>(v));
    }
}

Rect WheelView::surface() const {
    const double width = std::max(0.0, size_.width - 2 * (margin + inset));
    const double height = std::max(1.0, size_.height - 2 * (margin + inset) - labelHeight);
    return {margin + inset, margin + inset + labelHeight, width, height};
}

void WheelView::press(const std::string& pointer, Point location) {
    if (holder_) {
        return;
    }
    holder_ = pointer;
    anchorY_ = location.y;
    anchorValue_ = value();
}

void WheelView::move(const std::string& pointer, Point location) {
    if (holder_ == pointer) {
        setValue(anchorValue_ + (location.y - anchorY_) / surface().size.height * highest());
    }
}

void WheelView::release(const std::string& pointer) {
    if (holder_ == pointer) {
        holder_.reset();
        letGo();
    }
}

void WheelView::releaseAll() {
    holder_.reset();
    keyHeld_ = false;
    letGo();
}

void WheelView::letGo() {
    if (kind_ == Kind::pitch && !isHeld()) {
        setValue(ump::bendCentre);
    }
}

void WheelView::step(int steps) {
    keyHeld_ = kind_ == Kind::pitch;
    setValue(value() + steps * (highest() + 1) / 16.0);
}

void WheelView::moveToEnd(int toEnd) {
    keyHeld_ = kind_ == Kind::pitch;
    setValue(toEnd > 0 ? highest() : 0);
}

void WheelView::keyReleased() {
    keyHeld_ = false;
    letGo();
}

void WheelView::draw(DrawContext& context) const {
    const Rect wheel = surface();
    context.setFillColor(slotColor);
    context.fillRect(Rect(margin, margin + labelHeight, size_.width - 2 * margin,
                          size_.height - 2 * margin - labelHeight));
    context.clipToRect(Rect(0, 0, size_.width, size_.height));
    context.setFillColor(surfaceColor);
    context.fillRect(wheel);

    // Ridges roll by the value: the whole range turns the surface by its own height.
    const double share = double(value()) / highest();
    const double roll = std::fmod(share * wheel.size.height, ridgeSpacing);
    context.setFillColor(ridgeColor);
    for (double y = wheel.minY() + roll; y < wheel.maxY(); y += ridgeSpacing) {
        context.fillRect(Rect(wheel.minX(), y, wheel.size.width, 1));
    }
    const double travel = wheel.size.height - markHeight;
    if (kind_ == Kind::pitch) {
        context.setFillColor(centreColor);
        context.fillRect(Rect(wheel.minX(), wheel.minY() + travel / 2 + markHeight / 2 - 0.5,
                              wheel.size.width, 1));
    }
    context.setFillColor(markColor);
    context.fillRect(
        Rect(wheel.minX(), wheel.minY() + share * travel, wheel.size.width, markHeight));

    const TextAttributes attributes{labelColor, "Helvetica", 9, TextAlignment::centered};
    context.drawText(label_, Rect(0, margin, size_.width, labelHeight), attributes);
    if (focused_) {
        context.setStrokeColor(focusColor);
        context.strokeRect(Rect(1.5, 1.5, size_.width - 3, size_.height - 3));
    }
}

} // namespace tinkella
