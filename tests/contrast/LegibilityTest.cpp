#include "contrast/Legibility.h"
#include "contrast/ContrastViews.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

#include <map>

namespace oria {
namespace {

constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour grey(int v) {
    return RGB(v, v, v);
}

// The script line pins the ratio to 2 decimals, the verdicts and Lc to 1 decimal.
TEST(Legibility, KnownRatiosVerdictsAndLightnessContrasts) {
    const Colour pairs[][2] = {{RGB(0, 0, 0), kWhite},
                               {kWhite, RGB(0, 0, 0)},
                               {grey(136), kWhite},
                               {kWhite, grey(136)},
                               {grey(118), kWhite},
                               {grey(119), kWhite},
                               {RGB(18, 52, 86), RGB(18, 52, 86)}};
    std::string text;
    for (const auto& [foreground, background] : pairs) {
        text += HexText(foreground) + " sur " + HexText(background) + ": " +
                LegibilityLine(MeasureLegibility(foreground, background)) + '\n';
    }
    test::ExpectGolden("contrast/legibility", QString::fromStdString(text));
    // Judged on the unrounded ratio: 4.499 shows as 4.50 and still fails.
    EXPECT_EQ(JudgeWcag(4.499), (WcagVerdicts{false, true, false, false}));
    EXPECT_EQ(JudgeWcag(4.5), (WcagVerdicts{true, true, false, true}));
    EXPECT_EQ(JudgeWcag(2.999), WcagVerdicts{});
    EXPECT_EQ(JudgeWcag(7), (WcagVerdicts{true, true, true, true}));
    EXPECT_EQ(FixedText(-0.04, 1), "0.0");
}

TEST(ContrastViews, BandsAndDiagonalLines) {
    const std::vector<Band> thirds = BandsOf(3000, 3);
    ASSERT_EQ(thirds.size(), 3u);
    EXPECT_DOUBLE_EQ(thirds[1].left, 1000);
    EXPECT_EQ(BandsOf(3000, 2)[1].colour, 1);

    const std::vector<DiagonalLine> two = DiagonalLinesOf(3375, 2);
    ASSERT_EQ(two.size(), 15u);
    for (std::size_t i = 0; i < two.size(); ++i) {
        EXPECT_DOUBLE_EQ(two[i].p, 450.0 * static_cast<double>(i));
        EXPECT_EQ(two[i].colour, 1);
    }
    // Colour 2 at even multiples of 2W/15, colour 3 at odd ones (drawn a turn late).
    std::map<double, int> three;
    for (const DiagonalLine& l : DiagonalLinesOf(3375, 3)) {
        three[l.p] = l.colour;
    }
    for (int k = 0; k < 18; ++k) {
        EXPECT_EQ(three.at(450.0 * k), k % 2 == 0 ? 1 : 2) << k;
    }
}

} // namespace
} // namespace oria
