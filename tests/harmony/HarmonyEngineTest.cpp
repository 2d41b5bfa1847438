#include "harmony/HarmonyEngine.h"
#include "support/ScriptedRandom.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

#include <span>

namespace oria {
namespace {

const Colour kRed = RGB(255, 0, 0);
const Colour kBrick = RGB(200, 100, 50); // H 20, S 75, V 78.4
using T = HarmonyType;

// Every computed type for every count, at rest over bases with a hue, a grey, a light grey and
// a near black (V0 = 1.18 halves below 1: black), then with the fine tuning on either side.
// Moderne's C3 = 20 - (20 + F) from #FF5500: 0.5 is kept; -0.5 wraps to 359.5, then to -0.5.
TEST(CalculerHarmonie, WorkedExamplesLeaveTheSlotsAboveNAlone) {
    const Colour bases[] = {
        kRed, kBrick, RGB(255, 85, 0), RGB(128, 128, 128), RGB(204, 204, 204), RGB(3, 2, 1)};
    QString text;
    for (std::size_t t = 0; t < static_cast<std::size_t>(T::Aleatoire); ++t) {
        const QString name = QString::fromUtf8(kHarmonyTypes[t].name.data());
        for (int n = 2; n <= 5; ++n) {
            for (const double f : {0.0, -10.0, -1.5, -0.5, -0.1, 0.1, 0.5, 1.0, 2.5, 10.0}) {
                for (const Colour base : f == 0 ? std::span(bases) : std::span(bases, 3)) {
                    test::ScriptedRandom random;
                    Palette palette{base, 1, 2, 3, 4};
                    CalculerHarmonie(palette, kHarmonyTypes[t].type, n, f, random);
                    text += QStringLiteral("%1 n=%2 F=%3:").arg(name).arg(n).arg(f);
                    for (int k = 0; k < 5; ++k) {
                        const Colour colour = palette[static_cast<std::size_t>(k)];
                        if (k < n) {
                            text += QStringLiteral(" ") + QString::fromStdString(HexText(colour));
                        } else {
                            EXPECT_EQ(colour, k) << "slot " << k + 1;
                        }
                    }
                    text += QLatin1Char('\n');
                }
            }
        }
    }
    test::ExpectGolden("harmony/worked-examples", text);
}

TEST(WrapHue, ThresholdsAreOneAnd359) {
    const double cases[][2] = {{0.5, 0.5}, {0.0, 0.0}, {1.0, 1.0}, {359.5, -0.5}, {359.0, 359.0},
                               {-20, 340}, {380, 20},  {180, 180}, {-0.5, -0.5}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(WrapHue(c[0]), c[1]) << c[0];
    }
}

TEST(CalculerHarmonie, NoTypeAndManualComputeNothing) {
    test::ScriptedRandom random;
    const Palette before{kRed, 1, 2, 3, 4};
    for (const auto type : {std::optional<HarmonyType>{}, std::optional{T::Manuel},
                            HarmonyTypeFromIndex(10), HarmonyTypeFromIndex(-1)}) {
        Palette palette = before;
        CalculerHarmonie(palette, type, 3, 0, random);
        EXPECT_EQ(palette, before);
    }
    EXPECT_FALSE(HarmonyTypeFromIndex(-1).has_value());
    EXPECT_FALSE(HarmonyTypeFromIndex(11).has_value());
    EXPECT_EQ(HarmonyTypeFromIndex(7), T::DegradeClair);
}

TEST(CalculerHarmonie, RandomTypeReseedsAndDrawsAllFourColours) {
    // Draws red, green, blue for C2, C3, C4, C5 in turn; 0.5 x 255 = 127.5 rounds to 128.
    test::ScriptedRandom random({0.0, 0.5, 0.999, 0.25, 0.125, 0.375});
    Palette palette{kRed, 0, 0, 0, 0};
    CalculerHarmonie(palette, T::Aleatoire, 2, 0, random);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(palette, (Palette{kRed, RGB(0, 128, 255), RGB(64, 32, 96), RGB(0, 128, 255),
                                RGB(64, 32, 96)}));
}

} // namespace
} // namespace oria
