#include "PageModel.h"

#include <algorithm>
#include <cmath>

namespace oria {

namespace {
struct AssignmentRow {
    int n;
    HarmonyAssignment assignment;
};
constexpr std::optional<int> kNone = std::nullopt;
// Zones fond, cercle, boite, titre, texte.
const AssignmentRow kAssignments[] = {
    {2, {{1, kNone, kNone, 0, 0}, {"Check10", "Check11", "Check4", "Check6", "Check1", "Check7"}}},
    {3, {{1, kNone, 2, 0, 0}, {"Check10", "Check11", "Check4", "Check6", nullptr, nullptr}}},
    {4, {{1, kNone, 2, 3, 0}, {"Check10", "Check11", "Check4", "Check6", nullptr, nullptr}}},
    {5, {{1, 2, 4, 3, 0}, {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}}},
};
} // namespace

HarmonyAssignment AssignmentFor(int n) {
    for (const AssignmentRow& row : kAssignments) {
        if (row.n == n) {
            return row.assignment;
        }
    }
    return kAssignments[0].assignment; // fewer than two colours: as two
}

ZoneColours RandomZoneColours(RandomSource& random) {
    ZoneColours zones{};
    for (Colour& c : zones) {
        int rgb[3];
        for (int& component : rgb) {
            component = static_cast<int>(std::floor(random.next() * 256));
        }
        c = RGB(rgb[0], rgb[1], rgb[2]);
    }
    return zones;
}

ContrastRequest ContrastOutbound(const ZoneColours& z, const ZoneFlags& visible,
                                 Colour previousCouleur3) {
    ContrastRequest r{z[Index(Zone::Fond)], z[Index(Zone::Texte)], previousCouleur3, 2};
    if (visible[Index(Zone::Boite)]) {
        r.couleur3 = z[Index(Zone::Boite)];
        r.count = 3;
    } else if (visible[Index(Zone::Cercle)]) {
        r.couleur3 = z[Index(Zone::Cercle)];
        r.count = 3;
    } else if (visible[Index(Zone::Titre)] && z[Index(Zone::Titre)] != z[Index(Zone::Texte)]) {
        r.couleur3 = z[Index(Zone::Titre)];
        r.count = 3;
    }
    return r;
}

void ContrastWriteBack(ZoneColours& z, const ZoneFlags& visible, const ZoneFlags& modifiable,
                       Colour couleur1, Colour couleur2, Colour couleur3) {
    auto open = [&](Zone zone) { return visible[Index(zone)] && modifiable[Index(zone)]; };
    if (open(Zone::Cercle)) {
        z[Index(Zone::Cercle)] = couleur3;
    } else if (open(Zone::Boite)) {
        z[Index(Zone::Boite)] = couleur3;
    } else if (open(Zone::Titre)) {
        // A title in the text colour went out as no third colour: it follows the text.
        z[Index(Zone::Titre)] =
            z[Index(Zone::Titre)] != z[Index(Zone::Texte)] ? couleur3 : couleur2;
    }
    if (modifiable[Index(Zone::Texte)]) {
        z[Index(Zone::Texte)] = couleur2;
    }
    if (modifiable[Index(Zone::Fond)]) {
        z[Index(Zone::Fond)] = couleur1;
    }
}

void ProWriteBack(ZoneColours& z, const ZoneFlags& modifiable, const Palette& harmony) {
    const std::pair<Zone, std::size_t> slots[] = {
        {Zone::Texte, 0}, {Zone::Fond, 1}, {Zone::Titre, 2}, {Zone::Cercle, 3}, {Zone::Boite, 4}};
    for (const auto& [zone, slot] : slots) {
        if (modifiable[Index(zone)]) {
            z[Index(zone)] = harmony[slot];
        }
    }
}

namespace {

bool crosses(const PageRect& a, const PageRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// The point of the rectangle nearest the ellipse's centre lies inside the ellipse.
bool crossesEllipse(const PageRect& r, const PageRect& e) {
    const double cx = e.left + e.width / 2.0, cy = e.top + e.height / 2.0;
    const double x = std::clamp(cx, double(r.left), double(r.left + r.width));
    const double y = std::clamp(cy, double(r.top), double(r.top + r.height));
    const double dx = (x - cx) / (e.width / 2.0), dy = (y - cy) / (e.height / 2.0);
    return dx * dx + dy * dy < 1;
}

} // namespace

std::vector<TextPair> TextPairs(const ZoneFlags& visible, bool titleShown) {
    std::vector<TextPair> pairs;
    const std::pair<Zone, PageRect> texts[] = {{Zone::Texte, kTextRect},
                                               {Zone::Titre, kTitleRect}};
    for (const auto& [zone, rect] : texts) {
        if (zone == Zone::Texte ? !visible[Index(Zone::Texte)] : !titleShown) {
            continue;
        }
        pairs.push_back({zone, Zone::Fond});
        if (visible[Index(Zone::Boite)] && crosses(rect, kBoxRect)) {
            pairs.push_back({zone, Zone::Boite});
        }
        if (visible[Index(Zone::Cercle)] && crossesEllipse(rect, kCircleRect)) {
            pairs.push_back({zone, Zone::Cercle});
        }
    }
    return pairs;
}

} // namespace oria
