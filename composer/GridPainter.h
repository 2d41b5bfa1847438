#pragma once

#include "Grids.h"

#include <QImage>
#include <QPoint>
#include <QSize>

namespace oria {

// A grid as its picture shows it, 1 pixel for 15 twips (RGB32): the background, then each cell
// in order over the pixels whose centres fall inside it (left and top edges included, right and
// bottom excluded), clipped to the image. Cells without a colour (negative) are skipped.
QImage PaintGrid(const std::vector<GridCell>& cells, QSize pixels = {233, 233},
                 Colour background = RGB(255, 255, 255));

// The colour of a pixel of such an image; -1 outside it.
Colour GridColourAt(const QImage& image, QPoint pixel);

} // namespace oria
