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

// Linear-light sRGB components, 0..1 inside the gamut.
struct LinearRgb {
    double r = 0.0, g = 0.0, b = 0.0;
};

// The published matrices: linear sRGB to cone responses (LMS), the cube roots of those to
// OKLab, and back.
using OkMatrix = double[3][3];
inline constexpr OkMatrix kRgbToLms = {{0.4122214708, 0.5363325363, 0.0514459929},
                                       {0.2119034982, 0.6806995451, 0.1073969566},
                                       {0.0883024619, 0.2817188376, 0.6299787005}};
inline constexpr OkMatrix kLmsToLab = {{0.2104542553, 0.7936177850, -0.0040720468},
                                       {1.9779984951, -2.4285922050, 0.4505937099},
                                       {0.0259040371, 0.7827717662, -0.8086757660}};
inline constexpr OkMatrix kLabToLms = {{1.0, 0.3963377774, 0.2158037573},
                                       {1.0, -0.1055613458, -0.0638541728},
                                       {1.0, -0.0894841775, -1.2914855480}};
inline constexpr OkMatrix kLmsToRgb = {{4.0767416621, -3.3077115913, 0.2309699292},
                                       {-1.2684380046, 2.6097574011, -0.3413193965},
                                       {-0.0041960863, -0.7034186147, 1.7076147010}};

// The sRGB transfer curve and its inverse, on 0..1. Built, like everything here, from basic
// arithmetic and square roots only, so that every platform gives the same bits.
double SrgbToLinear(double encoded);
double LinearToSrgb(double linear);
// The cube root, the same to the bit on every platform; 0 for v <= 0.
double CubeRoot(double v);

OkLab LinearToOkLab(const LinearRgb& c);
LinearRgb OkLabToLinear(const OkLab& c);

// sRGB components 0..255.
OkLab RgbToOkLab(int r, int v, int b);
inline OkLab ColourToOkLab(Colour c) {
    const Rgb rgb = SplitColour(c);
    return RgbToOkLab(rgb.Rouge, rgb.Vert, rgb.Bleu);
}

// 8-bit components decoded once.
LinearRgb ColourToLinear(Colour c);
// Each component clamped to 0..1, encoded and rounded half to even to 0..255.
Colour LinearToColour(const LinearRgb& c);

// Back to 8-bit sRGB, clamped to 0..255 for colours outside the sRGB gamut.
Rgb OkLabToRgb(const OkLab& lab);
inline Colour OkLabToColour(const OkLab& lab) {
    const Rgb c = OkLabToRgb(lab);
    return RGB(c.Rouge, c.Vert, c.Bleu);
}

} // namespace oria
