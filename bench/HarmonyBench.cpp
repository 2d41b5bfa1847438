#include "harmony/Adjustments.h"
#include "harmony/HarmonyDisplay.h"
#include "harmony/HarmonyEngine.h"

#include <benchmark/benchmark.h>

namespace {

// A slider drag recomputes the harmony on every step: it must stay far below a frame.
void BM_CalculerHarmonie(benchmark::State& state) {
    const auto type = static_cast<oria::HarmonyType>(state.range(0));
    oria::StdRandomSource random(1);
    oria::Colour base = 0;
    for (auto _ : state) {
        oria::Palette palette{base, 0, 0, 0, 0};
        oria::CalculerHarmonie(palette, type, 5, 1.5, random);
        benchmark::DoNotOptimize(palette);
        base = (base + 0x010203) & 0xFFFFFF;
    }
}
BENCHMARK(BM_CalculerHarmonie)->DenseRange(0, 9);

void BM_RoundTrip(benchmark::State& state) {
    oria::Colour c = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(oria::HsvToColour(oria::ColourToHsv(c)));
        c = (c + 0x0F0E0D) & 0xFFFFFF;
    }
}
BENCHMARK(BM_RoundTrip);

void BM_ClasserAndBar(benchmark::State& state) {
    oria::Palette palette{0x102030, 0xF0E0D0, 0x808080, 0x00FF00, 0x123456};
    for (auto _ : state) {
        oria::HarmonieClasser(palette, 5);
        benchmark::DoNotOptimize(oria::BarBoundaries(palette, 5, true, 5895));
    }
}
BENCHMARK(BM_ClasserAndBar);

} // namespace
