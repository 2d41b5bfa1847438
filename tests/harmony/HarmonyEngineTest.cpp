#include "harmony/HarmonyEngine.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace oria {
namespace {

std::vector<std::string> hexes(const Palette& p, int n) {
    std::vector<std::string> out;
    for (int k = 0; k < n; ++k) {
        out.push_back(HexText(p[static_cast<std::size_t>(k)]));
    }
    return out;
}

struct HarmonyCase {
    HarmonyType type;
    int n;
    double f;
    Colour base;
    std::vector<std::string> expected; // C1..Cn
};

// Names the case in test listings and failure messages.
void PrintTo(const HarmonyCase& c, std::ostream* out) {
    *out << kHarmonyTypes[static_cast<std::size_t>(c.type)].name << ", n=" << c.n
         << ", F=" << c.f << ", base " << HexText(c.base);
}

class HarmonyTable : public ::testing::TestWithParam<HarmonyCase> {};

TEST_P(HarmonyTable, ComputesTheDerivedColours) {
    const HarmonyCase& c = GetParam();
    test::ScriptedRandom random;
    Palette palette{c.base, 0, 0, 0, 0};
    CalculerHarmonie(palette, c.type, c.n, c.f, random);
    EXPECT_EQ(hexes(palette, c.n), c.expected);
    EXPECT_EQ(palette[0], c.base);
}

const Colour kRed = RGB(255, 0, 0);
const Colour kBrick = RGB(200, 100, 50); // H 20, S 75, V 78.4

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, HarmonyTable,
    ::testing::Values(
        HarmonyCase{HarmonyType::ClassiqueNeutre, 2, 0, kRed, {"#FF0000", "#00FFFF"}},
        HarmonyCase{HarmonyType::Moderne, 2, 0, kRed, {"#FF0000", "#FFAA80"}},
        HarmonyCase{HarmonyType::Moderne,
                    5,
                    0,
                    kRed,
                    {"#FF0000", "#FFAA80", "#80002A", "#80404A", "#804A40"}},
        HarmonyCase{HarmonyType::Moderne2,
                    5,
                    0,
                    kBrick,
                    {"#C86432", "#806226", "#FF8080", "#B26859", "#CC9966"}},
        HarmonyCase{HarmonyType::ClassiqueFaible,
                    5,
                    -1.5,
                    kBrick,
                    {"#C86432", "#C83247", "#C8AB32", "#9AC832", "#C83292"}},
        HarmonyCase{
            HarmonyType::ClassiqueNeutre, 4, 0, kRed, {"#FF0000", "#00FFFF", "#8000FF", "#80FF00"}},
        HarmonyCase{HarmonyType::ClassiqueNeutre, 3, 0, kRed, {"#FF0000", "#00FF00", "#0000FF"}},
        // The five-colour chain: every step is 72 + F from the previous wrapped hue.
        HarmonyCase{HarmonyType::ClassiqueFort,
                    5,
                    0,
                    kRed,
                    {"#FF0000", "#CCFF00", "#00FF66", "#0066FF", "#CC00FF"}},
        HarmonyCase{HarmonyType::ClassiqueFort,
                    5,
                    1.0,
                    kRed,
                    {"#FF0000", "#C8FF00", "#00FF6E", "#0059FF", "#DD00FF"}},
        HarmonyCase{HarmonyType::ClassiqueNeutre,
                    5,
                    1.0,
                    kBrick,
                    {"#C86432", "#76C832", "#32C8A5", "#3234C8", "#C832AA"}},
        HarmonyCase{HarmonyType::Special,
                    5,
                    0,
                    kBrick,
                    {"#C86432", "#00AAFF", "#00FFD5", "#002AFF", "#FF002B"}},
        HarmonyCase{HarmonyType::Special, 2, 0, kRed, {"#FF0000", "#FFBF00"}},
        HarmonyCase{HarmonyType::SpecialFaible,
                    4,
                    2.5,
                    kBrick,
                    {"#C86432", "#3290C8", "#32C8B5", "#3245C8"}},
        HarmonyCase{HarmonyType::DegradeClair,
                    5,
                    0,
                    kBrick,
                    {"#C86432", "#C87850", "#C8967D", "#C8A08C", "#C8B4AA"}},
        HarmonyCase{
            HarmonyType::DegradeClair, 4, 0, kRed, {"#FF0000", "#FF4040", "#FF9F9F", "#FFBFBF"}},
        // V0 = 80 gives V = 64, 48, 40, 24.
        HarmonyCase{HarmonyType::DegradeSombre,
                    5,
                    0,
                    RGB(204, 204, 204),
                    {"#CCCCCC", "#A3A3A3", "#7A7A7A", "#666666", "#3D3D3D"}},
        HarmonyCase{HarmonyType::DegradeSombre,
                    5,
                    0,
                    kRed,
                    {"#FF0000", "#CC0000", "#990000", "#800000", "#4C0000"}},
        // A grey has no saturation to step down: the gradient stays grey.
        HarmonyCase{
            HarmonyType::DegradeClair, 3, 0, RGB(128, 128, 128), {"#808080", "#808080", "#808080"}},
        // V0 = 1.18 halves to 0.59, below 1: clamped to black.
        HarmonyCase{HarmonyType::DegradeSombre, 2, 0, RGB(3, 2, 1), {"#030201", "#000000"}}));

TEST(WrapHue, ThresholdsAreOneAnd359) {
    const struct {
        double in, out;
    } cases[] = {{0.5, 0.5}, {0.0, 0.0}, {1.0, 1.0}, {359.5, -0.5}, {359.0, 359.0},
                 {-20, 340}, {380, 20},  {180, 180}, {-0.5, -0.5}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(WrapHue(c.in), c.out) << c.in;
    }
}

TEST(CalculerHarmonie, HueOfHalfADegreeIsKeptAndWrappedHueBelowZeroIsUsed) {
    test::ScriptedRandom random;
    // Base hue 20, "Moderne" C3 = 20 - (20 + F) (S 100, V 50): F = -0.5 gives 0.5, kept.
    Palette palette{RGB(255, 85, 0), 0, 0, 0, 0};
    CalculerHarmonie(palette, HarmonyType::Moderne, 3, -0.5, random);
    EXPECT_EQ(HexText(palette[2]), "#800100");
    // F = 0.5 gives -0.5 -> 359.5 -> -0.5 after the second wrap step: sector -1.
    CalculerHarmonie(palette, HarmonyType::Moderne, 3, 0.5, random);
    EXPECT_EQ(HexText(palette[2]), "#800001");
}

TEST(CalculerHarmonie, SlotsAboveNKeepTheirValues) {
    test::ScriptedRandom random;
    for (int n = 2; n <= 5; ++n) {
        Palette palette{kRed, 11, 22, 33, 44};
        CalculerHarmonie(palette, HarmonyType::Moderne, n, 0, random);
        for (int k = n; k < 5; ++k) {
            EXPECT_EQ(palette[static_cast<std::size_t>(k)], 11 * k) << "n=" << n;
        }
    }
}

TEST(CalculerHarmonie, NoTypeAndManualComputeNothing) {
    test::ScriptedRandom random;
    const Palette before{kRed, 1, 2, 3, 4};
    for (const auto type : {std::optional<HarmonyType>{}, std::optional{HarmonyType::Manuel},
                            HarmonyTypeFromIndex(10), HarmonyTypeFromIndex(-1)}) {
        Palette palette = before;
        CalculerHarmonie(palette, type, 3, 0, random);
        EXPECT_EQ(palette, before);
    }
    EXPECT_FALSE(HarmonyTypeFromIndex(-1).has_value());
    EXPECT_FALSE(HarmonyTypeFromIndex(11).has_value());
    EXPECT_EQ(HarmonyTypeFromIndex(7), HarmonyType::DegradeClair);
}

TEST(CalculerHarmonie, RandomTypeReseedsAndDrawsAllFourColours) {
    // Draws red, green, blue for C2, C3, C4, C5 in turn; 0.5 x 255 = 127.5 rounds to 128.
    test::ScriptedRandom random({0.0, 0.5, 0.999, 0.25, 0.125, 0.375});
    Palette palette{kRed, 0, 0, 0, 0};
    CalculerHarmonie(palette, HarmonyType::Aleatoire, 2, 0, random);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(palette[0], kRed);
    EXPECT_EQ(palette[1], RGB(0, 128, 255));
    EXPECT_EQ(palette[2], RGB(64, 32, 96));
    EXPECT_EQ(palette[3], RGB(0, 128, 255));
    EXPECT_EQ(palette[4], RGB(64, 32, 96));
}

TEST(CalculerHarmonie, FineTuningWidensOffsets) {
    test::ScriptedRandom random;
    // Pure red, "Classique neutre" 2 colours: C2 hue = 180 + F.
    for (const double f : {-10.0, -0.1, 0.0, 0.1, 10.0}) {
        Palette palette{kRed, 0, 0, 0, 0};
        CalculerHarmonie(palette, HarmonyType::ClassiqueNeutre, 2, f, random);
        EXPECT_EQ(palette[1], HsvToColour({180 + f, 100, 100})) << f;
    }
}

} // namespace
} // namespace oria
