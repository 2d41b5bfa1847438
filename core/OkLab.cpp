#include "OkLab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace oria {

namespace {

using Vector = std::array<double, 3>;

Vector times(const OkMatrix& m, const Vector& v) {
    Vector out{};
    for (std::size_t i = 0; i < 3; ++i) {
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    }
    return out;
}

// The n-th root of v >= 0 by Newton's method. std::cbrt and std::pow are not correctly
// rounded everywhere, so different C libraries could round a colour differently; the basic
// operations, std::sqrt and integer arithmetic on the bits give the same result on every
// IEEE platform.
double root(double v, int n) {
    if (!(v > 0.0)) {
        return 0.0;
    }
    // Start near the root by dividing the exponent, bits and all, by n.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    bits = bits / static_cast<unsigned>(n) + (std::uint64_t{1023} * (n - 1) / n << 52);
    double y = 0.0;
    std::memcpy(&y, &bits, sizeof y);
    auto step = [v, n](double x) {
        double power = 1.0;
        for (int i = 1; i < n; ++i) {
            power *= x;
        }
        return ((n - 1) * x + v / power) / n;
    };
    // After one step the iterates lie above the root and only decrease; the first that does
    // not is the end.
    y = step(y);
    for (double next = step(y); next < y; next = step(y)) {
        y = next;
    }
    return y;
}

} // namespace

// Through root() rather than std::pow as in contrast/Vision.
double SrgbToLinear(double c) {
    if (c <= 0.04045) {
        return c / 12.92;
    }
    const double t = (c + 0.055) / 1.055;
    return t * t * root(t * t, 5); // t^2.4
}

double LinearToSrgb(double linear) {
    if (linear <= 0.0031308) {
        return 12.92 * linear;
    }
    const double c = root(linear, 3); // linear^(5/12) is the 4th root of linear^(5/3)
    return 1.055 * std::sqrt(std::sqrt(linear * c * c)) - 0.055;
}

double CubeRoot(double v) {
    return root(v, 3);
}

namespace {

// 8-bit sRGB component 0..255 to linear light 0..1.
double linearFromSrgb(int component) {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            t[i] = SrgbToLinear(static_cast<double>(i) / 255.0);
        }
        return t;
    }();
    return table[static_cast<std::size_t>(std::clamp(component, 0, 255))];
}

int encoded(double linear) {
    return std::clamp(RoundHalfEven(255.0 * LinearToSrgb(std::clamp(linear, 0.0, 1.0))), 0, 255);
}

} // namespace

LinearRgb ColourToLinear(Colour c) {
    const Rgb rgb = SplitColour(c);
    return {linearFromSrgb(rgb.Rouge), linearFromSrgb(rgb.Vert), linearFromSrgb(rgb.Bleu)};
}

Colour LinearToColour(const LinearRgb& c) {
    return RGB(encoded(c.r), encoded(c.g), encoded(c.b));
}

OkLab LinearToOkLab(const LinearRgb& c) {
    Vector lms = times(kRgbToLms, {c.r, c.g, c.b});
    for (double& x : lms) {
        x = root(x, 3);
    }
    const Vector lab = times(kLmsToLab, lms);
    return {lab[0], lab[1], lab[2]};
}

LinearRgb OkLabToLinear(const OkLab& lab) {
    Vector lms = times(kLabToLms, {lab.L, lab.a, lab.b});
    for (double& x : lms) {
        x = x * x * x;
    }
    const Vector linear = times(kLmsToRgb, lms);
    return {linear[0], linear[1], linear[2]};
}

OkLab RgbToOkLab(int r, int v, int b) {
    return LinearToOkLab({linearFromSrgb(r), linearFromSrgb(v), linearFromSrgb(b)});
}

Rgb OkLabToRgb(const OkLab& lab) {
    return SplitColour(LinearToColour(OkLabToLinear(lab)));
}

} // namespace oria
