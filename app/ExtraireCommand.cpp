#include "ExtraireCommand.h"

#include "Arguments.h"

#include "palettepro/DominantColours.h"
#include "platform/PictureFile.h"
#include "platform/SaveFile.h"

#include <QFile>
#include <QFileInfo>

namespace oria {

std::string RunExtraire(const std::vector<std::string>& args) {
    const Arguments a = SplitArguments(args, 1, {"nombre"});
    const auto count = a.options.find("nombre");
    const int n =
        count == a.options.end() ? kDominantColoursDefault : ParseColourCount(count->second);
    const QString path = QFile::decodeName(
        QByteArray::fromStdString(OnlyPositional(a, "extraire attend une seule image")));
    const std::string name = QFileInfo(path).fileName().toStdString();
    if (QFile file(path); !file.open(QIODevice::ReadOnly)) {
        throw CommandFailure("impossible de lire « " + name +
                             " » : " + ReadFailure(path).toStdString() + ".");
    }
    const QImage picture = DecodePictureFile(path);
    if (picture.isNull()) {
        throw CommandFailure("le fichier « " + name +
                             " » n'a pas pu être lu comme une image : il est peut-être "
                             "endommagé, trop grand ou d'un format non reconnu.");
    }
    const std::vector<Colour> colours = DominantColours(picture, n);
    if (colours.empty()) {
        throw CommandFailure("l'image « " + name +
                             " » est entièrement transparente : aucune couleur à extraire.");
    }
    std::string line;
    for (const Colour c : colours) {
        if (!line.empty()) {
            line += ' ';
        }
        AppendHexText(line, c);
    }
    return line + '\n';
}

} // namespace oria
