#pragma once

#include "interfaces/DrawContext.h"

#include <algorithm>
#include <cmath>

namespace tinkella {

// The colours a keyboard view draws with. The standard palette is the keyboard as it always
// looked; the high-contrast one (the "highContrast" setting) has pure black and white keys,
// wider separators, outlined black keys, no glow, and held keys in colours that stay apart
// for players with any common colour-vision deficiency: the Okabe–Ito palette's orange for
// the player's own keys and its blue for notes from the MIDI input, which also differ in
// lightness, so they stay apart in grey too. The keys are drawn in their own colours on any
// desktop palette, dark or light; names take the colour that reads on the key beneath.
struct KeyPalette {
    Color naturalKey;      // in the window
    Color naturalKeyStrip; // on the strip
    Color sharpKey;
    Color sharpKeyInScale; // a black key of the scale shown, lifted off black
    Color dimNaturalKey;   // in the window, outside the scale shown
    Color dimNaturalKeyStrip;
    Color pressedNatural;
    Color pressedSharp;
    Color incomingNatural; // held by a note from the MIDI input
    Color incomingSharp;
    // Over the keys below the keyboard split, which play the split's instrument: translucent over
    // natural keys, opaque for black ones.
    Color splitNatural;
    Color splitSharp;
    Color separator;
    double separatorWidth;
    Color sharpOutline;
    double glowBlur; // 0: none
    double sharpGlowBlur;
    Color rootMarkOnNatural;
    Color rootMarkOnSharp;
    double rootMarkHeight;
    Color nameOnLight; // on natural keys, and held keys in the high-contrast orange
    Color nameOnDark;  // on black keys and the MIDI input's dark blue

    // The name colour that reads best on a key of this fill (the higher contrast ratio).
    Color nameOn(const Color& fill) const;

    static const KeyPalette& standard();
    static const KeyPalette& highContrast();
};

// Relative luminance 0..1 of an sRGB colour, and the contrast ratio 1..21 of two colours, as
// the Web Content Accessibility Guidelines define them.
inline double relativeLuminance(const Color& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.red) + 0.7152 * linear(color.green) + 0.0722 * linear(color.blue);
}
inline double contrastRatio(const Color& a, const Color& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline Color KeyPalette::nameOn(const Color& fill) const {
    return contrastRatio(nameOnLight, fill) >= contrastRatio(nameOnDark, fill) ? nameOnLight
                                                                               : nameOnDark;
}

inline const KeyPalette& KeyPalette::standard() {
    static constexpr KeyPalette palette{
        .naturalKey = {0.92, 0.92, 0.92, 1},
        .naturalKeyStrip = {2.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0, 1},
        .sharpKey = {0, 0, 0, 1},
        .sharpKeyInScale = {0.3, 0.3, 0.3, 1},
        .dimNaturalKey = {0.68, 0.68, 0.68, 1},
        .dimNaturalKeyStrip = {0.45, 0.45, 0.45, 1},
        .pressedNatural = {1, 1, 1, 1},
        .pressedSharp = {0.7, 0, 0, 1},
        // Blue, the colour sequencers give incoming notes, far from the user's own white and
        // red on either kind of key.
        .incomingNatural = {0.55, 0.75, 1, 1},
        .incomingSharp = {0.1, 0.35, 0.95, 1},
        // Green, apart from the red, blue and orange above.
        .splitNatural = {0.2, 0.7, 0.3, 0.3},
        .splitSharp = {0.05, 0.3, 0.1, 1},
        .separator = {0, 0, 0, 1},
        .separatorWidth = 1,
        .sharpOutline = {0, 0, 0, 1},
        .glowBlur = 15,
        .sharpGlowBlur = 5,
        // Orange, apart from the white, red and blue of keys held down.
        .rootMarkOnNatural = {0.95, 0.55, 0.1, 1},
        .rootMarkOnSharp = {0.95, 0.55, 0.1, 1},
        .rootMarkHeight = 3,
        .nameOnLight = {0.15, 0.15, 0.15, 1},
        .nameOnDark = {0.92, 0.92, 0.92, 1},
    };
    return palette;
}

inline const KeyPalette& KeyPalette::highContrast() {
    // Okabe–Ito orange #E69F00 and blue #0072B2.
    static constexpr Color orange{230.0 / 255, 159.0 / 255, 0, 1};
    static constexpr Color blue{0, 114.0 / 255, 178.0 / 255, 1};
    static constexpr KeyPalette palette{
        .naturalKey = {1, 1, 1, 1},
        .naturalKeyStrip = {1, 1, 1, 1},
        .sharpKey = {0, 0, 0, 1},
        .sharpKeyInScale = {0.35, 0.35, 0.35, 1},
        .dimNaturalKey = {0.6, 0.6, 0.6, 1},
        .dimNaturalKeyStrip = {0.6, 0.6, 0.6, 1},
        .pressedNatural = orange,
        .pressedSharp = orange,
        .incomingNatural = blue,
        .incomingSharp = blue,
        // Okabe–Ito bluish green #009E73, lighter than the held keys' orange and blue.
        .splitNatural = {0, 158.0 / 255, 115.0 / 255, 0.35},
        .splitSharp = {0, 0.3, 0.22, 1},
        .separator = {0, 0, 0, 1},
        .separatorWidth = 2,
        .sharpOutline = {1, 1, 1, 1},
        .glowBlur = 0,
        .sharpGlowBlur = 0,
        .rootMarkOnNatural = {0, 0, 0, 1},
        .rootMarkOnSharp = {1, 1, 1, 1},
        .rootMarkHeight = 5,
        .nameOnLight = {0, 0, 0, 1},
        .nameOnDark = {1, 1, 1, 1},
    };
    return palette;
}

} // namespace tinkella
