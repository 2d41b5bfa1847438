#pragma once

#include "core/Colour.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace oria {

// A palette as designers' tools take it: a name and an ordered list of named colours.
struct NamedColour {
    QString name;
    Colour colour = 0;
};
struct NamedPalette {
    QString name;
    std::vector<NamedColour> colours;
};

enum class PaletteFormat { Gpl, Ase, Scribus, Soc, Css, Json, Svg, Png };

struct PaletteFormatRow {
    PaletteFormat format;
    const char* key;       // on the command line
    const char* extension; // without the dot
    const char* filter;    // French, for the save dialog
};
extern const std::array<PaletteFormatRow, 8> kPaletteFormats;

// The format a file name asks for by its extension, any case.
std::optional<PaletteFormat> PaletteFormatForPath(const QString& path);

// The file's bytes. Png needs a QGuiApplication (fonts); without one it comes out empty.
QByteArray EncodePalette(const NamedPalette& palette, PaletteFormat format);

// The names the colours take where a file wants identifiers, in palette order and unique:
// CSS custom properties without their leading "--" ("Crème brûlée" -> "creme-brulee"), and
// design-token keys (the name itself, but for the characters the token format forbids).
std::vector<QString> CssIdentifiers(const NamedPalette& palette);
std::vector<QString> TokenKeys(const NamedPalette& palette);

// Written whole or not at all; nullopt on success, else a complete French message.
std::optional<QString> WritePalette(const QString& path, const NamedPalette& palette,
                                    PaletteFormat format);

} // namespace oria
