#include "palettepro/DominantColours.h"
#include "support/Snapshot.h"

#include <QImage>
#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour kRed = RGB(230, 30, 40), kBlue = RGB(20, 60, 200), kGreen = RGB(40, 170, 70);

std::uint32_t argb(Colour c) {
    return qRgb(SplitColour(c).Rouge, SplitColour(c).Vert, SplitColour(c).Bleu);
}

// Rows padded past the width with magenta, which must never be read.
struct Picture {
    static constexpr int kPadding = 3;
    Picture(int w, int h, Colour fill)
        : width(w), height(h), pixels(std::size_t(w + kPadding) * h, argb(RGB(255, 0, 255))) {
        rect(0, 0, w, h, fill);
    }
    void rect(int x, int y, int w, int h, Colour c) { rectRaw(x, y, w, h, argb(c)); }
    void rectRaw(int x, int y, int w, int h, std::uint32_t pixel) {
        for (int j = y; j < y + h; ++j) {
            std::fill_n(pixels.begin() + j * (width + kPadding) + x, w, pixel);
        }
    }
    PixelView view() const { return {pixels.data(), width, height, width + kPadding}; }
    QImage image(QImage::Format format) const {
        return QImage(reinterpret_cast<const uchar*>(pixels.data()), width, height,
                      (width + kPadding) * 4, QImage::Format_ARGB32)
            .convertToFormat(format);
    }

    int width, height;
    std::vector<std::uint32_t> pixels;
};

// Three families of colours, each a base with +-`spread` of noise per component, over
// 50 %, 30 % and 20 % of the rows.
Picture noisyFamilies(int spread, int width = 600, int height = 500) {
    Picture p(width, height, 0);
    std::uint64_t state = 12345;
    for (int y = 0; y < p.height; ++y) {
        const Rgb base = SplitColour(y < height / 2 ? kRed : y < height * 4 / 5 ? kBlue : kGreen);
        for (int x = 0; x < p.width; ++x) {
            auto noisy = [&](int c) {
                state = state * 6364136223846793005u + 1442695040888963407u;
                return std::clamp(c + int(state >> 33) % (2 * spread + 1) - spread, 0, 255);
            };
            // One draw after another, blue first: as arguments their order would be the
            // compiler's choice.
            const int blue = noisy(base.Bleu), green = noisy(base.Vert), red = noisy(base.Rouge);
            p.rect(x, y, 1, 1, RGB(red, green, blue));
        }
    }
    return p;
}

// White above, black below and a red line of one pixel between.
Picture lined(int size) {
    Picture p(size, size, RGB(255, 255, 255));
    p.rect(0, size / 2 + 1, size, size - size / 2 - 1, 0);
    p.rect(0, size / 2, size, 1, kRed);
    return p;
}

// Few distinct colours come back exactly, most present first. The same picture gives the same
// colours on every run and platform: the draws come from a fixed seed and the colour arithmetic
// avoids the C library's pow and cbrt. With little noise the colours are the families' centres
// (#E61E28, #143CC8, #28AA46) within a few units.
TEST(DominantColours, ExactForFewColoursRepeatableForNoisyFamilies) {
    Picture halves(40, 20, kBlue);
    halves.rect(0, 0, 25, 20, kRed);
    // 2 400 x 1 500 pixels: read on a grid, which must reach every stripe in proportion.
    Picture stripes(2400, 1500, kGreen);
    stripes.rect(0, 0, 2400, 700, kBlue);
    stripes.rect(0, 700, 2400, 500, kRed);
    Picture transparent(30, 30, kGreen), none(10, 10, 0);
    transparent.rectRaw(0, 0, 30, 20, 0x00000000); // black, fully transparent
    none.rectRaw(0, 0, 10, 10, 0x00FFFFFF);
    Picture grey(8, 4, 0);
    grey.rect(0, 0, 3, 4, RGB(200, 200, 200));
    // RGB32 has no alpha: a zero top byte is no transparency.
    std::uint32_t raw[] = {0x00102030, 0x00102030, 0x00102030, 0xFF405060};
    const Picture noisy = noisyFamilies(12), noisier = noisyFamilies(120);
    Picture six(60, 1, kRed); // six colours over different widths
    six.rect(10, 0, 12, 1, kBlue);
    six.rect(22, 0, 22, 1, kGreen);
    six.rect(44, 0, 16, 1, RGB(250, 220, 40));
    six.rect(50, 0, 4, 1, 0);
    six.rect(54, 0, 6, 1, RGB(255, 255, 255));
    const std::pair<const char*, std::vector<Colour>> cases[] = {
        {"one colour", DominantColours(Picture(7, 5, kGreen).view(), 5)},
        {"halves", DominantColours(halves.view(), 5)},
        {"halves, two asked", DominantColours(halves.view(), 2)},
        {"stripes", DominantColours(stripes.view(), 5)},
        {"stripes, three asked", DominantColours(stripes.view(), 3)},
        {"transparent pixels", DominantColours(transparent.view(), 5)},
        {"all transparent", DominantColours(none.view())},
        {"no picture", DominantColours(QImage())},
        {"grey levels", DominantColours(grey.image(QImage::Format_Grayscale8))},
        {"RGB32",
         DominantColours(QImage(reinterpret_cast<uchar*>(raw), 2, 2, QImage::Format_RGB32))},
        // Pixels are read, never averaged: the line is picked whole or missed, and no colour
        // in between appears.
        {"line, 600", DominantColours(lined(600).view())},
        {"line, 1001", DominantColours(lined(1001).view())},
        {"line, 1999", DominantColours(lined(1999).view())},
        {"noise 12, three asked", DominantColours(noisy.view(), 3)},
        {"noise 120", DominantColours(noisier.view(), 5)},
        {"six colours, five asked", DominantColours(six.view(), 5)},
    };
    QString text;
    for (const auto& [name, colours] : cases) {
        text += QString::fromUtf8(name) + u':';
        for (const Colour c : colours) {
            text += u' ' + test::ColourHex(c);
        }
        text += u'\n';
    }
    test::ExpectGolden("palettepro/dominant-colours", text);
}

// A window keeps only DominantSample(p) of a picture p it may extract colours from later, so
// the sample must give exactly the colours of the whole picture. Noisy pictures make any other
// choice of pixels show in the result.
TEST(DominantColours, TheSampleGivesTheColoursOfTheWholePicture) {
    // Every fifth pixel transparent magenta, which must count in neither.
    Picture holes = noisyFamilies(120, 700, 400);
    // Alpha from 1 to 255 across, premultiplied: both read the same unpremultiplied colours.
    Picture veiled = noisyFamilies(120, 500, 300);
    for (std::size_t i = 0; i < holes.pixels.size(); i += 5) {
        holes.pixels[i] = 0x00FF00FF;
    }
    for (std::size_t i = 0; i < veiled.pixels.size(); ++i) {
        veiled.pixels[i] = (veiled.pixels[i] & 0xFFFFFF) | std::uint32_t(1 + i % 255) << 24;
    }
    const struct {
        const char* name;
        QImage picture;
    } cases[] = {
        {"large", noisyFamilies(120, 1200, 900).image(QImage::Format_RGB32)},
        {"tall strip", noisyFamilies(120, 1, 200000).image(QImage::Format_RGB32)},
        {"wide strip", noisyFamilies(120, 150000, 2).image(QImage::Format_RGB32)},
        {"transparent pixels", holes.image(QImage::Format_ARGB32)},
        {"small, read whole", noisyFamilies(120, 300, 200).image(QImage::Format_RGB32)},
        {"RGB888", noisyFamilies(120, 640, 480).image(QImage::Format_RGB888)},
        {"premultiplied alpha", veiled.image(QImage::Format_ARGB32_Premultiplied)},
    };
    for (const auto& c : cases) {
        const QImage sample = DominantSample(c.picture);
        EXPECT_LE(sample.width() * sample.height(), kDominantSamplePixels) << c.name;
        EXPECT_EQ(sample.format(),
                  c.picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32)
            << c.name;
        for (const int count : {1, kDominantColoursMax}) { // the mean of all, and the most
            const std::vector<Colour> whole = DominantColours(c.picture, count);
            EXPECT_EQ(whole.size(), std::size_t(count)) << c.name;
            EXPECT_EQ(DominantColours(sample, count), whole) << c.name << ", " << count;
        }
    }
    EXPECT_TRUE(DominantSample(QImage()).isNull());
}

} // namespace
} // namespace oria
