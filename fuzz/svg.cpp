// A swatch sheet Oria wrote (.svg), read back through its titles.
#include "FuzzPalette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    oria::fuzz::ReadWriteRead(data, size, oria::PaletteFormat::Svg);
    return 0;
}
