#pragma once

#include "PaletteWriters.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>

namespace oria {

// No palette comes near this; a larger file is refused before it is read.
inline constexpr qint64 kMaxPaletteBytes = 10 * 1024 * 1024;
// A file may hold more entries than this only to exhaust memory.
inline constexpr std::size_t kMaxPaletteColours = 65536;

// A palette read from a file, or a complete French message that names the file and says
// why there is none.
struct PaletteReading {
    std::optional<NamedPalette> palette;
    QString error;
    explicit operator bool() const { return palette.has_value(); }
    const NamedPalette& operator*() const { return *palette; }
    const NamedPalette* operator->() const { return &*palette; }
};

// A reader for one extension: bytes in; the palette, its name empty when the file gives
// none, or nullopt and *why, a clause that reads after "Impossible d'importer « f » : ".
// Layers above this one add their own documents this way (the composer's pages).
struct PaletteReader {
    const char* extension; // without the dot, lower case
    const char* filter;    // French, for the open dialog
    std::optional<NamedPalette> (*read)(const QByteArray& bytes, QString* why);
};

// The reader the file name's extension asks for (any case), then `more`; an unknown
// extension is read as what the content looks like. The colours keep the file's order;
// a nameless colour is called "Couleur k" (k its position), a nameless palette after the
// file. Names hold no control characters.
PaletteReading ReadPalette(const QString& fileName, const QByteArray& bytes,
                           std::span<const PaletteReader> more = {});
// The same from a file, refused unread when larger than kMaxPaletteBytes.
PaletteReading ReadPaletteFile(const QString& path, std::span<const PaletteReader> more = {});

// What the bytes look like, whatever the file is called.
std::optional<PaletteFormat> SniffPaletteFormat(const QByteArray& bytes);

} // namespace oria
