#pragma once

#include "palettepro/ColourPlane.h"

#include <optional>
#include <string>

namespace oria {

// The files `oria plan` writes the colour disc to.
enum class PlanFormat { Svg, Png };

// The format a file name asks for by its extension, in any case; nullopt for any other.
std::optional<PlanFormat> PlanFormatFor(const std::string& path);

// The plane as a 350 x 350 SVG document: the background, every dot in drawing order, then
// the corner squares, one element per line.
std::string PlaneSvg(const Plane& plane);

// Writes the plane to path whole or not at all: on failure any earlier file there is left
// as it was. Returns the reason, in French, when it fails.
std::optional<std::string> WritePlan(const Plane& plane, PlanFormat format,
                                     const std::string& path);

} // namespace oria
