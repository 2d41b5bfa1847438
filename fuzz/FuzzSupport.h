#pragma once
// What the fuzz targets share. Each target feeds its input to the function the program
// calls on such a file and checks what it can cheaply; a failed check aborts, which the
// fuzzer and the replay both report as a fault.

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define ORIA_FUZZ_CHECK(condition)                                                             \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: échec de %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

namespace oria::fuzz {

inline QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input cut at its NUL bytes into at most `count` parts, the last taking the rest: how a
// target gets several texts (names, arguments) from one input.
inline QList<QByteArray> Parts(const QByteArray& input, qsizetype count) {
    QList<QByteArray> parts;
    qsizetype start = 0;
    while (parts.size() + 1 < count) {
        const qsizetype nul = input.indexOf('\0', start);
        if (nul < 0) {
            break;
        }
        parts << input.mid(start, nul - start);
        start = nul + 1;
    }
    parts << input.mid(start);
    while (parts.size() < count) {
        parts << QByteArray();
    }
    return parts;
}

} // namespace oria::fuzz

// The entry point every target defines, and the one it may define to set itself up.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
