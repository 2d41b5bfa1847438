#pragma once

#include <string>
#include <vector>

namespace oria {

// `oria charte --modele ... --sortie ... --fond ...`: args[0] is "charte". Writes the charter
// file and prints nothing; UsageError for a bad call, CommandFailure when the export fails.
std::string RunCharte(const std::vector<std::string>& args);

} // namespace oria
