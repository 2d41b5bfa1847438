#include "Proposals.h"
#include "Legibility.h"

#include "core/OkLch.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace oria {

const std::array<ContrastTargetRow, 8> kContrastTargets = {{
    {ContrastTarget::Aa, "AA", "aa", ContrastMeasure::Wcag, 4.5},
    {ContrastTarget::AaLarge, "AA grand", "aa-grand", ContrastMeasure::Wcag, 3},
    {ContrastTarget::Aaa, "AAA", "aaa", ContrastMeasure::Wcag, 7},
    {ContrastTarget::AaaLarge, "AAA grand", "aaa-grand", ContrastMeasure::Wcag, 4.5},
    {ContrastTarget::Lc45, "Lc 45", "lc45", ContrastMeasure::Apca, 45},
    {ContrastTarget::Lc60, "Lc 60", "lc60", ContrastMeasure::Apca, 60},
    {ContrastTarget::Lc75, "Lc 75", "lc75", ContrastMeasure::Apca, 75},
    {ContrastTarget::Lc90, "Lc 90", "lc90", ContrastMeasure::Apca, 90},
}};

const ContrastTargetRow& TargetRow(ContrastTarget target) {
    return kContrastTargets[static_cast<std::size_t>(target)];
}

ContrastTarget TargetNamed(std::string_view commandName) {
    for (const ContrastTargetRow& row : kContrastTargets) {
        if (commandName == row.commandName) {
            return row.target;
        }
    }
    return ContrastTarget::Aa;
}

double MeasureFor(ContrastTarget target, Colour text, Colour background) {
    return TargetRow(target).measure == ContrastMeasure::Wcag ? ContrastRatio(text, background)
                                                              : ApcaLc(text, background);
}

bool MeetsTarget(ContrastTarget target, Colour text, Colour background) {
    return std::abs(MeasureFor(target, text, background)) >= TargetRow(target).threshold;
}

std::string ReachedText(ContrastTarget target, double reached) {
    return TargetRow(target).measure == ContrastMeasure::Wcag ? "wcag=" + FixedText(reached, 2)
                                                              : "apca=" + FixedText(reached, 1);
}

namespace {

// The search follows a lightness t of the moving colour read off the luminance its measure
// uses: WCAG's relative luminance Y encoded as sRGB encodes a component, or APCA's lifted
// screen luminance to the power 1/2.4. A grey's t is its component, and rounding any colour
// to 8 bits moves t by about half a unit whatever its lightness, where Y moves a thousand times
// less near black than near white. The pair passes where t is at least `lighter` or at most
// `darker`, bounds set by the fixed colour.

// How far rounding a point of the line to 8 bits can move t: at most 0.61 of a unit for WCAG
// (where sRGB's curve turns straight near black), 0.50 for APCA, over the lines of 8-bit
// colours 8 apart in each component.
constexpr double kRoundingReach = 0.7 / 255;
// How far t can go back while the lightness goes on one way, over the same lines: for WCAG
// not at all (a margin kept); for APCA 2.16, where a dark blue (#0000AA) steps off its own line,
// whose chroma fits at the blue's lightness only, onto a greyer colour of lower t. The chroma that
// shrinks at the edge of the gamut moves the luminance too.
constexpr double kRetrace[2] = {0.1 / 255, 3.0 / 255};
// Where a scan starts: within 1/1024 of lightness of where t reaches the level, the scan does
// the rest; a few steps of regula falsi.
constexpr int kLightnessSteps = 30;
constexpr double kLightnessPrecision = 1.0 / 1024;
// Scan steps, in lightness: a step moves no component by more than one 8-bit unit; two
// components crossing a half unit within kSameCrossing of a step cross together.
constexpr double kSameCrossing = 1e-6;
constexpr double kFirstStep = 1.0 / 512, kLargestStep = 1.0 / 16, kSmallestStep = 1e-7;

// A point of the line: its lightness and chroma, its components 0..255 before rounding, and t.
struct Point {
    double L = 0, C = 0;
    std::array<double, 3> u{};
    double t = 0;
};

Colour rounded(const std::array<int, 3>& c) {
    return RGB(c[0], c[1], c[2]);
}

// As LinearToColour rounds.
Colour rounded(const Point& p) {
    return RGB(static_cast<int>(std::lround(p.u[0])), static_cast<int>(std::lround(p.u[1])),
               static_cast<int>(std::lround(p.u[2])));
}

class Search {
public:
    Search(Colour moving, Colour fixed, bool movingIsText, const ContrastTargetRow& row)
        : moving_(moving), fixed_(fixed), movingIsText_(movingIsText), row_(row),
          wcag_(row.measure == ContrastMeasure::Wcag), retrace_(kRetrace[wcag_ ? 0 : 1]),
          line_(moving), origin_(ColourToOkLab(moving)) {
        LuminanceBounds y;
        if (wcag_) {
            const double other = RelativeLuminance(fixed);
            y = {(other + 0.05) / row.threshold - 0.05, (other + 0.05) * row.threshold - 0.05};
        } else {
            const double other = ApcaLuminance(fixed);
            y = movingIsText ? ApcaBoundsForText(other, row.threshold)
                             : ApcaBoundsForBackground(other, row.threshold);
        }
        darker_ = y.darker < 0 ? -1 : lightness(y.darker);
        lighter_ = lightness(y.lighter);
    }

    Proposal run() {
        const Colour text = movingIsText_ ? moving_ : fixed_;
        const Colour back = movingIsText_ ? fixed_ : moving_;
        if (MeetsTarget(row_.target, text, back)) {
            return {ProposalKind::AlreadyMet, moving_, MeasureFor(row_.target, text, back), 0};
        }
        // Two stretches each way: next to the original, where t going back could pass on the
        // other side, and from where t may pass on this side. The nearest first: the others
        // may then be cut short, or not needed.
        const double L0 = origin_.L;
        const double t0 = at(L0).t;
        struct Stretch {
            double from;
            int d;
            bool backOnly;
        };
        Stretch stretches[4];
        std::size_t n = 0;
        for (const int d : {1, -1}) {
            if (d * (otherBound(d) - t0) + retrace_ + kRoundingReach >= 0) {
                stretches[n++] = {L0, d, true};
            }
            if (const double from = scanStart(d, t0); !std::isnan(from)) {
                stretches[n++] = {from, d, false};
            }
        }
        std::stable_sort(stretches, stretches + n, [L0](const Stretch& x, const Stretch& y) {
            return std::abs(x.from - L0) < std::abs(y.from - L0);
        });
        for (std::size_t k = 0; k < n; ++k) {
            if (!beyondBest(at(stretches[k].from))) {
                scan(stretches[k].from, stretches[k].d, stretches[k].backOnly);
            }
        }
        if (!found_) {
            return {ProposalKind::Impossible, moving_, MeasureFor(row_.target, text, back), 0};
        }
        const Colour t = movingIsText_ ? best_ : fixed_;
        const Colour b = movingIsText_ ? fixed_ : best_;
        return {ProposalKind::Proposed, best_, MeasureFor(row_.target, t, b), bestDifference_};
    }

private:
    double lightness(double luminance) const {
        return wcag_ ? LinearToSrgb(luminance) : std::pow(luminance, 1 / 2.4);
    }
    // The bound met going one way (lighter: d = 1), and the other.
    double bound(int d) const { return d > 0 ? lighter_ : darker_; }
    double otherBound(int d) const { return d > 0 ? darker_ : lighter_; }

    Point at(double L) const {
        Point p;
        const LinearRgb c = line_.at(L, p.C);
        const double encoded[3] = {LinearToSrgb(c.r), LinearToSrgb(c.g), LinearToSrgb(c.b)};
        p.L = L;
        for (std::size_t i = 0; i < 3; ++i) {
            p.u[i] = encoded[i] * 255;
        }
        p.t = lightness(
            wcag_ ? RelativeLuminanceOfLinear(c.r, c.g, c.b)
                  : ApcaSoftClamp(ApcaScreenLuminance(encoded[0], encoded[1], encoded[2])));
        return p;
    }

    bool passes(Colour c) const {
        return movingIsText_ ? MeetsTarget(row_.target, c, fixed_)
                             : MeetsTarget(row_.target, fixed_, c);
    }

    // Where rounded points one way (lighter: d = 1) may start passing on that side, or NaN
    // when none can. Nearer the original, t stays too far from the bound for any to pass.
    double scanStart(int d, double t0) const {
        const double L0 = origin_.L;
        const double end = d > 0 ? 1 : 0;
        // White and black have the extreme t: when they fail, all that way fail on this side.
        if (!passes(line_.colourAt(end))) {
            return std::numeric_limits<double>::quiet_NaN();
        }
        // d t >= level is where a rounded point may pass; it holds at the end.
        const double level = d * bound(d) - kRoundingReach - retrace_;
        if (d * t0 >= level) {
            return L0;
        }
        // Regula falsi, the value at the end that stays halved at each step so that both ends
        // close in: t is smooth in L but for a few jumps, which the bracket holds through.
        double near = L0, far = end;
        double gNear = d * t0 - level, gFar = d * at(end).t - level;
        for (int i = 0; i < kLightnessSteps && std::abs(far - near) > kLightnessPrecision; ++i) {
            double mid = (near * gFar - far * gNear) / (gFar - gNear);
            if (!(std::abs(mid - near) > 0 && std::abs(far - mid) > 0 &&
                  (mid - near) * (far - mid) > 0)) {
                mid = (near + far) / 2;
            }
            const double g = d * at(mid).t - level;
            if (g >= 0) {
                far = mid;
                gFar = g;
                gNear /= 2;
            } else {
                near = mid;
                gNear = g;
                gFar /= 2;
            }
        }
        return near; // d t < level here, and so, less the retrace, everywhere nearer L0
    }

    // No rounded point from p on (away from the original) is as near as the best: the line's
    // difference from the original only grows, by the lightness and by the chroma lost (less
    // what a line with slivers of gamut may get back), and rounding moves it so much at most.
    bool beyondBest(const Point& p) const {
        if (!found_) {
            return false;
        }
        const double dL = p.L - origin_.L;
        const double lost = std::max(line_.chroma() - p.C - line_.chromaRegained(), 0.0);
        const double distance = std::sqrt(dL * dL + lost * lost);
        return distance > bestDifference_ && distance - RoundingReach(p.u) > bestDifference_;
    }

    void consider(Colour c) {
        if (c == lastConsidered_) {
            return;
        }
        lastConsidered_ = c;
        if (!passes(c)) {
            return;
        }
        const double difference = DeltaE(ColourToOkLab(c), origin_);
        if (!found_ || difference < bestDifference_) {
            found_ = true;
            best_ = c;
            bestDifference_ = difference;
        }
    }

    // Every colour the rounded points take between p and q, in order, when no component moves
    // by more than one unit: each component changes where it crosses a half unit, the order
    // of the crossings read off a straight line between the two points.
    void considerBetween(const Point& p, const Point& q) {
        struct Crossing {
            double t;
            std::size_t channel;
            int value;
        };
        Crossing crossings[3]; // a component moved by one unit at most crosses one half
        std::size_t n = 0;
        std::array<int, 3> c{};
        for (std::size_t i = 0; i < 3; ++i) {
            c[i] = static_cast<int>(std::lround(p.u[i]));
            const int to = static_cast<int>(std::lround(q.u[i]));
            if (to != c[i]) {
                const double half = (c[i] + to) / 2.0;
                crossings[n++] = {(half - p.u[i]) / (q.u[i] - p.u[i]), i, to};
            }
        }
        for (std::size_t k = 1; k < n; ++k) { // in order of t
            for (std::size_t j = k; j > 0 && crossings[j].t < crossings[j - 1].t; --j) {
                std::swap(crossings[j], crossings[j - 1]);
            }
        }
        for (std::size_t k = 0; k < n; ++k) {
            c[crossings[k].channel] = crossings[k].value;
            // Crossings this close are one (a grey's three components cross together): the
            // colour between would last less than 1e-8 of lightness.
            if (k + 1 == n || crossings[k + 1].t - crossings[k].t > kSameCrossing) {
                consider(rounded(c));
            }
        }
    }

    // From `from` towards the end of the line one way, until nothing further can be nearer
    // than the best found; backOnly, until t has gone too far for the other side.
    void scan(double from, int d, bool backOnly) {
        const double end = d > 0 ? 1 : 0;
        Point p = at(from);
        double farthest = d * p.t;
        consider(rounded(p));
        double step = kFirstStep;
        while (p.L != end) {
            const double L = d > 0 ? std::min(p.L + step, end) : std::max(p.L - step, end);
            const Point q = at(L);
            double change = 0;
            for (std::size_t i = 0; i < 3; ++i) {
                change = std::max(change, std::abs(q.u[i] - p.u[i]));
            }
            if (change > 1 && step > kSmallestStep) {
                step = std::max(kSmallestStep, step * 0.7 / change);
                continue;
            }
            if (change > 1) { // a jump of the line (off a sliver of gamut): no colour between
                consider(rounded(q));
            } else {
                considerBetween(p, q);
            }
            p = q;
            if (change < 0.5) {
                step = std::min(kLargestStep, step * (change > 0.25 ? 1.5 : 2.0));
            }
            farthest = std::max(farthest, d * p.t);
            if (beyondBest(p) ||
                (backOnly && farthest - retrace_ > d * otherBound(d) + kRoundingReach)) {
                return;
            }
        }
    }

    Colour moving_, fixed_;
    bool movingIsText_;
    const ContrastTargetRow& row_;
    bool wcag_;
    double retrace_;
    HueLine line_;
    OkLab origin_;
    double darker_ = -1, lighter_ = 2;

    bool found_ = false;
    Colour best_ = 0;
    double bestDifference_ = 0;
    Colour lastConsidered_ = -1;
};

} // namespace

Proposal ProposeText(Colour text, Colour background, ContrastTarget target) {
    return Search(text, background, true, TargetRow(target)).run();
}

Proposal ProposeBackground(Colour text, Colour background, ContrastTarget target) {
    return Search(background, text, false, TargetRow(target)).run();
}

Proposals ProposeColours(Colour text, Colour background, ContrastTarget target) {
    return {ProposeText(text, background, target), ProposeBackground(text, background, target)};
}

} // namespace oria
