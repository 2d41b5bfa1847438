#include "composer/PageModel.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour kFond = RGB(250, 250, 240), kCercle = RGB(200, 0, 0), kBoite = RGB(0, 0, 200),
                 kTitre = RGB(0, 120, 0), kTexte = RGB(20, 20, 20);
const ZoneColours kZones{kFond, kCercle, kBoite, kTitre, kTexte};
constexpr Colour kOld3 = RGB(1, 2, 3);
// What comes back from the other windows.
constexpr Colour kA = RGB(1, 0, 0), kB = RGB(2, 0, 0), kC = RGB(3, 0, 0), kD = RGB(4, 0, 0),
                 kE = RGB(5, 0, 0);
// fond, cercle, boite, titre, texte
constexpr ZoneFlags kAll{true, true, true, true, true};
constexpr ZoneFlags kNoDecor{true, false, false, true, true};
constexpr ZoneFlags kNoCercle{true, false, true, true, true};

TEST(PageModel, WhatTheContrastViewerIsGivenAndWhatComesBack) {
    ZoneColours sameTitle = kZones;
    sameTitle[Index(Zone::Titre)] = kTexte;
    const struct {
        ZoneColours zones;
        ZoneFlags visible, modifiable;
        Colour third;
        int count;
        ZoneColours after; // with colours 1, 2, 3 coming back as A, B, C
    } cases[] = {
        // boite sent, cercle takes it back
        {kZones, kAll, kAll, kBoite, 3, {kA, kC, kBoite, kTitre, kB}},
        // cercle not modifiable: boite takes it
        {kZones, kAll, kNoCercle, kBoite, 3, {kA, kCercle, kC, kTitre, kB}},
        {kZones, kNoDecor, kAll, kTitre, 3, {kA, kCercle, kBoite, kC, kB}}, // titre sent
        // titre in the text colour: two colours, titre follows the text
        {sameTitle, kNoDecor, kAll, kOld3, 2, {kA, kCercle, kBoite, kB, kB}},
        {kZones, kAll, {}, kBoite, 3, kZones}, // nothing modifiable
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const ContrastRequest r = ContrastOutbound(c.zones, c.visible, kOld3);
        EXPECT_EQ(r.couleur1, c.zones[Index(Zone::Fond)]);
        EXPECT_EQ(r.couleur2, c.zones[Index(Zone::Texte)]);
        EXPECT_EQ(r.couleur3, c.third);
        EXPECT_EQ(r.count, c.count);
        ZoneColours z = c.zones;
        ContrastWriteBack(z, c.visible, c.modifiable, kA, kB, kC);
        EXPECT_EQ(z, c.after);
    }
}

TEST(PageModel, RazezevAruFillsTheModifiableZonesOnly) {
    ZoneColours z = kZones;
    ProWriteBack(z, kNoDecor, {kA, kB, kC, kD, kE}); // as with 2 colours
    EXPECT_EQ(z, (ZoneColours{kB, kCercle, kBoite, kC, kA}));
    ProWriteBack(z, kAll, {kA, kB, kC, kD, kE});
    EXPECT_EQ(z, (ZoneColours{kB, kD, kE, kC, kA}));
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
