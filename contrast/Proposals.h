#pragma once

#include "core/Colour.h"

#include <array>
#include <string>
#include <string_view>

namespace oria {

// Contrast proposals: for a text colour on a background colour that miss a target, the colour
// nearest to the text colour that meets it on that background, and the colour nearest to the
// background that meets it under that text.
//
// "Nearest" keeps the hue and the chroma in OKLCH and moves only the lightness, lighter and
// darker (where the chroma no longer fits in sRGB it is reduced until it does, see HueLine);
// of the two, the smaller OKLab difference ΔE wins. The answer is an 8-bit colour that meets
// the target judged on itself, and no 8-bit colour of the same line (a point of the line,
// rounded) closer to the original meets it.

enum class ContrastMeasure { Wcag, Apca };

enum class ContrastTarget { Aa, AaLarge, Aaa, AaaLarge, Lc45, Lc60, Lc75, Lc90 };

struct ContrastTargetRow {
    ContrastTarget target;
    const char* label;       // "AA grand", as the windows show it
    const char* commandName; // "aa-grand", as the command line takes it
    ContrastMeasure measure;
    double threshold; // WCAG ratio at least this, or APCA |Lc| at least this
};
extern const std::array<ContrastTargetRow, 8> kContrastTargets;
const ContrastTargetRow& TargetRow(ContrastTarget target);
// The target a command name ("aa-grand") stands for; AA for a name that is none.
ContrastTarget TargetNamed(std::string_view commandName);
// The setting that keeps the target chosen last, for every window that offers one.
inline constexpr const char* kTargetSettingKey = "Cible de contraste";

// The pair's value in the target's measure: the WCAG ratio (1 to 21), or APCA Lc, signed as
// ApcaLc gives it (positive for dark text on a light background).
double MeasureFor(ContrastTarget target, Colour text, Colour background);
bool MeetsTarget(ContrastTarget target, Colour text, Colour background);

enum class ProposalKind {
    AlreadyMet, // the pair meets the target: colour is the original
    Proposed,   // colour meets it
    Impossible  // no lightness of the line meets it: colour is the original
};

struct Proposal {
    ProposalKind kind = ProposalKind::Impossible;
    Colour colour = 0;
    double reached = 0;    // MeasureFor(target, ...) of the pair with `colour` in its place
    double difference = 0; // ΔE from the original colour in OKLab, 0 unless Proposed
    bool operator==(const Proposal&) const = default;
};

// The text colour moved, the background kept; and the reverse. For APCA the text stays the
// text: Lc(text, proposed background).
Proposal ProposeText(Colour text, Colour background, ContrastTarget target);
Proposal ProposeBackground(Colour text, Colour background, ContrastTarget target);

struct Proposals {
    Proposal text, background;
};
Proposals ProposeColours(Colour text, Colour background, ContrastTarget target);

// "wcag=7.00" (2 decimals) or "apca=-76.2" (1 decimal, signed), "." as the point.
std::string ReachedText(ContrastTarget target, double reached);

} // namespace oria
