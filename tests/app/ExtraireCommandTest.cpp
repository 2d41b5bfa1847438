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
    const std::string picture = test::writeFile(
        dir, "été.png",
        columnsPng({{qRgb(255, 0, 0), 50}, {qRgb(0, 0, 255), 40}, {qRgb(254, 0, 0), 10}}));
    const QByteArray png = columnsPng({{qRgb(10, 20, 30), 4}});
    const std::string good = test::writeFile(dir, "bonne.png", png) + " ";
    auto file = [&](const char* name, const QByteArray& bytes) {
        return "extraire " + test::writeFile(dir, name, bytes);
    };
    test::expectCalls({
        {"extraire " + picture, 0, "#FF0000 #0000FF #FE0000\n"},
        {"extraire --nombre 3 " + picture, 0, "#FF0000 #0000FF #FE0000\n"},
        {"extraire " + picture + " --nombre=2", 0, "#FF0000 #0000FF\n"},
        {file("deux.png", columnsPng({{qRgb(0x33, 0x66, 0xCC), 7}, {0xFFFF8000, 9}})), 0,
         "#FF8000 #3366CC\n"},
        {"extraire", 2, "oria : extraire attend une seule image (nombre reçu : 0).\n"},
        {"extraire " + good + good, 2,
         "oria : extraire attend une seule image (nombre reçu : 2).\n"},
        {"extraire --nombre 6 " + good, 2, "oria : nombre de couleurs invalide « 6 »"},
        {"extraire --nombre 1 " + good, 2, "oria : nombre de couleurs invalide « 1 »"},
        {"extraire --type 2 " + good, 2, "oria : option inconnue « --type »"},
        {"extraire @/absente.png", 2,
         "oria : impossible de lire « absente.png » : le fichier n'existe pas.\n"},
        {file("coupée.png", png.left(png.size() - 20)), 2,
         "oria : le fichier « coupée.png » n'a pas pu être lu comme une image"},
        {file("texte.png", "pas une image\n"), 2,
         "oria : le fichier « texte.png » n'a pas pu être lu comme une image"},
        {file("vide.png", columnsPng({{qRgba(0, 0, 0, 0), 4}})), 2,
         "oria : l'image « vide.png » est entièrement transparente"},
    });
}

} // namespace
} // namespace oria
