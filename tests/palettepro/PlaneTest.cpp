#include "palettepro/ColourPlane.h"
#include "palettepro/PlanePainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace oria {
namespace {

constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kGrey = RGB(128, 128, 128);

TEST(ColourPlane, RingsDotsAndWidthsPerResolutionAndMode) {
    const struct {
        Resolution resolution;
        PlaneMode mode;
        std::size_t rings, dotsPerRing;
        double firstDotY; // twips below the centre
        Colour firstDot, background;
        int maxWidth;
    } cases[] = {
        {Resolution::Haute, PlaneMode::Saturation, 101, 128, 2300, RGB(255, 0, 0), kGrey, 15},
        {Resolution::Moyenne, PlaneMode::Saturation, 101, 64, 2300, RGB(255, 0, 0), kGrey, 27},
        {Resolution::Basse, PlaneMode::Saturation, 101, 12, 2000, RGB(255, 0, 0), kGrey, 75},
        {Resolution::Basse, PlaneMode::Luminosite, 101, 12, 2000, RGB(255, 0, 0), kGrey, 75},
        {Resolution::Basse, PlaneMode::Les2, 102, 12, 2500, kBlack, kBlack, 77},
        {Resolution::Haute, PlaneMode::Les2, 102, 128, 2500, kBlack, kBlack, 17},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.resolution) << "/" << static_cast<int>(c.mode));
        const Plane p = GenererPlan(c.resolution, c.mode, 100);
        ASSERT_EQ(p.rings.size(), c.rings);
        int maxWidth = 0;
        for (const PlaneRing& ring : p.rings) {
            EXPECT_EQ(ring.size(), c.dotsPerRing);
            maxWidth = std::max(maxWidth, ring.front().width);
        }
        const PlaneDot& first = p.rings.front().front();
        EXPECT_DOUBLE_EQ(first.x, 2625);
        EXPECT_DOUBLE_EQ(first.y, 2625 + c.firstDotY);
        EXPECT_EQ(first.colour, c.firstDot);
        EXPECT_EQ(first.width, 5) << "the first ring is drawn 5 pixels wide";
        EXPECT_EQ(maxWidth, c.maxWidth);
        EXPECT_EQ(p.background, c.background);
    }
}

// The generation as written down: the angle accumulated ring by ring, a sine, a cosine and
// an HsvToColour per dot.
Plane straightforwardPlan(Resolution resolution, PlaneMode mode, int level) {
    constexpr double kFullTurn = 2 * 3.1415927;
    const ResolutionRow& row = ResolutionOf(resolution);
    Plane plane;
    int radius = row.outerRadius;
    int width = 5;
    auto ring = [&](double saturation, double value) {
        PlaneRing& dots = plane.rings.emplace_back();
        for (double a = 0; a <= kFullTurn - row.step; a += row.step) {
            dots.push_back({2625 + radius * std::sin(a), 2625 + radius * std::cos(a), width,
                            HsvToColour({a * 360 / kFullTurn, saturation, value})});
        }
    };
    auto next = [&](int radiusStep, int baseWidth, int i) {
        radius -= radiusStep;
        width = RoundHalfEven(baseWidth + i * row.widthGrowth / 100.0);
    };
    if (mode == PlaneMode::Les2) {
        radius = 2500;
        for (int i = 0; i <= 100; i += 2) {
            ring(100, i);
            next(25, 5, i);
        }
        for (int i = 100; i >= 0; i -= 2) {
            ring(i, 100);
            next(25, 5, i);
        }
        return plane;
    }
    for (int i = 100; i >= 0; --i) {
        mode == PlaneMode::Saturation ? ring(i, level) : ring(level, i);
        next(row.outerRadius / 100, 3, i);
    }
    return plane;
}

TEST(ColourPlane, EveryDotWhereAndAsTheStraightforwardGenerationPutsIt) {
    const auto same = [](const PlaneDot& a, const PlaneDot& b) {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.colour == b.colour;
    };
    for (const ResolutionRow& res : kResolutions) {
        for (const PlaneModeRow& mode : kPlaneModes) {
            for (const int level : {0, 1, 50, 99, 100, 101, 150, 199, 200}) {
                const Plane fast = GenererPlan(res.resolution, mode.mode, level);
                const Plane expected = straightforwardPlan(res.resolution, mode.mode, level);
                ASSERT_EQ(fast.rings.size(), expected.rings.size());
                for (std::size_t r = 0; r < fast.rings.size(); ++r) {
                    ASSERT_TRUE(std::ranges::equal(fast.rings[r], expected.rings[r], same))
                        << res.caption << " " << mode.caption << " level " << level << " ring "
                        << r;
                }
            }
        }
    }
}

// A few dots pinned down, every other one following from the generation above: the centre
// at each level (clamped, not wrapped, above 100), greys at level 0, and the hue turning
// from red below through 90 degrees on the right to cyan above.
TEST(ColourPlane, CentreLevelsAndHues) {
    const struct {
        Resolution resolution;
        PlaneMode mode;
        int level, ring, dot; // -1: the last one
        double x, y;
        Colour colour;
    } cases[] = {
        {Resolution::Moyenne, PlaneMode::Saturation, 100, -1, 0, 2625, 2625, kWhite},
        {Resolution::Moyenne, PlaneMode::Saturation, 40, -1, -1, 2625, 2625, RGB(102, 102, 102)},
        {Resolution::Moyenne, PlaneMode::Saturation, 200, -1, 7, 2625, 2625, kWhite},
        {Resolution::Moyenne, PlaneMode::Luminosite, 100, -1, 0, 2625, 2625, kBlack},
        {Resolution::Moyenne, PlaneMode::Les2, 100, -1, 0, 2625, 2600, kWhite},
        {Resolution::Basse, PlaneMode::Saturation, 0, 0, 4, 4357.0511, 1625.0005, kBlack},
        {Resolution::Basse, PlaneMode::Luminosite, 0, 0, -1, 1624.9986, 4357.05, kWhite},
        {Resolution::Basse, PlaneMode::Luminosite, 0, 50, 0, 2625, 3625, kGrey},
        {Resolution::Basse, PlaneMode::Luminosite, 0, -1, 0, 2625, 2625, kBlack},
        {Resolution::Basse, PlaneMode::Saturation, 100, 0, 3, 4625, 2625, RGB(128, 255, 0)},
        {Resolution::Basse, PlaneMode::Saturation, 100, 0, 6, 2625.0009, 625, RGB(0, 255, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.mode) << " " << c.level << " "
                                        << c.ring << " " << c.dot);
        const Plane p = GenererPlan(c.resolution, c.mode, c.level);
        const PlaneRing& ring = c.ring < 0 ? p.rings.back() : p.rings[std::size_t(c.ring)];
        const PlaneDot& dot = c.dot < 0 ? ring.back() : ring[std::size_t(c.dot)];
        EXPECT_NEAR(dot.x, c.x, 1e-3);
        EXPECT_NEAR(dot.y, c.y, 1e-3);
        EXPECT_EQ(dot.colour, c.colour);
    }
}

TEST(PlanePainter, StampedDotsMatchTheDotByDotPaintingWithCornersOnTop) {
    for (const ResolutionRow& res : kResolutions) {
        for (const PlaneModeRow& mode : kPlaneModes) {
            SCOPED_TRACE(std::string(res.caption) + " " + std::string(mode.caption));
            ForgetPlaneLayouts();
            const Plane plane = GenererPlan(res.resolution, mode.mode, 100);
            int rings = 0;
            const QImage fast = PaintPlane(plane, [&] { ++rings; });
            EXPECT_EQ(rings, static_cast<int>(plane.rings.size()));
            ASSERT_EQ(fast.size(), QSize(350, 350));
            EXPECT_TRUE(fast == PaintPlaneDotByDot(plane)) << "pixel for pixel";
            for (const CornerSquare& s : kCornerSquares) {
                EXPECT_EQ(PlaneColourAt(fast, s.left / 15 + 1, s.top / 15 + 1), s.colour);
            }
            EXPECT_EQ(PlaneColourAt(fast, 0, 0), plane.background);
            EXPECT_EQ(PlaneColourAt(fast, 350, 10), -1);
            // Another level on the layout kept from the painting before, then a fresh one.
            for (const int level : {0, 1, 37, 40, 99, 100, 101, 163, 200}) {
                const Plane other = GenererPlan(res.resolution, mode.mode, level);
                const QImage kept = PaintPlane(other);
                ForgetPlaneLayouts();
                EXPECT_TRUE(kept == PaintPlane(other)) << level;
                if (level == 40) {
                    EXPECT_TRUE(kept == PaintPlaneDotByDot(other)) << "from the kept layout";
                }
            }
        }
    }
}

} // namespace
} // namespace oria
