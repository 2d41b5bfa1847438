#pragma once

#include "ColourPlane.h"

#include <QImage>
#include <functional>

namespace oria {

// Paints a generated plane into the picture's own 350 x 350 image (RGB32): the background,
// the rings in order, then the corner squares; pixel for pixel what PaintPlaneDotByDot
// draws, many times faster. afterRing runs once per ring.
// Which dot shows at each pixel depends only on the dots' places and widths: that map is
// made once by stamping a disc shape per width, kept for the last few layouts, and a plane
// laid out as a kept one (the same plane at another level) is painted from it.
QImage PaintPlane(const Plane& plane, const std::function<void()>& afterRing = {});
// Drops the kept layouts: the next painting of each makes its map again.
void ForgetPlaneLayouts();

// The straightforward painting, a fresh round pen per dot; the reference PaintPlane keeps to.
QImage PaintPlaneDotByDot(const Plane& plane);

// The colour of a pixel of such an image; -1 outside it.
Colour PlaneColourAt(const QImage& image, int x, int y);

} // namespace oria
