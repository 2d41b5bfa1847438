#include "palettepro/ColourPlane.h"
#include "palettepro/PlanePainter.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ranges>

namespace oria {
namespace {

QString shown(const PlaneDot& d) {
    return QStringLiteral(" (%1, %2) %3px %4")
        .arg(QString::number(d.x, 'f', 4), QString::number(d.y, 'f', 4), QString::number(d.width),
             test::ColourHex(d.colour));
}

QString caption(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Per resolution, mode and level: the rings and their dots, the widest first dot, the
// background; the outer ring's first dot (below the centre, 5 pixels wide), those a quarter,
// a third and half a turn on, and its last; ring 50's first; the innermost ring's first,
// eighth and last. The centre is clamped, not wrapped, above 100; level 0 gives greys; the hue
// turns from red below through 90 degrees on the right to cyan above.
TEST(ColourPlane, RingsDotsAndColoursPerResolutionModeAndLevel) {
    QString text;
    for (const ResolutionRow& res : kResolutions) {
        for (const PlaneModeRow& mode : kPlaneModes) {
            for (const int level : {0, 40, 100, 200}) {
                const Plane p = GenererPlan(res.resolution, mode.mode, level);
                const auto [fewest, most] = std::ranges::minmax(
                    p.rings | std::views::transform([](const PlaneRing& r) { return r.size(); }));
                const int widest = std::ranges::max(
                    p.rings | std::views::transform([](auto& r) { return r.front().width; }));
                const PlaneRing &outer = p.rings.front(), &inner = p.rings.back();
                const std::size_t n = outer.size();
                text += QStringLiteral("%1 %2 %3: %4 rings of %5 to %6 dots, widest %7px, %8\n")
                            .arg(caption(res.caption), caption(mode.caption),
                                 QString::number(level), QString::number(p.rings.size()),
                                 QString::number(fewest), QString::number(most),
                                 QString::number(widest), test::ColourHex(p.background));
                text += QStringLiteral("  outer:") + shown(outer[0]) + shown(outer[n / 4]) +
                        shown(outer[n / 3]) + shown(outer[n / 2]) + shown(outer.back()) +
                        QStringLiteral("\n  ring 50:") + shown(p.rings[50][0]) +
                        QStringLiteral("\n  inner:") + shown(inner[0]) + shown(inner[7]) +
                        shown(inner.back()) + u'\n';
            }
        }
    }
    test::ExpectGolden("palettepro/plane", text);
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
