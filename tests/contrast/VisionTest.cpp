#include "contrast/Vision.h"
#include "contrast/VisionImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace oria {
namespace {

constexpr std::array<Vision, 4> kDeficiencies{Vision::Protanopie, Vision::Deuteranopie,
                                              Vision::Tritanopie, Vision::Achromatopsie};

TEST(Vision, KnownConversionsAndGreysStayGrey) {
    // Worked out once with plain doubles from the published matrices.
    const std::array<Colour, 5> colours{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                                        RGB(0x33, 0x66, 0xCC), RGB(0xFF, 0x80, 0)};
    const struct {
        Vision vision;
        std::array<const char*, 5> seen;
    } cases[] = {
        {Vision::Protanopie, {"#6D5F00", "#FFE500", "#0059FF", "#2872D0", "#A69100"}},
        {Vision::Deuteranopie, {"#A39000", "#EFD63A", "#003DFB", "#0064CA", "#C4AE00"}},
        {Vision::Tritanopie, {"#FF000F", "#00F7D9", "#006B96", "#007E8F", "#FF626D"}},
        {Vision::Achromatopsie, {"#7F7F7F", "#DCDCDC", "#4C4C4C", "#6B6B6B", "#A3A3A3"}},
        {Vision::Normale, {"#FF0000", "#00FF00", "#0000FF", "#3366CC", "#FF8000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.vision));
        for (std::size_t i = 0; i < colours.size(); ++i) {
            EXPECT_EQ(HexText(SimulateVision(colours[i], c.vision)), c.seen[i]) << i;
        }
        for (int v = 0; v < 256; ++v) {
            EXPECT_EQ(SimulateVision(RGB(v, v, v), c.vision), RGB(v, v, v)) << v;
        }
        EXPECT_EQ(SimulateVision(-1, c.vision), -1) << "no colour stays none";
    }
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
        for (const Vision vision : kDeficiencies) {
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
