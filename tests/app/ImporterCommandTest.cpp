#include "CommandTables.h"

#include "composer/PageDocument.h"

namespace oria {
namespace {

// The line goes straight back into `oria exporter`: the same file comes out (each word ends
// with its colour "=#RRGGBB"; a name may hold a space). A page gives all five zones, hidden
// ones too, in the order the composer exports them.
TEST(ImporterCommand, PrintsWhatExporterTakesOrSaysWhyNot) {
    const QTemporaryDir dir;
    PageDocument page;
    page.name = PageNameBytes(QStringLiteral("Vitrine"));
    page.texte = RGB(1, 0, 0), page.fond = RGB(2, 0, 0), page.cercle = RGB(3, 0, 0);
    page.titre = RGB(4, 0, 0), page.boite = RGB(5, 0, 0);
    page.cercleVisible = page.boiteVisible = false;
    test::writeFile(dir, "vitrine.ori", EncodePageDocument(page));
    test::writeFile(dir, "courte.ori", "abc");
    test::writeFile(dir, "p.gpl", "GIMP Palette\n");
    test::expectGoldenCalls("importer", dir.path());
}

} // namespace
} // namespace oria
