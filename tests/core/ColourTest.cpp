#include "core/Colour.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const double cases[][2] = {{127.5, 128},  {126.5, 126},  {0.5, 0},  {1.5, 2},   {254.5, 254},
                               {127.49, 127}, {127.51, 128}, {-0.5, 0}, {-1.5, -2}, {255.0, 255}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c[0]), c[1]) << c[0];
    }
}

TEST(SplitColour, ReturnsLowMiddleAndHighByte) {
    EXPECT_EQ(SplitColour(16744448), (Rgb{0, 128, 255}));
    EXPECT_EQ(SplitColour(RGB(255, 128, 0)), (Rgb{255, 128, 0}));
    EXPECT_EQ(SplitColour(RGB(1, 2, 3)), (Rgb{1, 2, 3}));
    EXPECT_EQ(SplitColour(0xFFFFFF), (Rgb{255, 255, 255}));
    EXPECT_EQ(RGB(0, 128, 0), 32768);
}

// Both ways where the colour converts back exactly; to RGB only for sectors and rounding.
TEST(HsvToRgb, WorkedExamplesBothWaysSectorsAndClamping) {
    const struct {
        Hsv hsv;
        Rgb rgb;
        bool both = true;
    } cases[] = {
        {{0, 0, 0}, {0, 0, 0}},
        {{0, 0, 100}, {255, 255, 255}},
        {{0, 100, 100}, {255, 0, 0}},
        {{360 - 60.0 * 128 / 255, 100, 100}, {255, 0, 128}},
        {{60, 100, 100}, {255, 255, 0}}, // red wins the tie with green
        {{120, 100, 100}, {0, 255, 0}},
        {{180, 100, 100}, {0, 255, 255}},
        {{240, 100, 100}, {0, 0, 255}},
        {{300, 100, 100}, {255, 0, 255}},
        {{0, 0, 128 * 100 / 255.0}, {128, 128, 128}},
        {{20, 75, 200 * 100 / 255.0}, {200, 100, 50}},
        {{123, 0, 50}, {128, 128, 128}, false}, // 127.5 rounds to the even 128
        {{20, 50, 100}, {255, 170, 128}, false},
        {{59.6, 100, 100}, {255, 253, 0}, false},
        {{359.6, 100, 100}, {255, 0, 2}, false}, // sector 5
        {{-0.7, 100, 100}, {255, 0, 3}, false},  // sector -1 shares the last row
        {{-0.5, 100, 50}, {128, 0, 1}, false},
        {{0, 100, 120}, {255, 0, 0}, false}, // out of range: clamped
        {{0, 150, 100}, {255, 0, 0}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ReadoutText(c.rgb));
        EXPECT_EQ(HsvToRgb(c.hsv), c.rgb);
        const Hsv hsv = RgbToHsv(c.rgb);
        if (c.both) {
            EXPECT_NEAR(hsv.Teinte, c.hsv.Teinte, 1e-9);
            EXPECT_NEAR(hsv.Saturation, c.hsv.Saturation, 1e-9);
            EXPECT_NEAR(hsv.Luminosite, c.hsv.Luminosite, 1e-9);
        }
    }
    for (int x = 0; x <= 255; ++x) { // every grey and primary ramp comes back
        for (const Rgb rgb : {Rgb{x, x, x}, Rgb{x, 0, 0}, Rgb{0, x, 0}, Rgb{0, 0, x}}) {
            EXPECT_EQ(HsvToRgb(RgbToHsv(rgb)), rgb) << ReadoutText(rgb);
        }
    }
}

TEST(HexText, ReadsRedGreenBlue) {
    const struct {
        Colour c;
        const char* text;
    } cases[] = {
        {0, "#000000"},
        {255, "#FF0000"},
        {16777215, "#FFFFFF"},
        {RGB(255, 128, 0), "#FF8000"},
        {RGB(0x12, 0x34, 0x56), "#123456"},
        {RGB(1, 0, 0), "#010000"},
        {RGB(0, 0, 1), "#000001"},
        {RGB(0xab, 0xcd, 0xef), "#ABCDEF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexText(c.c), c.text);
    }
}

TEST(ReadoutText, PlainDecimalWithoutPadding) {
    EXPECT_EQ(ReadoutText(255, 128, 0), "R:255 V:128 B:0");
    EXPECT_EQ(ReadoutText(SplitColour(RGB(7, 65, 200))), "R:7 V:65 B:200");
}

TEST(SortValues, AscendingAndStable) {
    const struct {
        std::vector<double> in, out;
    } cases[] = {
        {{3, 1, 2}, {1, 2, 3}},
        {{5}, {5}},
        {{}, {}},
        {{4, 3, 2, 1, 0}, {0, 1, 2, 3, 4}},
        {{2, 2, 1, 2}, {1, 2, 2, 2}},
        {{0.5, -1, 99.5, 0.25}, {-1, 0.25, 0.5, 99.5}},
    };
    for (auto c : cases) {
        SortValues(c.in);
        EXPECT_EQ(c.in, c.out);
    }
}

} // namespace
} // namespace oria
