#include "palettepro/ColourPlane.h"
#include "palettepro/PlanePainter.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

// Per resolution, mode and level, around each bound: the rings and their dots, the widest
// first dot, the background; every dot as one fingerprint (x and y to a ten-thousandth of a
// twip, width and colour); the outer ring's first dot (below the centre, 5 pixels wide), those
// a quarter, a third and half a turn on, and its last; ring 50's first; the innermost ring's
// first, eighth and last. The centre is clamped, not wrapped, above 100; level 0 gives greys;
// the hue turns from red below through 90 degrees on the right to cyan above. Each dot's place
// is its ring's radius at the angle accumulated ring by ring, its colour an HsvToColour of that
// angle.
TEST(ColourPlane, RingsDotsAndColoursPerResolutionModeAndLevel) {
    QString text;
    for (const ResolutionRow& res : kResolutions) {
        for (const PlaneModeRow& mode : kPlaneModes) {
            for (const int level : {0, 1, 40, 50, 99, 100, 101, 150, 199, 200}) {
                const Plane p = GenererPlan(res.resolution, mode.mode, level);
                // Plain loops: clang's ranges do not take libstdc++ 12's views here.
                std::size_t fewest = SIZE_MAX, most = 0;
                int widest = 0;
                std::uint64_t hash = 14695981039346656037u; // FNV-1a
                for (const PlaneRing& r : p.rings) {
                    fewest = std::min(fewest, r.size());
                    most = std::max(most, r.size());
                    widest = std::max(widest, r.front().width);
                    for (const PlaneDot& d : r) {
                        for (const long long v :
                             {std::llround(d.x * 1e4), std::llround(d.y * 1e4),
                              static_cast<long long>(d.width), static_cast<long long>(d.colour)}) {
                            hash = (hash ^ static_cast<std::uint64_t>(v)) * 1099511628211u;
                        }
                    }
                }
                const PlaneRing &outer = p.rings.front(), &inner = p.rings.back();
                const std::size_t n = outer.size();
                text += QStringLiteral("%1 %2 %3: %4 rings of %5 to %6 dots, widest %7px, %8\n")
                            .arg(caption(res.caption), caption(mode.caption),
                                 QString::number(level), QString::number(p.rings.size()),
                                 QString::number(fewest), QString::number(most),
                                 QString::number(widest), test::ColourHex(p.background));
                text +=
                    QStringLiteral("  every dot %1\n  outer:").arg(hash, 16, 16, QLatin1Char('0')) +
                    shown(outer[0]) + shown(outer[n / 4]) + shown(outer[n / 3]) +
                    shown(outer[n / 2]) + shown(outer.back()) + QStringLiteral("\n  ring 50:") +
                    shown(p.rings[50][0]) + QStringLiteral("\n  inner:") + shown(inner[0]) +
                    shown(inner[7]) + shown(inner.back()) + u'\n';
            }
        }
    }
    test::ExpectGolden("palettepro/plane", text);
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
