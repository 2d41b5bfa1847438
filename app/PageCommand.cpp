#include "PageCommand.h"

#include "Arguments.h"

namespace oria {

std::string RunPage(const std::vector<std::string>&) {
    throw UsageError("page : pas encore disponible.");
}

} // namespace oria
