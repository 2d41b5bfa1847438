#include "PlanePainter.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace oria {

namespace {

QRgb toRgb(Colour c) {
    const Rgb rgb = SplitColour(c);
    return qRgb(rgb.Rouge, rgb.Vert, rgb.Bleu);
}

QImage blankPlane(const Plane& plane) {
    QImage image(kPlanePixels, kPlanePixels, QImage::Format_RGB32);
    image.fill(toRgb(plane.background));
    return image;
}

QPoint dotPixel(const PlaneDot& dot) {
    return QPoint(PlanePixel(dot.x), PlanePixel(dot.y));
}

// A round dot as the painter draws it: a point with a round pen `width` pixels wide.
void drawDot(QPainter& painter, QPoint at, int width, QRgb colour) {
    painter.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoint(at);
}

void paintCorners(QImage& image) {
    QPainter painter(&image);
    for (const CornerSquare& s : kCornerSquares) {
        painter.fillRect(QRect(QPoint(PlanePixel(s.left), PlanePixel(s.top)),
                               QPoint(PlanePixel(s.right), PlanePixel(s.bottom))),
                         QColor(toRgb(s.colour)));
    }
}

// The pixels of one dot, relative to its centre pixel, as runs along rows, and the box
// they fill.
struct Run {
    int dy, x0, x1; // x0..x1 inclusive
};
struct Disc {
    std::vector<Run> runs;
    int top = 0, bottom = 0, left = 0, right = 0;
};

Disc discOf(int width) {
    const int half = width / 2 + 4;
    QImage stamp(2 * half + 1, 2 * half + 1, QImage::Format_RGB32);
    stamp.fill(Qt::black);
    {
        QPainter painter(&stamp);
        drawDot(painter, QPoint(half, half), width, qRgb(255, 255, 255));
    }
    Disc disc;
    for (int y = 0; y < stamp.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(stamp.constScanLine(y));
        for (int x = 0; x < stamp.width(); ++x) {
            if (line[x] == qRgb(255, 255, 255)) {
                int end = x;
                while (end + 1 < stamp.width() && line[end + 1] == line[x]) {
                    ++end;
                }
                disc.runs.push_back({y - half, x - half, end - half});
                disc.top = std::min(disc.top, y - half);
                disc.bottom = std::max(disc.bottom, y - half);
                disc.left = std::min(disc.left, x - half);
                disc.right = std::max(disc.right, end - half);
                x = end;
            }
        }
    }
    return disc;
}

// Widths repeat from ring to ring and from plane to plane: each shape is rasterised once.
const Disc& discShape(int width) {
    static std::mutex mutex;
    static std::map<int, Disc> shapes;
    const std::lock_guard lock(mutex);
    auto it = shapes.find(width);
    if (it == shapes.end()) {
        it = shapes.emplace(width, discOf(width)).first;
    }
    return it->second;
}

// Where a plane's dots lie and how wide, in drawing order.
struct DotPlace {
    double x, y;
    int width;
};

// Which dot shows at each pixel: 1 + the index in drawing order of the last dot drawn over
// it, 0 where none lies.
using DotMap = std::vector<std::uint32_t>;

// Sets the n values from p on, four at a time, the last four overlapping those before.
void fillRun(std::uint32_t* p, int n, std::uint32_t value) {
    if (n < 4) {
        std::fill(p, p + n, value);
        return;
    }
    const std::array<std::uint32_t, 4> four{value, value, value, value};
    std::uint32_t* const last = p + n - 4;
    for (; p < last; p += 4) {
        std::memcpy(p, four.data(), sizeof four);
    }
    std::memcpy(last, four.data(), sizeof four);
}

DotMap mapOf(const std::vector<DotPlace>& dots) {
    constexpr int kSize = kPlanePixels;
    DotMap map(kSize * kSize, 0);
    const Disc* shape = nullptr;
    int shapeWidth = -1;
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const DotPlace& dot = dots[i];
        if (dot.width != shapeWidth) {
            shape = &discShape(dot.width);
            shapeWidth = dot.width;
        }
        const int cx = PlanePixel(dot.x);
        const int cy = PlanePixel(dot.y);
        const auto index = static_cast<DotMap::value_type>(i + 1);
        if (cx + shape->left >= 0 && cx + shape->right < kSize && cy + shape->top >= 0 &&
            cy + shape->bottom < kSize) {
            // Wholly inside the picture, as nearly every dot is: no clipping.
            std::uint32_t* const centre = map.data() + cy * kSize + cx;
            for (const Run& run : shape->runs) {
                fillRun(centre + run.dy * kSize + run.x0, run.x1 - run.x0 + 1, index);
            }
            continue;
        }
        for (const Run& run : shape->runs) {
            const int y = cy + run.dy;
            const int x0 = std::max(0, cx + run.x0);
            const int x1 = std::min(kSize - 1, cx + run.x1);
            if (y >= 0 && y < kSize && x0 <= x1) {
                fillRun(map.data() + y * kSize + x0, x1 - x0 + 1, index);
            }
        }
    }
    return map;
}

struct Layout {
    std::vector<DotPlace> dots;
    DotMap map;
};

bool sameDots(const Plane& plane, const std::vector<DotPlace>& dots) {
    std::size_t i = 0;
    for (const PlaneRing& ring : plane.rings) {
        if (ring.size() > dots.size() - i) {
            return false;
        }
        for (const PlaneDot& dot : ring) {
            const DotPlace& d = dots[i++];
            if (dot.x != d.x || dot.y != d.y || dot.width != d.width) {
                return false;
            }
        }
    }
    return i == dots.size();
}

std::shared_ptr<const Layout> layoutOf(const Plane& plane) {
    auto layout = std::make_shared<Layout>();
    std::size_t dots = 0;
    for (const PlaneRing& ring : plane.rings) {
        dots += ring.size();
    }
    layout->dots.reserve(dots);
    for (const PlaneRing& ring : plane.rings) {
        for (const PlaneDot& dot : ring) {
            layout->dots.push_back({dot.x, dot.y, dot.width});
        }
    }
    layout->map = mapOf(layout->dots);
    return layout;
}

// The dots' places do not depend on the level: a level change paints the same layout in new
// colours. The last few layouts are kept, each found again by comparing the dots themselves.
struct KeptLayouts {
    std::mutex mutex;
    std::vector<std::shared_ptr<const Layout>> layouts; // the last used first
};
KeptLayouts& keptLayouts() {
    static KeptLayouts kept;
    return kept;
}

std::shared_ptr<const Layout> cachedLayout(const Plane& plane) {
    // Three resolutions, two layouts each: saturation and luminosité lay their dots alike.
    constexpr std::size_t kKept = 6;
    KeptLayouts& kept = keptLayouts();
    {
        const std::lock_guard lock(kept.mutex);
        auto& layouts = kept.layouts;
        for (auto it = layouts.begin(); it != layouts.end(); ++it) {
            if (sameDots(plane, (*it)->dots)) {
                std::rotate(layouts.begin(), it, it + 1);
                return layouts.front();
            }
        }
    }
    std::shared_ptr<const Layout> layout = layoutOf(plane);
    const std::lock_guard lock(kept.mutex);
    kept.layouts.insert(kept.layouts.begin(), layout);
    if (kept.layouts.size() > kKept) {
        kept.layouts.pop_back();
    }
    return layout;
}

} // namespace

QImage PaintPlane(const Plane& plane, const std::function<void()>& afterRing) {
    const std::shared_ptr<const Layout> layout = cachedLayout(plane);
    // colours[0] is the background, colours[1 + i] dot i's.
    std::vector<QRgb> colours;
    colours.reserve(layout->dots.size() + 1);
    colours.push_back(toRgb(plane.background));
    for (const PlaneRing& ring : plane.rings) {
        for (const PlaneDot& dot : ring) {
            colours.push_back(toRgb(dot.colour));
        }
        if (afterRing) {
            afterRing();
        }
    }
    QImage image(kPlanePixels, kPlanePixels, QImage::Format_RGB32);
    for (int y = 0; y < kPlanePixels; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* dots = layout->map.data() + y * kPlanePixels;
        for (int x = 0; x < kPlanePixels; ++x) {
            line[x] = colours[dots[x]];
        }
    }
    paintCorners(image);
    return image;
}

void ForgetPlaneLayouts() {
    KeptLayouts& kept = keptLayouts();
    const std::lock_guard lock(kept.mutex);
    kept.layouts.clear();
}

QImage PaintPlaneDotByDot(const Plane& plane) {
    QImage image = blankPlane(plane);
    {
        QPainter painter(&image);
        for (const PlaneRing& ring : plane.rings) {
            for (const PlaneDot& dot : ring) {
                drawDot(painter, dotPixel(dot), dot.width, toRgb(dot.colour));
            }
        }
    }
    paintCorners(image);
    return image;
}

Colour PlaneColourAt(const QImage& image, int x, int y) {
    if (!image.valid(x, y)) {
        return -1;
    }
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

} // namespace oria
