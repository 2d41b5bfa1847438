#include "CommandTables.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace oria {
namespace {

// Columns of flat colours, each of its given width, 10 pixels high, as a PNG file.
QByteArray columnsPng(const std::vector<std::pair<QRgb, int>>& columns) {
    QImage image(400, 10, QImage::Format_ARGB32);
    int x = 0;
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const auto& [colour, width] : columns) {
        painter.fillRect(x, 0, width, 10, QColor::fromRgba(colour));
        x += width;
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && image.copy(0, 0, x, 10).save(&buffer, "png"));
    return bytes;
}

TEST(ExtraireCommand, PrintsTheDominantColoursOnOneLineOrWhyNot) {
    QTemporaryDir dir;
    // Two reds a step apart, which two colours merge and three keep apart.
    test::writeFile(
        dir, "été.png",
        columnsPng({{qRgb(255, 0, 0), 50}, {qRgb(0, 0, 255), 40}, {qRgb(254, 0, 0), 10}}));
    const QByteArray png = columnsPng({{qRgb(10, 20, 30), 4}});
    test::writeFile(dir, "bonne.png", png);
    test::writeFile(dir, "deux.png", columnsPng({{qRgb(0x33, 0x66, 0xCC), 7}, {0xFFFF8000, 9}}));
    test::writeFile(dir, "coupée.png", png.left(png.size() - 20));
    test::writeFile(dir, "texte.png", "pas une image\n");
    test::writeFile(dir, "vide.png", columnsPng({{qRgba(0, 0, 0, 0), 4}}));
    test::expectGoldenCalls("extraire", dir.path());
}

} // namespace
} // namespace oria
