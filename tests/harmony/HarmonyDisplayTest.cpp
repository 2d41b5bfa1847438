#include "harmony/HarmonyDisplay.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour C1 = 101, C2 = 102, C3 = 103, C4 = 104, C5 = 105;
const Palette kPalette{C1, C2, C3, C4, C5};
constexpr Colour X = -1; // hidden

struct LayoutCase {
    int n;
    DisplayMode mode;
    std::array<Colour, 7> squares; // carre1..carre7
};

TEST(LayoutSquares, EveryCountAndMode) {
    using M = DisplayMode;
    const LayoutCase cases[] = {
        {2, M::Contraste1, {C1, C2, X, X, X, X, X}},
        {2, M::Contraste2, {C2, C2, X, C1, X, X, X}},
        {2, M::Contraste3, {C2, C2, X, C1, C2, X, X}},
        {3, M::Contraste1, {C2, C3, C1, X, X, X, X}},
        {3, M::Contraste2, {C3, C3, X, C1, C2, X, X}},
        {3, M::Contraste3, {C2, C3, C1, X, X, X, X}}, // restricted to contraste 1
        {4, M::Contraste1, {C3, C4, X, C2, C1, X, X}},
        {4, M::Contraste2, {C1, C4, X, X, X, C2, C3}},
        {4, M::Contraste3, {C3, C4, X, C2, C1, X, X}},
        {5, M::Contraste1, {C5, C4, C1, X, X, C2, C3}},
        {5, M::Contraste2, {C5, C4, C1, X, X, C2, C3}},
        {5, M::Contraste3, {C5, C4, C1, X, X, C2, C3}},
    };
    for (const auto& c : cases) {
        const SquareColours squares = LayoutSquares(c.n, c.mode, kPalette);
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(squares[i].value_or(X), c.squares[i])
                << "n=" << c.n << " mode=" << static_cast<int>(c.mode) << " carre" << i + 1;
        }
    }
}

TEST(BarBoundaries, EqualSegmentsEndExactlyAtTheWidth) {
    const auto x = BarBoundaries(kPalette, 3, false, 5895);
    ASSERT_EQ(x.size(), 4u);
    EXPECT_EQ(x[0], 0);
    EXPECT_DOUBLE_EQ(x[1], 5895.0 / 3);
    EXPECT_DOUBLE_EQ(x[2], 2 * 5895.0 / 3);
    EXPECT_EQ(x[3], 5895);
    for (int n = 2; n <= 5; ++n) {
        const auto y = BarBoundaries(kPalette, n, false, 100);
        ASSERT_EQ(y.size(), static_cast<std::size_t>(n + 1));
        EXPECT_DOUBLE_EQ(y[1], 100.0 / n);
        EXPECT_EQ(y.back(), 100);
    }
}

TEST(BarBoundaries, DarkerColoursGetWiderSegments) {
    const Colour black = 0, white = RGB(255, 255, 255);
    const auto bw = BarBoundaries({black, white, 0, 0, 0}, 2, true, 1100);
    EXPECT_DOUBLE_EQ(bw[1], 1100.0 * 100 / 110);
    EXPECT_EQ(bw[2], 1100);

    const auto equal = BarBoundaries({RGB(255, 0, 0), RGB(0, 0, 255), 0, 0, 0}, 2, true, 600);
    EXPECT_DOUBLE_EQ(equal[1], 300);

    // Values of 90 % and more all weigh the minimum 10.
    const auto light =
        BarBoundaries({RGB(230, 230, 230), white, RGB(240, 0, 0), 0, 0}, 3, true, 300);
    EXPECT_DOUBLE_EQ(light[1], 100);
    EXPECT_DOUBLE_EQ(light[2], 200);
    EXPECT_EQ(light[3], 300);
    EXPECT_DOUBLE_EQ(DarknessWeight(RGB(128, 0, 0)), 100 - 128 * 100 / 255.0);
}

TEST(RulerMarks, TenShortThenTenLong) {
    const auto marks = RulerMarks(2000);
    ASSERT_EQ(marks.size(), 20u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_DOUBLE_EQ(marks[static_cast<std::size_t>(i)].x, 100.0 * (2 * i + 1));
        EXPECT_EQ(marks[static_cast<std::size_t>(i)].length, 60);
        EXPECT_DOUBLE_EQ(marks[static_cast<std::size_t>(10 + i)].x, 100.0 * (2 * i));
        EXPECT_EQ(marks[static_cast<std::size_t>(10 + i)].length, 100);
    }
}

} // namespace
} // namespace oria
