#include "Legibility.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace oria {

namespace {

double linear(int component) {
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// APCA 0.0.98G-4g.
constexpr double kMainTrc = 2.4;
constexpr double kRed = 0.2126729, kGreen = 0.7151522, kBlue = 0.0721750;
constexpr double kNormBg = 0.56, kNormTxt = 0.57, kRevTxt = 0.62, kRevBg = 0.65;
constexpr double kBlackThreshold = 0.022, kBlackClamp = 1.414;
constexpr double kScale = 1.14, kLowOffset = 0.027, kLowClip = 0.1, kDeltaYMin = 0.0005;

// Screen luminance with the simple 2.4 exponent, near-blacks softly lifted.
double apcaY(Colour c) {
    const Rgb rgb = SplitColour(c);
    auto channel = [](int v) { return std::pow(v / 255.0, kMainTrc); };
    double y = kRed * channel(rgb.Rouge) + kGreen * channel(rgb.Vert) + kBlue * channel(rgb.Bleu);
    if (y < kBlackThreshold) {
        y += std::pow(kBlackThreshold - y, kBlackClamp);
    }
    return y;
}

} // namespace

double RelativeLuminance(Colour c) {
    const Rgb rgb = SplitColour(c);
    return 0.2126 * linear(rgb.Rouge) + 0.7152 * linear(rgb.Vert) + 0.0722 * linear(rgb.Bleu);
}

double ContrastRatio(Colour text, Colour background) {
    const double a = RelativeLuminance(text);
    const double b = RelativeLuminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

WcagVerdicts JudgeWcag(double ratio) {
    return {ratio >= 4.5, ratio >= 3, ratio >= 7, ratio >= 4.5};
}

double ApcaLc(Colour text, Colour background) {
    const double yText = apcaY(text);
    const double yBack = apcaY(background);
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
