#include "Colour.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace oria {

int RoundHalfEven(double x) {
    // nearbyint follows the current rounding mode, which is round-to-nearest-even by default.
    return static_cast<int>(std::nearbyint(x));
}

Rgb SplitColour(Colour c) {
    Rgb out;
    out.Rouge = c % 256;
    out.Vert = (c / 256) % 256;
    out.Bleu = ((c / 256) / 256) % 256;
    return out;
}

Hsv RgbToHsv(int r, int v, int b) {
    Hsv out;
    const int max = std::max({r, v, b});
    const int min = std::min({r, v, b});
    out.Luminosite = (max * 100) / 255.0;
    if (max != 0) {
        out.Saturation = ((max / 255.0) - (min / 255.0)) * 100 / (max / 255.0);
    }
    if (out.Saturation == 0) {
        return out;
    }
    const double delta = max - min;
    double h;
    if (r == max) {
        h = (v - b) / delta;
    } else if (v == max) {
        h = 2 + (b - r) / delta;
    } else {
        h = 4 + (r - v) / delta;
    }
    h = h * 60;
    if (h < 0) {
        h = h + 360;
    }
    if (h > 360) {
        h = h - 360;
    }
    out.Teinte = h;
    return out;
}

Rgb HsvToRgb(const Hsv& hsv) {
    const double s = hsv.Saturation / 100;
    const double v = hsv.Luminosite / 100;
    const double h = hsv.Teinte;
    const double i = std::floor(h / 60);
    const double f = h / 60 - i;
    const double p = (1 - s) * v;
    const double q = (1 - f * s) * v;
    const double t = (1 - (1 - f) * s) * v;

    // Which of V, t, p, q each component takes, by sector; sectors outside 0..4 (5, and -1
    // for a wrapped hue just below 0) share the last row.
    enum { V, T, P, Q };
    static constexpr int kSectors[6][3] = {{V, T, P}, {Q, V, P}, {P, V, T},
                                           {P, Q, V}, {T, P, V}, {V, P, Q}};
    const double values[] = {v, t, p, q};
    const int* row = kSectors[(i >= 0 && i <= 4) ? static_cast<int>(i) : 5];
    const double r = values[row[0]], g = values[row[1]], b = values[row[2]];
    auto component = [](double x) { return std::clamp(RoundHalfEven(x * 255), 0, 255); };
    return {component(r), component(g), component(b)};
}

void AppendHexText(std::string& out, Colour c) {
    // The value reads 0x00BBGGRR: red is the low byte and comes first. Written digit by
    // digit, as a command may print hundreds of thousands of them.
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto v = static_cast<unsigned>(c);
    const char text[7] = {'#',
                          kDigits[(v >> 4) & 0xF],
                          kDigits[v & 0xF],
                          kDigits[(v >> 12) & 0xF],
                          kDigits[(v >> 8) & 0xF],
                          kDigits[(v >> 20) & 0xF],
                          kDigits[(v >> 16) & 0xF]};
    out.append(text, sizeof text);
}

std::string HexText(Colour c) {
    std::string text;
    AppendHexText(text, c);
    return text;
}

std::string ReadoutText(int r, int v, int b) {
    return "R:" + std::to_string(r) + " V:" + std::to_string(v) + " B:" + std::to_string(b);
}

void SortValues(std::vector<double>& values) {
    if (values.empty()) {
        return;
    }
    for (std::size_t last = values.size() - 1; last > 0; --last) {
        for (std::size_t j = 1; j <= last; ++j) {
            if (values[j - 1] > values[j]) {
                std::swap(values[j - 1], values[j]);
            }
        }
    }
}

} // namespace oria
