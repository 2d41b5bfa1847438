#pragma once

#include "Figures.h"
#include "widgets/ColourPicture.h"

#include <QImage>

namespace oria {

// The colour plane's picture area. The plane is a persistent 350 x 350 image; the figures
// are drawn on an overlay over it, so that clearing the overlay brings the plane back
// unchanged and colours are always read from the plane itself.
class PlanePicture : public ColourPicture {
    Q_OBJECT
public:
    // One pixel of frame around the plane.
    static constexpr int kInset = 1;

    explicit PlanePicture(QWidget* parent = nullptr, const QString& name = {});

    const QImage& plane() const { return plane_; }
    const QImage& shown() const { return overlay_; }
    // A new plane; the overlay is cleared.
    void setPlane(const QImage& plane);
    // Clears the overlay (the figures), showing the plane alone.
    void clearOverlay();
    // Inverts the pixels under the lines: drawing the same lines twice restores them.
    void invert(const std::vector<Segment>& lines);
    // Draws the lines in black over the overlay, `width` pixels wide.
    void drawBlack(const std::vector<Segment>& lines, int width);
    // The overlay as the pixels where it differs from the plane (a figure is a few lines):
    // small enough to keep a hundred of in the undo history.
    QByteArray overlayDifference() const;
    void setOverlayDifference(const QByteArray& difference);

    // The plane's colour at a point in twips of the plane; -1 outside.
    Colour planeColourAt(PlanePoint p) const;
    // Widget coordinates; -1 outside the plane.
    Colour colourAt(QPoint p) const override;
    // Widget coordinates to twips of the plane.
    static PlanePoint toPlane(QPoint p);

signals:
    // A press and a release concern the one button that changed; a move carries all held.
    void pressed(Qt::MouseButton button, PlanePoint at, QPoint pos);
    void moved(Qt::MouseButtons buttons, PlanePoint at, QPoint pos);
    void released(Qt::MouseButton button, PlanePoint at, QPoint pos, Qt::MouseButtons held);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void draw(const std::vector<Segment>& lines, int width, bool inverting);
    // The overlay as the screen shows it: the plane's conversion, kept, with only the figure's
    // pixels converted at each move.
    const QImage& displayedOverlay() const;

    QImage plane_;
    QImage overlay_;
    mutable QImage overlayShown_;
    mutable qint64 overlayShownKey_ = 0;
    mutable qint64 overlayShownPlaneKey_ = 0;
};

} // namespace oria
