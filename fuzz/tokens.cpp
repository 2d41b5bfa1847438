// A design-tokens file (.json).
#include "FuzzPalette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    oria::fuzz::ReadWriteRead(data, size, oria::PaletteFormat::Json);
    return 0;
}
