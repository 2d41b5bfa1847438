#include "palettepro/DominantColours.h"

#include <QImage>
#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// A 12-megapixel photograph stand-in: smooth gradients with grain, so that nearly every
// sampled pixel is a colour of its own (the most work for the clustering).
QImage photoSizedImage() {
    QImage image(4000, 3000, QImage::Format_RGB32);
    std::uint32_t state = 1;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = static_cast<int>(state >> 28) - 8;
            line[x] = qRgb(std::clamp(x * 255 / 3999 + grain, 0, 255),
                           std::clamp(y * 255 / 2999 - grain, 0, 255), (x / 7 + y / 5) % 256);
        }
    }
    return image;
}

// After decoding: the sample, its conversion to OKLab and the clustering.
void BM_DominantColours(benchmark::State& state) {
    const QImage image = photoSizedImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(oria::DominantColours(image, static_cast<int>(state.range(0))));
    }
}
BENCHMARK(BM_DominantColours)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace
