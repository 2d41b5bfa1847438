#pragma once

#include "Vision.h"

#include <QImage>

namespace oria {

// Every pixel as SimulateVision sees it (within one level per component), alpha kept.
// RGB32 and ARGB32 are converted in place; other formats go through ARGB32 and back.
void SimulateVisionImage(QImage& image, Vision vision);

} // namespace oria
