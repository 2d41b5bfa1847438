// A binary swatch exchange file (.ase).
#include "FuzzPalette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    oria::fuzz::ReadWriteRead(data, size, oria::PaletteFormat::Ase);
    return 0;
}
