#include "Legibility.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace oria {

namespace {

// APCA 0.0.98G-4g.
constexpr double kMainTrc = 2.4;
constexpr double kRed = 0.2126729, kGreen = 0.7151522, kBlue = 0.0721750;
constexpr double kNormBg = 0.56, kNormTxt = 0.57, kRevTxt = 0.62, kRevBg = 0.65;
constexpr double kBlackThreshold = 0.022, kBlackClamp = 1.414;
constexpr double kScale = 1.14, kLowOffset = 0.027, kLowClip = 0.1, kDeltaYMin = 0.0005;

double linear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The 256 values of a function of an 8-bit component c / 255: the measures of a colour then
// cost no power, with the very numbers the function gives.
template <double (*F)(double)> double table(int component) {
    static const std::array<double, 256> values = [] {
        std::array<double, 256> v{};
        for (std::size_t i = 0; i < v.size(); ++i) {
            v[i] = F(static_cast<double>(i) / 255.0);
        }
        return v;
    }();
    return values[static_cast<std::size_t>(component)];
}

double screen(double c) {
    return std::pow(c, kMainTrc);
}

// The distance in Lc units that a pair must clear, in the SAPC scale.
double sapcNeeded(double lc) {
    return (lc / 100 + kLowOffset) / kScale;
}

// x^(1/exponent) where x > 0, else a bound no colour reaches.
double rootOr(double x, double exponent, double unreachable) {
    return x > 0 ? std::pow(x, 1 / exponent) : unreachable;
}

} // namespace

double RelativeLuminanceOfLinear(double r, double g, double b) {
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

double RelativeLuminance(Colour c) {
    const Rgb rgb = SplitColour(c);
    return RelativeLuminanceOfLinear(table<linear>(rgb.Rouge), table<linear>(rgb.Vert),
                                     table<linear>(rgb.Bleu));
}

double ContrastRatioOfLuminances(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double ContrastRatio(Colour text, Colour background) {
    return ContrastRatioOfLuminances(RelativeLuminance(text), RelativeLuminance(background));
}

WcagVerdicts JudgeWcag(double ratio) {
    return {ratio >= 4.5, ratio >= 3, ratio >= 7, ratio >= 4.5};
}

double ApcaScreenLuminance(double r, double g, double b) {
    return kRed * screen(r) + kGreen * screen(g) + kBlue * screen(b);
}

double ApcaSoftClamp(double y) {
    return y < kBlackThreshold ? y + std::pow(kBlackThreshold - y, kBlackClamp) : y;
}

double ApcaLuminance(Colour c) {
    const Rgb rgb = SplitColour(c);
    return ApcaSoftClamp(kRed * table<screen>(rgb.Rouge) + kGreen * table<screen>(rgb.Vert) +
                         kBlue * table<screen>(rgb.Bleu));
}

double ApcaLcOfLuminances(double yText, double yBack) {
    if (std::abs(yBack - yText) < kDeltaYMin) {
        return 0;
    }
    if (yBack > yText) { // dark text on a light background
        const double sapc = (std::pow(yBack, kNormBg) - std::pow(yText, kNormTxt)) * kScale;
        return sapc < kLowClip ? 0 : (sapc - kLowOffset) * 100;
    }
    const double sapc = (std::pow(yBack, kRevBg) - std::pow(yText, kRevTxt)) * kScale;
    return sapc > -kLowClip ? 0 : (sapc + kLowOffset) * 100;
}

double ApcaLc(Colour text, Colour background) {
    return ApcaLcOfLuminances(ApcaLuminance(text), ApcaLuminance(background));
}

LuminanceBounds ApcaBoundsForText(double yBackground, double lc) {
    const double d = sapcNeeded(lc);
    return {rootOr(std::pow(yBackground, kNormBg) - d, kNormTxt, -1),
            rootOr(std::pow(yBackground, kRevBg) + d, kRevTxt, 2)};
}

LuminanceBounds ApcaBoundsForBackground(double yText, double lc) {
    const double d = sapcNeeded(lc);
    return {rootOr(std::pow(yText, kRevTxt) - d, kRevBg, -1),
            rootOr(std::pow(yText, kNormTxt) + d, kNormBg, 2)};
}

Legibility MeasureLegibility(Colour text, Colour background) {
    Legibility l;
    l.ratio = ContrastRatio(text, background);
    l.wcag = JudgeWcag(l.ratio);
    l.lc = ApcaLc(text, background);
    return l;
}

std::string FixedText(double value, int decimals) {
    char text[32];
    // to_chars ignores the locale: "." whatever the user's settings.
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    std::string s(text, end);
    if (s.find_first_not_of("-0.") == std::string::npos && s.front() == '-') {
        s.erase(0, 1); // no "-0.0"
    }
    return s;
}

std::string LegibilityLine(const Legibility& l) {
    auto yesNo = [](bool b) { return b ? "oui" : "non"; };
    return "wcag=" + FixedText(l.ratio, 2) + " aa=" + yesNo(l.wcag.aa) +
           " aa-grand=" + yesNo(l.wcag.aaLarge) + " aaa=" + yesNo(l.wcag.aaa) +
           " aaa-grand=" + yesNo(l.wcag.aaaLarge) + " apca=" + FixedText(l.lc, 1);
}

} // namespace oria
