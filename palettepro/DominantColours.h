#pragma once

#include "core/Colour.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class QImage;

namespace oria {

inline constexpr int kDominantColoursDefault = 5;
inline constexpr int kDominantColoursMax = 5;
// At most this many pixels are read, on an even grid over the whole picture.
inline constexpr int kDominantSamplePixels = 65536;

// A picture in memory: rows of 32-bit pixels 0xAARRGGBB (QImage's RGB32 and ARGB32 layout),
// `stride` pixels from the start of one row to the next. Without alpha (RGB32) the top byte
// means nothing and every pixel counts.
struct PixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
    bool hasAlpha = true;
};

// The `count` colours (1..5, clamped) the picture is mostly made of, most present first, ties
// in #RRGGBB order: k-means in OKLab over pixels read on an even grid (never blended), seeded
// the same way every time. A picture with no more than `count` distinct colours gives exactly
// those. Fully transparent pixels are not counted; an empty or fully transparent picture
// gives none.
std::vector<Colour> DominantColours(const PixelView& picture, int count = kDominantColoursDefault);
// The same for a picture as decoded or loaded in a window; formats other than RGB32 and ARGB32
// are converted first.
std::vector<Colour> DominantColours(const QImage& picture, int count = kDominantColoursDefault);
// The pixels DominantColours reads of `picture`, as a picture of at most kDominantSamplePixels
// (ARGB32 when the picture has alpha, RGB32 otherwise): what to keep of a large picture for its
// colours later, DominantColours(DominantSample(p), n) being DominantColours(p, n) for every n.
QImage DominantSample(const QImage& picture);

} // namespace oria
