#pragma once

#include <string>
#include <vector>

namespace oria {

// `oria page FICHIER.ori`: args[0] is "page". The document's fields, one a line; UsageError
// for a bad call, CommandFailure for a file that cannot be read or is refused.
std::string RunPage(const std::vector<std::string>& args);

} // namespace oria
