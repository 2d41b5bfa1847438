#include "contrast/Proposals.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using oria::ContrastTarget;

struct Pair {
    oria::Colour text, background;
};

// Pairs that miss the target, from a fixed pseudo-random sequence: near misses, far misses,
// impossible ones, clipped blues and yellows.
std::vector<Pair> missingPairs(ContrastTarget target) {
    std::vector<Pair> out;
    unsigned x = 12345;
    auto next = [&x] {
        x = x * 1664525u + 1013904223u;
        return static_cast<oria::Colour>((x >> 8) & 0xFFFFFF);
    };
    while (out.size() < 256) {
        const Pair p{next(), next()};
        if (!oria::MeetsTarget(target, p.text, p.background)) {
            out.push_back(p);
        }
    }
    return out;
}

// One side, the text colour or the background, or both as the command line and a window ask
// for them, for one target over the pairs in turn.
template <auto Propose> void BM_Propose(benchmark::State& state) {
    const auto target = static_cast<ContrastTarget>(state.range(0));
    const std::vector<Pair> all = missingPairs(target);
    std::size_t i = 0;
    for (auto _ : state) {
        const Pair& p = all[i++ % all.size()];
        benchmark::DoNotOptimize(Propose(p.text, p.background, target));
    }
}
BENCHMARK(BM_Propose<oria::ProposeText>)
    ->Name("BM_ProposeText")
    ->DenseRange(0, 7)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Propose<oria::ProposeBackground>)
    ->Name("BM_ProposeBackground")
    ->DenseRange(0, 7)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Propose<oria::ProposeColours>)
    ->Name("BM_ProposeColours")
    ->DenseRange(0, 7)
    ->Unit(benchmark::kMicrosecond);

// The slowest kinds of line: a saturated blue text (slivers of gamut, chroma clipped both
// ways) and a yellow one, against white and black.
void BM_ProposeGamutEdge(benchmark::State& state) {
    const oria::Colour text = state.range(0) == 0 ? oria::RGB(0, 0, 255) : oria::RGB(255, 255, 0);
    const oria::Colour background =
        state.range(0) == 0 ? oria::RGB(0, 0, 0) : oria::RGB(255, 255, 255);
    for (auto _ : state) {
        benchmark::DoNotOptimize(oria::ProposeColours(text, background, ContrastTarget::Lc75));
    }
}
BENCHMARK(BM_ProposeGamutEdge)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

} // namespace
