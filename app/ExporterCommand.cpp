#include "ExporterCommand.h"

#include "Arguments.h"

#include "palettes/PaletteWriters.h"

#include <QFile>
#include <QGuiApplication>

#include <optional>

namespace oria {

namespace {

PaletteFormat formatFor(const std::string& key) {
    std::string keys;
    for (std::size_t i = 0; i < kPaletteFormats.size(); ++i) {
        if (key == kPaletteFormats[i].key) {
            return kPaletteFormats[i].format;
        }
        keys += i == 0 ? "" : i + 1 == kPaletteFormats.size() ? " ou " : ", ";
        keys += kPaletteFormats[i].key;
    }
    throw UsageError("format invalide « " + key + " » : attendu " + keys + ".");
}

// "#RRGGBB" or "NAME=#RRGGBB"; the colour follows the last "=" so that a name may hold one.
NamedColour colourArgument(const std::string& text, std::size_t position) {
    const auto eq = text.rfind('=');
    const std::string name = eq == std::string::npos ? std::string() : text.substr(0, eq);
    const std::string hex = eq == std::string::npos ? text : text.substr(eq + 1);
    if (hex.empty()) {
        throw UsageError("couleur manquante dans « " + text + " » : attendu NOM=#RRGGBB.");
    }
    const Colour colour = ParseColour(hex);
    return {name.empty() ? QStringLiteral("Couleur %1").arg(position)
                         : QString::fromStdString(name),
            colour};
}

// The swatch sheet's text needs fonts, hence a QGuiApplication for the call; the command
// line has none, and needs no display for this. Qt's own notices (no runtime folder...)
// are kept off the terminal: the command prints nothing when it succeeds.
struct OffscreenGui {
    struct Quiet {
        QtMessageHandler before =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        ~Quiet() { qInstallMessageHandler(before); }
    } quiet;
    int argc = 3;
    char name[5] = "oria";
    char platform[10] = "-platform";
    char offscreen[10] = "offscreen";
    char* argv[4] = {name, platform, offscreen, nullptr};
    QGuiApplication app{argc, argv};
};

} // namespace

std::string RunExporter(const std::vector<std::string>& args) {
    const Arguments a = SplitArguments(args, 1, {"format", "sortie", "nom"});
    const PaletteFormat format = formatFor(Required(a, "format"));
    const std::string& output = Required(a, "sortie");
    if (output.empty()) {
        throw UsageError("l'option « --sortie » attend un nom de fichier.");
    }
    NamedPalette palette;
    const auto name = a.options.find("nom");
    palette.name = name == a.options.end() ? QStringLiteral("Oria 2000")
                                           : QString::fromStdString(name->second);
    if (a.positional.empty()) {
        throw UsageError("aucune couleur donnée : attendu au moins une couleur #RRGGBB ou "
                         "NOM=#RRGGBB.");
    }
    for (std::size_t i = 0; i < a.positional.size(); ++i) {
        palette.colours.push_back(colourArgument(a.positional[i], i + 1));
    }

    std::optional<OffscreenGui> gui;
    if (format == PaletteFormat::Png && QCoreApplication::instance() == nullptr) {
        gui.emplace();
    }
    const QString path = QFile::decodeName(QByteArray::fromStdString(output));
    if (auto failure = WritePalette(path, palette, format)) {
        // Lower case after "oria : ".
        failure->front() = failure->front().toLower();
        throw CommandFailure(failure->toStdString());
    }
    return {};
}

} // namespace oria
