#include "Vision.h"

#include <algorithm>
#include <cmath>

namespace oria {

const std::array<VisionRow, 5> kVisions{{
    {Vision::Normale, "normale", "Vision normale"},
    {Vision::Protanopie, "protanopie", "Protanopie"},
    {Vision::Deuteranopie, "deuteranopie", "Deutéranopie"},
    {Vision::Tritanopie, "tritanopie", "Tritanopie"},
    {Vision::Achromatopsie, "achromatopsie", "Achromatopsie"},
}};

namespace {

// Machado, Oliveira and Fernandes (2009), severity 1.0. Achromatopsia keeps only the
// relative luminance, so its three rows are the luminance weights.
constexpr LinearMatrix kIdentity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
constexpr LinearMatrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                                    {0.114503, 0.786281, 0.099216},
                                    {-0.003882, -0.048116, 1.051998}}};
constexpr LinearMatrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                      {0.280085, 0.672501, 0.047413},
                                      {-0.011820, 0.042940, 0.968881}}};
constexpr LinearMatrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                                    {-0.078411, 0.930809, 0.147602},
                                    {0.004733, 0.691367, 0.303900}}};
constexpr LinearMatrix kAchromatopsia{
    {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}};

// In the order of the enum.
constexpr std::array<const LinearMatrix*, 5> kMatrices{&kIdentity, &kProtanopia, &kDeuteranopia,
                                                       &kTritanopia, &kAchromatopsia};

} // namespace

const LinearMatrix& VisionMatrix(Vision vision) {
    return *kMatrices[static_cast<std::size_t>(vision)];
}

double LinearFromSrgb(int component) {
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int SrgbFromLinear(double linear) {
    const double v = std::clamp(linear, 0.0, 1.0);
    const double s = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return RoundHalfEven(s * 255);
}

Colour SimulateVision(Colour c, Vision vision) {
    if (vision == Vision::Normale || c < 0) { // "no colour" stays so
        return c;
    }
    const Rgb rgb = SplitColour(c);
    const std::array<double, 3> in{LinearFromSrgb(rgb.Rouge), LinearFromSrgb(rgb.Vert),
                                   LinearFromSrgb(rgb.Bleu)};
    std::array<int, 3> out{};
    const LinearMatrix& m = VisionMatrix(vision);
    for (std::size_t row = 0; row < 3; ++row) {
        out[row] = SrgbFromLinear(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
    }
    return RGB(out[0], out[1], out[2]);
}

} // namespace oria
