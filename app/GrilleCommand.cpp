#include "GrilleCommand.h"

#include "Arguments.h"

#include "composer/Grids.h"

#include <algorithm>

namespace oria {

namespace {

using Options = std::map<std::string, std::string>;

std::string option(const Options& options, const std::string& name, const std::string& fallback) {
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

int parseCells(const std::string& text) {
    const auto n = ParseInteger(text);
    if (!n || std::find(kGridCells.begin(), kGridCells.end(), *n) == kGridCells.end()) {
        throw UsageError("nombre de cellules invalide « " + text +
                         " » : attendu 256, 1024, 2048 ou 4096.");
    }
    return static_cast<int>(*n);
}

PaletteAxis parseAxis(const std::string& text) {
    for (const PaletteAxisRow& row : kPaletteAxes) {
        if (row.name == text) {
            return row.axis;
        }
    }
    throw UsageError("axe invalide « " + text + " » : attendu rouge, bleu ou vert.");
}

int parseLevel(const std::string& text) {
    const auto level = ParseInteger(text);
    if (!level || *level < 0 || *level > 255) {
        throw UsageError("niveau invalide « " + text + " » : attendu un entier de 0 à 255.");
    }
    return static_cast<int>(*level);
}

std::vector<GridCell> palette(int cells, const Options& o) {
    return PaletteGrid(cells, parseAxis(option(o, "axe", "rouge")),
                       parseLevel(option(o, "niveau", "127")));
}

std::vector<GridCell> nuances(int cells, const Options& o) {
    return ShadeGrid(cells, ParseColour(option(o, "base", "#000000")));
}

struct GridKind {
    std::string name;
    std::vector<std::string> options;
    std::vector<GridCell> (*build)(int cells, const Options&);
};

const std::vector<GridKind>& gridKinds() {
    static const std::vector<GridKind> kinds{
        {"palette", {"cellules", "axe", "niveau"}, palette},
        {"nuances", {"cellules", "base"}, nuances},
    };
    return kinds;
}

// One line per row of the grid, the last partial row on its own line.
std::string gridText(const std::vector<GridCell>& cells, int rowLength) {
    std::string out;
    out.reserve(cells.size() * 8);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        out += HexText(cells[i].colour);
        const bool rowEnd = (i + 1) % static_cast<std::size_t>(rowLength) == 0;
        out += rowEnd || i + 1 == cells.size() ? '\n' : ' ';
    }
    return out;
}

} // namespace

std::string RunGrille(const std::vector<std::string>& args) {
    const Arguments a = SplitArguments(args, 1, {"cellules", "axe", "niveau", "base"});
    if (a.positional.empty()) {
        throw UsageError("grille attend le type de grille : palette ou nuances.");
    }
    const std::string& name = a.positional.front();
    const auto& kinds = gridKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                   [&name](const GridKind& k) { return k.name == name; });
    if (kind == kinds.end()) {
        throw UsageError("type de grille invalide « " + name + " » : attendu palette ou nuances.");
    }
    if (a.positional.size() > 1) {
        throw UsageError("argument inattendu « " + a.positional[1] + " ».");
    }
    for (const auto& [given, value] : a.options) {
        if (std::find(kind->options.begin(), kind->options.end(), given) == kind->options.end()) {
            throw UsageError("l'option « --" + given + " » ne s'applique pas à la grille " +
                             kind->name + ".");
        }
    }
    const int cells = parseCells(Required(a, "cellules"));
    return gridText(kind->build(cells, a.options), GridRowLength(cells));
}

} // namespace oria
