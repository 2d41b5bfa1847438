#include "GrilleCommand.h"

#include "Arguments.h"

namespace oria {

std::string RunGrille(const std::vector<std::string>&) {
    throw UsageError("grille : pas encore disponible.");
}

} // namespace oria
