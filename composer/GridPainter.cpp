#include "GridPainter.h"

#include <algorithm>
#include <cmath>

namespace oria {

namespace {

constexpr double kTwipsPerPixel = 15;

QRgb toRgb(Colour c) {
    const Rgb rgb = SplitColour(c);
    return qRgb(rgb.Rouge, rgb.Vert, rgb.Bleu);
}

// The first pixel whose centre lies at or after `twips`, held to 0..limit.
int firstPixelFrom(double twips, int limit) {
    const double pixel = std::ceil(twips / kTwipsPerPixel - 0.5);
    // Clamped as a double so that far-off or non-finite edges never overflow the cast.
    return static_cast<int>(std::clamp(std::isnan(pixel) ? 0.0 : pixel, 0.0, double(limit)));
}

} // namespace

QImage PaintGrid(const std::vector<GridCell>& cells, QSize pixels, Colour background) {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(toRgb(background));
    const int width = image.width();
    const int height = image.height();
    if (width == 0 || height == 0) {
        return image;
    }
    // Rows of pixels written straight into the buffer: one painter call per cell costs more
    // than the whole grid.
    auto* pixelsBase = reinterpret_cast<QRgb*>(image.bits());
    const auto stride = static_cast<std::ptrdiff_t>(image.bytesPerLine() / sizeof(QRgb));
    for (const GridCell& cell : cells) {
        if (cell.colour < 0) {
            continue;
        }
        const int x0 = firstPixelFrom(cell.x, width);
        const int x1 = firstPixelFrom(cell.x + cell.width, width);
        const int y0 = firstPixelFrom(cell.y, height);
        const int y1 = firstPixelFrom(cell.y + cell.height, height);
        const QRgb colour = toRgb(cell.colour);
        for (int y = y0; y < y1; ++y) {
            QRgb* line = pixelsBase + y * stride;
            std::fill(line + x0, line + std::max(x0, x1), colour);
        }
    }
    return image;
}

Colour GridColourAt(const QImage& image, QPoint pixel) {
    if (!image.valid(pixel)) {
        return -1;
    }
    const QRgb p = image.pixel(pixel);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

} // namespace oria
