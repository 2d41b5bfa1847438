#pragma once

#include <string>
#include <vector>

namespace oria {

// `oria importer FICHIER`: args[0] is "importer". The palette of a palette file or a page,
// on one line of NOM=#RRGGBB words as `oria exporter` takes them; UsageError for a bad
// call, CommandFailure for a file that cannot be read or is refused.
std::string RunImporter(const std::vector<std::string>& args);

} // namespace oria
