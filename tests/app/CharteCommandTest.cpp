#include "CommandTables.h"

namespace oria {
namespace {

// What it writes (Windows-1252, CR LF) from a template of the user's or a standard one, or why
// it writes nothing.
TEST(CharteCommand, WritesTheCharterFromItsTemplateOrSaysWhyNot) {
    const QTemporaryDir dir;
    test::writeFile(dir, "modèle.html",
                    "<h1>%nom_charte%</h1>\n%nom_ref%\r\n%nom_fond% %hexa_fond% %rvb_fond%\n"
                    "%nom_texte%=%hexa_texte%\n%nom_decors2% %rvb_decors2%");
    test::expectGoldenCalls("charte", dir.path());
}

} // namespace
} // namespace oria
