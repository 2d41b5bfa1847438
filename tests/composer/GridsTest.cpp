#include "composer/Grids.h"
#include "composer/GridPainter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace oria {
namespace {

constexpr Colour kBack = RGB(1, 2, 3); // in none of the grids below

constexpr Colour grey(int v) {
    return RGB(v, v, v);
}

Colour at(const std::vector<GridCell>& grid, int row, int column) {
    const int rowLength = GridRowLength(static_cast<int>(grid.size()));
    return grid.at(static_cast<std::size_t>(row * rowLength + column)).colour;
}

TEST(PaletteGrid, CornersPerAxis) {
    const struct {
        PaletteAxis axis;
        int level;
        Colour topLeft, topRight, bottomLeft;
    } cases[] = {
        {PaletteAxis::Rouge, 127, RGB(127, 0, 0), RGB(127, 0, 255), RGB(127, 255, 0)},
        {PaletteAxis::Bleu, 40, RGB(0, 0, 40), RGB(255, 0, 40), RGB(0, 255, 40)},
        {PaletteAxis::Vert, 200, RGB(0, 200, 0), RGB(0, 200, 255), RGB(255, 200, 0)},
        {PaletteAxis::Rouge, 300, RGB(255, 0, 0), RGB(255, 0, 255), RGB(255, 255, 0)}, // held
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        const auto grid = PaletteGrid(256, c.axis, c.level);
        EXPECT_EQ(at(grid, 0, 0), c.topLeft);
        EXPECT_EQ(at(grid, 0, 15), c.topRight);
        EXPECT_EQ(at(grid, 15, 0), c.bottomLeft);
    }
}

TEST(Grids, RowsStepsAndEdgesPerResolution) {
    const struct {
        int cells, rowLength, step, lastRowCells;
        int rowEndBlue;    // palette: the last cell of a row, held at 255 (44 x 6 = 264)
        double shadeStrip; // twips the shade grid leaves at the right of each row
    } cases[] = {
        {256, 16, 17, 16, 255, 0},
        {1024, 32, 8, 32, 248, 0},
        {2048, 45, 6, 23, 255, 3495 - 45 * 3495 / std::sqrt(2048.0)},
        {4096, 64, 4, 64, 252, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cells);
        EXPECT_EQ(GridRowLength(c.cells), c.rowLength);
        const auto palette = PaletteGrid(c.cells, PaletteAxis::Rouge, 0);
        const auto shade = ShadeGrid(c.cells, RGB(51, 102, 204));
        ASSERT_EQ(palette.size(), static_cast<std::size_t>(c.cells));
        ASSERT_EQ(shade.size(), static_cast<std::size_t>(c.cells));
        EXPECT_EQ(at(palette, 0, 1), RGB(0, 0, c.step));
        EXPECT_EQ(at(palette, 1, 0), RGB(0, c.step, 0));
        EXPECT_EQ(at(palette, 0, c.rowLength - 1), RGB(0, 0, c.rowEndBlue));
        const double cellWidth = 3495.0f / static_cast<float>(c.rowLength);
        EXPECT_NEAR(palette.back().x, (c.lastRowCells - 1) * cellWidth, 0.01);
        EXPECT_NEAR(palette.back().y, (c.cells - 1) / c.rowLength * cellWidth, 0.01);
        const GridCell& shadeRowEnd = shade[static_cast<std::size_t>(c.rowLength - 1)];
        EXPECT_NEAR(kGridTwips - shadeRowEnd.x - shadeRowEnd.width, c.shadeStrip, 1e-6);
    }
}

TEST(ShadeGrid, RowsDarkenDownAndLightenAlong) {
    // Base black: every row 0, 17.9375, 35.875 ... rounded half to even per cell (143.5 -> 144).
    const int blackRow[] = {0,   18,  36,  54,  72,  90,  108, 126,
                            144, 161, 179, 197, 215, 233, 251, 255};
    const auto black = ShadeGrid(256, grey(0));
    for (int row : {0, 1, 15}) {
        for (int column = 0; column < 16; ++column) {
            EXPECT_EQ(at(black, row, column), grey(blackRow[column])) << row << "," << column;
        }
    }
    // Base white: the first row white throughout, row k starting at 255 - k x 16.9375.
    const auto white = ShadeGrid(256, grey(255));
    EXPECT_EQ(at(white, 0, 15), grey(255));
    const struct {
        int row, first, second; // 119.5 -> 120 and 120.5 -> 120
    } whiteRows[] = {{0, 255, 255}, {1, 238, 255}, {8, 120, 137}, {9, 103, 120}, {15, 1, 19}};
    for (const auto& c : whiteRows) {
        EXPECT_EQ(at(white, c.row, 0), grey(c.first)) << c.row;
        EXPECT_EQ(at(white, c.row, 1), grey(c.second)) << c.row;
    }
    // Each component on its own: red held at 255, green held at 0.
    const auto mixed = ShadeGrid(256, RGB(255, 0, 128));
    EXPECT_EQ(at(mixed, 0, 1), RGB(255, 18, 146));
    EXPECT_EQ(at(mixed, 1, 0), RGB(238, 0, 111));
}

TEST(Grids, RejectWhatTheyCannotDraw) {
    EXPECT_THROW(PaletteGrid(100, PaletteAxis::Rouge, 127), std::invalid_argument);
    EXPECT_THROW(ShadeGrid(256, -1), std::invalid_argument);
}

TEST(GridPainter, PixelCentresDecideWhichCellOwnsAPixel) {
    const struct {
        double x, width;
        const char* covered; // 4 columns, "#" for the cell
    } cases[] = {
        {7.5, 15, "#..."}, // a centre on the left edge is in, one on the right edge out
        {7.6, 15, ".#.."},
        {0, 7.4, "...."},
        {-100, 1000, "####"},
    };
    for (const auto& c : cases) {
        const QImage image = PaintGrid({{c.x, 0, c.width, 15, RGB(9, 9, 9)}}, {4, 1}, kBack);
        std::string covered;
        for (int column = 0; column < 4; ++column) {
            covered += GridColourAt(image, {column, 0}) == RGB(9, 9, 9) ? '#' : '.';
        }
        EXPECT_EQ(covered, c.covered) << c.x;
    }
    EXPECT_EQ(GridColourAt(PaintGrid({}, {4, 1}, kBack), {4, 0}), -1);
}

TEST(GridPainter, EveryCellShowsItsColourWithoutGaps) {
    const std::vector<GridCell> grids[] = {PaletteGrid(256, PaletteAxis::Rouge, 127),
                                           ShadeGrid(256, RGB(51, 102, 204)),
                                           PaletteGrid(4096, PaletteAxis::Vert, 127)};
    for (const auto& grid : grids) {
        const QImage image = PaintGrid(grid, {233, 233}, kBack);
        std::set<Colour> colours;
        for (const GridCell& cell : grid) {
            colours.insert(cell.colour);
            const QPoint centre(static_cast<int>((cell.x + cell.width / 2) / 15),
                                static_cast<int>((cell.y + cell.height / 2) / 15));
            EXPECT_EQ(GridColourAt(image, centre), cell.colour);
        }
        int foreign = 0;
        for (int y = 0; y < 233; ++y) {
            for (int x = 0; x < 233; ++x) {
                foreign += colours.count(GridColourAt(image, {x, y})) == 0 ? 1 : 0;
            }
        }
        EXPECT_EQ(foreign, 0) << grid.size();
    }
}

} // namespace
} // namespace oria
