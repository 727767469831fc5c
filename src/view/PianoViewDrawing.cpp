#include "interfaces/DrawContext.h"
#include "model/PianoController.h"
#include "model/PianoKey.h"
#include "view/KeyPalette.h"
#include "view/PianoView.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

namespace tinkella {

namespace {

constexpr Color black{0, 0, 0, 1};
constexpr Color overlayFill{1, 0, 0, 0.5};
constexpr Color red{1, 0, 0, 1};
constexpr Color labelColor{0.5, 0, 0, 1};
constexpr Color clear{0, 0, 0, 0};

constexpr double cornerRadius = 3;

// Labels read "C5" from this key width up, "5" below it.
constexpr double longLabelKeyWidth = 25;

void clearShadow(DrawContext& context) {
    context.setShadow({0, 0}, 0, clear);
}

} // namespace

void PianoView::addSharpKeyPath(DrawContext& context, const PianoKey& key) const {
    const double h = bounds().size.height;
    const Rect shape = getBlackDisplayRect(key.x);
    const double bl = shape.origin.x;
    const double bw = shape.size.width;
    const double front = shape.origin.y;
    constexpr double pi = std::numbers::pi;
    context.moveTo({bl, h});
    context.addArc({bl + cornerRadius, front + cornerRadius}, cornerRadius, pi, 3 * pi / 2, false);
    context.addArc({bl + bw - cornerRadius, front + cornerRadius}, cornerRadius, 3 * pi / 2, 0,
                   false);
    context.addLineTo({bl + bw, h});
}

const KeyPalette& PianoView::palette() const {
    return highContrast_ ? KeyPalette::highContrast() : KeyPalette::standard();
}

void PianoView::draw(DrawContext& context) const {
    const Rect area = bounds();
    const double h = area.size.height;
    const double kw = keyWidth_;
    const auto& keys = controller_.keys();
    const KeyPalette& colours = palette();

    context.setFillColor(black);
    context.fillRect(area);
    // A layout that is not finite (a width or offset the toolkit should never hand us) shows
    // the black background only.
    if (keys.empty() || !hasFiniteLayout(shift(), area)) {
        return;
    }

    context.setFillColor(isOnTouchBar_ ? colours.naturalKeyStrip : colours.naturalKey);
    context.clipToRect(getWhiteDisplayRect(0).united(getWhiteDisplayRect(keys.back().x)));
    context.fillRect(area);

    const std::vector<PianoKey*> visible = getVisibleKeys();
    if (scale_ != 0) {
        dimKeysOutsideScale(context, visible);
    }
    tintKeysBelowSplit(context, visible);

    context.setShadow({0, 0}, colours.glowBlur, colours.pressedNatural);
    context.setFillColor(colours.pressedNatural);
    for (const PianoKey* key : visible) {
        if (!key->sharp && key->isPressed()) {
            context.fillRect(getWhiteDisplayRect(key->x));
        }
    }
    // The user's own press shows over a note from the MIDI input on the same key.
    bool incomingShown = false;
    for (const PianoKey* key : visible) {
        if (!key->sharp && !key->isPressed() && key->isHeldByMidiIn) {
            if (!std::exchange(incomingShown, true)) {
                context.setShadow({0, 0}, colours.glowBlur, colours.incomingNatural);
                context.setFillColor(colours.incomingNatural);
            }
            context.fillRect(getWhiteDisplayRect(key->x));
        }
    }

    for (const PianoKey* key : visible) {
        if (!key->sharp) {
            continue;
        }
        context.beginPath();
        addSharpKeyPath(context, *key);
        if (key->isPressed() || key->isHeldByMidiIn) {
            const Color fill = key->isPressed() ? colours.pressedSharp : colours.incomingSharp;
            context.setShadow({0, 0}, colours.sharpGlowBlur, fill);
            context.setFillColor(fill);
        } else {
            clearShadow(context);
            context.setFillColor(isBelowSplit(*key)             ? colours.splitSharp
                                 : scale_ != 0 && inScale(*key) ? colours.sharpKeyInScale
                                                                : colours.sharpKey);
        }
        context.fillPath();
    }

    clearShadow(context);
    context.setFillColor(colours.separator);
    for (std::size_t i = 0; i < visible.size(); ++i) {
        if (visible[i]->sharp) {
            continue;
        }
        // Under a black key the line shows only in front of it.
        const double lineHeight = i > 0 && visible[i - 1]->sharp ? blackKey::front * h : h;
        context.fillRect(Rect(getXFrom(visible[i]->x), 0, colours.separatorWidth, lineHeight));
    }

    context.setStrokeColor(colours.sharpOutline);
    for (const PianoKey* key : visible) {
        if (key->sharp) {
            context.beginPath();
            addSharpKeyPath(context, *key);
            context.strokePath();
        }
    }

    if (scale_ != 0) {
        markScaleRoots(context, visible);
    }

    if (showsBlackKeyTouchArea_) {
        context.setFillColor(overlayFill);
        context.setStrokeColor(red);
        for (const PianoKey* key : visible) {
            if (!key->sharp) {
                continue;
            }
            const Rect shape = getBlackDisplayRect(key->x);
            const double centre = shape.origin.x + shape.size.width / 2;
            const double areaWidth = blackKeyTouchArea_ * kw;
            const Rect overlay(centre - areaWidth / 2, 0, areaWidth, h);
            context.fillRect(overlay);
            context.strokeRect(overlay);
        }
    }

    if (keyLabels_ != preferences::KeyLabels::octave) {
        drawKeyNames(context, visible);
    } else if (showsOctaveNumber_) {
        const double fontSize = std::max(12.0, std::min(16.0, std::round(kw)));
        const TextAttributes attributes{labelColor, "Helvetica", fontSize, TextAlignment::centered};
        const bool longLabels = kw >= longLabelKeyWidth;
        const double labelHeight = !isOnTouchBar_ ? 50 : fontSize / 2 + (longLabels ? 18 : 10);
        for (const PianoKey* key : visible) {
            if (key->note % 12 != 0) {
                continue;
            }
            const std::string octave = std::to_string(key->note / 12);
            const std::string text = longLabels ? "C" + octave : octave;
            context.drawText(text, Rect(getXFrom(key->x), 0, kw + 1.5, labelHeight), attributes);
        }
    }
}

} // namespace tinkella
