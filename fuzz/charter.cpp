// A charter template filled with the charter window's texts. The input holds the names,
// NUL-separated, then the template's bytes; charter.dict gives the fuzzer the placeholders.
#include "FuzzSupport.h"
#include "charter/CharterExport.h"

#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace oria;
    const QList<QByteArray> parts = fuzz::Parts(fuzz::Bytes(data, size), 9);
    const auto text = [&](int i) { return QString::fromUtf8(parts[i]); };
    // The flags part holds a byte per row (2 to 6): it ticks the row and picks its colour, as
    // the window's boxes do.
    const QByteArray flags = parts[7].leftJustified(7, '\0');
    const auto row = [&](int i) {
        return RowFor(text(i), static_cast<Colour>(flags[i] & 0x7F) * 0x020305,
                      (flags[i] & 0x80) == 0);
    };
    CharterFields fields{text(0), text(1), row(2), row(3), row(4), row(5), row(6)};
    int lastLine = 0;
    const auto charter = FillCharter(parts[8], fields, [&](int line, int lines) {
        ORIA_FUZZ_CHECK(line == lastLine + 1 && line <= lines);
        lastLine = line;
    });
    if (const auto* bytes = std::get_if<QByteArray>(&charter)) {
        // One CR LF-ended line per template line, at least.
        ORIA_FUZZ_CHECK(bytes->count("\r\n") >= lastLine);
        ORIA_FUZZ_CHECK(bytes->isEmpty() || bytes->endsWith("\r\n"));
    }
    return 0;
}
