#include "palettepro/DominantColours.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

namespace oria {
namespace {

constexpr Colour kRed = RGB(230, 30, 40), kBlue = RGB(20, 60, 200), kGreen = RGB(40, 170, 70);

std::uint32_t argb(Colour c) {
    const Rgb rgb = SplitColour(c);
    return 0xFF000000u | std::uint32_t(rgb.Rouge) << 16 | std::uint32_t(rgb.Vert) << 8 |
           std::uint32_t(rgb.Bleu);
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
            for (int i = x; i < x + w; ++i) {
                pixels[std::size_t(j) * (width + kPadding) + i] = pixel;
            }
        }
    }
    PixelView view() const { return {pixels.data(), width, height, width + kPadding}; }

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

TEST(DominantColours, FewDistinctColoursComeBackExactlyMostPresentFirst) {
    Picture halves(40, 20, kBlue);
    halves.rect(0, 0, 25, 20, kRed);
    // 2 400 x 1 500 pixels: read on a grid, which must reach every stripe in proportion.
    Picture stripes(2400, 1500, kGreen);
    stripes.rect(0, 0, 2400, 700, kBlue);
    stripes.rect(0, 700, 2400, 500, kRed);
    const Picture one(7, 5, kGreen);
    Picture transparent(30, 30, kGreen);
    transparent.rectRaw(0, 0, 30, 20, 0x00000000); // black, fully transparent
    const struct {
        const char* name;
        const Picture& picture;
        int count;
        std::vector<Colour> expected;
    } cases[] = {
        {"one colour", one, 5, {kGreen}},
        {"halves", halves, 5, {kRed, kBlue}},
        {"halves, two asked", halves, 2, {kRed, kBlue}},
        {"stripes", stripes, 5, {kBlue, kRed, kGreen}},
        {"stripes, three asked", stripes, 3, {kBlue, kRed, kGreen}},
        {"transparent pixels", transparent, 5, {kGreen}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DominantColours(c.picture.view(), c.count), c.expected) << c.name;
    }
    Picture none(10, 10, 0);
    none.rectRaw(0, 0, 10, 10, 0x00FFFFFF);
    EXPECT_TRUE(DominantColours(none.view()).empty());
    EXPECT_TRUE(DominantColours(QImage()).empty());
}

// Pixels are read, never averaged: a one-pixel line between two large areas is either
// picked whole or missed, and no colour in between appears.
TEST(DominantColours, TheSampleIsMadeOfRealPixels) {
    for (const int size : {600, 1001, 1999}) {
        Picture p(size, size, RGB(255, 255, 255));
        p.rect(0, size / 2 + 1, size, size - size / 2 - 1, RGB(0, 0, 0));
        p.rect(0, size / 2, size, 1, kRed);
        const std::vector<Colour> colours = DominantColours(p.view());
        ASSERT_GE(colours.size(), 2u) << size;
        EXPECT_LE(colours.size(), 3u) << size;
        for (const Colour c : colours) {
            EXPECT_TRUE(c == RGB(255, 255, 255) || c == 0 || c == kRed) << size << ": " << c;
        }
    }
}

TEST(DominantColours, ClustersOfNoisyColoursGiveTheirCentresInOrder) {
    const Picture p = noisyFamilies(12);
    const std::vector<Colour> colours = DominantColours(p.view(), 3);
    const Colour expected[] = {kRed, kBlue, kGreen};
    ASSERT_EQ(colours.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const Rgb got = SplitColour(colours[i]), want = SplitColour(expected[i]);
        EXPECT_LE(std::abs(got.Rouge - want.Rouge) + std::abs(got.Vert - want.Vert) +
                      std::abs(got.Bleu - want.Bleu),
                  6)
            << i << ": " << HexText(colours[i]);
    }
}

// The same picture gives the same colours on every run and platform: the draws come from a
// fixed seed and the colour arithmetic avoids the C library's pow and cbrt.
TEST(DominantColours, RunsAreRepeatable) {
    const Picture p = noisyFamilies(120);
    const std::vector<Colour> first = DominantColours(p.view());
    EXPECT_EQ(DominantColours(p.view()), first);
    std::string hex;
    for (const Colour c : first) {
        hex += HexText(c) + ' ';
    }
    EXPECT_EQ(hex, "#F34547 #2F37C7 #548D7E #8D3046 #4CE55B ");
}

TEST(DominantColours, AnyPictureFormatIsRead) {
    QImage grey(8, 4, QImage::Format_Grayscale8);
    grey.fill(Qt::black);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 3; ++x) {
            grey.setPixel(x, y, qRgb(200, 200, 200));
        }
    }
    EXPECT_EQ(DominantColours(grey), (std::vector<Colour>{0, RGB(200, 200, 200)}));
    // RGB32 has no alpha: a zero top byte is no transparency.
    std::uint32_t raw[] = {0x00102030, 0x00102030, 0x00102030, 0xFF405060};
    EXPECT_EQ(DominantColours(QImage(reinterpret_cast<uchar*>(raw), 2, 2, QImage::Format_RGB32)),
              (std::vector<Colour>{RGB(0x10, 0x20, 0x30), RGB(0x40, 0x50, 0x60)}));
}

// A window keeps only DominantSample(p) of a picture p it may extract colours from later, so
// the sample must give exactly the colours of the whole picture. Noisy pictures make any other
// choice of pixels show in the result.
TEST(DominantColours, TheSampleGivesTheColoursOfTheWholePicture) {
    const auto image = [](const Picture& p, QImage::Format format) {
        return QImage(reinterpret_cast<const uchar*>(p.pixels.data()), p.width, p.height,
                      (p.width + Picture::kPadding) * 4, QImage::Format_ARGB32)
            .convertToFormat(format);
    };
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
        {"large", image(noisyFamilies(120, 1200, 900), QImage::Format_RGB32)},
        {"tall strip", image(noisyFamilies(120, 1, 200000), QImage::Format_RGB32)},
        {"wide strip", image(noisyFamilies(120, 150000, 2), QImage::Format_RGB32)},
        {"transparent pixels", image(holes, QImage::Format_ARGB32)},
        {"small, read whole", image(noisyFamilies(120, 300, 200), QImage::Format_RGB32)},
        {"RGB888", image(noisyFamilies(120, 640, 480), QImage::Format_RGB888)},
        {"premultiplied alpha", image(veiled, QImage::Format_ARGB32_Premultiplied)},
    };
    for (const auto& c : cases) {
        const QImage sample = DominantSample(c.picture);
        EXPECT_LE(sample.width() * sample.height(), kDominantSamplePixels) << c.name;
        EXPECT_EQ(sample.format(),
                  c.picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32)
            << c.name;
        for (int count = 1; count <= kDominantColoursMax; ++count) {
            const std::vector<Colour> whole = DominantColours(c.picture, count);
            EXPECT_EQ(whole.size(), std::size_t(count)) << c.name;
            EXPECT_EQ(DominantColours(sample, count), whole) << c.name << ", " << count;
        }
    }
    EXPECT_TRUE(DominantSample(QImage()).isNull());
}

} // namespace
} // namespace oria
