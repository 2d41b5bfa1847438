#include "ColourPlane.h"

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

// One generation's running values: the radius shrinks and the dot width changes ring by ring.
struct RingWriter {
    Plane& plane;
    const ResolutionRow& row;
    PlaneCentre centre;
    int radius;
    int width = 5;

    // Saturation and value in percent. The angle is accumulated, not multiplied, so that
    // the dots fall exactly where the repeated addition puts them.
    void ring(double saturation, double value) {
        PlaneRing dots;
        dots.reserve(static_cast<std::size_t>(row.dotsPerRing));
        for (double a = 0; a <= kFullTurn - row.step; a += row.step) {
            const Hsv hsv{a * 360 / kFullTurn, saturation, value};
            dots.push_back({centre.x + radius * std::sin(a), centre.y + radius * std::cos(a), width,
                            HsvToColour(hsv)});
        }
        plane.rings.push_back(std::move(dots));
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
