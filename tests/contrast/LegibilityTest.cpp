#include "contrast/Legibility.h"
#include "contrast/ContrastViews.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour kWhite = RGB(255, 255, 255);

// The script line pins the ratio to 2 decimals, the verdicts and Lc to 1 decimal.
TEST(Legibility, KnownRatiosVerdictsAndLightnessContrasts) {
    const Colour pairs[][2] = {{RGB(0, 0, 0), kWhite},
                               {kWhite, RGB(0, 0, 0)},
                               {RGB(136, 136, 136), kWhite},
                               {kWhite, RGB(136, 136, 136)},
                               {RGB(118, 118, 118), kWhite},
                               {RGB(119, 119, 119), kWhite},
                               {RGB(18, 52, 86), RGB(18, 52, 86)}};
    std::string text;
    for (const auto& [foreground, background] : pairs) {
        text += HexText(foreground) + " sur " + HexText(background) + ": " +
                LegibilityLine(MeasureLegibility(foreground, background)) + '\n';
    }
    test::ExpectGolden("contrast/legibility", QString::fromStdString(text));
    // Judged on the unrounded ratio: 4.499 shows as 4.50 and still fails.
    EXPECT_EQ(JudgeWcag(4.499), (WcagVerdicts{false, true, false, false}));
    EXPECT_EQ(JudgeWcag(4.5), (WcagVerdicts{true, true, false, true}));
    EXPECT_EQ(JudgeWcag(2.999), WcagVerdicts{});
    EXPECT_EQ(JudgeWcag(7), (WcagVerdicts{true, true, true, true}));
    EXPECT_EQ(FixedText(-0.04, 1), "0.0");
}

// Bands side by side; diagonal lines 2W/15 apart, colour 3 at odd multiples with three
// colours (drawn a turn late).
TEST(ContrastViews, BandsAndDiagonalLines) {
    QString text;
    for (const int n : {2, 3}) {
        text += QStringLiteral("%1 colours, bands:").arg(n);
        for (const Band& band : BandsOf(3000, n)) {
            text +=
                QStringLiteral(" %1-%2 colour %3").arg(band.left).arg(band.right).arg(band.colour);
        }
        text += QStringLiteral("\n  lines:");
        for (const DiagonalLine& line : DiagonalLinesOf(3375, n)) {
            text += QStringLiteral(" %1 colour %2").arg(line.p).arg(line.colour);
        }
        text += u'\n';
    }
    test::ExpectGolden("contrast/bands-and-lines", text);
}

} // namespace
} // namespace oria
