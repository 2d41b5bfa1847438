#include "support/RunCommand.h"

#include "composer/PageDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oria {
namespace {

std::string writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromUtf8(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return QFile::encodeName(path).toStdString();
}

// The line goes straight back into `oria exporter`: the same file comes out.
TEST(ImporterCommand, PrintsWhatExporterTakes) {
    const QTemporaryDir dir;
    const std::string first = QFile::encodeName(dir.filePath("a.json")).toStdString();
    const std::string again = QFile::encodeName(dir.filePath("b.json")).toStdString();
    std::vector<std::string> call = {"exporter",    "--format", "json", "--sortie",
                                     first,         "--nom",    "Été",  "Bleu=#1e2a3a",
                                     "a=b=#00ff00", "#FFFFFF"};
    ASSERT_EQ(test::runCommand(call).status, 0);

    const test::CommandResult r = test::runCommand({"importer", first});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Bleu=#1E2A3A a=b=#00FF00 Couleur 3=#FFFFFF\n");
    EXPECT_EQ(r.err, "");

    call.resize(7);
    call[4] = again;
    // Each word ends with its colour: "=#RRGGBB" (a name may hold a space).
    for (std::size_t at = 0, end = 0; at < r.out.size() - 1; at = end + 1) {
        end = r.out.find("=#", at) + 8;
        call.push_back(r.out.substr(at, end - at));
    }
    ASSERT_EQ(test::runCommand(call).status, 0);
    QFile a(QString::fromStdString(first)), b(QString::fromStdString(again));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

// All five zones, hidden ones too, in the order the composer exports them.
TEST(ImporterCommand, ReadsThePageColours) {
    const QTemporaryDir dir;
    PageDocument page;
    page.name = PageNameBytes(QStringLiteral("Vitrine"));
    page.texte = RGB(1, 0, 0);
    page.fond = RGB(2, 0, 0);
    page.cercle = RGB(3, 0, 0);
    page.titre = RGB(4, 0, 0);
    page.boite = RGB(5, 0, 0);
    page.cercleVisible = page.boiteVisible = false;
    const test::CommandResult r =
        test::runCommand({"importer", writeFile(dir, "vitrine.ori", EncodePageDocument(page))});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Fond=#020000 Texte=#010000 Titre=#040000 Cercle=#030000 Boite=#050000\n");
}

TEST(ImporterCommand, RefusedFilesPrintNothing) {
    const QTemporaryDir dir;
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"importer"},
         "oria : importer attend un seul fichier (nombre reçu : 0).\n"
         "Pour l'aide : oria --help\n"},
        {{"importer", writeFile(dir, "courte.ori", "abc")},
         "oria : impossible d'importer « courte.ori » : ce n'est pas une page Oria valide (il "
         "fait 3 octets au lieu de 285).\n"},
        {{"importer", writeFile(dir, "p.gpl", "GIMP Palette\n")},
         "oria : impossible d'importer « p.gpl » : le fichier ne contient aucune couleur.\n"},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
}

} // namespace
} // namespace oria
