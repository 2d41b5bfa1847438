#include "CommandTables.h"

#include <algorithm>

namespace oria {
namespace {

// Each row: the number of lines, the length of the last one (8 characters a cell: single
// spaces, then the line break), the first and the last cell printed.
TEST(GrilleCommand, OneLinePerRowInDrawingOrder) {
    const std::pair<const char*, std::string> cases[] = {
        {"palette --cellules 256", "16 128 #7F0000 #7FFFFF"},
        {"palette --cellules=1024 --axe bleu --niveau 0", "32 256 #000000 #F8F800"},
        {"palette --axe vert --niveau 255 --cellules 2048", "46 184 #00FF00 #FFFF84"},
        {"nuances --cellules 2048", "46 184 #000000 #A8A8A8"},
        {"nuances --cellules 4096 --base #3366cc", "64 512 #3366CC #FFFFFF"},
    };
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        const test::CommandResult r = test::runCommand(test::words("grille " + std::string(line)));
        ASSERT_EQ(r.status, 0) << r.err;
        const std::size_t lastLine = r.out.rfind('\n', r.out.size() - 2) + 1;
        EXPECT_EQ(std::to_string(std::count(r.out.begin(), r.out.end(), '\n')) + ' ' +
                      std::to_string(r.out.size() - lastLine) + ' ' + r.out.substr(0, 7) + ' ' +
                      r.out.substr(r.out.size() - 8, 7),
                  expected);
    }
    test::expectCalls({
        {"grille", 2, "palette ou nuances"},
        {"grille damier --cellules 256", 2, "« damier »"},
        {"grille palette", 2, "« --cellules » est obligatoire"},
        {"grille palette --cellules 300", 2, "attendu 256, 1024, 2048 ou 4096"},
        {"grille palette --cellules 4294967552", 2, "cellules invalide"},
        {"grille palette --cellules 256 --axe jaune", 2, "axe invalide « jaune »"},
        {"grille palette --cellules 256 --niveau 256", 2, "de 0 à 255"},
        {"grille nuances --cellules 256 --axe rouge", 2, "ne s'applique pas"},
        {"grille nuances --cellules 256 --base #12345", 2, "couleur invalide"},
        {"grille nuances --cellules 256 'en trop'", 2, "argument inattendu"},
    });
}

} // namespace
} // namespace oria
