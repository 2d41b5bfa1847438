#include "FrameStyle.h"
#include "Bands.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QRegion>
#include <QStyleOptionFrame>
#include <QStyleOptionProgressBar>

namespace oria {

namespace {

// What `draw` paints in `option`'s rectangle, from a pixmap drawn once under `key` (which must
// name everything the look depends on), copied only where the painter repaints.
template <class Option, class Draw>
void drawCached(const QString& key, const Option& option, QPainter* painter, Draw draw) {
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QString sized = key + QStringLiteral("-%1x%2@%3-%4-%5")
                                    .arg(option.rect.width())
                                    .arg(option.rect.height())
                                    .arg(ratio)
                                    .arg(int(option.state))
                                    .arg(option.palette.cacheKey());
    QPixmap drawn;
    if (!QPixmapCache::find(sized, &drawn)) {
        drawn = QPixmap((QSizeF(option.rect.size()) * ratio).toSize());
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::transparent);
        QPainter onDrawn(&drawn);
        onDrawn.setRenderHints(painter->renderHints());
        onDrawn.setFont(painter->font());
        Option atOrigin = option;
        atOrigin.rect.moveTo(0, 0);
        draw(&atOrigin, &onDrawn);
        onDrawn.end();
        QPixmapCache::insert(sized, drawn);
    }
    // Only the parts being repainted: copying the whole frame for a label's worth of change
    // would cost as much as drawing it.
    QRegion parts(option.rect);
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
    DrawInBands(*painter, option.rect.topLeft(), drawn, parts);
}

} // namespace

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_FrameGroupBox || !frame || frame->rect.isEmpty() || !painter->device()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QString key = QStringLiteral("oria-groupbox-%1-%2")
                            .arg(int(frame->features) | frame->frameShape << 8)
                            .arg(frame->lineWidth | frame->midLineWidth << 16);
    drawCached(key, *frame, painter, [&](const QStyleOptionFrame* o, QPainter* p) {
        QProxyStyle::drawPrimitive(element, o, p, widget);
    });
}

void FrameStyle::drawControl(ControlElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
    // A bar whose minimum equals its maximum is busy, and moves by itself: drawn each time.
    if (element != CE_ProgressBar || !bar || bar->rect.isEmpty() || !painter->device() ||
        bar->minimum == bar->maximum) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QString key = QStringLiteral("oria-bar-%1-%2-%3-%4-%5-%6")
                            .arg(bar->minimum)
                            .arg(bar->maximum)
                            .arg(bar->progress)
                            .arg(int(bar->textVisible) | int(bar->invertedAppearance) << 1 |
                                 int(bar->bottomToTop) << 2 | int(bar->textAlignment) << 3)
                            .arg(painter->font().key())
                            .arg(bar->textVisible ? bar->text : QString());
    drawCached(key, *bar, painter, [&](const QStyleOptionProgressBar* o, QPainter* p) {
        QProxyStyle::drawControl(element, o, p, widget);
    });
}

} // namespace oria
