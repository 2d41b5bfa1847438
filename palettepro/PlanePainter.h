#pragma once

#include "ColourPlane.h"

#include <QImage>
#include <functional>

namespace oria {

// Paints a generated plane into the picture's own 350 x 350 image (RGB32): the background,
// the rings in order, then the corner squares. afterRing runs once per ring drawn.
// Each ring's dots share one width, so one disc shape is rasterised per ring and stamped
// at every dot: pixel for pixel what PaintPlaneDotByDot draws, many times faster.
QImage PaintPlane(const Plane& plane, const std::function<void()>& afterRing = {});

// The straightforward painting, a fresh round pen per dot; the reference PaintPlane keeps to.
QImage PaintPlaneDotByDot(const Plane& plane);

// The colour of a pixel of such an image; -1 outside it.
Colour PlaneColourAt(const QImage& image, int x, int y);

} // namespace oria
