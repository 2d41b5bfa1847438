#pragma once

#include <string>
#include <vector>

namespace oria {

// `oria grille palette|nuances ...`: args[0] is "grille". The printed grid, or UsageError.
std::string RunGrille(const std::vector<std::string>& args);

} // namespace oria
