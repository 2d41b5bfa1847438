#pragma once

#include <string>
#include <vector>

namespace oria {

// `oria vision --type T COULEUR...`: args[0] is "vision". The simulated colours on one line.
std::string RunVision(const std::vector<std::string>& args);

} // namespace oria
