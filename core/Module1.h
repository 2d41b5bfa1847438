#pragma once

#include "Colour.h"

namespace oria {

// The values that cross windows. The start procedure owns the one instance and hands it
// by reference to every window; tests make their own.
struct Module1 {
    // The harmony: Couleur1 is the base colour.
    Colour Couleur1 = 0;
    Colour Couleur2 = 0;
    Colour Couleur3 = 0;
    Colour Couleur4 = 0;
    Colour Couleur5 = 0;

    double ReglageFin = 0.0; // degrees, -10..+10, fine-tuning slider / 10

    int NbCouleursCompo = 0;     // 2..5, handed to the composer
    int NbCouleursContraste = 0; // 2 or 3, handed to the contrast viewer
    // Result of the dialog windows: 0 open, 1 cancelled, 2 accepted.
    std::int16_t RetourDialogue = 0;
    bool AproposMenu = false; // the splash window is shown as the about box

    // Composer zones handed to the charter.
    Colour CouleurFond = 0;
    Colour CouleurTexte = 0;
    Colour CouleurTitre = 0;
    Colour CouleurDecors1 = 0;
    Colour CouleurDecors2 = 0;
    int VisibleTexte = 0;
    int VisibleTitre = 0;
    int VisibleDecors1 = 0;
    int VisibleDecors2 = 0;

    Palette harmony() const { return {Couleur1, Couleur2, Couleur3, Couleur4, Couleur5}; }
    void setHarmony(const Palette& p) {
        Couleur1 = p[0];
        Couleur2 = p[1];
        Couleur3 = p[2];
        Couleur4 = p[3];
        Couleur5 = p[4];
    }
};

} // namespace oria
