#pragma once

#include "core/Colour.h"

#include <array>
#include <string_view>
#include <vector>

namespace oria {

// The colour disc of the geometric picker: rings of round dots whose angle gives the hue
// and whose ring gives the saturation, the value, or both in two bands.
enum class Resolution { Haute, Moyenne, Basse };
enum class PlaneMode { Saturation, Luminosite, Les2 };

struct ResolutionRow {
    Resolution resolution;
    std::string_view caption;
    double step;     // angular step, radians
    int dotsPerRing; // what the step gives over a full turn
    int outerRadius; // twips
    int widthGrowth; // pixels of dot width added per 100 rings
};
inline constexpr std::array<ResolutionRow, 3> kResolutions{{
    {Resolution::Haute, "haute", 0.0490873, 128, 2300, 12},
    {Resolution::Moyenne, "moyenne", 0.0981747, 64, 2300, 24},
    {Resolution::Basse, "basse", 0.5235987, 12, 2000, 72},
}};
const ResolutionRow& ResolutionOf(Resolution r);

struct PlaneModeRow {
    PlaneMode mode;
    std::string_view caption;
    std::string_view commandName; // as the command line spells it
};
inline constexpr std::array<PlaneModeRow, 3> kPlaneModes{{
    {PlaneMode::Saturation, "Saturation", "saturation"},
    {PlaneMode::Luminosite, "Luminosité", "luminosite"},
    {PlaneMode::Les2, "les 2", "les2"},
}};

// The picture the disc is drawn in: 350 x 350 pixels, 15 twips each.
inline constexpr int kPlaneTwips = 5250;
inline constexpr int kPlanePixels = 350;
inline constexpr int kPlaneTwipsPerPixel = 15;
// The pixel that holds a point given in twips.
int PlanePixel(double twips);

struct PlaneDot {
    double x = 0, y = 0; // centre, twips
    int width = 0;       // diameter, pixels
    Colour colour = 0;
};
using PlaneRing = std::vector<PlaneDot>;

struct CornerSquare {
    int left, top, right, bottom; // twips, both corners included
    Colour colour;
};
// Pure colours painted over every generated disc so that they can be picked too.
extern const std::array<CornerSquare, 8> kCornerSquares;

struct Plane {
    Colour background = 0;
    std::vector<PlaneRing> rings; // in drawing order, outermost first
};

// Centre of the disc: half the picture's inner size, single precision.
struct PlaneCentre {
    float x = kPlaneTwips / 2.0f;
    float y = kPlaneTwips / 2.0f;
};

// level: 0..200 percent, used for the component the radius does not give (ignored by Les2).
Plane GenererPlan(Resolution resolution, PlaneMode mode, int level, PlaneCentre centre = {});

} // namespace oria
