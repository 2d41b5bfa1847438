#include "composer/PageModel.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour kFond = RGB(250, 250, 240), kCercle = RGB(200, 0, 0), kBoite = RGB(0, 0, 200),
                 kTitre = RGB(0, 120, 0), kTexte = RGB(20, 20, 20);
const ZoneColours kZonesColours{kFond, kCercle, kBoite, kTitre, kTexte};
constexpr Colour kOld3 = RGB(1, 2, 3);
// fond, cercle, boite, titre, texte
constexpr ZoneFlags kAll{true, true, true, true, true};
constexpr ZoneFlags kNoDecor{true, false, false, true, true};

TEST(PageModel, WhatTheContrastViewerIsGivenAndWhatComesBack) {
    ZoneColours sameTitle = kZonesColours;
    sameTitle[Index(Zone::Titre)] = kTexte;
    const struct {
        const char* name;
        ZoneColours zones;
        ZoneFlags visible, modifiable;
        Colour third;
        int count;
        ZoneColours after; // with colours 1, 2, 3 coming back as A, B, C
    } cases[] = {
        {"boite sent, cercle takes it back",
         kZonesColours,
         kAll,
         kAll,
         kBoite,
         3,
         {RGB(1, 0, 0), RGB(3, 0, 0), kBoite, kTitre, RGB(2, 0, 0)}},
        {"cercle not modifiable: boite takes it",
         kZonesColours,
         kAll,
         {true, false, true, true, true},
         kBoite,
         3,
         {RGB(1, 0, 0), kCercle, RGB(3, 0, 0), kTitre, RGB(2, 0, 0)}},
        {"titre sent",
         kZonesColours,
         kNoDecor,
         kAll,
         kTitre,
         3,
         {RGB(1, 0, 0), kCercle, kBoite, RGB(3, 0, 0), RGB(2, 0, 0)}},
        {"titre in the text colour: two colours, titre follows the text",
         sameTitle,
         kNoDecor,
         kAll,
         kOld3,
         2,
         {RGB(1, 0, 0), kCercle, kBoite, RGB(2, 0, 0), RGB(2, 0, 0)}},
        {"nothing modifiable", kZonesColours, kAll, {}, kBoite, 3, kZonesColours},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ContrastRequest r = ContrastOutbound(c.zones, c.visible, kOld3);
        EXPECT_EQ(r.couleur1, c.zones[Index(Zone::Fond)]);
        EXPECT_EQ(r.couleur2, c.zones[Index(Zone::Texte)]);
        EXPECT_EQ(r.couleur3, c.third);
        EXPECT_EQ(r.count, c.count);
        ZoneColours z = c.zones;
        ContrastWriteBack(z, c.visible, c.modifiable, RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0));
        EXPECT_EQ(z, c.after);
    }
}

TEST(PageModel, RazezevAruFillsTheModifiableZonesOnly) {
    ZoneColours z = kZonesColours;
    const Palette back{RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0), RGB(5, 0, 0)};
    ProWriteBack(z, {true, false, false, true, true}, back); // as with 2 colours
    EXPECT_EQ(z, (ZoneColours{RGB(2, 0, 0), kCercle, kBoite, RGB(3, 0, 0), RGB(1, 0, 0)}));
    ProWriteBack(z, kAll, back);
    EXPECT_EQ(z,
              (ZoneColours{RGB(2, 0, 0), RGB(4, 0, 0), RGB(5, 0, 0), RGB(3, 0, 0), RGB(1, 0, 0)}));
}

TEST(PageModel, FifteenDrawsInZoneOrder) {
    std::vector<double> draws;
    for (int i = 0; i < 15; ++i) {
        draws.push_back(i / 15.0);
    }
    draws.back() = 0.99999;
    test::ScriptedRandom random(draws);
    const ZoneColours z = RandomZoneColours(random);
    EXPECT_EQ(z[Index(Zone::Fond)], RGB(0, 17, 34));
    EXPECT_EQ(z[Index(Zone::Texte)], RGB(204, 221, 255));
}

} // namespace
} // namespace oria
