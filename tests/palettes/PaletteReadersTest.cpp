#include "palettes/PaletteReaders.h"
#include "palettes/PaletteDialog.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <bit>

namespace oria {
namespace {

// "Name=#RRGGBB ..." as the importer prints it, the palette's name first.
QString shown(const PaletteReading& read) {
    if (!read) {
        return read.error;
    }
    QString text = read->name + u':';
    for (const NamedColour& c : read->colours) {
        text += u' ' + c.name + u'=' + QString::fromStdString(HexText(c.colour));
    }
    return text;
}

// Adobe Swatch Exchange blocks as other programs write them.
template <class T> QByteArray be(T v) {
    QByteArray b(sizeof v, '\0');
    qToBigEndian(v, b.data());
    return b;
}
QByteArray aseName(const QString& name) {
    QByteArray b = be<quint16>(static_cast<quint16>(name.size() + 1));
    for (const QChar c : name) {
        b += be<quint16>(c.unicode());
    }
    return b + be<quint16>(0);
}
QByteArray block(quint16 type, const QByteArray& body) {
    return be<quint16>(type) + be<quint32>(static_cast<quint32>(body.size())) + body;
}
QByteArray swatch(const char* name, const char* model, std::initializer_list<float> values,
                  bool typed = true) {
    QByteArray body = aseName(QString::fromUtf8(name)) + QByteArray(model, 4);
    for (const float v : values) {
        body += be<quint32>(std::bit_cast<quint32>(v));
    }
    return block(0x0001, typed ? body + be<quint16>(0) : body);
}
QByteArray ase(const QList<QByteArray>& blocks) {
    return QByteArray("ASEF") + be<quint16>(1) + be<quint16>(0) +
           be<quint32>(static_cast<quint32>(blocks.size())) + blocks.join();
}
QByteArray group(const char* name) {
    return block(0xC001, aseName(QString::fromUtf8(name)));
}
const QByteArray kGroupEnd = block(0xC002, {});

// Names that trip formats up, a long one the sheet shortens, and every component value.
NamedPalette roundTripPalette() {
    NamedPalette p{QStringLiteral("Été « chaud » & <sec>"),
                   {{QStringLiteral("Crème brûlée"), RGB(0xF7, 0xE1, 0xB5)},
                    {QStringLiteral("Bleu & <nuit> \"profond\""), RGB(0x1E, 0x2A, 0x3A)},
                    {QStringLiteral("a.b{c}=d"), RGB(0, 0, 0)},
                    {QStringLiteral("Tab\there"), RGB(255, 255, 255)},
                    {QStringLiteral("Un nom bien plus long que la case"), RGB(1, 128, 254)}}};
    for (int v = 0; v < 256; v += 5) {
        p.colours.push_back({QStringLiteral("Niveau %1").arg(v), RGB(v, 255 - v, v * 7 % 256)});
    }
    return p;
}

// Every colour as written, and each format's names as read back: identifiers for CSS, token
// keys for JSON, else the names with the tab every writer turns into a space; LibreOffice
// palettes are named after their files.
TEST(PaletteReaders, EveryWrittenFormatReadsBack) {
    test::application(); // fonts for the swatch sheet
    const NamedPalette palette = roundTripPalette();
    QString text;
    for (const PaletteFormatRow& row : kPaletteFormats) {
        const QString fileName = QStringLiteral("fichier.") + QLatin1String(row.extension);
        const PaletteReading read = ReadPalette(fileName, EncodePalette(palette, row.format));
        ASSERT_TRUE(read) << read.error.toStdString();
        ASSERT_EQ(read->colours.size(), palette.colours.size()) << row.key;
        for (std::size_t i = 0; i < palette.colours.size(); ++i) {
            EXPECT_EQ(read->colours[i].colour, palette.colours[i].colour) << row.key << " " << i;
        }
        text += fileName + QStringLiteral(" → ") + shown(read) + u'\n';
    }
    test::ExpectGolden("palettes/round-trip", text);
}

QByteArray deepJson(int depth) {
    return QByteArray(depth, '[') + QByteArray(depth, ']');
}

// Per file, the palette as the importer shows it, or the whole message of its refusal.
TEST(PaletteReaders, ReadsFilesAsOtherProgramsWriteThemAndSaysWhyOthersAreNoPalette) {
    const QByteArray oneSwatch = swatch("A", "RGB ", {0, 0, 0});
    const std::pair<const char*, QByteArray> files[] = {
        {"Web.GPL",
         "\xEF\xBB\xBFGIMP Palette\r\nName:  Web \r\nColumns: 4\r\n# comment 1 2 3\r\n\r\n"
         "  0\t 0   255\tDeep   sky blue \r\n255 255 255\r\n 12 34 56 Dark\tnavy\r\n"},
        {"sans-nom.gpl", "GIMP Palette\n1 2 3 Un\n"},
        {"groupes.ase",
         ase({swatch("Seule", "RGB ", {1.0f, 0.5f, 0.0f}, false), group("Terre"),
              swatch("Cyan", "CMYK", {1, 0, 0, 0}),
              swatch("Brun", "CMYK", {0.2f, 0.5f, 0.8f, 0.4f}), kGroupEnd, group("Gris"),
              swatch("Moyen", "Gray", {0.5f}), swatch("Lab", "LAB ", {0.5f, 10, 10}), kGroupEnd})},
        {"un-groupe.ase", ase({group("Mer"), swatch("", "RGB ", {0, 0, 1}), kGroupEnd})},
        {"bureau.soc",
         "\xEF\xBB\xBF<?xml version='1.0' encoding='UTF-8'?>\r\n<office:color-table "
         "xmlns:office='urn:oasis:names:tc:opendocument:xmlns:office:1.0' "
         "xmlns:draw='urn:oasis:names:tc:opendocument:xmlns:drawing:1.0'>\r\n"
         "<!-- <draw:color draw:name='Non' draw:color='#000000'/> -->\r\n"
         "<draw:color draw:name='Gris &amp; bleu' draw:color='#8899AA'/>\r\n"
         "<draw:color draw:color=\"#fff\" draw:name=\"Blanc\"></draw:color></office:color-table>"},
        {"scribus.xml", "<?xml version=\"1.0\"?>\r\n<SCRIBUSCOLORS Name=\"Impression\">\r\n"
                        "<COLOR NAME=\"Cyan\" CMYK=\"#ff000000\" Spot=\"1\"/>\r\n"
                        "<COLOR NAME=\"Noir 40\" CMYK=\"#00000066\" Register=\"0\"/>\r\n"
                        "<COLOR RGB=\"#C0FFEE\" NAME=\"Café\"/></SCRIBUSCOLORS>"},
        {"site.css",
         "@charset \"utf-8\";\n/* --faux: #123456; */\n:root{--Primaire:#ABC;--espace: 4px;\n"
         "  --bord :  rgb(1, 2, 3) ;\n  color: var(--Primaire); --texte: RGB(10 20 30)}\n"
         "a::after { content: \"--chaine: #ffffff\"; }\n@media (prefers-color-scheme: dark) {\n"
         "  :root { --fond: #0A0B0C }\n}\n.b--c: #000000;\n"},
        {"tokens.json",
         R"({"$description": "Marque", "marque": {"$type": "color",
               "bleu": {"$value": "#0055FFcc"},
               "vert": {"$value": {"colorSpace": "srgb", "components": [0, 0.5, "none"]}},
               "p3": {"$value": {"colorSpace": "display-p3", "components": [1, 0, 0],
                                 "hex": "#FF0000"}},
               "taille": {"$type": "dimension", "$value": "4px"}},
             "alias": {"$value": "{relais.lien}"},
             "relais": {"lien": {"$value": "{marque.bleu}"}},
             "espace": {"$value": "{marque.taille}"}})"},
        {"ancienne.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect fill=\"#ffffff\"/><g>"
                         "<text>Planche</text><rect fill=\"#102030\" stroke=\"#c8c8c8\"/>"
                         "<text>Nuit</text><text>#102030</text></g></svg>"},
        {"palette.txt", "GIMP Palette\n10 20 30 Un\n"}, // an unknown extension: the content decides
        // Refused.
        {"vide.gpl", ""},
        {"gimp.ase", "GIMP Palette\n1 2 3 A\n"},
        {"cut.ase", ase({oneSwatch}).chopped(1)},
        {"cut-block.ase", ase({oneSwatch, oneSwatch}).chopped(30)},
        {"long-name.ase", ase({block(0x0001, be<quint16>(500) + "RGB ")})},
        {"short.ase", ase({block(0x0001, aseName("A") + "RGB " + be<quint32>(0))})},
        {"lab.ase", ase({swatch("L", "LAB ", {0.5f, 0, 0})})},
        {"empty.ase", ase({group("Vide"), kGroupEnd})},
        {"empty.gpl", "GIMP Palette\n# rien\n"},
        {"300.gpl", "GIMP Palette\n1 2 300 Trop\n"},
        {"header.gpl", "Palette\n"},
        {"cut.soc", "<ooo:color-table><draw:color draw:name=\"A\" draw:color=\"#00"},
        {"root.soc", "<color-table/>"},
        {"bleu.soc",
         "<ooo:color-table><draw:color draw:name=\"A\" draw:color=\"bleu\"/></ooo:color-table>"},
        {"cmyk.xml", "<SCRIBUSCOLORS><COLOR NAME=\"A\" CMYK=\"#0000\"/></SCRIBUSCOLORS>"},
        {"none.css", "body { color: #123456; }"},
        {"cut.json", R"({"a": {"$type": "color", "$value": "#00)"},
        {"comma.json", "{\"a\": 1,\n}"},
        {"deep.json", deepJson(100000)},
        {"loop.json", R"({"$type": "color", "a": {"$value": "{b}"}, "b": {"$value": "{a}"}})"},
        {"absent.json", R"({"a": {"$type": "color", "$value": "{b.c}"}})"},
        {"number.json", R"({"a": {"$type": "color", "$value": 12}})"},
        {"photo.png", QByteArrayLiteral("\x89PNG\r\n\x1A\n\0\0\0\0IEND\xAE\x42\x60\x82")},
        {"cut.png", QByteArrayLiteral("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR")},
        {"page.svg", "<html/>"},
        {"a.doc", "texte"},
        {"big.gpl", QByteArray(kMaxPaletteBytes + 1, ' ')},
    };
    QString text;
    for (const auto& [fileName, bytes] : files) {
        const PaletteReading read = ReadPalette(QStringLiteral("/tmp/") + fileName, bytes);
        text += QString::fromUtf8(fileName) + QStringLiteral(" → ") + shown(read) + u'\n';
    }
    // A file over the limit is refused unread (sparse here), as is one that does not exist.
    const QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("énorme.gpl"));
    ASSERT_TRUE(QFile(big).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::resize(big, kMaxPaletteBytes + 1));
    for (const QString& path : {big, dir.filePath(QStringLiteral("absent.gpl"))}) {
        text += QStringLiteral("on disk → ") + shown(ReadPaletteFile(path)) + u'\n';
    }
    test::ExpectGolden("palettes/readers", text);
}

// Every cut of a binary palette is refused, and read within its bytes (the sanitizers watch).
TEST(PaletteReaders, RefusesEveryCutOfABinaryFile) {
    test::application(); // fonts for the swatch sheet
    const NamedPalette palette{QStringLiteral("P"), {{QStringLiteral("A"), RGB(1, 2, 3)}}};
    for (const auto& [format, fileName] :
         {std::pair{PaletteFormat::Ase, "a.ase"}, std::pair{PaletteFormat::Png, "a.png"}}) {
        const QByteArray whole = EncodePalette(palette, format);
        // Every cut near the ends, and in the picture's middle now and then.
        for (qsizetype n = 1; n < whole.size(); n += n < 64 || n > whole.size() - 64 ? 1 : 97) {
            const PaletteReading read = ReadPalette(QString::fromUtf8(fileName), whole.left(n));
            ASSERT_FALSE(read) << n;
            EXPECT_TRUE(read.error.contains(QStringLiteral("tronqué"))) << n;
        }
    }
}

// One filter a line, every pattern in the first.
TEST(PaletteReaders, OpenDialogOffersEveryFormatAndAll) {
    const PaletteReader extra{"ori", "Page Oria", nullptr};
    test::ExpectGolden(
        "palettes/open-filters",
        OpenPaletteFilters({&extra, 1}).replace(QStringLiteral(";;"), QStringLiteral("\n")));
}

} // namespace
} // namespace oria
