#pragma once

#include "core/Colour.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace oria {

// How a colour looks to a person with a colour-vision deficiency.
enum class Vision { Normale, Protanopie, Deuteranopie, Tritanopie, Achromatopsie };

struct VisionRow {
    Vision vision;
    std::string_view key;     // command line and settings: "protanopie", ...
    std::string_view caption; // menus: "Protanopie", ...
};
extern const std::array<VisionRow, 5> kVisions;

// The colour as seen; Normale gives it back unchanged.
Colour SimulateVision(Colour c, Vision vision);

// Rows give R', G', B' from the linear (R, G, B); Normale is the identity.
using LinearMatrix = std::array<std::array<double, 3>, 3>;
const LinearMatrix& VisionMatrix(Vision vision);

// An sRGB component 0..255 to linear light 0..1, and back (clamped, rounded half to even).
double LinearFromSrgb(int component);
int SrgbFromLinear(double linear);

} // namespace oria
