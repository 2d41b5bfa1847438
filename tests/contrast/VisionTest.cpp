#include "contrast/Vision.h"
#include "contrast/VisionImage.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace oria {
namespace {

// Red, green, blue, #3366CC and #FF8000 as each vision sees them, checked once against plain
// doubles from the published matrices; greys stay grey and no colour stays none.
TEST(Vision, KnownConversionsAndGreysStayGrey) {
    std::string text;
    for (const Vision vision : {Vision::Protanopie, Vision::Deuteranopie, Vision::Tritanopie,
                                Vision::Achromatopsie, Vision::Normale}) {
        SCOPED_TRACE(static_cast<int>(vision));
        for (const Colour c : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                               RGB(0x33, 0x66, 0xCC), RGB(0xFF, 0x80, 0)}) {
            text += HexText(SimulateVision(c, vision)) + ' ';
        }
        text.back() = '\n';
        for (int v = 0; v < 256; ++v) {
            EXPECT_EQ(SimulateVision(RGB(v, v, v), vision), RGB(v, v, v)) << v;
        }
        EXPECT_EQ(SimulateVision(-1, vision), -1);
    }
    test::ExpectGolden("contrast/vision-conversions", QString::fromStdString(text));
}

TEST(VisionImage, AgreesWithTheSingleColourWithinOneLevel) {
    // Every level near black, where the 12-bit linear scale is coarsest, then a stride.
    std::vector<int> levels;
    for (int v = 0; v < 255; v += v < 24 ? 1 : 7) {
        levels.push_back(v);
    }
    levels.push_back(255);
    const int n = static_cast<int>(levels.size());
    QImage original(n * n, n, QImage::Format_ARGB32);
    for (int i = 0; i < n * n * n; ++i) {
        const int x = i % (n * n), y = i / (n * n);
        original.setPixel(x, y, qRgba(levels[x % n], levels[x / n], levels[y], i % 251));
    }
    for (const QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGB32}) {
        for (const Vision vision : {Vision::Protanopie, Vision::Deuteranopie, Vision::Tritanopie,
                                    Vision::Achromatopsie}) {
            SCOPED_TRACE(static_cast<int>(vision));
            QImage image = original.convertToFormat(format);
            SimulateVisionImage(image, vision);
            ASSERT_EQ(image.format(), format);
            int worst = 0, alphaChanged = 0;
            for (int y = 0; y < n; ++y) {
                for (int x = 0; x < n * n; ++x) {
                    const QRgb before = original.pixel(x, y), after = image.pixel(x, y);
                    const Rgb expected = SplitColour(
                        SimulateVision(RGB(qRed(before), qGreen(before), qBlue(before)), vision));
                    worst = std::max({worst, std::abs(qRed(after) - expected.Rouge),
                                      std::abs(qGreen(after) - expected.Vert),
                                      std::abs(qBlue(after) - expected.Bleu)});
                    const int alpha = format == QImage::Format_RGB32 ? 255 : qAlpha(before);
                    alphaChanged += qAlpha(after) != alpha;
                }
            }
            EXPECT_LE(worst, 1);
            EXPECT_EQ(alphaChanged, 0);
        }
    }
}

TEST(VisionImage, OtherFormatsGoThroughAndBack) {
    QImage image(2, 1, QImage::Format_RGB888);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0x33, 0x66, 0xCC));
    QImage unchanged = image;
    SimulateVisionImage(unchanged, Vision::Normale);
    EXPECT_EQ(unchanged, image);
    SimulateVisionImage(image, Vision::Achromatopsie);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0x6B, 0x6B, 0x6B));
}

} // namespace
} // namespace oria
