#include "support/RunCommand.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace oria {
namespace {

// Columns of flat colours, each of its given width, 10 pixels high, as a PNG file.
QByteArray columnsPng(const std::vector<std::pair<QRgb, int>>& columns) {
    int width = 0;
    for (const auto& [colour, w] : columns) {
        width += w;
    }
    QImage image(width, 10, QImage::Format_ARGB32);
    int x = 0;
    for (const auto& [colour, w] : columns) {
        for (int y = 0; y < image.height(); ++y) {
            for (int i = x; i < x + w; ++i) {
                image.setPixel(i, y, colour);
            }
        }
        x += w;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "png"));
    return bytes;
}

TEST(ExtraireCommand, PrintsTheDominantColoursOnOneLine) {
    QTemporaryDir dir;
    // Two reds a step apart, which two colours merge and three keep apart.
    const std::string picture = test::writeFile(
        dir, "été.png",
        columnsPng({{qRgb(255, 0, 0), 50}, {qRgb(0, 0, 255), 40}, {qRgb(254, 0, 0), 10}}));
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"extraire", picture}, "#FF0000 #0000FF #FE0000\n"},
        {{"extraire", "--nombre", "3", picture}, "#FF0000 #0000FF #FE0000\n"},
        {{"extraire", picture, "--nombre=2"}, "#FF0000 #0000FF\n"},
        {{"extraire", test::writeFile(dir, "deux.png",
                                      columnsPng({{qRgb(0x33, 0x66, 0xCC), 7}, {0xFFFF8000, 9}}))},
         "#FF8000 #3366CC\n"},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(ExtraireCommand, RefusalsPrintNothingAndExitWith2) {
    QTemporaryDir dir;
    const QByteArray png = columnsPng({{qRgb(10, 20, 30), 4}});
    const std::string good = test::writeFile(dir, "bonne.png", png);
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"extraire"}, "oria : extraire attend une seule image (nombre reçu : 0).\n"},
        {{"extraire", good, good}, "oria : extraire attend une seule image (nombre reçu : 2).\n"},
        {{"extraire", "--nombre", "6", good}, "oria : nombre de couleurs invalide « 6 »"},
        {{"extraire", "--nombre", "1", good}, "oria : nombre de couleurs invalide « 1 »"},
        {{"extraire", "--type", "2", good}, "oria : option inconnue « --type »"},
        {{"extraire", dir.filePath("absente.png").toStdString()},
         "oria : impossible de lire « absente.png » : le fichier n'existe pas.\n"},
        {{"extraire", test::writeFile(dir, "coupée.png", png.left(png.size() - 20))},
         "oria : le fichier « coupée.png » n'a pas pu être lu comme une image"},
        {{"extraire", test::writeFile(dir, "texte.png", "pas une image\n")},
         "oria : le fichier « texte.png » n'a pas pu être lu comme une image"},
        {{"extraire", test::writeFile(dir, "vide.png", columnsPng({{qRgba(0, 0, 0, 0), 4}}))},
         "oria : l'image « vide.png » est entièrement transparente"},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 2) << c.err;
        EXPECT_EQ(r.out, "") << c.err;
        EXPECT_TRUE(r.err.starts_with(c.err)) << r.err;
    }
}

} // namespace
} // namespace oria
