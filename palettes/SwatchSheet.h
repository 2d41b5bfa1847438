#pragma once

#include "PaletteWriters.h"

#include <QByteArray>

namespace oria {

// A sheet to show a palette at a glance: the palette's name as a heading, then one large
// swatch per colour, up to five a row, each with its name, #RRGGBB and R V B values below.
QByteArray SwatchSheetSvg(const NamedPalette& palette);
// The same sheet drawn; empty without a QGuiApplication (the text needs fonts).
QByteArray SwatchSheetPng(const NamedPalette& palette);

} // namespace oria
