// A page document, as the composer opens it and as it imports one as colours.
#include "FuzzSupport.h"
#include "composer/PageDocument.h"
#include "composer/PagePalette.h"
#include "palettes/PaletteReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace oria;
    const QByteArray bytes = fuzz::Bytes(data, size);
    QString why;
    const auto page = DecodePageDocument(bytes, &why);
    ORIA_FUZZ_CHECK(page.has_value() == why.isEmpty());
    if (page) {
        // Written and read again, the page is the same.
        const QByteArray written = EncodePageDocument(*page);
        ORIA_FUZZ_CHECK(written.size() == kPageDocumentBytes);
        ORIA_FUZZ_CHECK(DecodePageDocument(written, &why) == page);
    }
    const PaletteReading colours = ReadPalette(QStringLiteral("page.ori"), bytes, {&kPagePaletteReader, 1});
    ORIA_FUZZ_CHECK(colours.palette.has_value() == page.has_value());
    return 0;
}
