#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace oria {

// A colour value laid out 0x00BBGGRR (red in the low byte); negative means "no colour".
using Colour = std::int32_t;

// The five harmony slots, Couleur1 (the base colour) first.
using Palette = std::array<Colour, 5>;

// Components 0..255.
constexpr Colour RGB(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

struct Rgb {
    int Rouge = 0; // 0..255
    int Vert = 0;  // 0..255
    int Bleu = 0;  // 0..255
    bool operator==(const Rgb&) const = default;
};

// Hue in degrees, saturation and value ("luminosité") in percent.
struct Hsv {
    double Teinte = 0.0;
    double Saturation = 0.0;
    double Luminosite = 0.0;
};

// Round to the nearest integer, halves to even (127.5 -> 128, 126.5 -> 126).
int RoundHalfEven(double x);

// Low, middle and high byte; for negative values the components keep the sign of the
// dividend, as integer division truncating towards zero gives them.
Rgb SplitColour(Colour c);

// Components 0..255 to hue 0 <= H < 360, S and V 0..100.
Hsv RgbToHsv(int r, int v, int b);
inline Hsv RgbToHsv(const Rgb& c) {
    return RgbToHsv(c.Rouge, c.Vert, c.Bleu);
}
inline Hsv ColourToHsv(Colour c) {
    return RgbToHsv(SplitColour(c));
}

// Hue in degrees (slightly outside 0..360 is fine), S and V in percent; components clamped
// to 0..255 after rounding.
Rgb HsvToRgb(const Hsv& hsv);
inline Colour HsvToColour(const Hsv& hsv) {
    const Rgb c = HsvToRgb(hsv);
    return RGB(c.Rouge, c.Vert, c.Bleu);
}

// "#RRGGBB", upper-case digits.
std::string HexText(Colour c);
void AppendHexText(std::string& out, Colour c);

// "R:255 V:128 B:0"
std::string ReadoutText(int r, int v, int b);
inline std::string ReadoutText(const Rgb& c) {
    return ReadoutText(c.Rouge, c.Vert, c.Bleu);
}

// Ascending, stable bubble sort in place.
void SortValues(std::vector<double>& values);

} // namespace oria
