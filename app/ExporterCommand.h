#pragma once

#include <string>
#include <vector>

namespace oria {

// `oria exporter --format F --sortie FICHIER [--nom NOM] COULEUR...`: args[0] is "exporter".
// Writes the palette file and prints nothing.
std::string RunExporter(const std::vector<std::string>& args);

} // namespace oria
