#include "palettepro/ColourPlane.h"
#include "palettepro/PlanePainter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace oria {
namespace {

constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kBlack = RGB(0, 0, 0);

int maxWidth(const Plane& p) {
    int w = 0;
    for (const PlaneRing& ring : p.rings) {
        w = std::max(w, ring.front().width);
    }
    return w;
}

TEST(ColourPlane, RingsDotsAndWidthsPerResolutionAndMode) {
    const struct {
        Resolution resolution;
        PlaneMode mode;
        std::size_t rings, dotsPerRing;
        double firstDotY; // twips below the centre
        Colour firstDot;
        int maxWidth;
    } cases[] = {
        {Resolution::Haute, PlaneMode::Saturation, 101, 128, 2300, RGB(255, 0, 0), 15},
        {Resolution::Moyenne, PlaneMode::Saturation, 101, 64, 2300, RGB(255, 0, 0), 27},
        {Resolution::Basse, PlaneMode::Saturation, 101, 12, 2000, RGB(255, 0, 0), 75},
        {Resolution::Basse, PlaneMode::Luminosite, 101, 12, 2000, RGB(255, 0, 0), 75},
        {Resolution::Basse, PlaneMode::Les2, 102, 12, 2500, kBlack, 77},
        {Resolution::Haute, PlaneMode::Les2, 102, 128, 2500, kBlack, 17},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.resolution) << "/" << static_cast<int>(c.mode));
        const Plane p = GenererPlan(c.resolution, c.mode, 100);
        ASSERT_EQ(p.rings.size(), c.rings);
        for (const PlaneRing& ring : p.rings) {
            EXPECT_EQ(ring.size(), c.dotsPerRing);
        }
        const PlaneDot& first = p.rings.front().front();
        EXPECT_DOUBLE_EQ(first.x, 2625);
        EXPECT_DOUBLE_EQ(first.y, 2625 + c.firstDotY);
        EXPECT_EQ(first.colour, c.firstDot);
        EXPECT_EQ(first.width, 5) << "the first ring is drawn 5 pixels wide";
        EXPECT_EQ(maxWidth(p), c.maxWidth);
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
    for (const ResolutionRow& res : kResolutions) {
        for (const PlaneModeRow& mode : kPlaneModes) {
            for (const int level : {0, 1, 50, 99, 100, 101, 150, 199, 200}) {
                const Plane fast = GenererPlan(res.resolution, mode.mode, level);
                const Plane expected = straightforwardPlan(res.resolution, mode.mode, level);
                ASSERT_EQ(fast.rings.size(), expected.rings.size());
                for (std::size_t r = 0; r < fast.rings.size(); ++r) {
                    ASSERT_EQ(fast.rings[r].size(), expected.rings[r].size());
                    for (std::size_t d = 0; d < fast.rings[r].size(); ++d) {
                        const PlaneDot& a = fast.rings[r][d];
                        const PlaneDot& b = expected.rings[r][d];
                        ASSERT_TRUE(a.x == b.x && a.y == b.y && a.width == b.width &&
                                    a.colour == b.colour)
                            << res.caption << " " << mode.caption << " level " << level << " ring "
                            << r << " dot " << d;
                    }
                }
            }
        }
    }
}

TEST(ColourPlane, CentreAndLevel) {
    const struct {
        PlaneMode mode;
        int level;
        Colour centre; // the last ring's dots
        Colour background;
        double lastRadius; // twips, the last ring's first dot below the centre
    } cases[] = {
        {PlaneMode::Saturation, 100, kWhite, RGB(128, 128, 128), 0},
        {PlaneMode::Saturation, 40, RGB(102, 102, 102), RGB(128, 128, 128), 0},
        {PlaneMode::Saturation, 200, kWhite, RGB(128, 128, 128), 0}, // clamped, not wrapped
        {PlaneMode::Luminosite, 100, kBlack, RGB(128, 128, 128), 0},
        {PlaneMode::Les2, 100, kWhite, kBlack, -25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode) * 1000 + c.level);
        const Plane p = GenererPlan(Resolution::Moyenne, c.mode, c.level);
        EXPECT_EQ(p.background, c.background);
        for (const PlaneDot& dot : p.rings.back()) {
            EXPECT_EQ(dot.colour, c.centre);
        }
        EXPECT_DOUBLE_EQ(p.rings.back().front().y, 2625 + c.lastRadius);
    }
}

TEST(ColourPlane, LevelZeroAndTheLevelFreeMode) {
    // Saturation at level 0: every dot black.
    for (const PlaneRing& ring : GenererPlan(Resolution::Basse, PlaneMode::Saturation, 0).rings) {
        for (const PlaneDot& dot : ring) {
            EXPECT_EQ(dot.colour, kBlack);
        }
    }
    // Luminosity at level 0: greys from a white rim to a black centre.
    const Plane lum = GenererPlan(Resolution::Basse, PlaneMode::Luminosite, 0);
    EXPECT_EQ(lum.rings.front().back().colour, kWhite);
    EXPECT_EQ(lum.rings[50].front().colour, RGB(128, 128, 128));
    EXPECT_EQ(lum.rings.back().front().colour, kBlack);
    // "les 2" does not depend on the level.
    const Plane a = GenererPlan(Resolution::Basse, PlaneMode::Les2, 0);
    const Plane b = GenererPlan(Resolution::Basse, PlaneMode::Les2, 200);
    for (std::size_t r = 0; r < a.rings.size(); ++r) {
        for (std::size_t d = 0; d < a.rings[r].size(); ++d) {
            EXPECT_EQ(a.rings[r][d].colour, b.rings[r][d].colour);
        }
    }
}

TEST(ColourPlane, HueTurnsFromRedBelowToCyanAbove) {
    const PlaneRing rim = GenererPlan(Resolution::Basse, PlaneMode::Saturation, 100).rings[0];
    // 12 dots, 30 degrees apart: dot 3 is to the right (hue 90), dot 6 above (cyan).
    EXPECT_NEAR(rim[3].x, 2625 + 2000, 1e-3);
    EXPECT_EQ(rim[3].colour, RGB(128, 255, 0));
    EXPECT_NEAR(rim[6].y, 2625 - 2000, 1e-3);
    EXPECT_EQ(rim[6].colour, RGB(0, 255, 255));
}

TEST(PlanePainter, StampedDotsMatchTheDotByDotPaintingWithCornersOnTop) {
    for (const ResolutionRow& res : kResolutions) {
        for (const PlaneModeRow& mode : kPlaneModes) {
            SCOPED_TRACE(std::string(res.caption) + " " + std::string(mode.caption));
            ForgetPlaneLayouts(); // the layout is made here
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
            // Another level: painted from the layout kept above.
            const Plane other = GenererPlan(res.resolution, mode.mode, 40);
            EXPECT_TRUE(PaintPlane(other) == PaintPlaneDotByDot(other)) << "from the kept layout";
        }
    }
}

TEST(PlanePainter, ALevelChangeOnAKeptLayoutPaintsAsAFreshPainting) {
    for (const ResolutionRow& res : kResolutions) {
        for (const PlaneModeRow& mode : kPlaneModes) {
            PaintPlane(GenererPlan(res.resolution, mode.mode, 100)); // keeps the layout
            for (const int level : {0, 1, 37, 99, 100, 101, 163, 200}) {
                SCOPED_TRACE(std::string(res.caption) + " " + std::string(mode.caption) + " " +
                             std::to_string(level));
                const Plane plane = GenererPlan(res.resolution, mode.mode, level);
                const QImage kept = PaintPlane(plane);
                ForgetPlaneLayouts();
                EXPECT_TRUE(kept == PaintPlane(plane));
            }
        }
    }
}

} // namespace
} // namespace oria
