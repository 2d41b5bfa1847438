#include "FrameStyle.h"
#include "Bands.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QRegion>
#include <QStyleOptionFrame>

namespace oria {

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_FrameGroupBox || !frame || frame->rect.isEmpty() || !painter->device()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Everything the frame's look depends on names it.
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QString key = QStringLiteral("oria-groupbox-%1x%2@%3-%4-%5-%6-%7")
                            .arg(frame->rect.width())
                            .arg(frame->rect.height())
                            .arg(ratio)
                            .arg(int(frame->state))
                            .arg(int(frame->features) | frame->frameShape << 8)
                            .arg(frame->lineWidth | frame->midLineWidth << 16)
                            .arg(frame->palette.cacheKey());
    QPixmap drawn;
    if (!QPixmapCache::find(key, &drawn)) {
        drawn = QPixmap((QSizeF(frame->rect.size()) * ratio).toSize());
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::transparent);
        QPainter onDrawn(&drawn);
        onDrawn.setRenderHints(painter->renderHints());
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTo(0, 0);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onDrawn, widget);
        onDrawn.end();
        QPixmapCache::insert(key, drawn);
    }
    // Only the parts being repainted: copying the whole frame for a label's worth of change
    // would cost as much as drawing it.
    QRegion parts(frame->rect);
    if (const QPaintEngine* engine = painter->paintEngine(); engine && !engine->systemClip().isEmpty()) {
        const QTransform toLogical = painter->deviceTransform().inverted();
        QRegion exposed;
        for (const QRect& r : engine->systemClip()) {
            exposed += toLogical.mapRect(r);
        }
        parts &= exposed;
    }
    if (painter->hasClipping()) {
        parts &= painter->clipRegion();
    }
    DrawInBands(*painter, frame->rect.topLeft(), drawn, parts);
}

} // namespace oria
