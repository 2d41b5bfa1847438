#include "HarmonyEngine.h"

#include <cstddef>

namespace oria {

namespace {

// How a derived hue is built from a starting hue h and the fine tuning F:
// Add gives (h + a) + F, Subtract gives h - (a + F); both widen the offset as F grows.
// ChainAdd starts from the previous derived (already wrapped) hue instead of H0.
enum class Offset { None, Add, Subtract, ChainAdd };

struct HueStep {
    Offset offset = Offset::None;
    double degrees = 0.0;
};

using HueSteps = std::array<HueStep, 4>; // C2..C5

// Hue offsets shared by the types of one family, for n = 2..5.
struct HueFamily {
    std::array<HueSteps, 4> byCount;
};

constexpr HueStep add(double a) {
    return {Offset::Add, a};
}
constexpr HueStep sub(double a) {
    return {Offset::Subtract, a};
}
constexpr HueStep chain(double a) {
    return {Offset::ChainAdd, a};
}

constexpr HueSteps kModerneSteps{add(20), sub(20), sub(10), add(10)};

constexpr HueFamily kModerneFamily{{kModerneSteps, kModerneSteps, kModerneSteps, kModerneSteps}};
constexpr HueFamily kClassiqueFaibleFamily{{
    HueSteps{sub(45)},
    HueSteps{sub(30), add(30)},
    HueSteps{sub(30), add(30), add(60)},
    HueSteps{sub(30), add(30), add(60), sub(60)},
}};
constexpr HueFamily kClassiqueNeutreFamily{{
    HueSteps{add(180)},
    HueSteps{add(120), sub(120)},
    HueSteps{add(180), sub(90), add(90)},
    HueSteps{add(72), chain(72), chain(72), chain(72)},
}};
constexpr HueFamily kSpecialFamily{{
    HueSteps{add(45)},
    HueSteps{add(150), sub(150)},
    HueSteps{add(180), add(150), add(210)},
    HueSteps{add(180), add(150), add(210), sub(30)},
}};

// Saturation or value of a derived colour: a constant, or the base colour's own.
struct Level {
    bool fromBase = false;
    double percent = 0.0;
};
constexpr Level base{true, 0.0};
constexpr Level fixed(double p) {
    return {false, p};
}

struct SvRule {
    Level s, v;
};

struct HueRule {
    HarmonyType type;
    const HueFamily* family;
    std::array<SvRule, 4> sv; // C2..C5
};

constexpr SvRule kBaseSv{base, base};
constexpr SvRule kFullSv{fixed(100), fixed(100)};

const std::array<HueRule, 7> kHueRules{{
    {HarmonyType::Moderne,
     &kModerneFamily,
     {SvRule{fixed(50), fixed(100)}, SvRule{fixed(100), fixed(50)}, SvRule{fixed(50), fixed(50)},
      SvRule{fixed(50), fixed(50)}}},
    {HarmonyType::Moderne2,
     &kModerneFamily,
     {SvRule{fixed(70), fixed(50)}, SvRule{fixed(50), fixed(100)}, SvRule{fixed(50), fixed(70)},
      SvRule{fixed(50), fixed(80)}}},
    {HarmonyType::ClassiqueFaible, &kClassiqueFaibleFamily, {kBaseSv, kBaseSv, kBaseSv, kBaseSv}},
    {HarmonyType::ClassiqueNeutre, &kClassiqueNeutreFamily, {kBaseSv, kBaseSv, kBaseSv, kBaseSv}},
    {HarmonyType::ClassiqueFort, &kClassiqueNeutreFamily, {kFullSv, kFullSv, kFullSv, kFullSv}},
    {HarmonyType::Special, &kSpecialFamily, {kFullSv, kFullSv, kFullSv, kFullSv}},
    {HarmonyType::SpecialFaible, &kSpecialFamily, {kBaseSv, kBaseSv, kBaseSv, kBaseSv}},
}};

// Multipliers of step / n for C2..C5, by n = 2..5.
using Multipliers = std::array<std::array<double, 4>, 4>;
constexpr Multipliers kClairMultipliers{{{1}, {1, 2}, {1, 2.5, 3}, {1, 2.5, 3, 4}}};
constexpr Multipliers kSombreMultipliers{{{1}, {1, 2}, {1, 2, 3}, {1, 2, 2.5, 3.5}}};

void computeHueType(Palette& palette, const HueRule& rule, int n, double f) {
    const Hsv h0 = ColourToHsv(palette[0]);
    const HueSteps& steps = rule.family->byCount[static_cast<std::size_t>(n - 2)];
    double previous = h0.Teinte;
    for (int k = 2; k <= n; ++k) {
        const std::size_t i = static_cast<std::size_t>(k - 2);
        const HueStep step = steps[i];
        const SvRule sv = rule.sv[i];
        Hsv c;
        c.Saturation = sv.s.fromBase ? h0.Saturation : sv.s.percent;
        c.Luminosite = sv.v.fromBase ? h0.Luminosite : sv.v.percent;
        switch (step.offset) {
        case Offset::Add:
            c.Teinte = h0.Teinte + step.degrees + f;
            break;
        case Offset::Subtract:
            c.Teinte = h0.Teinte - (step.degrees + f);
            break;
        case Offset::ChainAdd:
            c.Teinte = previous + step.degrees + f;
            break;
        case Offset::None:
            c.Teinte = h0.Teinte;
            break;
        }
        c.Teinte = WrapHue(c.Teinte);
        previous = c.Teinte;
        palette[static_cast<std::size_t>(k - 1)] = HsvToColour(c);
    }
}

double clampGradient(double x) {
    if (x > 99) {
        x = 100;
    }
    if (x < 1) {
        x = 0;
    }
    return x;
}

void computeGradient(Palette& palette, bool saturation, int n) {
    const Hsv h0 = ColourToHsv(palette[0]);
    const Multipliers& table = saturation ? kClairMultipliers : kSombreMultipliers;
    const double step = saturation ? h0.Saturation : h0.Luminosite;
    for (int k = 2; k <= n; ++k) {
        const std::size_t i = static_cast<std::size_t>(k - 2);
        const double m = table[static_cast<std::size_t>(n - 2)][i];
        const double component = clampGradient(step - (step / n) * m);
        Hsv c = h0;
        (saturation ? c.Saturation : c.Luminosite) = component;
        palette[static_cast<std::size_t>(k - 1)] = HsvToColour(c);
    }
}

} // namespace

std::optional<HarmonyType> HarmonyTypeFromIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kHarmonyTypes.size())) {
        return std::nullopt;
    }
    return static_cast<HarmonyType>(index);
}

double WrapHue(double hue) {
    if (hue < 1) {
        hue = hue + 360;
    }
    if (hue > 359) {
        hue = hue - 360;
    }
    return hue;
}

Colour RandomColour(RandomSource& random) {
    const int r = RoundHalfEven(random.next() * 255);
    const int g = RoundHalfEven(random.next() * 255);
    const int b = RoundHalfEven(random.next() * 255);
    return RGB(r, g, b);
}

void CalculerHarmonie(Palette& palette, std::optional<HarmonyType> type, int n, double reglageFin,
                      RandomSource& random) {
    if (!type || n < 2 || n > 5) {
        return;
    }
    switch (*type) {
    case HarmonyType::DegradeClair:
        computeGradient(palette, true, n);
        return;
    case HarmonyType::DegradeSombre:
        computeGradient(palette, false, n);
        return;
    case HarmonyType::Aleatoire:
        random.reseedFromClock();
        for (std::size_t k = 1; k < palette.size(); ++k) {
            palette[k] = RandomColour(random);
        }
        return;
    case HarmonyType::Manuel:
        return;
    default:
        break;
    }
    for (const HueRule& rule : kHueRules) {
        if (rule.type == *type) {
            computeHueType(palette, rule, n, reglageFin);
            return;
        }
    }
}

} // namespace oria
