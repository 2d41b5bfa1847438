#include "palettes/PaletteReaders.h"

#include <benchmark/benchmark.h>

namespace {

using oria::PaletteFormat;

// A large palette, each format as the writers lay it out; the SVG sheet stays under the
// size limit.
void BM_ReadLargePalette(benchmark::State& state) {
    const auto& row = oria::kPaletteFormats[static_cast<std::size_t>(state.range(0))];
    oria::NamedPalette palette{QStringLiteral("Banc"), {}};
    for (std::size_t i = 0; i < 16384; ++i) {
        palette.colours.push_back({QStringLiteral("Couleur numéro %1").arg(i),
                                   static_cast<oria::Colour>(i * 2654435761u % 0x1000000)});
    }
    const QByteArray bytes = oria::EncodePalette(palette, row.format);
    const QString fileName = QStringLiteral("banc.") + QLatin1String(row.extension);
    for (auto _ : state) {
        benchmark::DoNotOptimize(oria::ReadPalette(fileName, bytes));
    }
    state.SetLabel(row.key);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
// Every format but the PNG sheet, which needs a display's fonts to be written.
BENCHMARK(BM_ReadLargePalette)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

} // namespace
