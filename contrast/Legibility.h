#pragma once

#include "core/Colour.h"

#include <string>

namespace oria {

// How well a text colour reads on a background colour, by the two measures clients ask for.

// WCAG 2.x: relative luminance of the linearised sRGB components, 0 (black) to 1 (white).
double RelativeLuminance(Colour c);
// (lighter + 0.05) / (darker + 0.05), from 1 to 21, whichever colour is the text.
double ContrastRatio(Colour text, Colour background);

struct WcagVerdicts {
    bool aa = false;       // normal text, ratio >= 4.5
    bool aaLarge = false;  // large text, >= 3
    bool aaa = false;      // normal text, >= 7
    bool aaaLarge = false; // large text, >= 4.5
    bool operator==(const WcagVerdicts&) const = default;
};
// Judged on the ratio as computed: 4.499 fails AA even though it shows as 4.50.
WcagVerdicts JudgeWcag(double ratio);

// APCA lightness contrast Lc (0.0.98G-4g constants), about -108 to 106: positive for dark
// text on a light background, negative for light text on a dark one.
double ApcaLc(Colour text, Colour background);

// The same measures from luminances, for searches that move one colour of a pair; the
// functions above give exactly these numbers for 8-bit colours.
// Linear components 0..1.
double RelativeLuminanceOfLinear(double r, double g, double b);
double ContrastRatioOfLuminances(double a, double b);
// APCA's screen luminance of encoded components 0..1 (not linearised: raised to 2.4), then
// with near-blacks softly lifted; Lc from two lifted luminances.
double ApcaScreenLuminance(double r, double g, double b);
double ApcaSoftClamp(double y);
double ApcaLcOfLuminances(double yText, double yBackground);
double ApcaLuminance(Colour c); // ApcaSoftClamp(ApcaScreenLuminance(...)) of its components

// The lifted APCA luminances a moving colour needs to reach |Lc| >= lc (lc >= 10) against a
// fixed colour of lifted luminance y: at most `darker` or at least `lighter`; a bound no
// colour reaches is below 0 or above 1.0000001 (white).
struct LuminanceBounds {
    double darker = -1, lighter = 2;
};
LuminanceBounds ApcaBoundsForText(double yBackground, double lc);
LuminanceBounds ApcaBoundsForBackground(double yText, double lc);

struct Legibility {
    double ratio = 1;
    WcagVerdicts wcag;
    double lc = 0;
};
Legibility MeasureLegibility(Colour text, Colour background);

// value with `decimals` decimals, "." as the point whatever the locale, never "-0".
std::string FixedText(double value, int decimals);

// "wcag=4.54 aa=oui aa-grand=oui aaa=non aaa-grand=oui apca=63.1", for scripts.
std::string LegibilityLine(const Legibility& l);

} // namespace oria
