#include "CommandTables.h"

namespace oria {
namespace {

TEST(VisionCommand, OneLineOfSimulatedColoursOrAUsageError) {
    test::expectCalls({
        {"vision --type protanopie #FF0000 00ff00 #0000ff", 0, "#6D5F00 #FFE500 #0059FF\n"},
        {"vision --type=deuteranopie #ff0000", 0, "#A39000\n"},
        {"vision FF0000 --type tritanopie #3366CC", 0, "#FF000F #007E8F\n"},
        {"vision --type achromatopsie ff8000 #808080", 0, "#A3A3A3 #808080\n"},
        {"vision --type normale #3366cc ff8000", 0, "#3366CC #FF8000\n"},
        {"vision #FF0000", 2, "« --type » est obligatoire"},
        {"vision --type daltonisme #FF0000", 2,
         "type de vision invalide « daltonisme » : attendu normale, protanopie, deuteranopie, "
         "tritanopie ou achromatopsie."},
        {"vision --type Protanopie #FF0000", 2, "« Protanopie »"},
        {"vision --type protanopie", 2, "au moins une couleur"},
        {"vision --type protanopie #FF0000 rouge", 2, "couleur invalide « rouge »"},
        {"vision --type protanopie --niveau 2 #FF0000", 2, "« --niveau »"},
    });
}

} // namespace
} // namespace oria
