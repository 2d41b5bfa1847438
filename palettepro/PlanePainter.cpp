#include "PlanePainter.h"

#include <QPainter>
#include <algorithm>
#include <map>
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

// The pixels of one dot, relative to its centre pixel, as runs along rows.
struct Run {
    int dy, x0, x1; // x0..x1 inclusive
};

std::vector<Run> discRuns(int width) {
    const int half = width / 2 + 4;
    QImage stamp(2 * half + 1, 2 * half + 1, QImage::Format_RGB32);
    stamp.fill(Qt::black);
    {
        QPainter painter(&stamp);
        drawDot(painter, QPoint(half, half), width, qRgb(255, 255, 255));
    }
    std::vector<Run> runs;
    for (int y = 0; y < stamp.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(stamp.constScanLine(y));
        for (int x = 0; x < stamp.width(); ++x) {
            if (line[x] == qRgb(255, 255, 255)) {
                int end = x;
                while (end + 1 < stamp.width() && line[end + 1] == line[x]) {
                    ++end;
                }
                runs.push_back({y - half, x - half, end - half});
                x = end;
            }
        }
    }
    return runs;
}

// Widths repeat from ring to ring and from plane to plane: each shape is rasterised once.
const std::vector<Run>& discShape(int width) {
    static std::mutex mutex;
    static std::map<int, std::vector<Run>> shapes;
    const std::lock_guard lock(mutex);
    auto it = shapes.find(width);
    if (it == shapes.end()) {
        it = shapes.emplace(width, discRuns(width)).first;
    }
    return it->second;
}

// pixels: the plane image's RGB32 buffer, `stride` pixels from one row to the next.
void stamp(QRgb* pixels, int stride, const std::vector<Run>& runs, QPoint at, QRgb colour) {
    const int size = kPlanePixels;
    for (const Run& run : runs) {
        const int y = at.y() + run.dy;
        if (y < 0 || y >= size) {
            continue;
        }
        const int x0 = std::max(0, at.x() + run.x0);
        const int x1 = std::min(size - 1, at.x() + run.x1);
        if (x0 > x1) {
            continue;
        }
        QRgb* line = pixels + y * stride;
        std::fill(line + x0, line + x1 + 1, colour);
    }
}

} // namespace

QImage PaintPlane(const Plane& plane, const std::function<void()>& afterRing) {
    QImage image = blankPlane(plane);
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    const int stride = static_cast<int>(image.bytesPerLine() / sizeof(QRgb));
    const std::vector<Run>* shape = nullptr;
    int shapeWidth = -1;
    for (const PlaneRing& ring : plane.rings) {
        for (const PlaneDot& dot : ring) {
            if (dot.width != shapeWidth) {
                shape = &discShape(dot.width);
                shapeWidth = dot.width;
            }
            stamp(pixels, stride, *shape, dotPixel(dot), toRgb(dot.colour));
        }
        if (afterRing) {
            afterRing();
        }
    }
    paintCorners(image);
    return image;
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
