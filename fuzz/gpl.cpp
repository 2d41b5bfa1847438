// A palette in the text format of the free image editors (.gpl).
#include "FuzzPalette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    oria::fuzz::ReadWriteRead(data, size, oria::PaletteFormat::Gpl);
    return 0;
}
