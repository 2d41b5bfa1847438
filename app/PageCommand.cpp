#include "PageCommand.h"

#include "Arguments.h"

#include "composer/PageDocument.h"

#include <QFile>

#include <array>

namespace oria {

namespace {

// Without its padding, and with control characters shown as "?" so that the name stays on
// its line and cannot drive the terminal.
std::string nameLine(const PageDocument& page) {
    QString name = PageName(page);
    while (name.endsWith(u' ')) {
        name.chop(1);
    }
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control) {
            c = u'?';
        }
    }
    return name.toStdString();
}

// The library's messages are sentences; after "oria : " the command line starts lower-case.
std::string asFailure(const QString& message) {
    return message.left(1).toLower().toStdString() + message.mid(1).toStdString();
}

} // namespace

std::string RunPage(const std::vector<std::string>& args) {
    const Arguments a = SplitArguments(args, 1, {});
    const QString path = QFile::decodeName(
        QByteArray::fromStdString(OnlyPositional(a, "page attend un seul fichier .ori")));
    QString message;
    const auto page = ReadPageDocument(path, &message);
    if (!page) {
        throw CommandFailure(asFailure(message));
    }
    std::string out = "nom: " + nameLine(*page) + '\n';
    for (const PageColourField& field : kPageColourFields) {
        out += std::string(field.key) + ": " + HexText((*page).*field.member) + '\n';
    }
    for (const PageFlagField& field : kPageFlagFields) {
        out += std::string(field.key) + ": " + ((*page).*field.member ? "1" : "0") + '\n';
    }
    return out;
}

} // namespace oria
