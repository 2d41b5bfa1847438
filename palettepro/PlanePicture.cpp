#include "PlanePicture.h"
#include "widgets/Bands.h"

#include "PlanePainter.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace oria {

namespace {
QPoint pixel(PlanePoint p) {
    return QPoint(PlanePixel(p.x), PlanePixel(p.y));
}
} // namespace

PlanePicture::PlanePicture(QWidget* parent, const QString& name) : ColourPicture(parent, name) {
    setFixedSize(kPlanePixels + 2 * kInset, kPlanePixels + 2 * kInset);
    plane_ = QImage(kPlanePixels, kPlanePixels, QImage::Format_RGB32);
    plane_.fill(Qt::gray);
    overlay_ = plane_;
}

void PlanePicture::setPlane(const QImage& plane) {
    plane_ = plane.convertToFormat(QImage::Format_RGB32);
    clearOverlay();
}

void PlanePicture::clearOverlay() {
    overlay_ = plane_;
    update();
}

QByteArray PlanePicture::overlayDifference() const {
    QByteArray difference;
    if (overlay_.constBits() == plane_.constBits()) {
        return difference; // still shared: nothing drawn
    }
    const int pixels = plane_.width() * plane_.height();
    const auto* plane = reinterpret_cast<const quint32*>(plane_.constBits());
    const auto* overlay = reinterpret_cast<const quint32*>(overlay_.constBits());
    for (int i = 0; i < pixels; ++i) {
        if (plane[i] != overlay[i]) {
            const quint32 entry[2] = {static_cast<quint32>(i), overlay[i]};
            difference.append(reinterpret_cast<const char*>(entry), sizeof entry);
        }
    }
    return difference;
}

void PlanePicture::setOverlayDifference(const QByteArray& difference) {
    overlay_ = plane_;
    if (!difference.isEmpty()) {
        auto* overlay = reinterpret_cast<quint32*>(overlay_.bits());
        const int pixels = plane_.width() * plane_.height();
        const auto* entries = reinterpret_cast<const quint32*>(difference.constData());
        for (qsizetype k = 0; k + 1 < difference.size() / 4; k += 2) {
            if (entries[k] < static_cast<quint32>(pixels)) {
                overlay[entries[k]] = entries[k + 1];
            }
        }
    }
    update();
}

void PlanePicture::invert(const std::vector<Segment>& lines) {
    draw(lines, 1, true);
}

void PlanePicture::drawBlack(const std::vector<Segment>& lines, int width) {
    draw(lines, width, false);
}

void PlanePicture::draw(const std::vector<Segment>& lines, int width, bool inverting) {
    if (lines.empty()) {
        return;
    }
    QPainter painter(&overlay_);
    // Black through "not (pen xor pixel)" inverts the pixel; a second pass undoes it.
    if (inverting) {
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    }
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    // Inverted lines go through Qt's span filler, which hands any batch of more than about 96
    // spans to its thread pool, and waking it costs far more than the line. Drawn tile by tile,
    // a line's batch stays small; its pixels are the same.
    const int side = inverting ? kBandPixels : std::max(overlay_.width(), overlay_.height());
    for (int top = 0; top < overlay_.height(); top += side) {
        for (int left = 0; left < overlay_.width(); left += side) {
            const QRect tile(left, top, side, side);
            if (inverting) {
                painter.setClipRect(tile);
            }
            for (const Segment& s : lines) {
                const QPoint a = pixel(s.from);
                const QPoint b = pixel(s.to);
                const QRect box = QRect(a, b).normalized();
                if (!box.adjusted(-width, -width, width, width).intersects(tile)) {
                    continue;
                }
                if (s.box) {
                    painter.drawRect(box);
                } else if (a != b) {
                    // A line of no length draws nothing, as on the plane it would leave a dot behind.
                    painter.drawLine(a, b);
                }
            }
        }
    }
    update();
}

Colour PlanePicture::planeColourAt(PlanePoint p) const {
    return PlaneColourAt(plane_, PlanePixel(p.x), PlanePixel(p.y));
}

Colour PlanePicture::colourAt(QPoint p) const {
    return PlaneColourAt(plane_, p.x() - kInset, p.y() - kInset);
}

PlanePoint PlanePicture::toPlane(QPoint p) {
    return {static_cast<double>((p.x() - kInset) * kPlaneTwipsPerPixel),
            static_cast<double>((p.y() - kInset) * kPlaneTwipsPerPixel)};
}

void PlanePicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    DrawInBands(painter, QPoint(kInset, kInset), displayedOverlay(), event->region());
}

const QImage& PlanePicture::displayedOverlay() const {
    const QImage& plane = shownVersion(plane_);
    if (&plane == &plane_ || overlay_.constBits() == plane_.constBits()) {
        return &plane == &plane_ ? overlay_ : plane; // no filter, or no figure
    }
    if (overlayShownKey_ == overlay_.cacheKey() && overlayShownPlaneKey_ == plane.cacheKey()) {
        return overlayShown_;
    }
    // The figure's pixels in a row of their own, converted, then put in their places.
    const int pixels = plane_.width() * plane_.height();
    const auto* held = reinterpret_cast<const QRgb*>(plane_.constBits());
    const auto* drawn = reinterpret_cast<const QRgb*>(overlay_.constBits());
    std::vector<int> places;
    for (int i = 0; i < pixels; ++i) {
        if (held[i] != drawn[i]) {
            places.push_back(i);
        }
    }
    copyInto(overlayShown_, plane);
    if (!places.empty()) {
        QImage figure(static_cast<int>(places.size()), 1, QImage::Format_RGB32);
        auto* row = reinterpret_cast<QRgb*>(figure.bits());
        for (std::size_t k = 0; k < places.size(); ++k) {
            row[k] = drawn[places[k]];
        }
        const QImage seen = displayed(figure);
        const auto* seenRow = reinterpret_cast<const QRgb*>(seen.constBits());
        auto* shown = reinterpret_cast<QRgb*>(overlayShown_.bits());
        for (std::size_t k = 0; k < places.size(); ++k) {
            shown[places[k]] = seenRow[k];
        }
    }
    overlayShownKey_ = overlay_.cacheKey();
    overlayShownPlaneKey_ = plane.cacheKey();
    return overlayShown_;
}

void PlanePicture::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit pressed(event->button(), toPlane(pos), pos);
    emit mousePressed(event->button(), pos);
}

void PlanePicture::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit moved(event->buttons(), toPlane(pos), pos);
}

void PlanePicture::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit released(event->button(), toPlane(pos), pos, event->buttons());
}

} // namespace oria
