// The checks a picture passes before Qt decodes it: whether it stops before the end its own
// structure announces, for each format that has one.
#include "FuzzSupport.h"
#include "platform/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = oria::fuzz::Bytes(data, size);
    for (const char* format : {"png", "jpeg", "gif", "bmp"}) {
        oria::PictureIsCutShort(bytes, format);
    }
    return 0;
}
