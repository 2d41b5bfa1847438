#pragma once
// A palette file of one format: read as the importer reads it, then written in the same
// format and read again, which must give the same colours in the same order.
#include "FuzzSupport.h"
#include "palettes/PaletteReaders.h"

namespace oria::fuzz {

inline void ReadWriteRead(const std::uint8_t* data, std::size_t size, PaletteFormat format) {
    QString fileName = QStringLiteral("palette.");
    for (const PaletteFormatRow& row : kPaletteFormats) {
        if (row.format == format) {
            fileName += QLatin1String(row.extension);
        }
    }
    const PaletteReading first = ReadPalette(fileName, Bytes(data, size));
    ORIA_FUZZ_CHECK(first.palette.has_value() == first.error.isEmpty());
    if (!first || first->colours.empty()) {
        return;
    }
    ORIA_FUZZ_CHECK(first->colours.size() <= kMaxPaletteColours);
    const PaletteReading again = ReadPalette(fileName, EncodePalette(*first, format));
    ORIA_FUZZ_CHECK(again);
    ORIA_FUZZ_CHECK(again->colours.size() == first->colours.size());
    for (std::size_t i = 0; i < first->colours.size(); ++i) {
        ORIA_FUZZ_CHECK(again->colours[i].colour == first->colours[i].colour);
    }
}

} // namespace oria::fuzz
