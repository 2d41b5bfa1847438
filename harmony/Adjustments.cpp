#include "Adjustments.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace oria {

namespace {

void stepDerivedColours(Palette& palette, Adjustment step) {
    for (std::size_t k = 1; k < palette.size(); ++k) {
        palette[k] = StepColour(palette[k], step);
    }
}

// Slot i of the result takes the colour of slot order[i] (1-based, as colours are named).
template <std::size_t N> void permute(Palette& palette, const std::array<int, N>& order) {
    const Palette before = palette;
    for (std::size_t i = 0; i < N; ++i) {
        palette[i] = before[static_cast<std::size_t>(order[i] - 1)];
    }
}

} // namespace

// Thresholds 99 and 1 on purpose: 99.5 becomes 100 and 0.5 becomes 0.
Colour StepColour(Colour c, Adjustment step) {
    const bool saturation = step == Adjustment::SatPlus || step == Adjustment::SatMoins;
    const bool up = step == Adjustment::LumPlus || step == Adjustment::SatPlus;
    if (!saturation && !up && step != Adjustment::LumMoins) {
        return c;
    }
    Hsv hsv = ColourToHsv(c);
    double& value = saturation ? hsv.Saturation : hsv.Luminosite;
    value = value + (up ? 5 : -5);
    if (up && value > 99) {
        value = 100;
    }
    if (!up && value < 1) {
        value = 0;
    }
    return HsvToColour(hsv);
}

void HarmonieLumPlus(Palette& palette) {
    stepDerivedColours(palette, Adjustment::LumPlus);
}
void HarmonieLumMoins(Palette& palette) {
    stepDerivedColours(palette, Adjustment::LumMoins);
}
void HarmonieSatPlus(Palette& palette) {
    stepDerivedColours(palette, Adjustment::SatPlus);
}
void HarmonieSatMoins(Palette& palette) {
    stepDerivedColours(palette, Adjustment::SatMoins);
}

int WebSafeComponent(int x) {
    if (x % 51 == 0) {
        return x;
    }
    const int q = static_cast<int>(std::floor(x / 51.0));
    const double d = x / 51.0 - q;
    return d >= 0.5 ? 51 * q + 51 : 51 * q;
}

void HarmonieWebSafe(Palette& palette) {
    for (Colour& c : palette) {
        const Rgb rgb = SplitColour(c);
        c = RGB(WebSafeComponent(rgb.Rouge), WebSafeComponent(rgb.Vert),
                WebSafeComponent(rgb.Bleu));
    }
}

void HarmonieCycler(Palette& palette, int n) {
    if (n < 2 || n > 5) {
        return;
    }
    std::rotate(palette.begin(), palette.begin() + (n - 1), palette.begin() + n);
}

void HarmonieMelanger(Palette& palette, int n, RandomSource& random) {
    switch (n) {
    case 2:
        permute<2>(palette, {2, 1});
        break;
    case 3:
        permute<3>(palette, {2, 3, 1});
        break;
    case 4:
    case 5: {
        random.reseedFromClock();
        const bool high = random.next() >= 0.5;
        if (n == 4) {
            permute<4>(palette, high ? std::array{3, 4, 2, 1} : std::array{4, 3, 1, 2});
        } else {
            permute<5>(palette, high ? std::array{5, 4, 3, 2, 1} : std::array{3, 5, 4, 1, 2});
        }
        break;
    }
    default:
        break;
    }
}

void HarmonieClasser(Palette& palette, int n) {
    if (n < 2 || n > 5) {
        return;
    }
    const Palette copy = palette;
    std::array<double, 5> value{};
    for (std::size_t k = 0; k < palette.size(); ++k) {
        value[k] = ColourToHsv(copy[k]).Luminosite;
    }
    if (n == 2) {
        if (value[1] > value[0]) {
            palette[0] = copy[1];
            palette[1] = copy[0];
        }
        return;
    }
    const auto count = static_cast<std::size_t>(n);
    std::vector<double> sorted(value.begin(), value.begin() + n);
    SortValues(sorted);
    std::array<bool, 5> filled{}, used{};
    // From the largest value down, each value goes to the first free slot, taken from the
    // first unused colour that has exactly that value: equal values keep their order.
    for (std::size_t i = count; i-- > 0;) {
        for (std::size_t s = 0; s < count; ++s) {
            for (std::size_t j = 0; j < count; ++j) {
                if (!filled[s] && !used[j] && value[j] == sorted[i]) {
                    palette[s] = copy[j];
                    filled[s] = true;
                    used[j] = true;
                }
            }
        }
    }
}

void ApplyAdjustment(Adjustment adjustment, Palette& palette, int n, RandomSource& random) {
    switch (adjustment) {
    case Adjustment::LumPlus:
        HarmonieLumPlus(palette);
        break;
    case Adjustment::LumMoins:
        HarmonieLumMoins(palette);
        break;
    case Adjustment::SatPlus:
        HarmonieSatPlus(palette);
        break;
    case Adjustment::SatMoins:
        HarmonieSatMoins(palette);
        break;
    case Adjustment::WebSafe:
        HarmonieWebSafe(palette);
        break;
    case Adjustment::Cycler:
        HarmonieCycler(palette, n);
        break;
    case Adjustment::Melanger:
        HarmonieMelanger(palette, n, random);
        break;
    case Adjustment::Classer:
        HarmonieClasser(palette, n);
        break;
    }
}

} // namespace oria
