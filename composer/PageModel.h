#pragma once

#include "core/Colour.h"
#include "core/RandomSource.h"

#include <array>
#include <optional>
#include <vector>

namespace oria {

// The five zones of the composer's page, in the order of the zone options.
enum class Zone { Fond, Cercle, Boite, Titre, Texte };
inline constexpr std::size_t kZoneCount = 5;
inline constexpr Colour kDisabledZoneColour = RGB(128, 128, 128);

// One zone's controls and page element.
struct ZoneRow {
    Zone zone;
    const char* option; // zone option, its caption below
    const char* caption;
    const char* swatch;  // the zone's colour
    const char* label;   // its #RRGGBB text
    const char* visible; // "Visible" box; none for fond, always shown
    const char* modif;   // "Modif." box
};
inline constexpr std::array<ZoneRow, kZoneCount> kZones{{
    {Zone::Fond, "Option3", "fond", "shape2", "html1", nullptr, "Check9"},
    {Zone::Cercle, "Option4", "cercle", "shape3", "html2", "Check4", "Check6"},
    {Zone::Boite, "Option5", "boite", "shape4", "html3", "Check1", "Check7"},
    {Zone::Titre, "Option6", "titre", "shape5", "html4", "Check2", "Check8"},
    {Zone::Texte, "Option7", "texte", "shape6", "html5", "Check3", "Check5"},
}};
constexpr std::size_t Index(Zone z) {
    return static_cast<std::size_t>(z);
}

using ZoneColours = std::array<Colour, kZoneCount>;
using ZoneFlags = std::array<bool, kZoneCount>;

// Where the page's elements lie, in twips of the page.
struct PageRect {
    int left, top, width, height;
};
inline constexpr PageRect kTitleRect{840, 360, 3015, 1335};
inline constexpr PageRect kTextRect{1080, 1800, 2775, 1815};
inline constexpr PageRect kBoxRect{120, 360, 615, 3255};
inline constexpr PageRect kCircleRect{2520, -480, 4455, 4215}; // the ellipse's bounds
inline constexpr PageRect kBiteRect{3360, -240, 2175, 1935};   // the crescent's, in fond

// A text of the page on what lies under it: the pairs whose legibility matters.
struct TextPair {
    Zone text, background;
    bool operator==(const TextPair&) const = default;
};
// Texte and titre (when shown) on fond, and on the box and the circle where those are
// visible and the text crosses them.
std::vector<TextPair> TextPairs(const ZoneFlags& visible, bool titleShown);

// What the page takes from a harmony of n colours (2..5) when the composer opens: for each
// zone the harmony slot (0-based) or nothing (the zone is disabled), and the boxes cleared
// first, in that order. With 5 colours nothing is cleared: "Tous visibles" runs instead.
struct HarmonyAssignment {
    std::array<std::optional<int>, kZoneCount> slot;
    std::array<const char*, 6> cleared; // nullptr-terminated when shorter
};
HarmonyAssignment AssignmentFor(int n);

// Fifteen draws of 0..255, red, green and blue of fond, cercle, boite, titre, texte.
ZoneColours RandomZoneColours(RandomSource& random);

// What the contrast viewer is given: colour 1 the background, colour 2 the text, a third
// colour from the first visible of boite, cercle, titre (unless the title is the text colour).
struct ContrastRequest {
    Colour couleur1, couleur2, couleur3;
    int count;
};
ContrastRequest ContrastOutbound(const ZoneColours& zones, const ZoneFlags& visible,
                                 Colour previousCouleur3);
// What comes back, into the zones that are visible and modifiable where the rules say so.
void ContrastWriteBack(ZoneColours& zones, const ZoneFlags& visible, const ZoneFlags& modifiable,
                       Colour couleur1, Colour couleur2, Colour couleur3);
// Razezev Aru's five colours into the modifiable zones: texte 1, fond 2, titre 3, cercle 4,
// boite 5.
void ProWriteBack(ZoneColours& zones, const ZoneFlags& modifiable, const Palette& harmony);

} // namespace oria
