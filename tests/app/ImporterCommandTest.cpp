#include "CommandTables.h"

#include "composer/PageDocument.h"

namespace oria {
namespace {

// The line goes straight back into `oria exporter`: the same file comes out.
TEST(ImporterCommand, PrintsWhatExporterTakes) {
    const QTemporaryDir dir;
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    const std::string call = "exporter --format json --nom Été --sortie " + folder;
    test::expectCalls({
        {call + "/a.json Bleu=#1e2a3a a=b=#00ff00 #FFFFFF", 0, ""},
        {"importer " + folder + "/a.json", 0, "Bleu=#1E2A3A a=b=#00FF00 Couleur 3=#FFFFFF\n"},
        // Each word ends with its colour "=#RRGGBB"; a name may hold a space.
        {call + "/b.json Bleu=#1E2A3A a=b=#00FF00 'Couleur 3=#FFFFFF'", 0, ""},
    });
    QFile a(dir.filePath("a.json")), b(dir.filePath("b.json"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

// A page gives all five zones, hidden ones too, in the order the composer exports them.
TEST(ImporterCommand, ReadsThePageColoursOrSaysWhyNot) {
    const QTemporaryDir dir;
    PageDocument page;
    page.name = PageNameBytes(QStringLiteral("Vitrine"));
    page.texte = RGB(1, 0, 0), page.fond = RGB(2, 0, 0), page.cercle = RGB(3, 0, 0);
    page.titre = RGB(4, 0, 0), page.boite = RGB(5, 0, 0);
    page.cercleVisible = page.boiteVisible = false;
    test::expectCalls({
        {"importer " + test::writeFile(dir, "vitrine.ori", EncodePageDocument(page)), 0,
         "Fond=#020000 Texte=#010000 Titre=#040000 Cercle=#030000 Boite=#050000\n"},
        {"importer", 2,
         "oria : importer attend un seul fichier (nombre reçu : 0).\n"
         "Pour l'aide : oria --help\n"},
        {"importer " + test::writeFile(dir, "courte.ori", "abc"), 2,
         "oria : impossible d'importer « courte.ori » : ce n'est pas une page Oria valide (il "
         "fait 3 octets au lieu de 285).\n"},
        {"importer " + test::writeFile(dir, "p.gpl", "GIMP Palette\n"), 2,
         "oria : impossible d'importer « p.gpl » : le fichier ne contient aucune couleur.\n"},
    });
}

} // namespace
} // namespace oria
