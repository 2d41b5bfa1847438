#include "support/RunCommand.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oria {
namespace {

std::string pathIn(const QTemporaryDir& dir, const char* name) {
    return QFile::encodeName(dir.filePath(QString::fromUtf8(name))).toStdString();
}

std::string readFile(const std::string& path) {
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(absent)";
}

std::vector<std::string> exporter(const char* format, const std::string& output,
                                  std::vector<std::string> rest) {
    rest.insert(rest.begin(), {"exporter", "--format", format, "--sortie", output});
    return rest;
}

TEST(ExporterCommand, WritesThePaletteAndPrintsNothing) {
    const struct {
        const char* format;
        std::vector<std::string> rest;
        std::string bytes;
    } cases[] = {
        {"css",
         {"Bleu=#1e2a3a", "FF0000", "a=b=#00ff00", "=#ABCDEF"},
         "/* Oria 2000 */\n:root {\n  --bleu: #1e2a3a;\n  --couleur-2: #ff0000;\n"
         "  --a-b: #00ff00;\n  --couleur-4: #abcdef;\n}\n"},
        {"gpl",
         {"#F7E1B5", "--nom", "Été", "Crème=000000"},
         "GIMP Palette\nName: Été\nColumns: 2\n#\n247 225 181\tCouleur 1\n  0   0   0\tCrème\n"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const std::string output = pathIn(dir, "palette.txt");
        const test::CommandResult r = test::runCommand(exporter(c.format, output, c.rest));
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        EXPECT_EQ(readFile(output), c.bytes);
    }
}

// The real program, with no display at all: the sheet still needs fonts, and Qt's notices
// must not reach the terminal.
TEST(ExporterCommand, DrawsTheSheetWithoutADisplay) {
    QTemporaryDir dir;
    const std::string output = pathIn(dir, "planche.png");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
        env.remove(QString::fromLatin1(name));
    }
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORIA_BINARY), {"exporter", "--format", "png", "--sortie",
                                          QString::fromStdString(output), "Rouge=#C0392B"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardOutput() + p.readAllStandardError(), "");
    const QImage sheet(QString::fromStdString(output));
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.pixel(sheet.width() / 2, sheet.height() / 2), qRgb(0xC0, 0x39, 0x2B));
}

TEST(ExporterCommand, BadCallsWriteNothing) {
    QTemporaryDir dir;
    const std::string output = pathIn(dir, "palette.css");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"exporter", "--sortie", output, "#000000"}, "« --format » est obligatoire"},
        {{"exporter", "--format", "css", "#000000"}, "« --sortie » est obligatoire"},
        {exporter("pdf", output, {"#000000"}),
         "format invalide « pdf » : attendu gpl, ase, scribus, soc, css, json, svg ou png."},
        {exporter("css", "", {"#000000"}), "« --sortie » attend un nom de fichier"},
        {exporter("css", output, {"--nom", "Été"}), "aucune couleur donnée"},
        {exporter("css", output, {"#000000", "Bleu=#12345"}), "couleur invalide « #12345 »"},
        {exporter("css", output, {"Bleu="}), "couleur manquante dans « Bleu= »"},
        {exporter("css", output, {"#000000", "--titre", "x"}), "option inconnue « --titre »"},
        {exporter("css", pathIn(dir, "absent/palette.css"), {"#000000"}),
         "oria : impossible d'écrire la palette « palette.css » : le dossier n'existe pas.\n"},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(output)));
    }
}

} // namespace
} // namespace oria
