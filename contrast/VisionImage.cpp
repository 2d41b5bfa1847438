#include "VisionImage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace oria {

namespace {

// Linear light on a 12-bit scale; the matrices in fixed point with 14 fraction bits, so a
// row's products stay well inside 32 bits.
constexpr int kLinearMax = 4095;
constexpr int kFractionBits = 14;

struct Tables {
    std::array<std::int32_t, 256> decode{};            // component -> 0..4095
    std::array<std::uint8_t, kLinearMax + 1> encode{}; // 0..4095 -> component
    std::array<std::array<std::array<std::int32_t, 3>, 3>, kVisions.size()> matrices{};
};

Tables buildTables() {
    Tables t;
    for (int c = 0; c < 256; ++c) {
        t.decode[static_cast<std::size_t>(c)] =
            static_cast<std::int32_t>(std::lround(LinearFromSrgb(c) * kLinearMax));
    }
    for (int v = 0; v <= kLinearMax; ++v) {
        t.encode[static_cast<std::size_t>(v)] =
            static_cast<std::uint8_t>(SrgbFromLinear(static_cast<double>(v) / kLinearMax));
    }
    for (const VisionRow& row : kVisions) {
        const LinearMatrix& m = VisionMatrix(row.vision);
        auto& fixed = t.matrices[static_cast<std::size_t>(row.vision)];
        for (std::size_t i = 0; i < 3; ++i) {
            for (std::size_t j = 0; j < 3; ++j) {
                fixed[i][j] =
                    static_cast<std::int32_t>(std::lround(m[i][j] * (1 << kFractionBits)));
            }
        }
    }
    return t;
}

const Tables& tables() {
    static const Tables t = buildTables();
    return t;
}

void convertPixels(QImage& image, Vision vision) {
    const Tables& t = tables();
    const auto& m = t.matrices[static_cast<std::size_t>(vision)];
    constexpr std::int32_t half = 1 << (kFractionBits - 1);
    auto channel = [&](const std::array<std::int32_t, 3>& row, std::int32_t r, std::int32_t g,
                       std::int32_t b) {
        const std::int32_t v = (row[0] * r + row[1] * g + row[2] * b + half) >> kFractionBits;
        return static_cast<QRgb>(t.encode[static_cast<std::size_t>(std::clamp(v, 0, kLinearMax))]);
    };
    // Pictures are made of runs (bands, grids, a plane of dots): a pixel the colour of the one
    // before takes what that one became. A cache of colours seen before cost more than it
    // saved, even on the plane.
    const int width = image.width();
    QRgb last = 0xFFFFFFFFu; // no colour: a pixel holds 24 bits
    QRgb lastShown = 0;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (QRgb* p = line; p != line + width; ++p) {
            const QRgb rgb = *p & 0x00FFFFFFu;
            if (rgb != last) {
                const std::int32_t r = t.decode[qRed(rgb)];
                const std::int32_t g = t.decode[qGreen(rgb)];
                const std::int32_t b = t.decode[qBlue(rgb)];
                last = rgb;
                lastShown = channel(m[0], r, g, b) << 16 | channel(m[1], r, g, b) << 8 |
                            channel(m[2], r, g, b);
            }
            *p = (*p & 0xFF000000u) | lastShown;
        }
    }
}

} // namespace

void SimulateVisionImage(QImage& image, Vision vision) {
    if (vision == Vision::Normale || image.isNull()) {
        return;
    }
    const QImage::Format format = image.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32) {
        convertPixels(image, vision);
        return;
    }
    image.convertTo(QImage::Format_ARGB32);
    convertPixels(image, vision);
    image.convertTo(format);
}

} // namespace oria
