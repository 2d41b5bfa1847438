#include "ColourPicture.h"
#include "Bands.h"

#include "Accessibility.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace oria {

ColourPicture::ColourPicture(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourPicture::setBackgroundColour(Colour c) {
    if (c == background_) {
        return;
    }
    background_ = c;
    if (saysColour_) {
        setAccessibleDescription(ColourDescription(c));
    }
    invalidate();
}

void ColourPicture::setSaysColour(bool on) {
    saysColour_ = on;
    setAccessibleDescription(on ? ColourDescription(background_) : QString());
}

void ColourPicture::setBorder(bool on) {
    if (on == border_) {
        return;
    }
    border_ = on;
    invalidate();
}

void ColourPicture::invalidate() {
    dirty_ = true;
    update();
}

const QImage& ColourPicture::image() const {
    // Kept at the screen's density so that edges and ruler marks stay sharp.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size().expandedTo(QSize(1, 1))) * ratio).toSize();
    if (dirty_ || image_.size() != pixels) {
        if (image_.size() != pixels) {
            image_ = QImage(pixels, QImage::Format_RGB32);
        }
        image_.setDevicePixelRatio(ratio);
        image_.fill(ToQColor(background_));
        QPainter painter(&image_);
        const_cast<ColourPicture*>(this)->paintContent(painter);
        if (border_) {
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(0, 0, width() - 1, height() - 1));
        }
        dirty_ = false;
    }
    return image_;
}

Colour ColourPicture::colourAt(QPoint p) const {
    if (!rect().contains(p)) {
        return -1;
    }
    const QImage& shown = image();
    const QPoint pixel = (QPointF(p) * shown.devicePixelRatio()).toPoint();
    return FromQColor(shown.pixelColor(std::min(pixel.x(), shown.width() - 1),
                                       std::min(pixel.y(), shown.height() - 1)));
}

namespace {
std::function<void(QImage&)>& displayFilter() {
    static std::function<void(QImage&)> filter;
    return filter;
}
// Names the filter: a picture's conversion through the same filter is kept, so that going
// back to a vision seen before converts only the pictures that changed since.
int& filterKey() {
    static int key = 0;
    return key;
}
} // namespace

void ColourPicture::setDisplayFilter(std::function<void(QImage&)> filter, int key) {
    displayFilter() = std::move(filter);
    filterKey() = displayFilter() ? key : 0;
    for (QWidget* w : QApplication::allWidgets()) {
        if (auto* picture = qobject_cast<ColourPicture*>(w)) {
            picture->update();
        }
    }
}

QImage ColourPicture::displayed(const QImage& image) {
    if (!displayFilter()) {
        return image;
    }
    QImage shown = image.copy();
    displayFilter()(shown);
    return shown;
}

const QImage& ColourPicture::shownVersion(const QImage& held) const {
    if (!displayFilter()) {
        return held;
    }
    if (shownKey_ != held.cacheKey() || shownFilter_ != filterKey()) {
        copyInto(shown_, held);
        displayFilter()(shown_);
        shownKey_ = held.cacheKey();
        shownFilter_ = filterKey();
    }
    return shown_;
}

void ColourPicture::copyInto(QImage& into, const QImage& from) {
    if (into.size() == from.size() && into.format() == from.format() &&
        into.bytesPerLine() == from.bytesPerLine() && into.isDetached() &&
        into.constBits() != from.constBits()) {
        std::memcpy(into.bits(), from.constBits(), static_cast<std::size_t>(from.sizeInBytes()));
        into.setDevicePixelRatio(from.devicePixelRatio());
    } else {
        into = from.copy();
    }
}

void ColourPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    DrawInBands(painter, QPoint(0, 0), shownVersion(image()), event->region());
}

void ColourPicture::resizeEvent(QResizeEvent* event) {
    dirty_ = true;
    QWidget::resizeEvent(event);
}

void ColourPicture::mouseMoveEvent(QMouseEvent* event) {
    // Handled here: the window behind must not take it for a move over its background.
    emit mouseMoved(event->position().toPoint());
}

void ColourPicture::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->position().toPoint());
}

} // namespace oria
