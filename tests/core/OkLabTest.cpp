#include "core/OkLch.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

TEST(OkLab, PublishedValuesAndTheirPolarForm) {
    const struct {
        Colour colour;
        OkLab lab;
    } cases[] = {
        {RGB(255, 255, 255), {1.0, 0.0, 0.0}},
        {RGB(0, 0, 0), {0.0, 0.0, 0.0}},
        {RGB(255, 0, 0), {0.627955, 0.224863, 0.125846}},
        {RGB(0, 255, 0), {0.866440, -0.233888, 0.179498}},
        {RGB(0, 0, 255), {0.452014, -0.032457, -0.311528}},
        {RGB(128, 128, 128), {0.599871, 0.0, 0.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(HexText(c.colour));
        const OkLab lab = ColourToOkLab(c.colour);
        EXPECT_NEAR(lab.L, c.lab.L, 2e-6);
        EXPECT_NEAR(lab.a, c.lab.a, 2e-6);
        EXPECT_NEAR(lab.b, c.lab.b, 2e-6);
        EXPECT_EQ(LinearToColour(OkLabToLinear(lab)), c.colour);
        const OkLab back = OkLchToOkLab(OkLabToOkLch(lab));
        EXPECT_NEAR(back.a, lab.a, 1e-12);
        EXPECT_NEAR(back.b, lab.b, 1e-12);
    }
    const OkLch red = OkLabToOkLch(ColourToOkLab(RGB(255, 0, 0)));
    EXPECT_NEAR(red.C, 0.257683, 1e-5);
    EXPECT_NEAR(red.h, 29.2339, 1e-3);
    EXPECT_NEAR(DeltaE({0.5, 0.1, 0}, {0.5, 0.1, 0.1}), 0.1, 1e-15);
}

TEST(OkLab, EveryColourComesBackUnchanged) {
    for (int r = 0; r < 256; r += 3) {
        for (int v = r % 5; v < 256; v += 5) {
            for (int b = v % 7; b < 256; b += 7) {
                const Colour c = RGB(r, v, b);
                ASSERT_EQ(OkLabToColour(ColourToOkLab(c)), c) << HexText(c);
            }
        }
    }
    // Out of gamut: clamped.
    EXPECT_EQ(OkLabToColour({1.2, 0.0, 0.0}), RGB(255, 255, 255));
    EXPECT_EQ(OkLabToColour({-0.1, 0.0, 0.0}), RGB(0, 0, 0));
    EXPECT_EQ(OkLabToColour({0.63, 0.4, 0.13}), RGB(255, 0, 0));
}

} // namespace
} // namespace oria
