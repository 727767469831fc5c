// The key colours: names readable on every fill they are drawn on, and in high contrast the
// player's held keys apart from the MIDI input's by lightness alone (any colour vision).
#include "view/KeyPalette.h"

#include <gtest/gtest.h>

namespace tinkella {
namespace {

TEST(KeyPaletteTest, NamesReadOnEveryKeyAndHighContrastHeldKeysDifferInLightness) {
    // The least contrast a name has on its key: the standard palette keeps its long-standing
    // look (a name on a strip key dimmed outside the scale, 3.2:1); high contrast reaches the
    // 4.5:1 that small text needs.
    const struct {
        const KeyPalette& palette;
        double least;
    } cases[] = {{KeyPalette::standard(), 3.0}, {KeyPalette::highContrast(), 4.5}};
    for (const auto& c : cases) {
        const KeyPalette& p = c.palette;
        for (const Color& natural :
             {p.naturalKey, p.naturalKeyStrip, p.dimNaturalKey, p.dimNaturalKeyStrip}) {
            EXPECT_GE(contrastRatio(p.nameOnLight, natural), c.least);
        }
        for (const Color& sharp : {p.sharpKey, p.sharpKeyInScale, p.splitSharp}) {
            EXPECT_GE(contrastRatio(p.nameOnDark, sharp), c.least);
        }
        for (const Color& held :
             {p.pressedNatural, p.pressedSharp, p.incomingNatural, p.incomingSharp}) {
            EXPECT_GE(contrastRatio(p.nameOn(held), held), c.least);
        }
    }
    const KeyPalette& high = KeyPalette::highContrast();
    EXPECT_GE(contrastRatio(high.pressedNatural, high.incomingNatural), 2.0);
    EXPECT_GE(contrastRatio(high.pressedSharp, high.incomingSharp), 2.0);
}

} // namespace
} // namespace tinkella
