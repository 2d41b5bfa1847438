#include "composer/Grids.h"
#include "composer/GridPainter.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

#include <set>

namespace oria {
namespace {

constexpr Colour kBack = RGB(1, 2, 3); // in none of the grids below

// Every cell of the 256-cell grids, row by row. Shade rows step by 17.9375 from black, and
// from 255 - k x 16.9375 on white, each cell rounded half to even (143.5 -> 144, 119.5 -> 120
// and 120.5 -> 120); each component on its own, held to 0..255. Then per resolution: the row
// length, the palette's steps (the last cell of a row held at 255: 44 x 6 = 264), where its
// last cell lies, and the twips the shade grid leaves at the right of each row.
TEST(Grids, ColoursOfEveryCellRowsStepsAndEdgesPerResolution) {
    QString text;
    auto addRows = [&](const QString& title, const std::vector<GridCell>& grid) {
        text += title + QLatin1Char('\n');
        for (std::size_t i = 0; i < grid.size(); ++i) {
            text += QString::fromStdString(HexText(grid[i].colour)) +
                    QLatin1Char(i % 16 == 15 ? '\n' : ' ');
        }
    };
    const std::pair<PaletteAxis, int> palettes[] = {{PaletteAxis::Rouge, 127},
                                                    {PaletteAxis::Bleu, 40},
                                                    {PaletteAxis::Vert, 200},
                                                    {PaletteAxis::Rouge, 300}}; // held at 255
    for (const auto& [axis, level] : palettes) {
        addRows(QStringLiteral("palette %1 %2").arg(PaletteAxisOf(axis).name.data()).arg(level),
                PaletteGrid(256, axis, level));
    }
    for (const Colour base : {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 128)}) {
        addRows("nuances de " + QString::fromStdString(HexText(base)), ShadeGrid(256, base));
    }
    for (const int cells : kGridCells) {
        const int length = GridRowLength(cells);
        const auto palette = PaletteGrid(cells, PaletteAxis::Rouge, 0);
        const auto shade = ShadeGrid(cells, RGB(51, 102, 204));
        const GridCell& shadeRowEnd = shade[static_cast<std::size_t>(length - 1)];
        text += QString::asprintf(
            "%d cellules (%zu, %zu): rangée %d, %s %s %s, dernière à %.2f %.2f, bord %.6f\n", cells,
            palette.size(), shade.size(), length, HexText(palette[1].colour).c_str(),
            HexText(palette[length].colour).c_str(), HexText(palette[length - 1].colour).c_str(),
            palette.back().x, palette.back().y, kGridTwips - shadeRowEnd.x - shadeRowEnd.width);
    }
    test::ExpectGolden("composer/grids", text);
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
