#pragma once

#include "core/Colour.h"

#include <array>
#include <string_view>
#include <vector>

namespace oria {

// The composer's two pickable grids: the palette grid, where one component is held fixed and
// the other two step up along rows and columns, and the shade grid, which darkens a base colour
// down the rows and lightens it along each row.

// Which component the palette grid holds fixed (the slider's value).
enum class PaletteAxis { Rouge, Bleu, Vert };

struct PaletteAxisRow {
    PaletteAxis axis;
    std::string_view name; // option caption, also the command line's spelling
    // Component indexes (0 red, 1 green, 2 blue) of the fixed level, the row accumulator and
    // the cell accumulator.
    int fixed, row, cell;
};
inline constexpr std::array<PaletteAxisRow, 3> kPaletteAxes{{
    {PaletteAxis::Rouge, "rouge", 0, 1, 2},
    {PaletteAxis::Bleu, "bleu", 2, 1, 0},
    {PaletteAxis::Vert, "vert", 1, 0, 2},
}};
const PaletteAxisRow& PaletteAxisOf(PaletteAxis axis);

// The resolutions offered; both grids take one of them, anything else is std::invalid_argument.
inline constexpr std::array<int, 4> kGridCells{256, 1024, 2048, 4096};
bool IsGridCells(int cells);

// Both pictures are 3495 x 3495 twips, 15 twips a pixel.
inline constexpr double kGridTwips = 3495;

struct GridCell {
    double x, y, width, height; // twips
    Colour colour;
};

// Cells in drawing order. level is the fixed component, held to 0..255.
std::vector<GridCell> PaletteGrid(int cells, PaletteAxis axis, int level,
                                  double widthTwips = kGridTwips, double heightTwips = kGridTwips);
// base must be a colour (0..0xFFFFFF), std::invalid_argument otherwise.
std::vector<GridCell> ShadeGrid(int cells, Colour base, double widthTwips = kGridTwips,
                                double heightTwips = kGridTwips);

// Cells per row as each grid counts them (side for the palette grid, RoundHalfEven(sqrt N) for
// the shade grid; both the same): 16, 32, 45, 64. With 2048 cells a 46th row holds 23.
int GridRowLength(int cells);

} // namespace oria
