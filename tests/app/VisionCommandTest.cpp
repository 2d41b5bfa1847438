#include "CommandTables.h"

namespace oria {
namespace {

TEST(VisionCommand, OneLineOfSimulatedColoursOrAUsageError) {
    test::expectGoldenCalls("vision");
}

} // namespace
} // namespace oria
