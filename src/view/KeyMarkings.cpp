#include "interfaces/DrawContext.h"
#include "model/NoteNames.h"
#include "model/PianoController.h"
#include "model/PianoKey.h"
#include "view/KeyPalette.h"
#include "view/PianoView.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tinkella {

namespace {

// Names smaller than this are not drawn; larger than the cap look out of scale on the key.
constexpr double smallestReadable = 7;
constexpr double largestName = 14;
// Average advance of a glyph of the sans-serif face, as a share of its size.
constexpr double glyphWidth = 0.62;

std::size_t glyphCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

// The largest size up to cap at which text fits width, or 0 when it would be unreadable.
double fittingSize(const std::string& text, double width, double cap) {
    const double size = std::min(cap, width / (glyphWidth * static_cast<double>(glyphCount(text))));
    return size >= smallestReadable ? std::floor(size) : 0;
}

} // namespace

Color PianoView::nameColour(const PianoKey& key) const {
    const KeyPalette& colours = palette();
    // A held key's name reads on the colour it is lit in.
    if (key.isPressed()) {
        return colours.nameOn(key.sharp ? colours.pressedSharp : colours.pressedNatural);
    }
    if (key.isHeldByMidiIn) {
        return colours.nameOn(key.sharp ? colours.incomingSharp : colours.incomingNatural);
    }
    return key.sharp ? colours.nameOnDark : colours.nameOnLight;
}

bool PianoView::inScale(const PianoKey& key) const {
    return tinkella::inScale(scale_, scaleRoot_, key.note);
}

void PianoView::dimKeysOutsideScale(DrawContext& context,
                                    const std::vector<PianoKey*>& visible) const {
    const KeyPalette& colours = palette();
    context.setFillColor(isOnTouchBar_ ? colours.dimNaturalKeyStrip : colours.dimNaturalKey);
    for (const PianoKey* key : visible) {
        if (!key->sharp && !inScale(*key)) {
            context.fillRect(getWhiteDisplayRect(key->x));
        }
    }
}

bool PianoView::isBelowSplit(const PianoKey& key) const {
    return controller_.splitChannel() && key.note < *controller_.splitPoint();
}

void PianoView::tintKeysBelowSplit(DrawContext& context,
                                   const std::vector<PianoKey*>& visible) const {
    context.setFillColor(palette().splitNatural);
    for (const PianoKey* key : visible) {
        if (!key->sharp && isBelowSplit(*key)) {
            context.fillRect(getWhiteDisplayRect(key->x));
        }
    }
}

void PianoView::markScaleRoots(DrawContext& context, const std::vector<PianoKey*>& visible) const {
    const KeyPalette& colours = palette();
    for (const PianoKey* key : visible) {
        if ((key->note - scaleRoot_) % 12 != 0) {
            continue;
        }
        // A bar along the key's front edge, clear of its outline.
        const Rect shape = key->sharp ? getBlackDisplayRect(key->x) : getWhiteDisplayRect(key->x);
        context.setFillColor(key->sharp ? colours.rootMarkOnSharp : colours.rootMarkOnNatural);
        context.fillRect(Rect(shape.origin.x + 2, shape.origin.y + 1,
                              std::max(0.0, shape.size.width - 3), colours.rootMarkHeight));
    }
}

void PianoView::drawKeyNames(DrawContext& context, const std::vector<PianoKey*>& visible) const {
    using preferences::KeyLabels;
    if (keyLabels_ == KeyLabels::none) {
        return;
    }
    const double h = bounds().size.height;
    const double cap = std::min(largestName, 0.3 * h);
    for (const PianoKey* key : visible) {
        const int pitch = static_cast<int>(key->note % 12);
        if (keyLabels_ == KeyLabels::c && pitch != 0) {
            continue;
        }
        const std::string name(keyLabels_ == KeyLabels::solfege ? solfegeName(pitch)
                                                                : pitchName(pitch));
        const Rect shape = key->sharp ? getBlackDisplayRect(key->x) : getWhiteDisplayRect(key->x);
        const double width = shape.size.width - 2;
        // C keys carry their octave where it fits, their plain name where only that fits.
        std::string text = pitch == 0 ? name + std::to_string(octaveOf(key->note)) : name;
        double size = fittingSize(text, width, cap);
        if (size == 0 && text != name) {
            text = name;
            size = fittingSize(text, width, cap);
        }
        if (size == 0) {
            continue;
        }
        const TextAttributes attributes{nameColour(*key), "Helvetica", size,
                                        TextAlignment::centered};
        // From just above the front edge (and the root's mark) up, one line high.
        const double top = shape.origin.y + palette().rootMarkHeight + 2 + 1.3 * size;
        context.drawText(
            text, Rect(shape.origin.x, shape.origin.y, shape.size.width, top - shape.origin.y),
            attributes);
    }
}

} // namespace tinkella
