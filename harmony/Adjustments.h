#pragma once

#include "core/Colour.h"
#include "core/RandomSource.h"

#include <array>
#include <string_view>

namespace oria {

// In-place changes of the current harmony. n is the number of colours shown (2..5).

enum class Adjustment { LumPlus, LumMoins, SatPlus, SatMoins, WebSafe, Cycler, Melanger, Classer };

// Value ("luminosité") or saturation +/-5 points on one colour; above 99 after a step up
// becomes 100, below 1 after a step down becomes 0. Other adjustments leave c as it is.
Colour StepColour(Colour c, Adjustment step);

// Value ("luminosité") or saturation +/-5 points on Couleur2..Couleur5, all four whatever n.
void HarmonieLumPlus(Palette& palette);
void HarmonieLumMoins(Palette& palette);
void HarmonieSatPlus(Palette& palette);
void HarmonieSatMoins(Palette& palette);

// Every component of all five slots to the nearest of 0, 51, ..., 255.
int WebSafeComponent(int x);
void HarmonieWebSafe(Palette& palette);

// The last shown colour moves to the first slot.
void HarmonieCycler(Palette& palette, int n);

// A fixed permutation for 2 and 3 colours, a coin flip between two for 4 and 5.
void HarmonieMelanger(Palette& palette, int n, RandomSource& random);

// Sorts the shown colours from the lightest to the darkest; equal values keep their order.
void HarmonieClasser(Palette& palette, int n);

struct AdjustmentItem {
    Adjustment adjustment;
    std::string_view name; // as typed on the command line
};

inline constexpr std::array<AdjustmentItem, 8> kAdjustments{{
    {Adjustment::LumPlus, "lum+"},
    {Adjustment::LumMoins, "lum-"},
    {Adjustment::SatPlus, "sat+"},
    {Adjustment::SatMoins, "sat-"},
    {Adjustment::WebSafe, "websafe"},
    {Adjustment::Cycler, "cycler"},
    {Adjustment::Melanger, "melanger"},
    {Adjustment::Classer, "classer"},
}};

void ApplyAdjustment(Adjustment adjustment, Palette& palette, int n, RandomSource& random);

} // namespace oria
