#pragma once

#include "core/Colour.h"

#include <array>
#include <optional>
#include <vector>

namespace oria {

enum class DisplayMode : int { Contraste1, Contraste2, Contraste3 };

// The mode the number of colours allows: 3 and 4 colours have no "contraste 3", 5 colours
// only "contraste 1".
DisplayMode RestrictMode(int n, DisplayMode mode);

// carre1..carre7 (index 0..6): the colour of each visible square, nothing for hidden ones.
using SquareColours = std::array<std::optional<Colour>, 7>;

// The layout for n colours in the given mode, restricted first as RestrictMode says.
SquareColours LayoutSquares(int n, DisplayMode mode, const Palette& palette);

// The darkness weight of a colour: 100 - value, at least 10.
double DarknessWeight(Colour c);

// Segment boundaries x_0 .. x_n of the proportion bar of inner width w (x_0 = 0, x_n = w):
// equal segments, or widths weighted by darkness.
std::vector<double> BarBoundaries(const Palette& palette, int n, bool weighted, double w);

struct RulerMark {
    double x;
    double length; // in the bar's units, twips for a bar 855 twips high
};

// Ten short marks (length 60) at odd twentieths, then ten long ones (100) at even ones.
std::vector<RulerMark> RulerMarks(double w);

} // namespace oria
