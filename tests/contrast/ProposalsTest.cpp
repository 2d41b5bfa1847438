#include "contrast/Proposals.h"
#include "contrast/Legibility.h"
#include "core/OkLch.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour kWhite = RGB(255, 255, 255), kGrey = RGB(119, 119, 119);
constexpr Colour kBlue = RGB(0, 0, 255), kYellow = RGB(255, 255, 0), kBlack = RGB(0, 0, 0);
constexpr Colour kSlate = RGB(51, 102, 153), kSand = RGB(204, 153, 102);
constexpr Colour kNavy = RGB(0, 18, 204), kNight = RGB(10, 10, 10);

TEST(ContrastTargets, OneRowPerTargetInOrder) {
    std::string text;
    for (const ContrastTargetRow& row : kContrastTargets) {
        EXPECT_EQ(&TargetRow(row.target), &row);
        text += std::string(row.label) + " | " + row.commandName + " | " +
                (row.measure == ContrastMeasure::Apca ? "apca " : "wcag ") +
                std::to_string(row.threshold) + "\n";
    }
    test::ExpectGolden("contrast/targets", QString::fromStdString(text));
}

// Both proposals for every target: nothing reads on itself and only so much lightness is there
// to move; colours keep their hue and chroma as far as sRGB lets them (saturated blue and
// yellow text leave sRGB at their chroma: the proposal keeps the hue and as much chroma as
// fits). Where nothing is proposed, the colour stays the original and the difference nought.
// The last four pairs are where the search's bounds, start or step decide between neighbours.
TEST(Proposals, KnownPairsForEveryTarget) {
    const Colour pairs[][2] = {{kGrey, kWhite},
                               {kGrey, kGrey},
                               {kSlate, kSand},
                               {kBlue, kBlack},
                               {kYellow, kWhite},
                               {RGB(17, 152, 89), RGB(88, 181, 220)},
                               {RGB(13, 217, 32), RGB(30, 235, 46)},
                               {RGB(86, 220, 242), RGB(145, 43, 188)},
                               {RGB(248, 119, 169), RGB(90, 125, 170)}};
    std::string text;
    for (const auto& [foreground, background] : pairs) {
        for (const ContrastTargetRow& row : kContrastTargets) {
            const Proposals p = ProposeColours(foreground, background, row.target);
            text += HexText(foreground) + " sur " + HexText(background) + " " + row.commandName;
            for (const Proposal& got : {p.text, p.background}) {
                const char* kinds[] = {"atteinte", "proposé", "impossible"};
                text += std::string(" | ") + kinds[static_cast<int>(got.kind)] + " " +
                        HexText(got.colour) + " " + ReachedText(row.target, got.reached);
                EXPECT_EQ(got.difference == 0, got.kind != ProposalKind::Proposed) << text;
            }
            text += "\n";
        }
    }
    test::ExpectGolden("contrast/proposals", QString::fromStdString(text));
}

// A proposal meets its target judged on its own 8 bits, and no colour of the line nearer to
// the original does: the line walked from the original to black and to white.
TEST(Proposals, NothingNearerOnTheLineMeetsTheTarget) {
    const Colour pairs[][2] = {{kGrey, kWhite}, {kBlue, kBlack}, {kYellow, kWhite},
                               {kNavy, kNight}, {kSlate, kSand}, {RGB(250, 128, 114), kGrey},
                               {kNight, kNavy}};
    constexpr int kSteps = 10000;
    int proposals = 0;
    for (const auto& pair : pairs) {
        const Colour text = pair[0], background = pair[1]; // captured below
        for (const ContrastTargetRow& row : kContrastTargets) {
            for (const bool movingText : {true, false}) {
                const Proposal p = movingText ? ProposeText(text, background, row.target)
                                              : ProposeBackground(text, background, row.target);
                if (p.kind == ProposalKind::AlreadyMet) {
                    continue;
                }
                auto passes = [&](Colour c) {
                    return movingText ? MeetsTarget(row.target, c, background)
                                      : MeetsTarget(row.target, text, c);
                };
                const Colour moving = movingText ? text : background;
                SCOPED_TRACE(std::string(movingText ? "texte " : "fond ") + HexText(text) +
                             " sur " + HexText(background) + " " + row.commandName + " -> " +
                             HexText(p.colour));
                if (p.kind == ProposalKind::Proposed) {
                    ++proposals;
                    ASSERT_TRUE(passes(p.colour));
                    EXPECT_NEAR(p.difference,
                                DeltaE(ColourToOkLab(p.colour), ColourToOkLab(moving)), 1e-12);
                }
                const HueLine line(moving);
                const OkLab origin = ColourToOkLab(moving);
                for (const double end : {0.0, 1.0}) {
                    for (int k = 0; k <= kSteps; ++k) {
                        const Colour c = line.colourAt(origin.L + (end - origin.L) * k / kSteps);
                        if (passes(c)) {
                            ASSERT_EQ(p.kind, ProposalKind::Proposed) << HexText(c) << " passes";
                            ASSERT_GE(DeltaE(ColourToOkLab(c), origin), p.difference)
                                << HexText(c) << " is nearer";
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(proposals, 60);
}

} // namespace
} // namespace oria
