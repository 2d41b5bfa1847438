#include "HarmonyDisplay.h"

#include <algorithm>
#include <cstddef>

namespace oria {

namespace {

// For each square carre1..carre7, the harmony colour it shows (1..5) or 0 when hidden.
struct LayoutRow {
    int n;
    DisplayMode mode;
    std::array<int, 7> colourOfSquare;
};

constexpr std::array<LayoutRow, 8> kLayouts{{
    {2, DisplayMode::Contraste1, {1, 2, 0, 0, 0, 0, 0}},
    {2, DisplayMode::Contraste2, {2, 2, 0, 1, 0, 0, 0}},
    {2, DisplayMode::Contraste3, {2, 2, 0, 1, 2, 0, 0}},
    {3, DisplayMode::Contraste1, {2, 3, 1, 0, 0, 0, 0}},
    {3, DisplayMode::Contraste2, {3, 3, 0, 1, 2, 0, 0}},
    {4, DisplayMode::Contraste1, {3, 4, 0, 2, 1, 0, 0}},
    {4, DisplayMode::Contraste2, {1, 4, 0, 0, 0, 2, 3}},
    {5, DisplayMode::Contraste1, {5, 4, 1, 0, 0, 2, 3}},
}};

} // namespace

DisplayMode RestrictMode(int n, DisplayMode mode) {
    if ((n == 3 || n == 4) && mode == DisplayMode::Contraste3) {
        return DisplayMode::Contraste1;
    }
    if (n == 5) {
        return DisplayMode::Contraste1;
    }
    return mode;
}

SquareColours LayoutSquares(int n, DisplayMode mode, const Palette& palette) {
    SquareColours out{};
    const DisplayMode effective = RestrictMode(n, mode);
    for (const LayoutRow& row : kLayouts) {
        if (row.n != n || row.mode != effective) {
            continue;
        }
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (row.colourOfSquare[i] > 0) {
                out[i] = palette[static_cast<std::size_t>(row.colourOfSquare[i] - 1)];
            }
        }
    }
    return out;
}

double DarknessWeight(Colour c) {
    const double weight = 100 - ColourToHsv(c).Luminosite;
    return weight < 10 ? 10 : weight;
}

std::vector<double> BarBoundaries(const Palette& palette, int n, bool weighted, double w) {
    n = std::clamp(n, 1, static_cast<int>(palette.size()));
    std::vector<double> x(static_cast<std::size_t>(n) + 1, 0.0);
    if (weighted) {
        std::array<double, 5> weight{};
        double sum = 0;
        for (int k = 0; k < n; ++k) {
            weight[static_cast<std::size_t>(k)] =
                DarknessWeight(palette[static_cast<std::size_t>(k)]);
            sum = sum + weight[static_cast<std::size_t>(k)];
        }
        for (int k = 1; k < n; ++k) {
            const double p = weight[static_cast<std::size_t>(k - 1)] * 100 / sum;
            x[static_cast<std::size_t>(k)] = x[static_cast<std::size_t>(k - 1)] + p * w / 100;
        }
    } else {
        for (int j = 1; j < n; ++j) {
            x[static_cast<std::size_t>(j)] = (w / n) * j;
        }
    }
    x[static_cast<std::size_t>(n)] = w;
    return x;
}

std::vector<RulerMark> RulerMarks(double w) {
    const double s = w / 20;
    std::vector<RulerMark> marks;
    for (int k = 1; k <= 19; k += 2) {
        marks.push_back({s * k, 60});
    }
    for (int k = 0; k <= 18; k += 2) {
        marks.push_back({s * k, 100});
    }
    return marks;
}

} // namespace oria
