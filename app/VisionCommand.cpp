#include "VisionCommand.h"

#include "Arguments.h"

#include "contrast/Vision.h"

namespace oria {

namespace {

Vision parseVision(const std::string& text) {
    for (const VisionRow& row : kVisions) {
        if (row.key == text) {
            return row.vision;
        }
    }
    std::string keys; // "normale, protanopie, ... ou achromatopsie"
    for (std::size_t i = 0; i < kVisions.size(); ++i) {
        keys += i == 0 ? "" : i + 1 == kVisions.size() ? " ou " : ", ";
        keys += kVisions[i].key;
    }
    throw UsageError("type de vision invalide « " + text + " » : attendu " + keys + ".");
}

} // namespace

std::string RunVision(const std::vector<std::string>& args) {
    const Arguments a = SplitArguments(args, 1, {"type"});
    const Vision vision = parseVision(Required(a, "type"));
    if (a.positional.empty()) {
        throw UsageError("vision attend au moins une couleur (#RRGGBB ou RRGGBB).");
    }
    std::string line;
    for (const std::string& text : a.positional) {
        const Colour seen = SimulateVision(ParseColour(text), vision);
        if (!line.empty()) {
            line += ' ';
        }
        line += HexText(seen);
    }
    return line + '\n';
}

} // namespace oria
