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
    ZoneColours colours{};
    colours[Index(Zone::Fond)] = page.fond;
    colours[Index(Zone::Texte)] = page.texte;
    colours[Index(Zone::Titre)] = page.titre;
    colours[Index(Zone::Cercle)] = page.cercle;
    colours[Index(Zone::Boite)] = page.boite;
    NamedPalette palette{PageName(page).trimmed(), {}};
    if (palette.name.isEmpty()) {
        palette.name = QStringLiteral("Page");
    }
    for (const auto& [zone, name] : kExportZones) {
        palette.colours.push_back({QString::fromLatin1(name), colours[Index(zone)]});
    }
    return palette;
}

namespace {

// "Boîte", "BOITE" and "boite" are one name.
QString plain(const QString& name) {
    QString out;
    for (QChar c : name.trimmed().normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            out += c.toCaseFolded();
        }
    }
    return out;
}

} // namespace

ZoneColours ImportIntoZones(ZoneColours zones, const ZoneFlags& modifiable,
                            const NamedPalette& palette) {
    ZoneFlags taken{};
    std::vector<Colour> others;
    for (const NamedColour& c : palette.colours) {
        bool named = false;
        for (const auto& [zone, name] : kExportZones) {
            if (!taken[Index(zone)] && plain(c.name) == plain(QString::fromLatin1(name))) {
                zones[Index(zone)] = c.colour;
                taken[Index(zone)] = named = true;
                break;
            }
        }
        if (!named) {
            others.push_back(c.colour);
        }
    }
    auto next = others.begin();
    for (const auto& [zone, name] : kExportZones) {
        if (next != others.end() && !taken[Index(zone)] && modifiable[Index(zone)]) {
            zones[Index(zone)] = *next++;
        }
    }
    return zones;
}

const PaletteReader kPagePaletteReader = {"ori", "Page Oria", readPage};

} // namespace oria
