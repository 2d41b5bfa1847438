#include "palettes/PaletteReaders.h"
#include "palettes/PaletteDialog.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <thread>

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

// Names that trip formats up, a long one the sheet shortens, and every component value.
NamedPalette roundTripPalette() {
    NamedPalette p{QStringLiteral("Été « chaud » & <sec>"),
                   {{QStringLiteral("Crème brûlée"), RGB(0xF7, 0xE1, 0xB5)},
                    {QStringLiteral("Bleu & <nuit> \"profond\""), RGB(0x1E, 0x2A, 0x3A)},
                    {QStringLiteral("a.b{c}=d"), RGB(0, 0, 0)},
                    {QStringLiteral("Tab\there\x1f!"), RGB(255, 255, 255)},
                    {QStringLiteral("Un nom bien plus long que la case"), RGB(1, 128, 254)}}};
    for (int v = 0; v < 256; v += 5) {
        p.colours.push_back({QStringLiteral("Niveau %1").arg(v), RGB(v, 255 - v, v * 7 % 256)});
    }
    return p;
}

// Every colour as written, and each format's names as read back: identifiers for CSS, token
// keys for JSON, else the names with the controls (a tab, a unit separator) every writer turns
// into spaces; LibreOffice palettes are named after their files.
TEST(PaletteReaders, EveryWrittenFormatReadsBack) {
    test::application(); // fonts for the swatch sheet
    const NamedPalette palette = roundTripPalette();
    QString text;
    for (const PaletteFormatRow& row : kPaletteFormats) {
        const QString fileName = QStringLiteral("fichier.") + QLatin1String(row.extension);
        const PaletteReading read = ReadPalette(fileName, EncodePalette(palette, row.format));
        text += fileName + QStringLiteral(" → ") + shown(read) + u'\n';
    }
    test::ExpectGolden("palettes/round-trip", text);
}

// Per file, the palette as the importer shows it, or the whole message of its refusal. The
// files in tests/data/palettes are as other programs write them (line ends, byte order marks,
// comments, groups, colour models), or broken in one way each; an unknown extension leaves
// the content to decide.
TEST(PaletteReaders, ReadsFilesAsOtherProgramsWriteThemAndSaysWhyOthersAreNoPalette) {
    const QDir data(QStringLiteral(ORIA_GOLDEN_DIR "/../data/palettes"));
    std::vector<std::pair<QString, QByteArray>> files{
        {"deep.json", QByteArray(100000, '[') + QByteArray(100000, ']')},
        {"big.gpl", QByteArray(kMaxPaletteBytes + 1, ' ')},
        {"limit.gpl",
         QByteArray("GIMP Palette\n1 2 3 Au bout\n").leftJustified(kMaxPaletteBytes, '\n')},
        {"many.gpl", "GIMP Palette\n" + QByteArray("0 0 0\n").repeated(kMaxPaletteColours + 1)}};
    for (const QString& name : data.entryList(QDir::Files)) {
        files.emplace_back(name, test::fileBytes(data.filePath(name)));
    }
    QString text;
    for (const auto& [fileName, bytes] : files) {
        const PaletteReading read = ReadPalette(QStringLiteral("/tmp/") + fileName, bytes);
        text += fileName + QStringLiteral(" → ") + shown(read) + u'\n';
    }
    // A file over the limit is refused unread (sparse here), as is one that does not exist.
    const QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("énorme.gpl"));
    ASSERT_TRUE(QFile(big).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::resize(big, kMaxPaletteBytes + 1));
    for (const QString& path : {big, dir.filePath(QStringLiteral("absent.gpl"))}) {
        text += QStringLiteral("on disk → ") + shown(ReadPaletteFile(path)) + u'\n';
    }
    // A pipe tells nothing of its size: past the limit, refused all the same.
    const QString pipe = dir.filePath(QStringLiteral("tube.gpl"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    std::thread writer([&] {
        QFile out(pipe);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(QByteArray(kMaxPaletteBytes + 1, ' '));
        }
    });
    text += QStringLiteral("pipe → ") + shown(ReadPaletteFile(pipe)) + u'\n';
    writer.join();
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
