#include "CharteCommand.h"

#include "Arguments.h"

namespace oria {

std::string RunCharte(const std::vector<std::string>&) {
    throw UsageError("charte : pas encore disponible.");
}

} // namespace oria
