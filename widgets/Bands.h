#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRegion>

#include <algorithm>
#include <type_traits>

namespace oria {

// Qt hands any drawing of more than about 96 rows to its painting threads, and waking them costs
// far more than drawing a window's pictures: a band of this many rows stays on this thread.
inline constexpr int kBandPixels = 64;

// Draws the parts of `picture` (placed at `at`) that lie in `exposed`, band by band.
template <class Picture>
void DrawInBands(QPainter& painter, QPoint at, const Picture& picture, const QRegion& exposed) {
    const qreal ratio = picture.devicePixelRatio();
    const int band = std::max(1, static_cast<int>(kBandPixels / ratio));
    const QRect whole(at, (QSizeF(picture.size()) / ratio).toSize());
    for (const QRect& r : exposed) {
        const QRect part = r & whole;
        for (int top = part.top(); top <= part.bottom(); top += band) {
            const QRect slice(part.left(), top, part.width(),
                              std::min(band, part.bottom() - top + 1));
            const QRectF source(QPointF(slice.topLeft() - at) * ratio,
                                QSizeF(slice.size()) * ratio);
            if constexpr (std::is_same_v<Picture, QImage>) {
                painter.drawImage(QRectF(slice), picture, source);
            } else {
                painter.drawPixmap(QRectF(slice), picture, source);
            }
        }
    }
}

// Calls `paint` once per band of `area`, the painter clipped to it: for a drawing that is not a
// copy (a picture stretched). Each band's pixels are those of the whole drawing. Expects a
// painter without a clip of its own.
template <class Paint> void PaintInBands(QPainter& painter, const QRect& area, Paint paint) {
    for (int top = area.top(); top <= area.bottom(); top += kBandPixels) {
        painter.setClipRect(area.left(), top, area.width(),
                            std::min(kBandPixels, area.bottom() - top + 1));
        paint();
    }
    painter.setClipping(false); // the caller's drawing after it is not cut to the last band
}

} // namespace oria
