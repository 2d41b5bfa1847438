#include "palettes/PaletteWriters.h"
#include "support/QtTestSupport.h"

#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace oria {
namespace {

const NamedPalette kSummer = {QStringLiteral("Été"),
                              {{QStringLiteral("Bleu nuit"), RGB(0x1E, 0x2A, 0x3A)},
                               {QStringLiteral("Crème brûlée"), RGB(0xF7, 0xE1, 0xB5)},
                               {QStringLiteral("Couleur 3"), RGB(0xFF, 0, 0)}}};

// Names that trip each format up: quotes, markup, line breaks, token path characters.
const NamedPalette kAwkward = {QStringLiteral("Nuit */ \"claire\""),
                               {{QStringLiteral("A & <b>"), RGB(1, 2, 3)},
                                {QStringLiteral("A & <b>"), RGB(4, 5, 6)},
                                {QStringLiteral("$x.{y}\\\n"), RGB(7, 8, 9)}}};

TEST(PaletteWriters, TextFormatsMatchTheirReaders) {
    const struct {
        PaletteFormat format;
        const NamedPalette& palette;
        const char* text;
    } cases[] = {
        {PaletteFormat::Gpl, kSummer,
         "GIMP Palette\nName: Été\nColumns: 3\n#\n 30  42  58\tBleu nuit\n"
         "247 225 181\tCrème brûlée\n255   0   0\tCouleur 3\n"},
        {PaletteFormat::Scribus, kSummer,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SCRIBUSCOLORS Name=\"Été\">\n"
         " <COLOR NAME=\"Bleu nuit\" RGB=\"#1e2a3a\"/>\n"
         " <COLOR NAME=\"Crème brûlée\" RGB=\"#f7e1b5\"/>\n"
         " <COLOR NAME=\"Couleur 3\" RGB=\"#ff0000\"/>\n</SCRIBUSCOLORS>\n"},
        {PaletteFormat::Soc, kSummer,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ooo:color-table "
         "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
         "xmlns:xlink=\"http://www.w3.org/1999/xlink\" xmlns:svg=\"http://www.w3.org/2000/svg\" "
         "xmlns:ooo=\"http://openoffice.org/2004/office\">\n"
         "  <draw:color draw:name=\"Bleu nuit\" draw:color=\"#1e2a3a\"/>\n"
         "  <draw:color draw:name=\"Crème brûlée\" draw:color=\"#f7e1b5\"/>\n"
         "  <draw:color draw:name=\"Couleur 3\" draw:color=\"#ff0000\"/>\n</ooo:color-table>\n"},
        {PaletteFormat::Css, kSummer,
         "/* Été */\n:root {\n  --bleu-nuit: #1e2a3a;\n  --creme-brulee: #f7e1b5;\n"
         "  --couleur-3: #ff0000;\n}\n"},
        {PaletteFormat::Json, kSummer,
         "{\n  \"$description\": \"Été\",\n"
         "  \"Bleu nuit\": { \"$type\": \"color\", \"$value\": \"#1e2a3a\" },\n"
         "  \"Crème brûlée\": { \"$type\": \"color\", \"$value\": \"#f7e1b5\" },\n"
         "  \"Couleur 3\": { \"$type\": \"color\", \"$value\": \"#ff0000\" }\n}\n"},
        {PaletteFormat::Gpl, kAwkward,
         "GIMP Palette\nName: Nuit */ \"claire\"\nColumns: 3\n#\n  1   2   3\tA & <b>\n"
         "  4   5   6\tA & <b>\n  7   8   9\t$x.{y}\\ \n"},
        {PaletteFormat::Scribus, kAwkward,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<SCRIBUSCOLORS Name=\"Nuit */ &quot;claire&quot;\">\n"
         " <COLOR NAME=\"A &amp; &lt;b&gt;\" RGB=\"#010203\"/>\n"
         " <COLOR NAME=\"A &amp; &lt;b&gt; 2\" RGB=\"#040506\"/>\n"
         " <COLOR NAME=\"$x.{y}\\ \" RGB=\"#070809\"/>\n</SCRIBUSCOLORS>\n"},
        {PaletteFormat::Css, kAwkward,
         "/* Nuit * / \"claire\" */\n:root {\n  --a-b: #010203;\n  --a-b-2: #040506;\n"
         "  --x-y: #070809;\n}\n"},
        {PaletteFormat::Json, kAwkward,
         "{\n  \"$description\": \"Nuit */ \\\"claire\\\"\",\n"
         "  \"A & <b>\": { \"$type\": \"color\", \"$value\": \"#010203\" },\n"
         "  \"A & <b> 2\": { \"$type\": \"color\", \"$value\": \"#040506\" },\n"
         "  \"x,(y)\\\\ \": { \"$type\": \"color\", \"$value\": \"#070809\" }\n}\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EncodePalette(c.palette, c.format).toStdString(), c.text);
    }
}

// Every byte of a swatch exchange file: header, group start, two swatches (the second name
// outside the BMP, as a surrogate pair), group end.
TEST(PaletteWriters, SwatchExchangeBytes) {
    const NamedPalette palette{kSummer.name,
                               {kSummer.colours[0], {QStringLiteral("Œil 🎨"), RGB(0, 128, 255)}}};
    const QByteArray expected =
        QByteArray::fromHex("41534546 0001 0000 00000004  c001 0000000a 0004 00c9 0074 00e9 0000"
                            " 0001 00000028 000a 0042 006c 0065 0075 0020 006e 0075 0069 0074 0000"
                            " 52474220 3df0f0f1 3e28a8a9 3e68e8e9 0002"
                            " 0001 00000022 0007 0152 0069 006c 0020 d83c dfa8 0000"
                            " 52474220 00000000 3f008081 3f800000 0002  c002 00000000");
    EXPECT_EQ(EncodePalette(palette, PaletteFormat::Ase).toHex().toStdString(),
              expected.toHex().toStdString());
}

NamedPalette named(const std::vector<const char*>& names) {
    NamedPalette p;
    for (const char* n : names) {
        p.colours.push_back({QString::fromUtf8(n), 0});
    }
    return p;
}

TEST(PaletteWriters, IdentifiersAreCleanAndUnique) {
    const struct {
        std::vector<const char*> names;
        std::vector<QString> css, tokens;
    } cases[] = {
        {{"Crème Brûlée", " Bleu - NUIT ", "Cœur_ÆTHER", "3 ors"},
         {"creme-brulee", "bleu-nuit", "coeur_aether", "c-3-ors"},
         {"Crème Brûlée", " Bleu - NUIT ", "Cœur_ÆTHER", "3 ors"}},
        {{"", "!!", "夜", "$"},
         {"couleur", "couleur-2", "couleur-3", "couleur-4"},
         {"Couleur", "!!", "夜", "Couleur 2"}},
        {{"Bleu", "bleu", "Bleu", "bleu-2", "Bleu 2"},
         {"bleu", "bleu-3", "bleu-4", "bleu-2", "bleu-2-2"},
         {"Bleu", "bleu", "Bleu 3", "bleu-2", "Bleu 2"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CssIdentifiers(named(c.names)), c.css);
        EXPECT_EQ(TokenKeys(named(c.names)), c.tokens);
    }
}

TEST(PaletteWriters, SwatchSheetShowsEveryColour) {
    test::application(); // fonts for the swatch sheet
    NamedPalette palette = kAwkward;
    palette.colours.push_back({QStringLiteral("Blanc"), RGB(255, 255, 255)});
    palette.colours.insert(palette.colours.end(), kSummer.colours.begin(), kSummer.colours.end());
    const QString longName =
        QStringLiteral("Gris d'orage « très clair » dit \"argenté\" Anticonstitutionnellement");
    palette.colours.push_back({longName, RGB(200, 200, 205)});
    const QByteArray svg = EncodePalette(palette, PaletteFormat::Svg);
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    // A long name is kept whole: wrapped under its swatch, and whole in the swatch's title.
    EXPECT_FALSE(svg.contains("…"));
    EXPECT_TRUE(svg.contains(("<title>" + longName.toHtmlEscaped() + "</title>").toUtf8()));
    for (const char* text :
         {">Gris d'orage «<", ">très clair » dit<", ">&quot;argenté&quot;<", ">Anticonstitutionne<",
          ">llement<", "Nuit */ &quot;claire&quot;", ">A &amp; &lt;b&gt;<", "Crème brûlée",
          "#F7E1B5", "R: 247 V: 225 B: 181", "Liberation Sans"}) {
        EXPECT_TRUE(svg.contains(text)) << text;
    }
    const QImage png = QImage::fromData(EncodePalette(palette, PaletteFormat::Png), "png");
    ASSERT_FALSE(png.isNull());
    for (const NamedColour& c : palette.colours) {
        const Rgb rgb = SplitColour(c.colour);
        const QRgb want = qRgb(rgb.Rouge, rgb.Vert, rgb.Bleu);
        qsizetype pixels = 0;
        for (int y = 0; y < png.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(png.constScanLine(y));
            pixels += std::count(line, line + png.width(), want);
        }
        // A whole swatch (the white one counts the sheet too).
        EXPECT_GE(pixels, 150 * 150) << c.name.toStdString();
    }
}

TEST(PaletteWriters, FailedWriteLeavesNoFile) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("absent/été.gpl"));
    EXPECT_EQ(
        WritePalette(path, kSummer, PaletteFormat::Gpl),
        QStringLiteral("Impossible d'écrire la palette « été.gpl » : le dossier n'existe pas."));
    EXPECT_FALSE(QFile::exists(path));
    const QString written = dir.filePath(QStringLiteral("été.ase"));
    EXPECT_EQ(WritePalette(written, kSummer, PaletteFormat::Ase), std::nullopt);
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), EncodePalette(kSummer, PaletteFormat::Ase));
}

} // namespace
} // namespace oria
