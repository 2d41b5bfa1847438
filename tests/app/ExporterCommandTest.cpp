#include "CommandTables.h"

#include <QImage>

namespace oria {
namespace {

// The real program, with no display at all: the sheet still needs fonts, and Qt's notices
// must not reach the terminal.
TEST(ExporterCommand, DrawsTheSheetWithoutADisplay) {
    const QTemporaryDir dir;
    const QString output = dir.filePath("planche.png");
    const test::Process p =
        test::runOria({"exporter", "--format", "png", "--sortie", output, "Rouge=#C0392B"});
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.out + p.err, "");
    const QImage sheet(output);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.pixel(sheet.width() / 2, sheet.height() / 2), qRgb(0xC0, 0x39, 0x2B));
}

TEST(ExporterCommand, BadCallsWriteNothing) {
    test::expectCalls({
        {"exporter --sortie @/p.css #000000", 2, "« --format » est obligatoire"},
        {"exporter --format css #000000", 2, "« --sortie » est obligatoire"},
        {"exporter --format pdf --sortie @/p.css #000000", 2,
         "format invalide « pdf » : attendu gpl, ase, scribus, soc, css, json, svg ou png."},
        {"exporter --format css --sortie '' #000000", 2, "« --sortie » attend un nom de fichier"},
        {"exporter --format css --sortie @/p.css --nom Été", 2, "aucune couleur donnée"},
        {"exporter --format css --sortie @/p.css #000000 Bleu=#12345", 2,
         "couleur invalide « #12345 »"},
        {"exporter --format css --sortie @/p.css Bleu=", 2, "couleur manquante dans « Bleu= »"},
        {"exporter --format css --sortie @/p.css #000000 --titre x", 2,
         "option inconnue « --titre »"},
        {"exporter --format css --sortie @/absent/palette.css #000000", 2,
         "oria : impossible d'écrire la palette « palette.css » : le dossier n'existe pas.\n"},
    });
}

} // namespace
} // namespace oria
