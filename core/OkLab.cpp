#include "OkLab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace oria {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Vector = std::array<double, 3>;

// The published OKLab matrices: linear sRGB to cone responses (LMS), and the cube roots of
// those to Lab; then their inverses.
constexpr Matrix kRgbToLms{{{0.4122214708, 0.5363325363, 0.0514459929},
                            {0.2119034982, 0.6806995451, 0.1073969566},
                            {0.0883024619, 0.2817188376, 0.6299787005}}};
constexpr Matrix kLmsToLab{{{0.2104542553, 0.7936177850, -0.0040720468},
                            {1.9779984951, -2.4285922050, 0.4505937099},
                            {0.0259040371, 0.7827717662, -0.8086757660}}};
constexpr Matrix kLabToLms{{{1.0, 0.3963377774, 0.2158037573},
                            {1.0, -0.1055613458, -0.0638541728},
                            {1.0, -0.0894841775, -1.2914855480}}};
constexpr Matrix kLmsToRgb{{{4.0767416621, -3.3077115913, 0.2309699292},
                            {-1.2684380046, 2.6097574011, -0.3413193965},
                            {-0.0041960863, -0.7034186147, 1.7076147010}}};

Vector times(const Matrix& m, const Vector& v) {
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

// The sRGB transfer curves, through root() rather than std::pow as in contrast/Vision.
double decode(double c) { // sRGB 0..1 to linear light
    if (c <= 0.04045) {
        return c / 12.92;
    }
    const double t = (c + 0.055) / 1.055;
    return t * t * root(t * t, 5); // t^2.4
}

double encode(double linear) { // linear light 0..1 to sRGB
    if (linear <= 0.0031308) {
        return 12.92 * linear;
    }
    const double c = root(linear, 3); // linear^(5/12) is the 4th root of linear^(5/3)
    return 1.055 * std::sqrt(std::sqrt(linear * c * c)) - 0.055;
}

// 8-bit sRGB component 0..255 to linear light 0..1.
double linearFromSrgb(int component) {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            t[i] = decode(static_cast<double>(i) / 255.0);
        }
        return t;
    }();
    return table[static_cast<std::size_t>(std::clamp(component, 0, 255))];
}

} // namespace

OkLab RgbToOkLab(int r, int v, int b) {
    Vector lms = times(kRgbToLms, {linearFromSrgb(r), linearFromSrgb(v), linearFromSrgb(b)});
    for (double& x : lms) {
        x = root(x, 3);
    }
    const Vector lab = times(kLmsToLab, lms);
    return {lab[0], lab[1], lab[2]};
}

Rgb OkLabToRgb(const OkLab& lab) {
    Vector lms = times(kLabToLms, {lab.L, lab.a, lab.b});
    for (double& x : lms) {
        x = x * x * x;
    }
    const Vector linear = times(kLmsToRgb, lms);
    int out[3];
    for (std::size_t i = 0; i < 3; ++i) {
        const double c = encode(std::clamp(linear[i], 0.0, 1.0));
        out[i] = std::clamp(RoundHalfEven(255.0 * c), 0, 255);
    }
    return {out[0], out[1], out[2]};
}

} // namespace oria
