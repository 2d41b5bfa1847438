#include "harmony/Adjustments.h"
#include "support/ScriptedRandom.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour A = RGB(10, 0, 0), B = RGB(20, 0, 0), C = RGB(30, 0, 0), D = RGB(40, 0, 0),
                 E = RGB(50, 0, 0);
const Palette kFive{A, B, C, D, E};

// Steps of 5 stop at 99 and 1: beyond, the value or saturation goes to 100 or 0 (239 is V 93.7:
// +5 stays; 240 is 94.1: 100; #FA0F0F, S 94: 99; #F1FAFF, S 5.5, loses all). Grey stays grey,
// black black. The base colour never changes but for web safe; the four others do, whatever is
// shown. Web safe rounds each component to a multiple of 51, halves down (25 -> 0, 26 -> 51).
TEST(Adjustments, StepsChangeTheColoursInPlace) {
    const struct {
        const char* name;
        void (*adjust)(Palette&);
    } adjustments[] = {{"Lum. plus", &HarmonieLumPlus},
                       {"Lum. moins", &HarmonieLumMoins},
                       {"Sat. plus", &HarmonieSatPlus},
                       {"Sat. moins", &HarmonieSatMoins},
                       {"Web safe", &HarmonieWebSafe}};
    const Rgb colours[] = {
        {0, 0, 0},       {3, 3, 3},      {15, 0, 0},      {239, 0, 0},   {240, 0, 0},
        {255, 0, 0},     {255, 14, 14},  {0, 0, 255},     {100, 50, 50}, {200, 100, 50},
        {128, 128, 128}, {1, 2, 3},      {241, 250, 255}, {25, 26, 229}, {230, 0, 255},
        {127, 128, 1},   {51, 102, 153}, {250, 15, 15},
    };
    QString text;
    for (const auto& a : adjustments) {
        for (const Rgb rgb : colours) {
            const Colour c = RGB(rgb.Rouge, rgb.Vert, rgb.Bleu);
            Palette p{c, c, c, c, c};
            a.adjust(p);
            EXPECT_EQ(p,
                      (Palette{a.adjust == &HarmonieWebSafe ? p[1] : c, p[1], p[1], p[1], p[1]}));
            text += QStringLiteral("%1 %2 -> %3\n")
                        .arg(a.name, test::ColourHex(c), test::ColourHex(p[1]));
        }
    }
    for (int x = 0; x <= 255; ++x) {
        text += QStringLiteral("%1%2").arg(WebSafeComponent(x), 4).arg(x % 16 == 15 ? "\n" : "");
    }
    test::ExpectGolden("harmony/adjustments", text);
}

// A..E in slots 1..5: the cycler brings the last colour shown first, and n clicks restore the
// order; the shuffle is fixed for 2 and 3 colours and flips a coin, reseeded, for 4 and 5.
TEST(Reorderings, CyclerAndShuffle) {
    const auto letters = [](const Palette& p) {
        QString s;
        for (const Colour c : p) {
            s += QStringLiteral(" ") + QLatin1Char(static_cast<char>('A' + c / 10 - 1));
        }
        return s;
    };
    QString text;
    for (int n = 2; n <= 5; ++n) {
        Palette p = kFive;
        HarmonieCycler(p, n);
        text += QStringLiteral("Cycler n=%1:%2\n").arg(n).arg(letters(p));
        for (int i = 1; i < n; ++i) {
            HarmonieCycler(p, n);
        }
        EXPECT_EQ(p, kFive) << "n clicks restore the order, n=" << n;
        for (const double draw : {0.0, 0.49, 0.5, 0.9}) {
            test::ScriptedRandom random({draw});
            p = kFive;
            HarmonieMelanger(p, n, random);
            text += QStringLiteral("Mélanger n=%1 draw %2:%3, reseeds %4\n")
                        .arg(n)
                        .arg(draw)
                        .arg(letters(p))
                        .arg(random.reseeds);
        }
    }
    test::ExpectGolden("harmony/reorderings", text);
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
        {3, {dark, grey, white, red, B}, {white, grey, dark, red, B}}, // red is past n, as light
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
