#include "core/OkLch.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace oria {
namespace {

TEST(HueLine, ThroughItsColourFromBlackToWhite) {
    for (int r = 0; r < 256; r += 51) {
        for (int g = 0; g < 256; g += 51) {
            for (int b = 0; b < 256; b += 51) {
                const Colour c = RGB(r, g, b);
                const HueLine line(c);
                EXPECT_EQ(line.colourAt(ColourToOkLab(c).L), c) << HexText(c);
                EXPECT_EQ(line.colourAt(0), RGB(0, 0, 0));
                EXPECT_EQ(line.colourAt(1), RGB(255, 255, 255));
            }
        }
    }
    EXPECT_EQ(HueLine(RGB(119, 119, 119)).colourAt(0.3), RGB(46, 46, 46)) << "a grey stays grey";
}

// At every hue and lightness, the largest chroma that fits, up to the line's own.
TEST(HueLine, ChromaReducedToFitOnlyWhereItMust) {
    auto in = [](const OkLch& c) { // the matrices' round-off allowed, in proportion to L^3
        const LinearRgb x = OkLabToLinear(OkLchToOkLab(c));
        const double low = -3e-6 * c.L * c.L * c.L, high = 1 + 3e-6;
        return std::min({x.r, x.g, x.b}) >= low && std::max({x.r, x.g, x.b}) <= high;
    };
    for (double h = 0.25; h < 360; h += 5) {
        const HueLine line(OkLch{0.6, 0.4, h}); // beyond sRGB at every hue
        for (const double L : {0.1, 0.2, 0.44, 0.46, 0.8, 0.95}) {
            const double c = line.chromaAt(L);
            EXPECT_TRUE(in({L, c, h}) && (c == line.chroma() || !in({L, c + 1e-4, h})))
                << "hue " << h << " L " << L;
        }
    }
    const HueLine blue(RGB(0, 0, 255));
    EXPECT_DOUBLE_EQ(blue.chromaAt(OkLabToOkLch(ColourToOkLab(RGB(0, 0, 255))).L), blue.chroma());
    // A pale colour keeps its chroma over a wide range of lightness.
    const HueLine pale(RGB(170, 150, 140));
    EXPECT_DOUBLE_EQ(pale.chromaAt(0.5), pale.chroma());
}

// Away from the original the chroma only shrinks, but for the blues of the slivers (hue 264),
// where it gets back so much at most.
TEST(HueLine, ChromaOnlyShrinksAwayFromTheOriginal) {
    for (int h = 0; h < 360; h += 3) {
        for (const double C : {0.05, 0.12, 0.2}) {
            const OkLch seed{0.6, C, h + 0.5};
            const HueLine line(seed);
            if (line.chromaAt(seed.L) < C) {
                continue; // not a colour of sRGB
            }
            for (const int d : {-1, 1}) {
                double least = C;
                for (int k = 1; k <= 200; ++k) {
                    const double c = line.chromaAt(seed.L + d * k * 0.002);
                    ASSERT_LE(c, least + line.chromaRegained() + 1e-12)
                        << "hue " << seed.h << " chroma " << C;
                    least = std::min(least, c);
                }
            }
        }
    }
    EXPECT_GT(HueLine(RGB(0, 0, 255)).chromaRegained(), 0);
    EXPECT_EQ(HueLine(RGB(255, 0, 0)).chromaRegained(), 0);
}

} // namespace
} // namespace oria
