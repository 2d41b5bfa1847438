#include "CommandLine.h"
#include "Arguments.h"
#include "CharteCommand.h"
#include "ExporterCommand.h"
#include "ExtraireCommand.h"
#include "GrilleCommand.h"
#include "ImporterCommand.h"
#include "PageCommand.h"
#include "PlanCommand.h"
#include "VisionCommand.h"

#include "contrast/Legibility.h"
#include "contrast/Proposals.h"
#include "harmony/Adjustments.h"
#include "harmony/HarmonyEngine.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace oria {

const char* const kUsage =
    "Usage :\n"
    "  oria                      lance le programme (fenêtre des harmonies)\n"
    "  oria FICHIER              le lance avec cette page (.ori) dans le compositeur, ou avec\n"
    "                            cette palette dans la fenêtre des harmonies\n"
    "  oria harmonie --type TYPE --nombre N [--reglage-fin K] COULEUR...\n"
    "  oria ajuster --operation OP --nombre N C1 C2 C3 C4 C5\n"
    "  oria plan [--resolution R] [--mode M] [--niveau L] --sortie FICHIER\n"
    "  oria contraste [--cible CIBLE] TEXTE FOND\n"
    "  oria grille palette --cellules N [--axe A] [--niveau V]\n"
    "  oria grille nuances --cellules N [--base COULEUR]\n"
    "  oria page FICHIER.ori\n"
    "  oria charte --modele MODELE --sortie FICHIER --fond COULEUR [options de charte]\n"
    "  oria exporter --format FORMAT --sortie FICHIER [--nom NOM] COULEUR...\n"
    "  oria importer FICHIER\n"
    "  oria vision --type TYPE COULEUR...\n"
    "  oria extraire [--nombre N] IMAGE\n"
    "  oria --help               affiche cette aide\n"
    "\n"
    "harmonie : calcule l'harmonie de chaque couleur de base et écrit une ligne par couleur,\n"
    "           les N couleurs C1..CN au format #RRGGBB (C1 est la couleur de base).\n"
    "  TYPE     numéro 0 à 9 ou nom du type : Moderne, Moderne2, \"Classique faible\",\n"
    "           \"Classique neutre\", \"Classique fort\", Spécial, \"Spécial faible\",\n"
    "           \"Dégradé clair\", \"Dégradé sombre\", Aléatoire\n"
    "  N        nombre de couleurs, de 2 à 5\n"
    "  K        réglage fin, entier de -100 à 100 (0 par défaut), soit K/10 degrés\n"
    "  COULEUR  #RRGGBB ou RRGGBB, chiffres hexadécimaux\n"
    "\n"
    "ajuster : applique une opération aux cinq couleurs C1..C5 (N couleurs affichées)\n"
    "          et écrit les cinq couleurs obtenues sur une ligne.\n"
    "  OP       lum+, lum-, sat+, sat-, websafe, cycler, melanger ou classer\n"
    "\n"
    "plan : dessine le disque des couleurs (350 x 350 pixels, teinte selon l'angle) dans\n"
    "       FICHIER, au format SVG ou PNG selon son extension (.svg ou .png).\n"
    "  R        résolution : haute, moyenne ou basse (basse par défaut)\n"
    "  M        ce que donne la distance au centre : saturation, luminosite ou les2\n"
    "           (les deux, en deux bandes) ; saturation par défaut\n"
    "  L        niveau de l'autre composante, entier de 0 à 200 (100 par défaut),\n"
    "           sans effet avec les2\n"
    "\n"
    "contraste : lisibilité de la couleur TEXTE sur la couleur FOND (#RRGGBB ou RRGGBB) :\n"
    "            rapport de contraste WCAG 2 et verdicts AA, AA grand texte, AAA, AAA grand\n"
    "            texte (oui/non), puis contraste APCA Lc, positif pour un texte sombre.\n"
    "  CIBLE    aa (4,5:1), aa-grand (3:1), aaa (7:1), aaa-grand (4,5:1), lc45, lc60, lc75\n"
    "           ou lc90 (|Lc| au moins 45, 60, 75, 90) : si la paire ne l'atteint pas, deux\n"
    "           lignes de plus, texte=#RRGGBB puis fond=#RRGGBB, la couleur la plus proche du\n"
    "           texte (du fond) qui l'atteint, de même teinte et même chroma OKLCH, seule la\n"
    "           clarté changeant, avec ce qu'elle atteint (wcag=7.00 ou apca=-76.2) ; ou\n"
    "           texte=impossible (fond=impossible) quand aucune clarté ne l'atteint.\n"
    "\n"
    "grille : écrit les couleurs d'une grille du compositeur au format #RRGGBB, une ligne par\n"
    "         rangée de cellules, dans l'ordre du dessin.\n"
    "  N        nombre de cellules : 256, 1024, 2048 ou 4096\n"
    "  A        composante fixe de la grille palette : rouge, bleu ou vert (rouge par défaut)\n"
    "  V        valeur de cette composante, entier de 0 à 255 (127 par défaut)\n"
    "  COULEUR  couleur de base de la grille des nuances, #RRGGBB (noir par défaut)\n"
    "\n"
    "page : affiche la page Oria FICHIER.ori, un champ par ligne : son nom, ses cinq couleurs\n"
    "       (#RRGGBB) et ses cinq indicateurs de visibilité (0 ou 1).\n"
    "\n"
    "charte : remplit le modèle de charte graphique MODELE (HTML en Windows-1252) avec les noms\n"
    "         et les valeurs des couleurs et écrit la charte dans FICHIER ; rien n'est affiché.\n"
    "  MODELE   fichier modèle, ou standard3, standard4, standard5 pour les modèles fournis\n"
    "           (3, 4 ou 5 couleurs)\n"
    "  --fond, --texte, --titre, --decors1, --decors2 COULEUR\n"
    "           couleurs de la charte (#RRGGBB) ; --fond est obligatoire, une autre couleur\n"
    "           omise laisse ses champs du modèle tels quels\n"
    "  --nom-fond, --nom-texte, --nom-titre, --nom-decors1, --nom-decors2 TEXTE\n"
    "           nom de chaque couleur (\"Couleur Fond\", \"Couleur texte\", ... par défaut)\n"
    "  --nom TEXTE          nom de la charte (\"Titre\" par défaut)\n"
    "  --references TEXTE   références pratiques (\"Références\" par défaut)\n"
    "\n"
    "exporter : écrit la palette des COULEURS dans FICHIER pour un logiciel de création ; rien\n"
    "           n'est affiché.\n"
    "  FORMAT   gpl (GIMP, Inkscape, Krita), ase (Adobe Swatch Exchange), scribus, soc\n"
    "           (LibreOffice), css (propriétés personnalisées), json (design tokens), svg ou\n"
    "           png (planche de couleurs)\n"
    "  NOM      nom de la palette (\"Oria 2000\" par défaut)\n"
    "  COULEUR  #RRGGBB ou NOM=#RRGGBB (la couleur suit le dernier « = ») ; une couleur sans\n"
    "           nom s'appelle « Couleur k », k étant sa position\n"
    "\n"
    "importer : lit la palette de FICHIER et l'écrit sur une ligne de mots NOM=#RRGGBB, comme\n"
    "           exporter les prend. Le format suit l'extension : .gpl, .ase, .xml (Scribus),\n"
    "           .soc, .css, .json, .svg ou .png (planche écrite par exporter), .ori (page :\n"
    "           ses cinq couleurs Fond, Texte, Titre, Cercle, Boite). Fichier de 10 Mo au plus.\n"
    "\n"
    "vision : simule la perception des couleurs par une personne atteinte d'un trouble de la\n"
    "         vision des couleurs et écrit les couleurs obtenues (#RRGGBB) sur une ligne.\n"
    "  TYPE     protanopie, deuteranopie, tritanopie ou achromatopsie ; normale laisse les\n"
    "           couleurs inchangées\n"
    "\n"
    "extraire : écrit sur une ligne les couleurs dominantes de l'image IMAGE (#RRGGBB), la plus\n"
    "           présente d'abord ; une image de moins de N couleurs distinctes donne celles-ci.\n"
    "  N        nombre de couleurs, de 2 à 5 (5 par défaut)\n"
    "\n"
    "Une commande invalide écrit un message sur la sortie d'erreur et se termine avec le code 2.\n";

namespace {

HarmonyType parseType(const std::string& text) {
    std::optional<HarmonyType> type;
    if (const auto index = ParseInteger(text)) {
        if (*index >= 0 && *index <= 9) {
            type = static_cast<HarmonyType>(*index);
        }
    } else {
        for (const HarmonyTypeItem& item : kHarmonyTypes) {
            if (item.name == text && item.type != HarmonyType::Manuel) {
                type = item.type;
            }
        }
    }
    if (!type) {
        throw UsageError("type d'harmonie invalide « " + text +
                         " » : attendu un numéro de 0 à 9 ou le nom d'un type "
                         "(\"Manuel...\" ouvre une fenêtre et ne calcule rien).");
    }
    return *type;
}

Adjustment parseOperation(const std::string& text) {
    for (const AdjustmentItem& item : kAdjustments) {
        if (item.name == text) {
            return item.adjustment;
        }
    }
    throw UsageError("opération invalide « " + text +
                     " » : attendu lum+, lum-, sat+, sat-, websafe, cycler, melanger ou "
                     "classer.");
}

void appendPaletteLine(std::string& out, const Palette& palette, int count) {
    for (int k = 0; k < count; ++k) {
        if (k > 0) {
            out += ' ';
        }
        AppendHexText(out, palette[static_cast<std::size_t>(k)]);
    }
    out += '\n';
}

// The colours of a call: its arguments, or, when the only one is "-", standard input's
// words, one list per non-empty line.
std::vector<std::vector<std::string>> colourLines(const std::vector<std::string>& positional,
                                                  std::istream& in) {
    if (positional.size() != 1 || positional.front() != "-") {
        return {positional};
    }
    std::vector<std::vector<std::string>> lines;
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> words;
        std::size_t pos = 0;
        while ((pos = line.find_first_not_of(" \t\r", pos)) != std::string::npos) {
            const std::size_t end = line.find_first_of(" \t\r", pos);
            words.push_back(line.substr(pos, end - pos));
            pos = end;
        }
        if (!words.empty()) {
            lines.push_back(std::move(words));
        }
    }
    return lines;
}

std::string runHarmonie(const std::vector<std::string>& args, std::istream& in,
                        RandomSource& random) {
    const Arguments a = SplitArguments(args, 1, {"type", "nombre", "reglage-fin"});
    const HarmonyType type = parseType(Required(a, "type"));
    const int n = ParseColourCount(Required(a, "nombre"));
    int k = 0;
    if (const auto it = a.options.find("reglage-fin"); it != a.options.end()) {
        const auto value = ParseInteger(it->second);
        if (!value || *value < -100 || *value > 100) {
            throw UsageError("réglage fin invalide « " + it->second +
                             " » : attendu un entier de -100 à 100.");
        }
        k = static_cast<int>(*value);
    }
    std::vector<Colour> bases;
    for (const auto& line : colourLines(a.positional, in)) {
        for (const std::string& text : line) {
            bases.push_back(ParseColour(text));
        }
    }
    if (bases.empty()) {
        throw UsageError("aucune couleur de base donnée.");
    }
    std::string out;
    out.reserve(bases.size() * static_cast<std::size_t>(8 * n));
    for (const Colour base : bases) {
        Palette palette{base, 0, 0, 0, 0};
        CalculerHarmonie(palette, type, n, k / 10.0, random);
        appendPaletteLine(out, palette, n);
    }
    return out;
}

std::string runAjuster(const std::vector<std::string>& args, std::istream& in,
                       RandomSource& random) {
    const Arguments a = SplitArguments(args, 1, {"operation", "nombre"});
    const Adjustment op = parseOperation(Required(a, "operation"));
    const int n = ParseColourCount(Required(a, "nombre"));
    const auto lines = colourLines(a.positional, in);
    std::vector<Palette> palettes;
    for (std::size_t l = 0; l < lines.size(); ++l) {
        if (lines[l].size() != 5) {
            const std::string where =
                lines.size() > 1 || a.positional != lines[l]
                    ? " (ligne " + std::to_string(l + 1) + " de l'entrée standard)"
                    : "";
            throw UsageError("ajuster attend exactement cinq couleurs C1 à C5, " +
                             std::to_string(lines[l].size()) + " données" + where + ".");
        }
        Palette palette{};
        for (std::size_t i = 0; i < palette.size(); ++i) {
            palette[i] = ParseColour(lines[l][i]);
        }
        palettes.push_back(palette);
    }
    if (palettes.empty()) {
        throw UsageError("ajuster attend exactement cinq couleurs C1 à C5, 0 données.");
    }
    std::string out;
    for (Palette& palette : palettes) {
        ApplyAdjustment(op, palette, n, random);
        appendPaletteLine(out, palette, 5);
    }
    return out;
}

// "a, b ou c" from the spellings a table accepts.
template <typename Rows, typename Field> std::string choices(const Rows& rows, Field field) {
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        text += i == 0 ? "" : i + 1 == rows.size() ? " ou " : ", ";
        text += rows[i].*field;
    }
    return text;
}

template <typename Rows, typename Field>
const auto& findRow(const Rows& rows, Field field, const std::string& text,
                    const std::string& what) {
    for (const auto& row : rows) {
        if (row.*field == text) {
            return row;
        }
    }
    throw UsageError(what + " invalide « " + text + " » : attendu " + choices(rows, field) + ".");
}

std::string runPlan(const std::vector<std::string>& args) {
    const Arguments a = SplitArguments(args, 1, {"resolution", "mode", "niveau", "sortie"});
    auto option = [&a](const std::string& name, const std::string& fallback) {
        const auto it = a.options.find(name);
        return it == a.options.end() ? fallback : it->second;
    };
    const Resolution resolution =
        findRow(kResolutions, &ResolutionRow::caption, option("resolution", "basse"), "résolution")
            .resolution;
    const PlaneMode mode =
        findRow(kPlaneModes, &PlaneModeRow::commandName, option("mode", "saturation"), "mode").mode;
    const std::string levelText = option("niveau", "100");
    const auto level = ParseInteger(levelText);
    if (!level || *level < 0 || *level > 200) {
        throw UsageError("niveau invalide « " + levelText + " » : attendu un entier de 0 à 200.");
    }
    const std::string& path = Required(a, "sortie");
    const auto format = PlanFormatFor(path);
    if (!format) {
        throw UsageError("extension du fichier « " + path +
                         " » non reconnue : attendu .svg ou .png.");
    }
    if (!a.positional.empty()) {
        throw UsageError("argument inattendu « " + a.positional.front() + " ».");
    }
    const Plane plane = GenererPlan(resolution, mode, static_cast<int>(*level));
    if (const auto why = WritePlan(plane, *format, path)) {
        throw CommandFailure("impossible d'écrire « " + path + " » : " + *why + ".");
    }
    return {};
}

// "texte=#595959 wcag=7.00", "fond=impossible".
std::string proposalLine(const char* name, const Proposal& p, ContrastTarget target) {
    return std::string(name) + '=' +
           (p.kind == ProposalKind::Impossible
                ? "impossible"
                : HexText(p.colour) + ' ' + ReachedText(target, p.reached)) +
           '\n';
}

std::string runContraste(const std::vector<std::string>& args) {
    const Arguments a = SplitArguments(args, 1, {"cible"});
    std::optional<ContrastTarget> target;
    if (const auto it = a.options.find("cible"); it != a.options.end()) {
        target =
            findRow(kContrastTargets, &ContrastTargetRow::commandName, it->second, "cible").target;
    }
    if (a.positional.size() != 2) {
        throw UsageError("contraste attend deux couleurs, TEXTE puis FOND (nombre reçu : " +
                         std::to_string(a.positional.size()) + ").");
    }
    const Colour text = ParseColour(a.positional[0]);
    const Colour background = ParseColour(a.positional[1]);
    std::string out = LegibilityLine(MeasureLegibility(text, background)) + '\n';
    if (target && !MeetsTarget(*target, text, background)) {
        const Proposals p = ProposeColours(text, background, *target);
        out += proposalLine("texte", p.text, *target);
        out += proposalLine("fond", p.background, *target);
    }
    return out;
}

// The subcommands: each checks its whole call before anything is printed or written.
struct Command {
    const char* name;
    std::string (*run)(const std::vector<std::string>& args, std::istream& in,
                       RandomSource& random);
};
const Command kCommands[] = {
    {"harmonie", runHarmonie},
    {"ajuster", runAjuster},
    {"plan", [](const auto& args, std::istream&, RandomSource&) { return runPlan(args); }},
    {"contraste",
     [](const auto& args, std::istream&, RandomSource&) { return runContraste(args); }},
    {"grille", [](const auto& args, std::istream&, RandomSource&) { return RunGrille(args); }},
    {"page", [](const auto& args, std::istream&, RandomSource&) { return RunPage(args); }},
    {"charte", [](const auto& args, std::istream&, RandomSource&) { return RunCharte(args); }},
    {"exporter", [](const auto& args, std::istream&, RandomSource&) { return RunExporter(args); }},
    {"importer", [](const auto& args, std::istream&, RandomSource&) { return RunImporter(args); }},
    {"vision", [](const auto& args, std::istream&, RandomSource&) { return RunVision(args); }},
    {"extraire", [](const auto& args, std::istream&, RandomSource&) { return RunExtraire(args); }},
};

bool asksForHelp(const std::vector<std::string>& args) {
    return std::find_if(args.begin(), args.end(), [](const std::string& a) {
               return a == "--help" || a == "-h";
           }) != args.end();
}

} // namespace

bool OpensInTheWindows(const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-' ||
        std::any_of(std::begin(kCommands), std::end(kCommands),
                    [&](const Command& c) { return args[0] == c.name; })) {
        return false;
    }
    // A file, or a name like one: a mistyped command still gets the command line's answer.
    const std::filesystem::path path(args[0]);
    std::error_code error;
    return path.has_extension() || std::filesystem::exists(path, error);
}

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, RandomSource& random) {
    if (asksForHelp(args)) {
        out << kUsage;
        return 0;
    }
    try {
        if (args.empty()) {
            throw UsageError("aucune commande donnée.");
        }
        const Command* command = nullptr;
        for (const Command& c : kCommands) {
            if (args[0] == c.name) {
                command = &c;
            }
        }
        if (!command) {
            throw UsageError("commande inconnue « " + args[0] + " ».");
        }
        const std::string result = command->run(args, in, random);
        out << result;
        return 0;
    } catch (const UsageError& e) {
        err << "oria : " << e.what() << "\nPour l'aide : oria --help\n";
        return 2;
    } catch (const CommandFailure& e) {
        err << "oria : " << e.what() << '\n';
        return 2;
    }
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   RandomSource& random) {
    std::istringstream nothing;
    return RunCommandLine(args, nothing, out, err, random);
}

} // namespace oria
