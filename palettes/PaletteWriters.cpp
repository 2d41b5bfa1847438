#include "PaletteWriters.h"

namespace oria {

const std::array<PaletteFormatRow, 8> kPaletteFormats{{
    {PaletteFormat::Gpl, "gpl", "gpl", "Palette GIMP, Inkscape, Krita"},
    {PaletteFormat::Ase, "ase", "ase", "Adobe Swatch Exchange"},
    {PaletteFormat::Scribus, "scribus", "xml", "Palette Scribus"},
    {PaletteFormat::Soc, "soc", "soc", "Palette LibreOffice"},
    {PaletteFormat::Css, "css", "css", "Propriétés CSS"},
    {PaletteFormat::Json, "json", "json", "Design tokens JSON"},
    {PaletteFormat::Svg, "svg", "svg", "Planche de couleurs SVG"},
    {PaletteFormat::Png, "png", "png", "Planche de couleurs PNG"},
}};

std::optional<PaletteFormat> PaletteFormatForPath(const QString&) {
    return std::nullopt;
}

QByteArray EncodePalette(const NamedPalette&, PaletteFormat) {
    return {};
}

std::optional<QString> WritePalette(const QString&, const NamedPalette&, PaletteFormat) {
    return QStringLiteral("pas encore disponible");
}

} // namespace oria
