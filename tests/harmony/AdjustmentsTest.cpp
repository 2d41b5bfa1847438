#include "harmony/Adjustments.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

const Palette kFive{RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0), RGB(40, 0, 0), RGB(50, 0, 0)};
constexpr Colour A = RGB(10, 0, 0), B = RGB(20, 0, 0), C = RGB(30, 0, 0), D = RGB(40, 0, 0),
                 E = RGB(50, 0, 0);

double valueOf(Colour c) {
    return ColourToHsv(c).Luminosite;
}
double saturationOf(Colour c) {
    return ColourToHsv(c).Saturation;
}

TEST(LumAndSatSteps, ThresholdsAre99And1) {
    // Largest component 239 is V 93.7: +5 gives 98.7 and stays; 240 (94.1) gives 99.1 -> 100.
    Palette p{0, RGB(239, 0, 0), RGB(240, 0, 0), RGB(0, 0, 255), RGB(3, 3, 3)};
    HarmonieLumPlus(p);
    EXPECT_NEAR(valueOf(p[1]), 98.8, 0.2);
    EXPECT_EQ(p[1], HsvToColour({0, 100, 239 * 100 / 255.0 + 5}));
    EXPECT_EQ(p[2], RGB(255, 0, 0));
    EXPECT_EQ(p[3], RGB(0, 0, 255));
    EXPECT_EQ(p[4], HsvToColour({0, 0, 3 * 100 / 255.0 + 5}));
    EXPECT_EQ(p[0], 0) << "the base colour never changes";

    Palette q{0, RGB(3, 3, 3), RGB(15, 0, 0), RGB(0, 0, 0), RGB(255, 0, 0)};
    HarmonieLumMoins(q);
    EXPECT_EQ(q[1], 0) << "1.18 - 5 is below 1";
    EXPECT_EQ(q[2], 0) << "5.88 - 5 = 0.88 is below 1 too";
    EXPECT_EQ(q[3], 0);
    EXPECT_EQ(q[4], HsvToColour({0, 100, 95}));
}

TEST(LumAndSatSteps, SaturationStepsKeepHueAndValue) {
    // Grey stays grey; saturation 5.5 minus 5 is 0.5, below 1: grey.
    const Colour s55 = HsvToColour({200, 5.5, 100}); // not exactly 5.5 after rounding
    Palette p{RGB(1, 2, 3), RGB(128, 128, 128), s55, RGB(255, 0, 0), RGB(200, 100, 50)};
    HarmonieSatMoins(p);
    EXPECT_EQ(p[0], RGB(1, 2, 3));
    EXPECT_EQ(p[1], RGB(128, 128, 128));
    EXPECT_EQ(p[2], RGB(255, 255, 255));
    EXPECT_EQ(p[3], HsvToColour({0, 95, 100}));
    EXPECT_NEAR(saturationOf(p[4]), 70, 0.5);

    Palette q{0, RGB(255, 0, 0), RGB(200, 100, 50), RGB(255, 14, 14), 0};
    HarmonieSatPlus(q);
    EXPECT_EQ(q[1], RGB(255, 0, 0));
    EXPECT_NEAR(saturationOf(q[2]), 80, 0.5);
    EXPECT_EQ(q[3], RGB(255, 0, 0)) << "94.5 + 5 = 99.5 is above 99";
    EXPECT_EQ(q[4], 0) << "black stays black";
}

TEST(LumAndSatSteps, TouchAllFourDerivedSlotsWhateverIsShown) {
    Palette p{RGB(100, 50, 50), RGB(100, 50, 50), RGB(100, 50, 50), RGB(100, 50, 50),
              RGB(100, 50, 50)};
    HarmonieLumPlus(p);
    EXPECT_EQ(p[0], RGB(100, 50, 50));
    for (int k = 1; k < 5; ++k) {
        EXPECT_NE(p[static_cast<std::size_t>(k)], RGB(100, 50, 50)) << k;
    }
}

TEST(WebSafe, ComponentBoundaries) {
    const struct {
        int in, out;
    } cases[] = {{0, 0},     {25, 0},    {26, 51},   {51, 51},   {76, 51},
                 {77, 102},  {102, 102}, {127, 102}, {128, 153}, {178, 153},
                 {179, 204}, {204, 204}, {229, 204}, {230, 255}, {255, 255}};
    for (const auto& c : cases) {
        EXPECT_EQ(WebSafeComponent(c.in), c.out) << c.in;
    }
    for (int x = 0; x <= 255; ++x) {
        EXPECT_EQ(WebSafeComponent(x) % 51, 0) << x;
    }
}

TEST(WebSafe, ChangesAllFiveSlotsBaseIncluded) {
    Palette p{RGB(25, 26, 229), RGB(230, 0, 255), RGB(127, 128, 1), 0, RGB(51, 102, 153)};
    HarmonieWebSafe(p);
    EXPECT_EQ(p,
              (Palette{RGB(0, 51, 204), RGB(255, 0, 255), RGB(102, 153, 0), 0, RGB(51, 102, 153)}));
}

TEST(Cycler, LastShownColourComesFirst) {
    const struct {
        int n;
        Palette out;
    } cases[] = {
        {2, {B, A, C, D, E}},
        {3, {C, A, B, D, E}},
        {4, {D, A, B, C, E}},
        {5, {E, A, B, C, D}},
    };
    for (const auto& c : cases) {
        Palette p = kFive;
        HarmonieCycler(p, c.n);
        EXPECT_EQ(p, c.out) << c.n;
        for (int i = 1; i < c.n; ++i) {
            HarmonieCycler(p, c.n);
        }
        EXPECT_EQ(p, kFive) << "n clicks restore the order, n=" << c.n;
    }
}

TEST(Melanger, FixedAndCoinFlipPermutations) {
    const struct {
        int n;
        double draw;
        Palette out;
    } cases[] = {
        {2, 0.9, {B, A, C, D, E}},  {3, 0.9, {B, C, A, D, E}}, {4, 0.5, {C, D, B, A, E}},
        {4, 0.49, {D, C, A, B, E}}, {5, 0.5, {E, D, C, B, A}}, {5, 0.0, {C, E, D, A, B}},
    };
    for (const auto& c : cases) {
        test::ScriptedRandom random({c.draw});
        Palette p = kFive;
        HarmonieMelanger(p, c.n, random);
        EXPECT_EQ(p, c.out) << c.n << " " << c.draw;
        EXPECT_EQ(random.reseeds, c.n >= 4 ? 1 : 0);
    }
}

TEST(Classer, LightestFirstAndStable) {
    const Colour white = RGB(255, 255, 255), red = RGB(255, 0, 0), grey = RGB(128, 128, 128),
                 dark = RGB(10, 20, 30), navy = RGB(0, 0, 128);
    const struct {
        int n;
        Palette in, out;
    } cases[] = {
        {2, {dark, white, A, B, C}, {white, dark, A, B, C}},
        {2, {white, red, A, B, C}, {white, red, A, B, C}}, // equal values stay
        {2, {red, white, A, B, C}, {red, white, A, B, C}},
        {3, {dark, grey, white, A, B}, {white, grey, dark, A, B}},
        // white and red share V 100, grey and navy V 50.2: each pair keeps its order.
        {4, {grey, red, navy, white, E}, {red, white, grey, navy, E}},
        {5, {dark, navy, white, grey, red}, {white, red, navy, grey, dark}},
        {5, {grey, grey, grey, grey, grey}, {grey, grey, grey, grey, grey}},
    };
    for (const auto& c : cases) {
        Palette p = c.in;
        HarmonieClasser(p, c.n);
        EXPECT_EQ(p, c.out) << "n=" << c.n;
    }
}

} // namespace
} // namespace oria
