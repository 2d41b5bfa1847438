#pragma once

#include "core/Colour.h"

#include <QImage>
#include <QWidget>
#include <functional>

namespace oria {

// A picture area that shows colours: a background colour, an optional single-line black
// border, and whatever a subclass paints on top. What it shows is kept in an image of its
// own, so the colour under a point is read from that image, never from the screen.
class ColourPicture : public QWidget {
    Q_OBJECT
public:
    explicit ColourPicture(QWidget* parent = nullptr, const QString& name = {});

    Colour backgroundColour() const { return background_; }
    void setBackgroundColour(Colour c);
    // The accessible description follows the background colour (for plain swatches).
    void setSaysColour(bool on);
    bool hasBorder() const { return border_; }
    void setBorder(bool on);

    // The colour shown at p (widget coordinates); -1 outside the picture.
    virtual Colour colourAt(QPoint p) const;

    // A conversion every colour picture applies to what it puts on the screen (a simulated
    // vision), never to what it holds or reads; empty for none. Repaints them all. `key` names
    // the conversion (one key, one conversion): what a picture showed through it is kept.
    static void setDisplayFilter(std::function<void(QImage&)> filter, int key = 1);
    // What the screen shows for an image held by a picture.
    static QImage displayed(const QImage& image);

signals:
    void mouseMoved(QPoint pos);
    void mousePressed(Qt::MouseButton button, QPoint pos);

protected:
    // Subclasses paint their content over the background; call invalidate() when it changes.
    virtual void paintContent(QPainter&) {}
    void invalidate();
    // An image the picture holds as the screen shows it, kept until it or the filter changes
    // (one image kept per picture).
    const QImage& shownVersion(const QImage& held) const;
    // `from` copied into `into`, into the buffer `into` already has when it fits: a fresh one
    // at every change costs its page faults.
    static void copyInto(QImage& into, const QImage& from);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QImage& image() const;

    Colour background_ = RGB(255, 255, 255);
    bool border_ = false;
    bool saysColour_ = false;
    mutable QImage image_;
    mutable bool dirty_ = true;
    mutable QImage shown_; // image_ through the display filter
    mutable qint64 shownKey_ = 0;
    mutable int shownFilter_ = 0;
};

} // namespace oria
