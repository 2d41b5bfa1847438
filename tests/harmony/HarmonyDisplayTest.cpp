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

// Segment boundaries over the bar: equal, or wider for darker colours (a value of 90 % and
// more weighs 10: black and white share 1100 as 1000 and 100), ending exactly at the width.
// Then the ruler: ten short marks between ten long ones.
TEST(BarBoundaries, SegmentsEndExactlyAtTheWidth) {
    const Colour white = RGB(255, 255, 255);
    const Palette palettes[] = {kPalette,
                                {0, white, 0, 0, 0},
                                {RGB(255, 0, 0), RGB(0, 0, 255), 0, 0, 0},
                                {RGB(230, 230, 230), white, RGB(240, 0, 0), RGB(128, 0, 0), 0}};
    QString text;
    for (const Palette& colours : palettes) {
        for (const bool darkness : {false, true}) {
            for (int n = 2; n <= 5; ++n) {
                for (const double width : {100.0, 300.0, 600.0, 1100.0, 5895.0}) {
                    const auto x = BarBoundaries(colours, n, darkness, width);
                    EXPECT_EQ(x.back(), width) << "exactly";
                    text += QStringLiteral("%1 n=%2%3:")
                                .arg(test::ColourHex(colours[0]))
                                .arg(n)
                                .arg(darkness ? " darkness" : "");
                    for (const double b : x) {
                        text += QLatin1Char(' ') + QString::number(b, 'g', 17);
                    }
                    text += QLatin1Char('\n');
                }
            }
        }
    }
    for (const auto& mark : RulerMarks(2000)) {
        text += QStringLiteral("mark %1 length %2\n").arg(mark.x).arg(mark.length);
    }
    test::ExpectGolden("harmony/bar-boundaries", text);
}

} // namespace
} // namespace oria
