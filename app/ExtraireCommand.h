#pragma once

#include <string>
#include <vector>

namespace oria {

// `oria extraire [--nombre N] IMAGE`: args[0] is "extraire". The picture's N (5 by default)
// dominant colours on one line, most present first; fewer when it has fewer.
std::string RunExtraire(const std::vector<std::string>& args);

} // namespace oria
