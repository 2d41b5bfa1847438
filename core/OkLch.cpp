#include "OkLch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace oria {

namespace {

// The published matrices are not exact inverses: a colour on the edge of the gamut comes back
// up to 1.5e-7 L^3 below 0 or 8e-8 above 1. Near black a fixed slack would let far too much
// chroma in, hence one in proportion.
constexpr double kGamutSlack = 2e-6;
// Greys come out of the matrices with a chroma of a few 1e-8: below this, none.
constexpr double kGreyChroma = 1e-6;
// How far rounding to 8 bits moves a colour in OKLab: the slopes, with a margin for their
// change over half a unit; below an OKLab lightness of 0.25 the cube roots are too steep for
// slopes, and a bound serves (a grey half a unit above black, rounded to black, moves 0.053).
constexpr double kRoundingMargin = 1.25, kDarkRoundingBelow = 0.25, kDarkRounding = 0.08;
// Hues whose lines have slivers of gamut (found over every hue at 0.02 degree steps, chromas
// 0.02 to 0.32 and lightnesses 0.1 to 0.95: 264.0 to 264.3), with a margin.
// The chroma a line of those hues gets back, moving on away from its colour, is at most 0.043
// (over the lines of 8-bit colours 17 apart in each component).
constexpr double kSliverHues[2] = {262, 267}, kSliverChroma = 0.05;
// The edge of the gamut on a monotonic piece of a cubic, to within 1e-10 of chroma: far below
// what an 8-bit step moves (about 0.004). Newton's method gets there in about 4 steps.
constexpr int kChromaSteps = 60;
constexpr double kChromaPrecision = 1e-10;

double row(const double (&m)[3], double x, double y, double z) {
    return m[0] * x + m[1] * y + m[2] * z;
}

// The slope of SrgbToLinear.
double linearSlope(double encoded) {
    return encoded <= 0.04045 ? 1 / 12.92 : 2.4 / 1.055 * std::pow((encoded + 0.055) / 1.055, 1.4);
}

} // namespace

double RoundingReach(const std::array<double, 3>& u) {
    double lin[3], lms[3];
    for (std::size_t i = 0; i < 3; ++i) {
        lin[i] = SrgbToLinear(u[i] / 255);
    }
    for (std::size_t j = 0; j < 3; ++j) {
        lms[j] = CubeRoot(row(kRgbToLms[j], lin[0], lin[1], lin[2]));
    }
    if (row(kLmsToLab[0], lms[0], lms[1], lms[2]) < kDarkRoundingBelow) {
        return kDarkRounding;
    }
    double reach = 0;
    for (std::size_t i = 0; i < 3; ++i) { // half a unit on component i moves OKLab by J_i / 2
        const double dLin = linearSlope(u[i] / 255) * 0.5 / 255;
        double d[3];
        for (std::size_t j = 0; j < 3; ++j) {
            d[j] = kRgbToLms[j][i] * dLin / (3 * lms[j] * lms[j]);
        }
        reach += std::sqrt(std::pow(row(kLmsToLab[0], d[0], d[1], d[2]), 2) +
                           std::pow(row(kLmsToLab[1], d[0], d[1], d[2]), 2) +
                           std::pow(row(kLmsToLab[2], d[0], d[1], d[2]), 2));
    }
    return reach * kRoundingMargin;
}

OkLch OkLabToOkLch(const OkLab& c) {
    double h = std::atan2(c.b, c.a) * 180 / std::numbers::pi;
    if (h < 0) {
        h += 360;
    }
    return {c.L, std::hypot(c.a, c.b), h};
}

OkLab OkLchToOkLab(const OkLch& c) {
    const double h = c.h * std::numbers::pi / 180;
    return {c.L, c.C * std::cos(h), c.C * std::sin(h)};
}

double DeltaE(const OkLab& x, const OkLab& y) {
    return std::sqrt((x.L - y.L) * (x.L - y.L) + (x.a - y.a) * (x.a - y.a) +
                     (x.b - y.b) * (x.b - y.b));
}

HueLine::HueLine(const OkLch& c)
    : chroma_(c.C < kGreyChroma ? 0 : c.C),
      chromaRegained_(chroma_ > 0 && c.h >= kSliverHues[0] && c.h <= kSliverHues[1] ? kSliverChroma
                                                                                    : 0) {
    const double h = c.h * std::numbers::pi / 180;
    double d[3]; // lms' = L + C d
    for (int j = 0; j < 3; ++j) {
        d[j] = kLabToLms[j][1] * std::cos(h) + kLabToLms[j][2] * std::sin(h);
    }
    for (int i = 0; i < 3; ++i) {
        Cubic& k = cubics_[i];
        k.s = k.e1 = k.e2 = k.e3 = 0;
        for (int j = 0; j < 3; ++j) {
            k.s += kLmsToRgb[i][j];
            k.e1 += kLmsToRgb[i][j] * d[j];
            k.e2 += kLmsToRgb[i][j] * d[j] * d[j];
            k.e3 += kLmsToRgb[i][j] * d[j] * d[j] * d[j];
        }
        // The derivative in C, over 3 L^2: e3 x^2 + 2 e2 x + e1 with x = C / L.
        std::size_t n = 0;
        if (std::abs(k.e3) > 1e-15) {
            const double disc = k.e2 * k.e2 - k.e1 * k.e3;
            if (disc > 0) {
                for (const double sign : {-1.0, 1.0}) {
                    const double x = (-k.e2 + sign * std::sqrt(disc)) / k.e3;
                    if (x > 0) {
                        k.turns[n++] = x;
                    }
                }
            }
        } else if (std::abs(k.e2) > 1e-15 && -k.e1 / (2 * k.e2) > 0) {
            k.turns[n++] = -k.e1 / (2 * k.e2);
        }
        if (n == 2 && k.turns[0] < k.turns[1]) {
            std::swap(k.turns[0], k.turns[1]); // the larger first: pieces are walked downwards
        }
    }
}

HueLine::HueLine(Colour c) : HueLine(OkLabToOkLch(ColourToOkLab(c))) {}

#ifdef DBG
long g_comp = 0;
#endif
double HueLine::component(std::size_t i, double L, double C) const {
#ifdef DBG
    ++g_comp;
#endif
    const Cubic& k = cubics_[i];
    return ((k.e3 * C + 3 * L * k.e2) * C + 3 * L * L * k.e1) * C + k.s * L * L * L;
}

double HueLine::slope(std::size_t i, double L, double C) const {
    const Cubic& k = cubics_[i];
    return (3 * k.e3 * C + 6 * L * k.e2) * C + 3 * L * L * k.e1;
}

double HueLine::lastInside(std::size_t i, double L, double C) const {
    const double low = -kGamutSlack * L * L * L, high = 1 + kGamutSlack;
    auto inside = [low, high](double v) { return v >= low && v <= high; };
    if (inside(component(i, L, C))) {
        return C;
    }
    // Monotonic pieces from C downwards, split where the cubic turns.
    double bounds[4] = {C, 0, 0, 0};
    std::size_t n = 1;
    for (const double x : cubics_[i].turns) {
        if (x > 0 && x * L < C) {
            bounds[n++] = x * L;
        }
    }
    bounds[n++] = 0;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const double top = bounds[k], bottom = bounds[k + 1];
        const double vTop = component(i, L, top), vBottom = component(i, L, bottom);
        if (inside(vTop)) {
            return top;
        }
        // Outside at the top: above 1 or below 0. The piece comes in where it crosses that
        // bound, if it does.
        const bool above = vTop > high;
        if (above ? vBottom > high : vBottom < low) {
            continue;
        }
        // Newton's method, kept within the bracket (halving where it would leave it), from
        // where the chord crosses the edge.
        const double edge = above ? high : low;
        auto outside = [&](double f) { return above ? f > 0 : f < 0; };
        double in = bottom, out = top;
        double c = in + (out - in) * (edge - vBottom) / (vTop - vBottom);
        for (int step = 0; step < kChromaSteps; ++step) {
            const double f = component(i, L, c) - edge;
            (outside(f) ? out : in) = c;
            double next = c - f / slope(i, L, c);
            if (!(next > in && next < out)) {
                next = (in + out) / 2;
            }
            const bool done = std::abs(next - c) < kChromaPrecision;
            c = next;
            if (done) {
                break;
            }
        }
        // Newton may close in from outside: the last step, a hair inwards, is inside then.
        const double last = c - kChromaPrecision;
        if (last > in && !outside(component(i, L, last) - edge)) {
            in = last;
        }
        return in;
    }
    return 0;
}

double HueLine::chromaAt(double L) const {
    L = std::clamp(L, 0.0, 1.0);
    double c = chroma_;
    // Each component in turn pulls the chroma down to where it fits, until all do.
    for (bool moved = true; moved && c > 0;) {
        moved = false;
        for (std::size_t i = 0; i < 3; ++i) {
            const double fitted = lastInside(i, L, c);
#ifdef DBG

#endif
            moved = moved || fitted != c;
            c = fitted;
        }
    }
    return c;
}

LinearRgb HueLine::at(double L) const {
    double chroma;
    return at(L, chroma);
}

LinearRgb HueLine::at(double L, double& chroma) const {
    L = std::clamp(L, 0.0, 1.0);
    const double c = chroma = chromaAt(L);
    if (c == 0) { // exactly grey, where the matrices would leave a trace of colour
        const double y = L * L * L;
        return {y, y, y};
    }
    return {std::clamp(component(0, L, c), 0.0, 1.0), std::clamp(component(1, L, c), 0.0, 1.0),
            std::clamp(component(2, L, c), 0.0, 1.0)};
}

} // namespace oria
