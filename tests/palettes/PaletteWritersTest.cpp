#include "palettes/PaletteWriters.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"
#include "support/TestFiles.h"

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

// Every writer's whole file for palettes whose names trip formats up (quotes, markup, line
// breaks, token path characters, a name outside the BMP): the binary one as a hex dump. Then
// per palette, each name with its CSS identifier and its token key, clean and unique.
TEST(PaletteWriters, EveryFileAsWrittenIdentifiersCleanAndUnique) {
    const NamedPalette eye{kSummer.name,
                           {kSummer.colours[0], {QStringLiteral("Œil 🎨"), RGB(0, 128, 255)}}};
    QString text;
    int n = 0;
    for (const NamedPalette* palette : {&kSummer, &kAwkward, &eye}) {
        ++n;
        for (const PaletteFormatRow& row : kPaletteFormats) {
            if (row.format == PaletteFormat::Svg || row.format == PaletteFormat::Png) {
                continue; // sheets: below
            }
            const QByteArray file = EncodePalette(*palette, row.format);
            text += QStringLiteral("== %1 %2, %3\n").arg(n).arg(palette->name, row.key);
            if (row.format != PaletteFormat::Ase) {
                text += QString::fromUtf8(file);
                continue;
            }
            for (qsizetype i = 0; i < file.size(); i += 16) {
                text += QString::fromLatin1(file.mid(i, 16).toHex(' ')) + u'\n';
            }
        }
    }
    const std::vector<const char*> names[] = {
        {"Crème Brûlée", " Bleu - NUIT ", "Cœur_ÆTHER", "3 ors"},
        {"", "!!", "夜", "$"},
        {"Bleu", "bleu", "Bleu", "bleu-2", "Bleu 2"},
    };
    for (const auto& list : names) {
        NamedPalette p;
        for (const char* name : list) {
            p.colours.push_back({QString::fromUtf8(name), 0});
        }
        const std::vector<QString> css = CssIdentifiers(p), tokens = TokenKeys(p);
        for (std::size_t i = 0; i < list.size(); ++i) {
            text +=
                QStringLiteral("«%1» --%2 «%3»\n").arg(p.colours[i].name, css.at(i), tokens.at(i));
        }
        text += u'\n';
    }
    test::ExpectGolden("palettes/writers", text);
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
    test::ExpectGolden("palettes/swatch-sheet", QString::fromUtf8(svg));
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
    EXPECT_EQ(test::fileBytes(written), EncodePalette(kSummer, PaletteFormat::Ase));
}

} // namespace
} // namespace oria
