#pragma once

#include "core/OkLab.h"

#include <array>

namespace oria {

// The polar form of OKLab (lightness, chroma, hue), and the lines of one hue.

// L as in OKLab, chroma C >= 0, hue h in degrees 0 <= h < 360.
struct OkLch {
    double L = 0, C = 0, h = 0;
};

OkLch OkLabToOkLch(const OkLab& c);
OkLab OkLchToOkLab(const OkLch& c);

// At most how far, in OKLab, a colour of components u (0..255, not whole) moves when they are
// rounded to 8 bits.
double RoundingReach(const std::array<double, 3>& u);

// Euclidean distance in OKLab (ΔEok): about 0.02 is a just noticeable difference.
double DeltaE(const OkLab& x, const OkLab& y);

// The colours of one hue and at most one chroma, lightness varying: where the chroma does not
// fit in sRGB at a lightness, the largest chroma below it that fits.
//
// At a fixed lightness and hue each linear component is a cubic in the chroma. Near blue (hue
// about 264) a component can leave 0..1 and come back as the chroma grows, so "fits" is not
// monotonic in the chroma and a plain halving would land on either edge of the dip, a
// different one from one lightness to the next. The search splits each cubic where it turns
// and halves the chroma on the monotonic pieces only: the answer is the largest chroma that
// fits, the same whatever the starting interval.
class HueLine {
public:
    explicit HueLine(const OkLch& c);
    // The line through a colour: its hue and chroma (none for a grey); the colour is on it.
    explicit HueLine(Colour c);

    // L is clamped to 0..1; 0 gives black, 1 white. Components within 0..1.
    LinearRgb at(double L) const;
    LinearRgb at(double L, double& chroma) const; // and the chroma kept
    Colour colourAt(double L) const { return LinearToColour(at(L)); }
    // The chroma kept at L.
    double chromaAt(double L) const;
    double chroma() const { return chroma_; }
    // At most how much chroma the line gets back as the lightness moves on away from the
    // original, either way: none, but for blues about hue 264, where a component's cubic dips
    // below 0 and comes back, leaving slivers of gamut away from the grey axis (0.043 at
    // most).
    double chromaRegained() const { return chromaRegained_; }

private:
    // Component i at lightness L and chroma C: s L^3 + 3 e1 L^2 C + 3 e2 L C^2 + e3 C^3.
    struct Cubic {
        double s = 1, e1 = 0, e2 = 0, e3 = 0;
        // Where the cubic turns, as multiples of L (0 for none).
        double turns[2] = {0, 0};
    };
    double component(std::size_t i, double L, double C) const;
    double slope(std::size_t i, double L, double C) const; // of component in C
    // The largest chroma c <= C at which component i is within 0..1 (0 always is).
    double lastInside(std::size_t i, double L, double C) const;

    double chroma_;
    Cubic cubics_[3];
    double chromaRegained_ = 0;
};

} // namespace oria
