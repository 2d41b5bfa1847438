#include "contrast/VisionImage.h"
#include "palettepro/PlanePainter.h"

#include <benchmark/benchmark.h>

namespace {

using oria::Vision;

// A picture the size of the colour disc, every pixel a different colour.
QImage discSizedImage() {
    QImage image(350, 350, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 255 / 349, y * 255 / 349, (x + y) % 256));
        }
    }
    return image;
}

// A picture as the windows show them: bands of a few colours.
QImage bandsImage() {
    QImage image(350, 350, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(40 * (x / 50), 200 - 30 * (y / 70), 90));
        }
    }
    return image;
}

// The colour disc in "haute", as Razezev Aru shows it.
QImage planeImage() {
    return oria::PaintPlane(oria::GenererPlan(oria::Resolution::Haute, oria::PlaneMode::Saturation, 100))
        .convertToFormat(QImage::Format_RGB32);
}

// In place, again and again (each time from the original, as the windows do).
template <QImage (*Make)()> void BM_VisionImage(benchmark::State& state) {
    const auto vision = static_cast<Vision>(state.range(0));
    const QImage original = Make();
    for (auto _ : state) {
        QImage image = original.copy();
        oria::SimulateVisionImage(image, vision);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_VisionImage<discSizedImage>)
    ->Name("BM_VisionImage/AllDistinct")
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VisionImage<planeImage>)
    ->Name("BM_VisionImage/Plane")
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VisionImage<bandsImage>)
    ->Name("BM_VisionImage/Bands")
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMicrosecond);

// The baseline: one SimulateVision per pixel.
void BM_VisionPixelByPixel(benchmark::State& state) {
    const auto vision = static_cast<Vision>(state.range(0));
    QImage image = discSizedImage();
    for (auto _ : state) {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const oria::Colour c = oria::SimulateVision(
                    oria::RGB(qRed(line[x]), qGreen(line[x]), qBlue(line[x])), vision);
                line[x] = qRgb(c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
            }
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_VisionPixelByPixel)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

} // namespace
