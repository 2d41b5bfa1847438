#include "ImporterCommand.h"

#include "Arguments.h"

#include "composer/PagePalette.h"
#include "palettes/PaletteReaders.h"

#include <QFile>

namespace oria {

std::string RunImporter(const std::vector<std::string>& args) {
    const Arguments a = SplitArguments(args, 1, {});
    const QString path = QFile::decodeName(
        QByteArray::fromStdString(OnlyPositional(a, "importer attend un seul fichier")));
    const PaletteReading read = ReadPaletteFile(path, {&kPagePaletteReader, 1});
    if (!read) {
        // Lower case after "oria : ".
        throw CommandFailure(read.error.left(1).toLower().toStdString() +
                             read.error.mid(1).toStdString());
    }
    std::string line;
    for (const NamedColour& c : read->colours) {
        line += line.empty() ? "" : " ";
        line += c.name.toStdString() + '=';
        AppendHexText(line, c.colour);
    }
    return line + '\n';
}

} // namespace oria
