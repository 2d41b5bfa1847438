#include "contrast/Legibility.h"
#include "contrast/ContrastViews.h"

#include <gtest/gtest.h>

#include <map>

namespace oria {
namespace {

TEST(Legibility, KnownRatiosAndLightnessContrasts) {
    const struct {
        Colour text, background;
        double ratio, lc;
        WcagVerdicts wcag; // aa, aa large, aaa, aaa large
    } cases[] = {
        {RGB(0, 0, 0), RGB(255, 255, 255), 21, 106.04, {true, true, true, true}},
        {RGB(255, 255, 255), RGB(0, 0, 0), 21, -107.88, {true, true, true, true}},
        {RGB(136, 136, 136), RGB(255, 255, 255), 3.54, 63.06, {false, true, false, false}},
        {RGB(255, 255, 255), RGB(136, 136, 136), 3.54, -68.54, {false, true, false, false}},
        {RGB(118, 118, 118), RGB(255, 255, 255), 4.54, 71.6, {true, true, false, true}},
        {RGB(119, 119, 119), RGB(255, 255, 255), 4.48, 71.1, {false, true, false, false}},
        {RGB(18, 52, 86), RGB(18, 52, 86), 1, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(HexText(c.text) + " sur " + HexText(c.background));
        const Legibility l = MeasureLegibility(c.text, c.background);
        EXPECT_NEAR(l.ratio, c.ratio, 0.005);
        EXPECT_NEAR(l.lc, c.lc, 0.05);
        EXPECT_EQ(l.wcag, c.wcag);
    }
}

TEST(Legibility, VerdictsOnTheUnroundedRatioAndTheScriptLine) {
    EXPECT_FALSE(JudgeWcag(4.499).aa) << "shows as 4.50, still fails";
    EXPECT_TRUE(JudgeWcag(4.5).aa);
    EXPECT_FALSE(JudgeWcag(2.999).aaLarge);
    EXPECT_TRUE(JudgeWcag(7).aaa);
    EXPECT_EQ(LegibilityLine(MeasureLegibility(RGB(136, 136, 136), RGB(255, 255, 255))),
              "wcag=3.54 aa=non aa-grand=oui aaa=non aaa-grand=non apca=63.1");
    EXPECT_EQ(LegibilityLine(MeasureLegibility(RGB(255, 255, 255), RGB(136, 136, 136))),
              "wcag=3.54 aa=non aa-grand=oui aaa=non aaa-grand=non apca=-68.5");
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
