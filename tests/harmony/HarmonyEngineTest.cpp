#include "harmony/HarmonyEngine.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <string>

namespace oria {
namespace {

const Colour kRed = RGB(255, 0, 0);
const Colour kBrick = RGB(200, 100, 50); // H 20, S 75, V 78.4
using T = HarmonyType;

TEST(CalculerHarmonie, WorkedExamplesLeaveTheSlotsAboveNAlone) {
    const struct {
        HarmonyType type;
        int n;
        double f;
        Colour base;
        const char* expected; // C1..Cn
    } cases[] = {
        {T::ClassiqueNeutre, 2, 0, kRed, "#FF0000 #00FFFF"}, // C2 = 180 + F
        {T::ClassiqueNeutre, 2, -10, kRed, "#FF0000 #00FFD5"},
        {T::ClassiqueNeutre, 2, -0.1, kRed, "#FF0000 #00FFFF"},
        {T::ClassiqueNeutre, 2, 0.1, kRed, "#FF0000 #00FFFF"},
        {T::ClassiqueNeutre, 2, 10, kRed, "#FF0000 #00D5FF"},
        {T::ClassiqueNeutre, 3, 0, kRed, "#FF0000 #00FF00 #0000FF"},
        {T::ClassiqueNeutre, 4, 0, kRed, "#FF0000 #00FFFF #8000FF #80FF00"},
        {T::ClassiqueNeutre, 5, 1.0, kBrick, "#C86432 #76C832 #32C8A5 #3234C8 #C832AA"},
        {T::Moderne, 2, 0, kRed, "#FF0000 #FFAA80"},
        {T::Moderne, 5, 0, kRed, "#FF0000 #FFAA80 #80002A #80404A #804A40"},
        // Base hue 20, C3 = 20 - (20 + F): 0.5 is kept; -0.5 wraps to 359.5, then to -0.5.
        {T::Moderne, 3, -0.5, RGB(255, 85, 0), "#FF5500 #FFD380 #800100"},
        {T::Moderne, 3, 0.5, RGB(255, 85, 0), "#FF5500 #FFD680 #800001"},
        {T::Moderne2, 5, 0, kBrick, "#C86432 #806226 #FF8080 #B26859 #CC9966"},
        {T::ClassiqueFaible, 5, -1.5, kBrick, "#C86432 #C83247 #C8AB32 #9AC832 #C83292"},
        // The five-colour chain: every step is 72 + F from the previous wrapped hue.
        {T::ClassiqueFort, 5, 0, kRed, "#FF0000 #CCFF00 #00FF66 #0066FF #CC00FF"},
        {T::ClassiqueFort, 5, 1.0, kRed, "#FF0000 #C8FF00 #00FF6E #0059FF #DD00FF"},
        {T::Special, 5, 0, kBrick, "#C86432 #00AAFF #00FFD5 #002AFF #FF002B"},
        {T::Special, 2, 0, kRed, "#FF0000 #FFBF00"},
        {T::SpecialFaible, 4, 2.5, kBrick, "#C86432 #3290C8 #32C8B5 #3245C8"},
        {T::DegradeClair, 5, 0, kBrick, "#C86432 #C87850 #C8967D #C8A08C #C8B4AA"},
        {T::DegradeClair, 4, 0, kRed, "#FF0000 #FF4040 #FF9F9F #FFBFBF"},
        // A grey has no saturation to step down: the gradient stays grey.
        {T::DegradeClair, 3, 0, RGB(128, 128, 128), "#808080 #808080 #808080"},
        // V0 = 80 gives V = 64, 48, 40, 24.
        {T::DegradeSombre, 5, 0, RGB(204, 204, 204), "#CCCCCC #A3A3A3 #7A7A7A #666666 #3D3D3D"},
        {T::DegradeSombre, 5, 0, kRed, "#FF0000 #CC0000 #990000 #800000 #4C0000"},
        // V0 = 1.18 halves to 0.59, below 1: clamped to black.
        {T::DegradeSombre, 2, 0, RGB(3, 2, 1), "#030201 #000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(kHarmonyTypes[static_cast<std::size_t>(c.type)].name) +
                     ", n=" + std::to_string(c.n) + ", F=" + std::to_string(c.f));
        test::ScriptedRandom random;
        Palette palette{c.base, 1, 2, 3, 4};
        CalculerHarmonie(palette, c.type, c.n, c.f, random);
        std::string shown;
        for (int k = 0; k < 5; ++k) {
            const Colour colour = palette[static_cast<std::size_t>(k)];
            if (k < c.n) {
                shown.append(k ? " " : "").append(HexText(colour));
            } else {
                EXPECT_EQ(colour, k) << "slot " << k + 1;
            }
        }
        EXPECT_EQ(shown, c.expected);
    }
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
