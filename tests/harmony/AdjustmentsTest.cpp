#include "harmony/Adjustments.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour A = RGB(10, 0, 0), B = RGB(20, 0, 0), C = RGB(30, 0, 0), D = RGB(40, 0, 0),
                 E = RGB(50, 0, 0);
const Palette kFive{A, B, C, D, E};

// Steps of 5 stop at 99 and 1: beyond, the value or saturation goes to 100 or 0. The base
// colour never changes but for web safe; the four others do, whatever is shown.
TEST(Adjustments, StepsChangeTheColoursInPlace) {
    const Colour red = RGB(255, 0, 0), brick = RGB(200, 100, 50), grey = RGB(128, 128, 128),
                 pink = RGB(100, 50, 50), pinkUp = RGB(113, 56, 56);
    const struct {
        void (*adjust)(Palette&);
        Palette in, out;
    } cases[] = {
        // 239 is V 93.7: +5 gives 98.7 and stays; 240 (94.1) gives 99.1 -> 100.
        {&HarmonieLumPlus,
         {0, RGB(239, 0, 0), RGB(240, 0, 0), RGB(0, 0, 255), RGB(3, 3, 3)},
         {0, HsvToColour({0, 100, 239 * 100 / 255.0 + 5}), red, RGB(0, 0, 255),
          HsvToColour({0, 0, 3 * 100 / 255.0 + 5})}},
        {&HarmonieLumPlus, {pink, pink, pink, pink, pink}, {pink, pinkUp, pinkUp, pinkUp, pinkUp}},
        // 1.18 - 5 and 5.88 - 5 = 0.88 are below 1.
        {&HarmonieLumMoins,
         {0, RGB(3, 3, 3), RGB(15, 0, 0), 0, red},
         {0, 0, 0, 0, HsvToColour({0, 100, 95})}},
        // Grey stays grey; 5.5 (not exactly, after rounding) minus 5 is below 1: grey. S 75 -> 70.
        {&HarmonieSatMoins,
         {RGB(1, 2, 3), grey, HsvToColour({200, 5.5, 100}), red, brick},
         {RGB(1, 2, 3), grey, RGB(255, 255, 255), HsvToColour({0, 95, 100}), RGB(200, 107, 60)}},
        // 94.5 + 5 = 99.5 is above 99; black stays black; S 75 -> 80.
        {&HarmonieSatPlus,
         {0, red, brick, RGB(255, 14, 14), 0},
         {0, red, RGB(200, 93, 40), red, 0}},
        {&HarmonieWebSafe,
         {RGB(25, 26, 229), RGB(230, 0, 255), RGB(127, 128, 1), 0, RGB(51, 102, 153)},
         {RGB(0, 51, 204), RGB(255, 0, 255), RGB(102, 153, 0), 0, RGB(51, 102, 153)}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        Palette p = cases[i].in;
        cases[i].adjust(p);
        EXPECT_EQ(p, cases[i].out) << "row " << i;
    }
}

TEST(WebSafe, ComponentBoundaries) {
    const int cases[][2] = {{0, 0},     {25, 0},    {26, 51},   {51, 51},   {76, 51},
                            {77, 102},  {102, 102}, {127, 102}, {128, 153}, {178, 153},
                            {179, 204}, {204, 204}, {229, 204}, {230, 255}, {255, 255}};
    for (const auto& c : cases) {
        EXPECT_EQ(WebSafeComponent(c[0]), c[1]) << c[0];
    }
    for (int x = 0; x <= 255; ++x) {
        EXPECT_EQ(WebSafeComponent(x) % 51, 0) << x;
    }
}

TEST(Cycler, LastShownColourComesFirst) {
    const struct {
        int n;
        Palette out;
    } cases[] = {
        {2, {B, A, C, D, E}}, {3, {C, A, B, D, E}}, {4, {D, A, B, C, E}}, {5, {E, A, B, C, D}}};
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
