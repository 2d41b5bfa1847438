#pragma once

#include "core/Colour.h"

namespace oria {

// A colour in the OKLab space, where straight distances follow perceived differences:
// L lightness 0..1, a green (-) to red (+) and b blue (-) to yellow (+), both about -0.4..0.4.
struct OkLab {
    double L = 0.0;
    double a = 0.0;
    double b = 0.0;
};

// sRGB components 0..255. Built from basic arithmetic only, so that every platform gives the
// same bits.
OkLab RgbToOkLab(int r, int v, int b);
inline OkLab ColourToOkLab(Colour c) {
    const Rgb rgb = SplitColour(c);
    return RgbToOkLab(rgb.Rouge, rgb.Vert, rgb.Bleu);
}

// Back to 8-bit sRGB: each component rounded half to even, then clamped to 0..255 for
// colours outside the sRGB gamut.
Rgb OkLabToRgb(const OkLab& lab);
inline Colour OkLabToColour(const OkLab& lab) {
    const Rgb c = OkLabToRgb(lab);
    return RGB(c.Rouge, c.Vert, c.Bleu);
}

} // namespace oria
