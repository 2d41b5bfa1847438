#include "palettepro/ColourPlane.h"
#include "palettepro/PlanePainter.h"

#include <gtest/gtest.h>

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
        }
    }
}

} // namespace
} // namespace oria
