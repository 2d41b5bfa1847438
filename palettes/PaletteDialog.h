#pragma once

#include "PaletteReaders.h"
#include "PaletteWriters.h"
#include "platform/Platform.h"

namespace oria {

// "Exporter la palette...": a save dialog with one filter per format; the format is the
// file's extension, or the chosen filter's when the name has none. A French message says why
// a file could not be written; nothing is left half-written.
void ExportPaletteWithDialog(QWidget* parent, Platform& platform, const NamedPalette& palette);

// The dialog's filters, "Palette GIMP, Inkscape, Krita (*.gpl);;...".
QString PaletteFilters();

// An open dialog's: every readable file first, "Toutes les palettes (*.gpl *.ase ...)", then
// one filter per format, ours then `more`'s.
QString OpenPaletteFilters(std::span<const PaletteReader> more = {});

} // namespace oria
