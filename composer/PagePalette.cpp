#include "PagePalette.h"

namespace oria {

namespace {

std::optional<NamedPalette> readPage(const QByteArray& bytes, QString* why) {
    QString reason;
    const auto page = DecodePageDocument(bytes, &reason);
    if (!page) {
        *why = QStringLiteral("ce n'est pas une page Oria valide (%1)").arg(reason);
        return std::nullopt;
    }
    return PagePalette(*page);
}

} // namespace

NamedPalette PagePalette(const PageDocument& page) {
    const std::pair<Colour PageDocument::*, const char*> zones[] = {
        {&PageDocument::fond, "Fond"},
        {&PageDocument::texte, "Texte"},
        {&PageDocument::titre, "Titre"},
        {&PageDocument::cercle, "Cercle"},
        {&PageDocument::boite, "Boite"}};
    NamedPalette palette{PageName(page).trimmed(), {}};
    if (palette.name.isEmpty()) {
        palette.name = QStringLiteral("Page");
    }
    for (const auto& [member, name] : zones) {
        palette.colours.push_back({QString::fromLatin1(name), page.*member});
    }
    return palette;
}

const PaletteReader kPagePaletteReader = {"ori", "Page Oria", readPage};

} // namespace oria
