#include "harmony/HarmonyDisplay.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour C1 = 101, C2 = 102, C3 = 103, C4 = 104, C5 = 105;
const Palette kPalette{C1, C2, C3, C4, C5};

// Which colour each of carre1..carre7 shows ("-": hidden); a mode the count does not allow
// shows as contraste 1.
TEST(LayoutSquares, EveryCountAndMode) {
    QString text;
    for (int n = 2; n <= 5; ++n) {
        for (const int mode : {1, 2, 3}) {
            text += QStringLiteral("%1 colours, contraste %2:").arg(n).arg(mode);
            const SquareColours squares =
                LayoutSquares(n, static_cast<DisplayMode>(mode - 1), kPalette);
            for (const auto& square : squares) {
                text += square ? QStringLiteral(" C%1").arg(*square - 100) : QStringLiteral(" -");
            }
            text += QLatin1Char('\n');
        }
    }
    test::ExpectGolden("harmony/layout-squares", text);
}

// Equal segments, or wider ones for darker colours (values of 90 % and more weigh 10).
TEST(BarBoundaries, SegmentsEndExactlyAtTheWidth) {
    const Colour black = 0, white = RGB(255, 255, 255), blue = RGB(0, 0, 255);
    const struct {
        Palette colours;
        int n;
        bool darkness;
        double width;
        std::vector<double> x;
    } cases[] = {
        {kPalette, 3, false, 5895, {0, 5895.0 / 3, 2 * 5895.0 / 3, 5895}},
        {kPalette, 2, false, 100, {0, 50, 100}},
        {kPalette, 3, false, 100, {0, 100.0 / 3, 200.0 / 3, 100}},
        {kPalette, 4, false, 100, {0, 25, 50, 75, 100}},
        {kPalette, 5, false, 100, {0, 20, 40, 60, 80, 100}},
        {{black, white, 0, 0, 0}, 2, true, 1100, {0, 1100.0 * 100 / 110, 1100}},
        {{RGB(255, 0, 0), blue, 0, 0, 0}, 2, true, 600, {0, 300, 600}},
        {{RGB(230, 230, 230), white, RGB(240, 0, 0), 0, 0}, 3, true, 300, {0, 100, 200, 300}},
    };
    for (const auto& c : cases) {
        const auto x = BarBoundaries(c.colours, c.n, c.darkness, c.width);
        ASSERT_EQ(x.size(), c.x.size()) << c.n << " " << c.width;
        for (std::size_t i = 0; i < x.size(); ++i) {
            EXPECT_DOUBLE_EQ(x[i], c.x[i]) << c.n << " " << c.width << " #" << i;
        }
        EXPECT_EQ(x.back(), c.width) << "exactly";
    }
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
