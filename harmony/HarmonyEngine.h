#pragma once

#include "core/Colour.h"
#include "core/RandomSource.h"

#include <array>
#include <optional>
#include <string_view>

namespace oria {

// The items of the harmony list, in list order (the value is the list index).
enum class HarmonyType : int {
    Moderne,
    Moderne2,
    ClassiqueFaible,
    ClassiqueNeutre,
    ClassiqueFort,
    Special,
    SpecialFaible,
    DegradeClair,
    DegradeSombre,
    Aleatoire,
    Manuel,
};

struct HarmonyTypeItem {
    HarmonyType type;
    std::string_view name; // UTF-8, as shown in the list
};

inline constexpr std::array<HarmonyTypeItem, 11> kHarmonyTypes{{
    {HarmonyType::Moderne, "Moderne"},
    {HarmonyType::Moderne2, "Moderne2"},
    {HarmonyType::ClassiqueFaible, "Classique faible"},
    {HarmonyType::ClassiqueNeutre, "Classique neutre"},
    {HarmonyType::ClassiqueFort, "Classique fort"},
    {HarmonyType::Special, "Spécial"},
    {HarmonyType::SpecialFaible, "Spécial faible"},
    {HarmonyType::DegradeClair, "Dégradé clair"},
    {HarmonyType::DegradeSombre, "Dégradé sombre"},
    {HarmonyType::Aleatoire, "Aléatoire"},
    {HarmonyType::Manuel, "Manuel..."},
}};

// The list index 0..10, or nothing for any other index (-1: no item selected).
std::optional<HarmonyType> HarmonyTypeFromIndex(int index);

// Hue wrap of the derived hues: thresholds 1 and 359, so a hue in (359, 360) turns slightly
// negative, which HsvToRgb handles.
double WrapHue(double hue);

// Derives Couleur2..Couleur<n> of the palette from Couleur1 (slot 0). Slots above n keep
// their values, except that "Aléatoire" always draws all four. n is 2..5, reglageFin in
// degrees (-10..+10). "Manuel..." and "no type" compute nothing.
void CalculerHarmonie(Palette& palette, std::optional<HarmonyType> type, int n, double reglageFin,
                      RandomSource& random);

// A random colour, drawing red, green then blue, each round-half-to-even(x * 255).
Colour RandomColour(RandomSource& random);

} // namespace oria
