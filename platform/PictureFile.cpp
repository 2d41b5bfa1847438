#include "PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace oria {

namespace {

// Files past this size are refused before reading; the decoders' own limit on the decoded
// picture (QImageReader's allocation limit) stops the others.
constexpr qint64 kMaxFileBytes = qint64(512) * 1024 * 1024;

std::uint32_t byteAt(const QByteArray& d, qsizetype i) {
    return static_cast<unsigned char>(d[i]);
}
std::uint32_t le16(const QByteArray& d, qsizetype i) {
    return byteAt(d, i) | byteAt(d, i + 1) << 8;
}
std::uint32_t le32(const QByteArray& d, qsizetype i) {
    return le16(d, i) | le16(d, i + 2) << 16;
}

// The image-end chunk closes the file: its name and its check sum.
bool pngCutShort(const QByteArray& d) {
    const qsizetype end = d.lastIndexOf("IEND");
    return end < 0 || end + 8 > d.size();
}

// After the last start of scan there must be the end-of-image marker.
bool jpegCutShort(const QByteArray& d) {
    const qsizetype scan = d.lastIndexOf(QByteArray("\xFF\xDA", 2));
    return scan >= 0 && d.indexOf(QByteArray("\xFF\xD9", 2), scan) < 0;
}

// Walks the blocks up to the trailer: a file that ends before it is cut short.
bool gifCutShort(const QByteArray& d) {
    const qsizetype size = d.size();
    if (size < 13) {
        return true;
    }
    auto colourTable = [](std::uint32_t flags) {
        return (flags & 0x80) ? 3 * (qsizetype(1) << ((flags & 7) + 1)) : 0;
    };
    qsizetype pos = 13 + colourTable(byteAt(d, 10));
    auto skipSubBlocks = [&] {
        while (pos < size) {
            const qsizetype n = byteAt(d, pos++);
            if (n == 0) {
                return true;
            }
            pos += n;
        }
        return false;
    };
    while (pos < size) {
        switch (byteAt(d, pos)) {
        case 0x3B: // trailer
            return false;
        case 0x21: // extension: label, then data sub-blocks
            pos += 2;
            if (!skipSubBlocks()) {
                return true;
            }
            break;
        case 0x2C: // image: descriptor, local colour table, code size, data sub-blocks
            if (pos + 10 > size) {
                return true;
            }
            pos += 10 + colourTable(byteAt(d, pos + 9)) + 1;
            if (!skipSubBlocks()) {
                return true;
            }
            break;
        default: // not a block: the decoder judges
            return false;
        }
    }
    return true;
}

// Uncompressed bitmaps announce their size: offset of the pixels plus rows x height.
bool bmpCutShort(const QByteArray& d) {
    if (d.size() < 26 || !d.startsWith("BM")) {
        return false;
    }
    const std::uint32_t header = le32(d, 14);
    std::int64_t width = 0, height = 0, bits = 0, compression = 0;
    if (header == 12) {
        width = le16(d, 18);
        height = le16(d, 20);
        bits = le16(d, 24);
    } else if (header >= 40 && d.size() >= 34) {
        width = static_cast<std::int32_t>(le32(d, 18));
        height = std::abs(static_cast<std::int64_t>(static_cast<std::int32_t>(le32(d, 22))));
        bits = le16(d, 28);
        compression = le32(d, 30);
    } else {
        return false;
    }
    if (compression != 0 && compression != 3) {
        return false; // run-length coded: the decoder judges
    }
    if (width <= 0 || bits == 0) {
        return false; // no pixels to count: the decoder judges
    }
    const std::int64_t row = (width * bits + 31) / 32 * 4;
    const std::int64_t pixels = le32(d, 10);
    // A size past what 64 bits hold is past any file's end.
    if (height > (std::numeric_limits<std::int64_t>::max() - pixels) / row) {
        return true;
    }
    return d.size() < pixels + row * height;
}

} // namespace

bool PictureIsCutShort(const QByteArray& data, const QByteArray& format) {
    if (format == "png") {
        return pngCutShort(data);
    }
    if (format == "jpeg" || format == "jpg") {
        return jpegCutShort(data);
    }
    if (format == "gif") {
        return gifCutShort(data);
    }
    if (format == "bmp" || format == "dib") {
        return bmpCutShort(data);
    }
    return false;
}

QImage DecodePictureFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) {
        return {};
    }
    QByteArray data = file.readAll();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead() || PictureIsCutShort(data, reader.format())) {
        return {};
    }
    return reader.read();
}

} // namespace oria
