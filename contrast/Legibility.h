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
