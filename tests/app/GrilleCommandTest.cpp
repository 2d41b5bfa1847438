#include "CommandTables.h"

namespace oria {
namespace {

// One line per row of cells, in drawing order.
TEST(GrilleCommand, OneLinePerRowInDrawingOrder) {
    test::expectGoldenCalls("grille");
}

} // namespace
} // namespace oria
