#pragma once

#include "PageDocument.h"
#include "palettes/PaletteReaders.h"

namespace oria {

// A page as a palette: all five colours, hidden zones too, named after their zones in the
// order the composer exports them (Fond, Texte, Titre, Cercle, Boite); the palette takes
// the page's name.
NamedPalette PagePalette(const PageDocument& page);

// ".ori" for ReadPalette and the open dialog: the palettes library lies below the
// composer, so the page reader is handed to it from here.
extern const PaletteReader kPagePaletteReader;

} // namespace oria
