#include "Grids.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace oria {

namespace {

void checkCells(int cells) {
    if (!IsGridCells(cells)) {
        throw std::invalid_argument("grid of " + std::to_string(cells) + " cells");
    }
}

Colour fromComponents(const std::array<int, 3>& c) {
    return RGB(c[0], c[1], c[2]);
}

} // namespace

const PaletteAxisRow& PaletteAxisOf(PaletteAxis axis) {
    return *std::find_if(kPaletteAxes.begin(), kPaletteAxes.end(),
                         [axis](const PaletteAxisRow& row) { return row.axis == axis; });
}

bool IsGridCells(int cells) {
    return std::find(kGridCells.begin(), kGridCells.end(), cells) != kGridCells.end();
}

int GridRowLength(int cells) {
    checkCells(cells);
    return RoundHalfEven(std::sqrt(static_cast<double>(cells)));
}

std::vector<GridCell> PaletteGrid(int cells, PaletteAxis axis, int level, double widthTwips,
                                  double heightTwips) {
    const int side = GridRowLength(cells);
    // Single precision on purpose: the cell edges are where this rounding puts them.
    const float cellWidth = static_cast<float>(widthTwips) / static_cast<float>(side);
    const float cellHeight = static_cast<float>(heightTwips) / static_cast<float>(side);
    const int step =
        RoundHalfEven(255.0 / RoundHalfEven(std::sqrt(static_cast<double>(cells)) - 1));
    const PaletteAxisRow& placement = PaletteAxisOf(axis);
    // The accumulators pass 255 at 2048 cells (44 x 6 = 264); the colour holds them there.
    auto component = [](int value) { return std::clamp(value, 0, 255); };

    std::vector<GridCell> out;
    out.reserve(static_cast<std::size_t>(cells));
    float x = 0, y = 0;
    int rowValue = 0, cellValue = 0;
    for (int i = 0; i < cells; ++i) {
        std::array<int, 3> rgb{};
        rgb[static_cast<std::size_t>(placement.fixed)] = component(level);
        rgb[static_cast<std::size_t>(placement.row)] = component(rowValue);
        rgb[static_cast<std::size_t>(placement.cell)] = component(cellValue);
        out.push_back({x, y, cellWidth, cellHeight, fromComponents(rgb)});
        if ((i + 1) % side == 0) {
            cellValue = 0;
            x = 0;
            y += cellHeight;
            rowValue += step;
        } else {
            x += cellWidth;
            cellValue += step;
        }
    }
    return out;
}

std::vector<GridCell> ShadeGrid(int cells, Colour base, double widthTwips, double heightTwips) {
    const int rowLength = GridRowLength(cells);
    if (base < 0 || base > RGB(255, 255, 255)) {
        throw std::invalid_argument("shade grid base " + std::to_string(base));
    }
    const double q = std::sqrt(static_cast<double>(cells));
    const double cellWidth = widthTwips / q;
    const double cellHeight = heightTwips / q;
    const double darken = 255 / q + 1;
    const double lighten = 255 / q + 2;
    const Rgb start = SplitColour(base);
    // Kept unrounded from cell to cell; only each cell's colour is rounded.
    std::array<double, 3> rgb{double(start.Rouge), double(start.Vert), double(start.Bleu)};
    std::array<double, 3> rowStart = rgb;

    std::vector<GridCell> out;
    out.reserve(static_cast<std::size_t>(cells));
    double x = 0, y = 0;
    for (int i = 0; i < cells; ++i) {
        out.push_back({x, y, cellWidth, cellHeight,
                       fromComponents(
                           {RoundHalfEven(rgb[0]), RoundHalfEven(rgb[1]), RoundHalfEven(rgb[2])})});
        if ((i + 1) % rowLength == 0) {
            for (std::size_t k = 0; k < rgb.size(); ++k) {
                rgb[k] = std::max(rowStart[k] - darken, 0.0);
            }
            rowStart = rgb;
            x = 0;
            y += cellHeight;
        } else {
            for (double& value : rgb) {
                value = std::min(value + lighten, 255.0);
            }
            x += cellWidth;
        }
    }
    return out;
}

} // namespace oria
