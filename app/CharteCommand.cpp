#include "CharteCommand.h"

#include "Arguments.h"

#include "charter/CharterExport.h"
#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace oria {

namespace {

// One colour row of the command: its colour option, its name option and the window's name.
struct RowOption {
    const char* key;
    const char* defaultName;
    CharterRow CharterFields::*row;
};
constexpr std::array<RowOption, 5> kRows = {{
    {"fond", "Couleur Fond", &CharterFields::fond},
    {"texte", "Couleur texte", &CharterFields::texte},
    {"titre", "Couleur titre", &CharterFields::titre},
    {"decors1", "Couleur decors 1", &CharterFields::decors1},
    {"decors2", "Couleur decors 2", &CharterFields::decors2},
}};

struct StandardTemplate {
    const char* keyword;
    const char* file;
};
constexpr std::array<StandardTemplate, 3> kStandardTemplates = {{
    {"standard3", "std_3coul.html"},
    {"standard4", "std_4coul.html"},
    {"standard5", "std_5coul.html"},
}};

std::vector<std::string> allowedOptions() {
    std::vector<std::string> names = {"modele", "sortie", "nom", "references"};
    for (const RowOption& r : kRows) {
        names.push_back(r.key);
        names.push_back(std::string("nom-") + r.key);
    }
    return names;
}

// The templates are in the program's data folder, which Qt finds from the program's own
// folder on every platform, given an application object. The command line runs without one
// (the exporter makes an offscreen QGuiApplication when it draws text, and there can be only
// one), so one is made for the question. Qt reads the program's path from the system on Linux,
// Windows and macOS, not from the name given here.
QString dataFolder() {
    if (QCoreApplication::instance() != nullptr) {
        return DataFolder();
    }
    int argc = 1;
    char name[] = "oria";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    return DataFolder();
}

// An empty name would reach the export and fail with a message about the template.
const std::string& fileOption(const Arguments& a, const std::string& name) {
    const std::string& value = Required(a, name);
    if (value.empty()) {
        throw UsageError("l'option « --" + name + " » attend un nom de fichier.");
    }
    return value;
}

QString templatePath(const std::string& option) {
    for (const StandardTemplate& t : kStandardTemplates) {
        if (option == t.keyword) {
            return dataFolder() + QStringLiteral("/modeles/") + QString::fromLatin1(t.file);
        }
    }
    return QFile::decodeName(QByteArray::fromStdString(option));
}

QString text(const Arguments& a, const std::string& name, const QString& fallback) {
    const auto it = a.options.find(name);
    return it == a.options.end() ? fallback : QString::fromStdString(it->second);
}

// The window's two-line message on one line, lower-case after "oria : ".
// On the command line the cause itself is said: no template list to point the user to.
std::string asFailure(const ExportFailure& failure, const QString& model) {
    if (failure.cause == ExportFailure::Cause::Output) {
        return QStringLiteral("la charte n'a pas pu être écrite dans %1.")
            .arg(failure.detail)
            .toStdString();
    }
    return QStringLiteral("impossible de lire le modèle « %1 » : %2.")
        .arg(QFileInfo(model).fileName(), failure.detail)
        .toStdString();
}

} // namespace

std::string RunCharte(const std::vector<std::string>& args) {
    const Arguments a = SplitArguments(args, 1, allowedOptions());
    if (!a.positional.empty()) {
        throw UsageError("argument inattendu « " + a.positional.front() + " ».");
    }
    const QString model = templatePath(fileOption(a, "modele"));
    const QString output = QFile::decodeName(QByteArray::fromStdString(fileOption(a, "sortie")));
    Required(a, "fond"); // the background row is always filled in

    CharterFields fields;
    fields.nomCharte = text(a, "nom", QStringLiteral("Titre"));
    fields.nomRef = text(a, "references", QStringLiteral("Références"));
    for (const RowOption& r : kRows) {
        const auto colour = a.options.find(r.key);
        const QString name = text(a, std::string("nom-") + r.key, QString::fromUtf8(r.defaultName));
        // A left-out colour is an unticked row: its placeholders stay in the charter.
        fields.*r.row = colour == a.options.end() ? CharterRow{false, name, {}, {}}
                                                  : RowFor(name, ParseColour(colour->second));
    }

    if (const auto failure = ExportCharter(model, output, fields)) {
        throw CommandFailure(asFailure(*failure, model));
    }
    return {};
}

} // namespace oria
