#include "Windows1252.h"

#include <array>

namespace oria {

namespace {

// Bytes 0x80..0x9F, the only range where the code page differs from Latin-1. The five
// bytes the code page leaves undefined map to the control character of the same value,
// so that any byte survives a decode and encode round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

// The byte for one UTF-16 unit; -1 when the code page has no such character.
int encodeUnit(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return unit;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// A character beyond the BMP is one character: one fallback, not one per surrogate.
template <class Fallback> QByteArray encode(const QString& text, Fallback fallback) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            fallback(bytes, QChar::surrogateToUcs4(unit, text.at(i + 1)));
            ++i;
            continue;
        }
        const int byte = encodeUnit(unit.unicode());
        if (byte < 0) {
            fallback(bytes, unit.unicode());
        } else {
            bytes.append(static_cast<char>(byte));
        }
    }
    return bytes;
}

} // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte <= 0x9F ? QChar(kHighControls[byte - 0x80]) : QChar(byte));
    }
    return text;
}

QByteArray EncodeWindows1252(const QString& text) {
    return encode(text, [](QByteArray& bytes, char32_t) { bytes.append('?'); });
}

QByteArray EncodeWindows1252Html(const QString& text) {
    return encode(text, [](QByteArray& bytes, char32_t code) {
        bytes.append("&#").append(QByteArray::number(static_cast<uint>(code))).append(';');
    });
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines << text.mid(start, i - start);
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines << text.mid(start); // an unterminated last line counts
    }
    return lines;
}

} // namespace oria
