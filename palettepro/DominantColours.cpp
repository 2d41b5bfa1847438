#include "DominantColours.h"

#include "core/OkLab.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace oria {

namespace {

constexpr int kMaxIterations = 20;
constexpr std::uint64_t kSeed = 0x0A11A2000C0105E5;

// One distinct colour of the sample and how many sampled pixels have it.
struct Swatch {
    std::uint32_t rgb; // 0xRRGGBB
    std::uint32_t weight;
};

struct Cluster {
    std::uint32_t rgb; // 0xRRGGBB
    std::uint64_t population;
};

// The middle of each of `count` equal cells along `length` pixels.
std::vector<int> evenPositions(int length, int count) {
    std::vector<int> at(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        at[static_cast<std::size_t>(i)] =
            static_cast<int>((2 * std::int64_t{i} + 1) * length / (2 * std::int64_t{count}));
    }
    return at;
}

// Columns and rows of the grid, in the picture's proportions, within the sample's budget.
std::array<int, 2> gridSize(int width, int height) {
    const std::int64_t all = std::int64_t{width} * height;
    if (all <= kDominantSamplePixels) {
        return {width, height};
    }
    const double scale = std::sqrt(double{kDominantSamplePixels} / static_cast<double>(all));
    int columns = std::clamp(static_cast<int>(width * scale), 1, width);
    int rows = std::clamp(static_cast<int>(height * scale), 1, height);
    // A thin strip: its short side keeps one cell and the long side takes the whole budget.
    if (columns == 1) {
        rows = std::min(rows, kDominantSamplePixels);
    }
    if (rows == 1) {
        columns = std::min(columns, kDominantSamplePixels);
    }
    return {columns, rows};
}

// Calls visit(column, row, pixel) for each pixel read: the middle of each cell of the grid.
template <typename Visit> void forEachSampled(const PixelView& picture, Visit visit) {
    const auto [columns, rows] = gridSize(picture.width, picture.height);
    const std::vector<int> xs = evenPositions(picture.width, columns);
    const std::vector<int> ys = evenPositions(picture.height, rows);
    for (int j = 0; j < rows; ++j) {
        const std::uint32_t* row =
            picture.pixels + ys[static_cast<std::size_t>(j)] * picture.stride;
        for (int i = 0; i < columns; ++i) {
            visit(i, j, row[xs[static_cast<std::size_t>(i)]]);
        }
    }
}

std::vector<Swatch> sampleSwatches(const PixelView& picture) {
    const auto [columns, rows] = gridSize(picture.width, picture.height);
    std::vector<std::uint32_t> seen;
    seen.reserve(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    forEachSampled(picture, [&](int, int, std::uint32_t pixel) {
        if (!picture.hasAlpha || pixel >> 24 != 0) { // a transparent pixel shows nothing
            seen.push_back(pixel & 0xFFFFFF);
        }
    });
    std::sort(seen.begin(), seen.end());
    std::vector<Swatch> swatches;
    for (const std::uint32_t rgb : seen) {
        if (swatches.empty() || swatches.back().rgb != rgb) {
            swatches.push_back({rgb, 0});
        }
        ++swatches.back().weight;
    }
    return swatches;
}

// A picture in one of the two layouts read directly; `held` keeps a converted copy alive.
PixelView viewOf(const QImage& picture, QImage& held) {
    const bool direct =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
    held = direct ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    return PixelView{reinterpret_cast<const std::uint32_t*>(held.constBits()), held.width(),
                     held.height(), held.bytesPerLine() / 4, held.hasAlphaChannel()};
}

// splitmix64 from a fixed seed, and uniform doubles made from its bits: the standard
// distributions are free to differ between libraries, and the result must not.
class Draws {
public:
    double uniform() { // [0, 1)
        return static_cast<double>(next() >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }
    std::uint64_t state_ = kSeed;
};

// The sample in OKLab, one array per coordinate so that the distance loops take several
// points at a time; single precision is plenty for distances between colours.
struct Points {
    std::vector<float> L, a, b;
    std::vector<double> w, wL, wa, wb; // weight, and weight x each coordinate for the means
};

struct Centre {
    float L, a, b;
};

Points toOkLab(const std::vector<Swatch>& swatches) {
    Points p;
    for (const Swatch& s : swatches) {
        const OkLab lab =
            RgbToOkLab(static_cast<int>(s.rgb >> 16), static_cast<int>(s.rgb >> 8 & 0xFF),
                       static_cast<int>(s.rgb & 0xFF));
        p.L.push_back(static_cast<float>(lab.L));
        p.a.push_back(static_cast<float>(lab.a));
        p.b.push_back(static_cast<float>(lab.b));
        p.w.push_back(s.weight);
        p.wL.push_back(p.w.back() * p.L.back());
        p.wa.push_back(p.w.back() * p.a.back());
        p.wb.push_back(p.w.back() * p.b.back());
    }
    return p;
}

Centre pointAt(const Points& p, std::size_t i) {
    return {p.L[i], p.a[i], p.b[i]};
}

// Squared distance from each point to `centre`, into `out`.
void distances(const Points& p, const Centre& centre, std::vector<float>& out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float dL = p.L[i] - centre.L, da = p.a[i] - centre.a, db = p.b[i] - centre.b;
        out[i] = dL * dL + da * da + db * db;
    }
}

// An index drawn with probability proportional to weightOf(i).
template <typename WeightOf> std::size_t drawIndex(std::size_t n, Draws& draws, WeightOf weightOf) {
    double total = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        total += weightOf(i);
    }
    const double target = draws.uniform() * total;
    double sum = 0.0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double w = weightOf(i);
        sum += w;
        if (w > 0.0) {
            last = i;
            if (sum > target) {
                return i;
            }
        }
    }
    return last; // target rounded up to the total
}

// k-means++: each centre drawn with probability proportional to weight x squared distance to
// the nearest centre drawn so far. The points are distinct, so each draw is a new one.
std::vector<Centre> seedCentres(const Points& p, int k, Draws& draws) {
    const std::size_t n = p.w.size();
    std::vector<Centre> centres{
        pointAt(p, drawIndex(n, draws, [&](std::size_t i) { return p.w[i]; }))};
    std::vector<float> nearest(n, std::numeric_limits<float>::infinity()), d(n);
    while (static_cast<int>(centres.size()) < k) {
        distances(p, centres.back(), d);
        for (std::size_t i = 0; i < n; ++i) {
            nearest[i] = std::min(nearest[i], d[i]);
        }
        centres.push_back(
            pointAt(p, drawIndex(n, draws, [&](std::size_t i) { return p.w[i] * nearest[i]; })));
    }
    return centres;
}

std::vector<Cluster> kMeans(const std::vector<Swatch>& swatches, int k) {
    const Points p = toOkLab(swatches);
    const std::size_t n = p.w.size();
    Draws draws;
    std::vector<Centre> centres = seedCentres(p, k, draws);
    std::vector<OkLab> means;
    for (const Centre& c : centres) {
        means.push_back({c.L, c.a, c.b});
    }
    std::vector<std::uint32_t> owner(n, std::numeric_limits<std::uint32_t>::max()), best(n);
    std::vector<float> bestDistance(n), d(n);
    // Lloyd's iterations: each point to its nearest centre (the first one on a tie), then each
    // centre to the weighted mean of its points, until no point changes hands.
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        std::fill(bestDistance.begin(), bestDistance.end(), std::numeric_limits<float>::infinity());
        for (std::uint32_t c = 0; c < centres.size(); ++c) {
            distances(p, centres[c], d);
            for (std::size_t i = 0; i < n; ++i) {
                const bool closer = d[i] < bestDistance[i];
                bestDistance[i] = closer ? d[i] : bestDistance[i];
                best[i] = closer ? c : best[i];
            }
        }
        if (best == owner) {
            break;
        }
        owner.swap(best);
        std::vector<std::array<double, 4>> sums(centres.size()); // weight, weight x L, a, b
        for (std::size_t i = 0; i < n; ++i) {
            auto& s = sums[owner[i]];
            s[0] += p.w[i];
            s[1] += p.wL[i];
            s[2] += p.wa[i];
            s[3] += p.wb[i];
        }
        for (std::size_t c = 0; c < centres.size(); ++c) {
            if (sums[c][0] > 0.0) { // an emptied cluster keeps its centre
                means[c] = {sums[c][1] / sums[c][0], sums[c][2] / sums[c][0],
                            sums[c][3] / sums[c][0]};
                centres[c] = {static_cast<float>(means[c].L), static_cast<float>(means[c].a),
                              static_cast<float>(means[c].b)};
            }
        }
    }
    std::vector<Cluster> clusters(centres.size());
    for (std::size_t c = 0; c < centres.size(); ++c) {
        const Rgb rgb = OkLabToRgb(means[c]);
        clusters[c].rgb = static_cast<std::uint32_t>(rgb.Rouge << 16 | rgb.Vert << 8 | rgb.Bleu);
    }
    for (std::size_t i = 0; i < n; ++i) {
        clusters[owner[i]].population += swatches[i].weight;
    }
    return clusters;
}

// Most present first, ties in #RRGGBB order; clusters whose centres round to the same colour
// are one colour, and emptied ones none.
std::vector<Colour> ranked(std::vector<Cluster> clusters) {
    std::sort(clusters.begin(), clusters.end(),
              [](const Cluster& x, const Cluster& y) { return x.rgb < y.rgb; });
    std::vector<Cluster> merged;
    for (const Cluster& c : clusters) {
        if (!merged.empty() && merged.back().rgb == c.rgb) {
            merged.back().population += c.population;
        } else if (c.population > 0) {
            merged.push_back(c);
        }
    }
    std::stable_sort(merged.begin(), merged.end(), [](const Cluster& x, const Cluster& y) {
        return x.population > y.population;
    });
    std::vector<Colour> colours;
    for (const Cluster& c : merged) {
        colours.push_back(RGB(static_cast<int>(c.rgb >> 16), static_cast<int>(c.rgb >> 8 & 0xFF),
                              static_cast<int>(c.rgb & 0xFF)));
    }
    return colours;
}

} // namespace

std::vector<Colour> DominantColours(const PixelView& picture, int count) {
    if (!picture.pixels || picture.width <= 0 || picture.height <= 0) {
        return {};
    }
    const int k = std::clamp(count, 1, kDominantColoursMax);
    const std::vector<Swatch> swatches = sampleSwatches(picture);
    if (swatches.size() <= static_cast<std::size_t>(k)) {
        std::vector<Cluster> exact;
        for (const Swatch& s : swatches) {
            exact.push_back({s.rgb, s.weight});
        }
        return ranked(std::move(exact));
    }
    return ranked(kMeans(swatches, k));
}

std::vector<Colour> DominantColours(const QImage& picture, int count) {
    if (picture.isNull()) {
        return {};
    }
    QImage held;
    return DominantColours(viewOf(picture, held), count);
}

QImage DominantSample(const QImage& picture) {
    if (picture.isNull()) {
        return {};
    }
    QImage held;
    const PixelView view = viewOf(picture, held);
    const auto [columns, rows] = gridSize(view.width, view.height);
    const bool alpha = picture.hasAlphaChannel();
    QImage sample(columns, rows, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (sample.isNull()) { // out of memory
        return {};
    }
    auto* to = reinterpret_cast<std::uint32_t*>(sample.bits());
    const std::ptrdiff_t stride = sample.bytesPerLine() / 4;
    // Without alpha the top byte means nothing (and a converted picture has it at FF): RGB32
    // wants it at FF.
    const std::uint32_t opaque = alpha ? 0 : 0xFF000000u;
    forEachSampled(view, [&](int column, int row, std::uint32_t pixel) {
        to[row * stride + column] = pixel | opaque;
    });
    return sample;
}

} // namespace oria
