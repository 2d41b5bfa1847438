#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRegion>

#include <algorithm>
#include <type_traits>

namespace oria {

// Draws the parts of `picture` (placed at `at`) that lie in `exposed`, in bands of at most 64
// pixel rows. Qt hands the copy of anything taller to its painting threads, and waking them
// costs far more than the copy of a window's pictures: a band stays on this thread.
template <class Picture>
void DrawInBands(QPainter& painter, QPoint at, const Picture& picture, const QRegion& exposed) {
    constexpr int kBandPixels = 64;
    const qreal ratio = picture.devicePixelRatio();
    const int band = std::max(1, static_cast<int>(kBandPixels / ratio));
    const QRect whole(at, (QSizeF(picture.size()) / ratio).toSize());
    for (const QRect& r : exposed) {
        const QRect part = r & whole;
        for (int top = part.top(); top <= part.bottom(); top += band) {
            const QRect slice(part.left(), top, part.width(), std::min(band, part.bottom() - top + 1));
            const QRectF source(QPointF(slice.topLeft() - at) * ratio, QSizeF(slice.size()) * ratio);
            if constexpr (std::is_same_v<Picture, QImage>) {
                painter.drawImage(QRectF(slice), picture, source);
            } else {
                painter.drawPixmap(QRectF(slice), picture, source);
            }
        }
    }
}

} // namespace oria
