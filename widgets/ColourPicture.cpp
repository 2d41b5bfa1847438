#include "ColourPicture.h"

#include "platform/QtPlatform.h"

#include <QMouseEvent>
#include <QPainter>

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
    invalidate();
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
    if (dirty_ || image_.size() != size()) {
        image_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        image_.fill(ToQColor(background_));
        QPainter painter(&image_);
        const_cast<ColourPicture*>(this)->paintContent(painter);
        if (border_) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
        }
        dirty_ = false;
    }
    return image_;
}

Colour ColourPicture::colourAt(QPoint p) const {
    if (!rect().contains(p)) {
        return -1;
    }
    return FromQColor(image().pixelColor(p));
}

void ColourPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image());
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
