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

// A colour holds red in its low byte; the hex text reads red, green, blue; the read-out is plain.
TEST(SplitColour, BytesHexTextAndReadout) {
    const struct {
        Colour c;
        Rgb rgb;
        const char *hex, *readout;
    } cases[] = {
        {0, {0, 0, 0}, "#000000", "R:0 V:0 B:0"},
        {255, {255, 0, 0}, "#FF0000", "R:255 V:0 B:0"},
        {32768, {0, 128, 0}, "#008000", "R:0 V:128 B:0"},
        {16744448, {0, 128, 255}, "#0080FF", "R:0 V:128 B:255"},
        {16777215, {255, 255, 255}, "#FFFFFF", "R:255 V:255 B:255"},
        {RGB(255, 128, 0), {255, 128, 0}, "#FF8000", "R:255 V:128 B:0"},
        {RGB(1, 2, 3), {1, 2, 3}, "#010203", "R:1 V:2 B:3"},
        {RGB(7, 65, 200), {7, 65, 200}, "#0741C8", "R:7 V:65 B:200"},
        {RGB(0x12, 0x34, 0x56), {0x12, 0x34, 0x56}, "#123456", "R:18 V:52 B:86"},
        {RGB(1, 0, 0), {1, 0, 0}, "#010000", "R:1 V:0 B:0"},
        {RGB(0, 0, 1), {0, 0, 1}, "#000001", "R:0 V:0 B:1"},
        {RGB(0xab, 0xcd, 0xef), {0xab, 0xcd, 0xef}, "#ABCDEF", "R:171 V:205 B:239"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitColour(c.c), c.rgb) << c.hex;
        EXPECT_EQ(RGB(c.rgb.Rouge, c.rgb.Vert, c.rgb.Bleu), c.c) << c.hex;
        EXPECT_EQ(HexText(c.c), c.hex);
        EXPECT_EQ(ReadoutText(c.rgb), c.readout);
    }
    EXPECT_EQ(ReadoutText(255, 128, 0), "R:255 V:128 B:0");
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

TEST(SortValues, AscendingAndStable) {
    const struct {
        std::vector<double> in, out;
    } cases[] = {{{3, 1, 2}, {1, 2, 3}},
                 {{5}, {5}},
                 {{}, {}},
                 {{4, 3, 2, 1, 0}, {0, 1, 2, 3, 4}},
                 {{2, 2, 1, 2}, {1, 2, 2, 2}},
                 {{0.5, -1, 99.5, 0.25}, {-1, 0.25, 0.5, 99.5}}};
    for (auto c : cases) {
        SortValues(c.in);
        EXPECT_EQ(c.in, c.out);
    }
}

} // namespace
} // namespace oria
