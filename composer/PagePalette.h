#pragma once

#include "PageDocument.h"
#include "PageModel.h"
#include "palettes/PaletteReaders.h"

namespace oria {

// The zones in the order palettes list them, with the names they go by.
inline constexpr std::pair<Zone, const char*> kExportZones[] = {
    {Zone::Fond, "Fond"}, {Zone::Texte, "Texte"}, {Zone::Titre, "Titre"},
    {Zone::Cercle, "Cercle"}, {Zone::Boite, "Boite"}};

// Colours coming in: one named after a zone (any case, accents ignored: "BOÎTE") goes to that
// zone; the others fill, in order, the modifiable zones no name took, in the order above.
// Zones left without a colour keep theirs.
ZoneColours ImportIntoZones(ZoneColours zones, const ZoneFlags& modifiable,
                            const NamedPalette& palette);

// A page as a palette: all five colours, hidden zones too, named after their zones in the
// order the composer exports them (Fond, Texte, Titre, Cercle, Boite); the palette takes
// the page's name.
NamedPalette PagePalette(const PageDocument& page);

// ".ori" for ReadPalette and the open dialog: the palettes library lies below the
// composer, so the page reader is handed to it from here.
extern const PaletteReader kPagePaletteReader;

} // namespace oria
