#include "ColourPlane.h"

#include <algorithm>
#include <cmath>

namespace oria {

namespace {
constexpr double kPi = 3.1415927;
constexpr double kFullTurn = 2 * kPi;
} // namespace

const std::array<CornerSquare, 8> kCornerSquares{{
    {120, 120, 498, 495, RGB(0, 0, 0)},
    {4700, 120, 5075, 495, RGB(255, 255, 255)},
    {120, 4500, 375, 4755, RGB(255, 0, 0)},
    {120, 4840, 375, 5095, RGB(0, 255, 0)},
    {480, 4840, 735, 5095, RGB(0, 0, 255)},
    {4820, 4500, 5075, 4755, RGB(0, 255, 255)},
    {4820, 4840, 5075, 5095, RGB(255, 0, 255)},
    {4460, 4840, 4715, 5095, RGB(255, 255, 0)},
}};

const ResolutionRow& ResolutionOf(Resolution r) {
    for (const ResolutionRow& row : kResolutions) {
        if (row.resolution == r) {
            return row;
        }
    }
    return kResolutions.back();
}

int PlanePixel(double twips) {
    return static_cast<int>(std::floor(twips / kPlaneTwipsPerPixel));
}

namespace {

// One dot position of a ring: the angle is accumulated, not multiplied, so that the dots
// fall exactly where the repeated addition puts them. The addition restarts at 0 in every
// ring, so every ring has the same angles: their sine and cosine are worked out once, and
// their hue's share of HsvToRgb (its sector of 60 degrees and the fraction f into it).
struct Spoke {
    double sin, cos;
    int sector;
    double f;
};

std::vector<Spoke> spokesOf(const ResolutionRow& row) {
    std::vector<Spoke> out;
    out.reserve(static_cast<std::size_t>(row.dotsPerRing) + 1);
    for (double a = 0; a <= kFullTurn - row.step; a += row.step) {
        const double hue = a * 360 / kFullTurn;
        const double i = std::floor(hue / 60);
        out.push_back(
            {std::sin(a), std::cos(a), (i >= 0 && i <= 4) ? static_cast<int>(i) : 5, hue / 60 - i});
    }
    return out;
}

// HsvToColour for the hues of a ring at one saturation and value, operation for operation
// as HsvToRgb does it, so with the same results (the tests hold every dot to HsvToColour):
// V and p, which the hue does not change, are rounded once per ring, and each dot works out
// and rounds only the one component that its hue sector takes from it, t or q.
struct RingColours {
    double s, v;
    int cv, cp;

    static int component(double x) { return std::clamp(RoundHalfEven(x * 255), 0, 255); }
    RingColours(double saturation, double value)
        : s(saturation / 100), v(value / 100), cv(component(v)), cp(component((1 - s) * v)) {}

    Colour operator()(const Spoke& spoke) const {
        // HsvToRgb's sectors, with M for the hue's own component: t in even sectors, q in odd.
        enum { V, P, M };
        static constexpr int kSectors[6][3] = {{V, M, P}, {M, V, P}, {P, V, M},
                                               {P, M, V}, {M, P, V}, {V, P, M}};
        const double f = spoke.f;
        const int m = component(spoke.sector % 2 == 0 ? (1 - (1 - f) * s) * v : (1 - f * s) * v);
        const int values[] = {cv, cp, m};
        const int* row = kSectors[spoke.sector];
        return RGB(values[row[0]], values[row[1]], values[row[2]]);
    }
};

// One generation's running values: the radius shrinks and the dot width changes ring by ring.
struct RingWriter {
    Plane& plane;
    const ResolutionRow& row;
    PlaneCentre centre;
    int radius;
    int width = 5;
    std::vector<Spoke> spokes = spokesOf(row);

    // Saturation and value in percent.
    void ring(double saturation, double value) {
        const RingColours colour(saturation, value);
        PlaneRing& dots = plane.rings.emplace_back(spokes.size());
        for (std::size_t k = 0; k < spokes.size(); ++k) {
            const Spoke& s = spokes[k];
            dots[k] = {centre.x + radius * s.sin, centre.y + radius * s.cos, width, colour(s)};
        }
    }
    void next(int radiusStep, int baseWidth, int i) {
        radius -= radiusStep;
        width = RoundHalfEven(baseWidth + i * row.widthGrowth / 100.0);
    }
};

} // namespace

Plane GenererPlan(Resolution resolution, PlaneMode mode, int level, PlaneCentre centre) {
    const ResolutionRow& row = ResolutionOf(resolution);
    Plane plane;
    RingWriter w{plane, row, centre, row.outerRadius};
    const int d = row.outerRadius / 100;
    switch (mode) {
    case PlaneMode::Saturation:
    case PlaneMode::Luminosite:
        plane.background = RGB(128, 128, 128);
        plane.rings.reserve(101);
        for (int i = 100; i >= 0; --i) {
            if (mode == PlaneMode::Saturation) {
                w.ring(i, level);
            } else {
                w.ring(level, i);
            }
            w.next(d, 3, i);
        }
        break;
    case PlaneMode::Les2:
        // Black rim to full colour, then full colour to a white centre; the last ring lies
        // at -25 twips, a small circle drawn from the opposite side.
        plane.background = RGB(0, 0, 0);
        plane.rings.reserve(102);
        w.radius = 2500;
        for (int i = 0; i <= 100; i += 2) {
            w.ring(100, i);
            w.next(25, 5, i);
        }
        for (int i = 100; i >= 0; i -= 2) {
            w.ring(i, 100);
            w.next(25, 5, i);
        }
        break;
    }
    return plane;
}

} // namespace oria
