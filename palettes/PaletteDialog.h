#pragma once

#include "PaletteWriters.h"
#include "platform/Platform.h"

namespace oria {

// "Exporter la palette...": a save dialog with one filter per format; the format is the
// file's extension, or the chosen filter's when the name has none. A French message says why
// a file could not be written; nothing is left half-written.
void ExportPaletteWithDialog(QWidget* parent, Platform& platform, const NamedPalette& palette);

// The dialog's filters, "Palette GIMP, Inkscape, Krita (*.gpl);;...".
QString PaletteFilters();

} // namespace oria
