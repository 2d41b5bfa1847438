#include "composer/GridPainter.h"
#include "composer/Grids.h"

#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// Engine and painting together, as a change of resolution or of a slider repaints a grid.
void BM_PaletteGrid(benchmark::State& state) {
    const int cells = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            oria::PaintGrid(oria::PaletteGrid(cells, oria::PaletteAxis::Rouge, 127)));
    }
}
BENCHMARK(BM_PaletteGrid)->Arg(256)->Arg(4096)->Unit(benchmark::kMicrosecond);

void BM_ShadeGrid(benchmark::State& state) {
    const int cells = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(oria::PaintGrid(oria::ShadeGrid(cells, oria::RGB(51, 102, 204))));
    }
}
BENCHMARK(BM_ShadeGrid)->Arg(256)->Arg(4096)->Unit(benchmark::kMicrosecond);

// The baseline: one QPainter::fillRect per cell over the same pixel rectangles.
QImage paintWithPainter(const std::vector<oria::GridCell>& cells) {
    QImage image(233, 233, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    auto edge = [](double twips) { return static_cast<int>(std::ceil(twips / 15 - 0.5)); };
    for (const oria::GridCell& cell : cells) {
        const int x = edge(cell.x), y = edge(cell.y);
        const oria::Rgb c = oria::SplitColour(cell.colour);
        painter.fillRect(x, y, edge(cell.x + cell.width) - x, edge(cell.y + cell.height) - y,
                         QColor(c.Rouge, c.Vert, c.Bleu));
    }
    return image;
}

// Painting alone, the grid computed once: the buffer fill against the painter baseline.
template <QImage (*Paint)(const std::vector<oria::GridCell>&)>
void BM_PaintOnly(benchmark::State& state) {
    const auto grid =
        oria::PaletteGrid(static_cast<int>(state.range(0)), oria::PaletteAxis::Rouge, 127);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Paint(grid));
    }
}
QImage direct(const std::vector<oria::GridCell>& cells) {
    return oria::PaintGrid(cells);
}
BENCHMARK(BM_PaintOnly<direct>)
    ->Name("BM_GridPaintOnly")
    ->Arg(256)
    ->Arg(4096)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintOnly<paintWithPainter>)
    ->Name("BM_GridPaintOnlyFillRect")
    ->Arg(256)
    ->Arg(4096)
    ->Unit(benchmark::kMicrosecond);

} // namespace
