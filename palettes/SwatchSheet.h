#pragma once

#include "PaletteWriters.h"

#include <QByteArray>

namespace oria {

// A sheet to show a palette at a glance: the palette's name as a heading, then one large
// swatch per colour, up to five a row, each with its name, #RRGGBB and R V B values below.
QByteArray SwatchSheetSvg(const NamedPalette& palette);
// The same sheet drawn; empty without a QGuiApplication (the text needs fonts). The picture
// carries the SVG sheet, whole names included, in an iTXt chunk under this keyword, so
// that it can be read back as a palette.
QByteArray SwatchSheetPng(const NamedPalette& palette);
inline constexpr char kSwatchSheetKeyword[] = "Oria palette";

} // namespace oria
