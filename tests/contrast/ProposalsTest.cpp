#include "contrast/Proposals.h"
#include "contrast/Legibility.h"
#include "core/OkLch.h"

#include <gtest/gtest.h>

#include <tuple>

namespace oria {
namespace {

using enum ContrastTarget;

constexpr Colour kWhite = RGB(255, 255, 255), kGrey = RGB(119, 119, 119);
constexpr Colour kBlue = RGB(0, 0, 255), kYellow = RGB(255, 255, 0), kBlack = RGB(0, 0, 0);
constexpr Colour kSlate = RGB(51, 102, 153), kSand = RGB(204, 153, 102);
constexpr Colour kNavy = RGB(0, 18, 204), kNight = RGB(10, 10, 10);

TEST(ContrastTargets, OneRowPerTargetInOrder) {
    for (const ContrastTargetRow& row : kContrastTargets) {
        EXPECT_EQ(&TargetRow(row.target), &row);
    }
    EXPECT_STREQ(TargetRow(AaaLarge).label, "AAA grand");
    EXPECT_STREQ(TargetRow(AaaLarge).commandName, "aaa-grand");
    EXPECT_EQ(TargetRow(Lc75).measure, ContrastMeasure::Apca);
    EXPECT_EQ(TargetRow(Lc75).threshold, 75);
    EXPECT_EQ(ReachedText(Aaa, 7.004), "wcag=7.00");
    EXPECT_EQ(ReachedText(Lc75, -76.24), "apca=-76.2");
}

// The original colour, where nothing is proposed.
constexpr Colour kOriginal = -1;
struct Expected {
    ProposalKind kind;
    Colour colour;
    double reached;
};
constexpr auto kMet = ProposalKind::AlreadyMet, kNone = ProposalKind::Impossible,
               kNew = ProposalKind::Proposed;

TEST(Proposals, KnownPairsForEveryTarget) {
    const struct {
        Colour text, background;
        ContrastTarget target;
        Expected text_, background_;
    } cases[] = {
        {kGrey, kWhite, Aa, {kNew, RGB(118, 118, 118), 4.54}, {kNew, RGB(6, 6, 6), 4.52}},
        {kGrey, kWhite, AaLarge, {kMet, kOriginal, 4.48}, {kMet, kOriginal, 4.48}},
        {kGrey, kWhite, Aaa, {kNew, RGB(89, 89, 89), 7.00}, {kNone, kOriginal, 4.48}},
        {kGrey, kWhite, Lc45, {kMet, kOriginal, 71.1}, {kMet, kOriginal, 71.1}},
        {kGrey, kWhite, Lc75, {kNew, RGB(110, 110, 110), 75.2}, {kNone, kOriginal, 71.1}},
        {kGrey, kWhite, Lc90, {kNew, RGB(74, 74, 74), 90.3}, {kNone, kOriginal, 71.1}},
        // Nothing reads on itself; only so much lightness is there to move.
        {kGrey, kGrey, AaaLarge, {kNew, RGB(6, 6, 6), 4.52}, {kNew, RGB(6, 6, 6), 4.52}},
        {kGrey, kGrey, Lc60, {kNew, RGB(230, 230, 230), -60.4}, {kNew, RGB(237, 237, 237), 60.4}},
        {kGrey, kGrey, Aaa, {kNone, kOriginal, 1}, {kNone, kOriginal, 1}},
        {kGrey, kGrey, Lc90, {kNone, kOriginal, 0}, {kNone, kOriginal, 0}},
        // Colours keep their hue and chroma as far as sRGB lets them.
        {kSlate, kSand, AaLarge, {kNew, RGB(35, 86, 136), 3.02}, {kNew, RGB(226, 174, 122), 3.02}},
        {kSlate, kSand, Lc45, {kNew, RGB(0, 57, 103), 45.1}, {kNew, RGB(237, 185, 133), 45.2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(HexText(c.text) + " sur " + HexText(c.background) + " " +
                     TargetRow(c.target).commandName);
        const Proposals p = ProposeColours(c.text, c.background, c.target);
        for (const auto& [got, want, original] :
             {std::tuple{p.text, c.text_, c.text}, {p.background, c.background_, c.background}}) {
            EXPECT_EQ(got.kind, want.kind);
            EXPECT_EQ(HexText(got.colour),
                      HexText(want.colour == kOriginal ? original : want.colour));
            EXPECT_EQ(ReachedText(c.target, got.reached), ReachedText(c.target, want.reached));
            EXPECT_EQ(got.difference == 0, want.kind != kNew);
        }
    }
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

// Saturated blue and yellow text: the lightness that reaches the target leaves sRGB at their
// chroma; the proposal keeps the hue and as much chroma as fits.
TEST(Proposals, SaturatedColoursAtTheEdgeOfTheGamut) {
    const struct {
        Colour text, background;
        ContrastTarget target;
        Colour proposed;
    } cases[] = {
        {kBlue, kBlack, Aa, RGB(44, 104, 255)},
        {kBlue, kBlack, Lc75, RGB(178, 204, 255)},
        {kYellow, kWhite, Aa, RGB(123, 122, 0)},
        {kYellow, kWhite, Lc90, RGB(77, 77, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(HexText(c.text) + " " + TargetRow(c.target).commandName);
        const Proposal p = ProposeText(c.text, c.background, c.target);
        ASSERT_EQ(p.kind, ProposalKind::Proposed);
        EXPECT_EQ(HexText(p.colour), HexText(c.proposed));
        const OkLch before = OkLabToOkLch(ColourToOkLab(c.text));
        const OkLch after = OkLabToOkLch(ColourToOkLab(p.colour));
        EXPECT_NEAR(after.h, before.h, 2.5);
        EXPECT_LT(after.C, before.C);
        EXPECT_NEAR(after.C, HueLine(c.text).chromaAt(after.L), 0.01);
    }
}

} // namespace
} // namespace oria
