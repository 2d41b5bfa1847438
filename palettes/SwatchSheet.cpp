#include "SwatchSheet.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace oria {

namespace {

constexpr int kMargin = 40;
constexpr int kSwatch = 160;
constexpr int kColumnGap = 40;
constexpr int kPerRow = 5;
constexpr int kTop = 96;       // the heading above
constexpr int kRowPitch = 268; // swatch, its three lines of text and a gap
constexpr int kLinePitch = 20; // between the lines of a wrapped name
constexpr int kMaxWidth = kMargin * 2 + kPerRow * kSwatch + (kPerRow - 1) * kColumnGap;

// Rough advances of the wider sans-serif faces a renderer may fall back on, enough to keep
// text from running into the next swatch or off the sheet.
constexpr int kHeadingAdvance = 16; // 24 px bold
constexpr int kNameChars = 18;      // 16 px bold over a swatch and a gap

struct Line {
    int dy; // baseline below the swatch
    int size;
    const char* weight;
    const char* fill;
};
constexpr std::array<Line, 3> kLines = {{
    {28, 16, "bold", "#1a1a1a"},   // name, wrapped onto as many lines as it needs
    {50, 14, "normal", "#4d4d4d"}, // #RRGGBB
    {70, 14, "normal", "#4d4d4d"}, // R: .. V: .. B: ..
}};

// The whole text in lines of at most `chars` characters, broken between words where it can
// and inside a word only when the word alone is longer: a client's sheet keeps every name.
QStringList wrapped(const QString& text, int chars) {
    QStringList lines;
    QString line;
    for (QString word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() <= chars) {
            line += u' ' + word;
            continue;
        }
        if (!line.isEmpty()) {
            lines << line;
        }
        while (word.size() > chars) {
            // Never split a surrogate pair.
            const int cut = word.at(chars - 1).isHighSurrogate() ? chars - 1 : chars;
            lines << word.left(cut);
            word.remove(0, cut);
        }
        line = word;
    }
    if (!line.isEmpty() || lines.isEmpty()) {
        lines << line;
    }
    return lines;
}

QString textElement(int x, int y, int size, const char* weight, const char* fill,
                    const QString& text) {
    return QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"%3\" font-weight=\"%4\" "
                          "fill=\"%5\">%6</text>\n")
        .arg(QString::number(x), QString::number(y), QString::number(size), QLatin1String(weight),
             QLatin1String(fill), text.toHtmlEscaped());
}

// The closing chunk of every PNG: length 0, "IEND", its CRC.
constexpr char kIend[] = "\0\0\0\0IEND\xAE\x42\x60\x82";

quint32 crc32(QByteArrayView bytes) {
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    return ~crc;
}

// An uncompressed iTXt chunk: keyword, 0, compression flag and method 0, empty language
// tag and translated keyword, each ended by 0, then the text.
QByteArray sheetChunk(const QByteArray& svg) {
    QByteArray body = QByteArray("iTXt") + kSwatchSheetKeyword + QByteArray(5, '\0') + svg;
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(body.size() - 4), chunk.data());
    chunk += body;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(body), crc.data());
    return chunk + crc;
}

} // namespace

QByteArray SwatchSheetSvg(const NamedPalette& palette) {
    const int count = static_cast<int>(palette.colours.size());
    const int columns = std::clamp(count, 1, kPerRow);
    const int rows = (count + kPerRow - 1) / kPerRow;
    const int gridWidth = kMargin * 2 + columns * kSwatch + (columns - 1) * kColumnGap;
    const int headingWidth = kMargin * 2 + static_cast<int>(palette.name.size()) * kHeadingAdvance;
    const int width = std::max(gridWidth, std::min(headingWidth, kMaxWidth));
    const QStringList heading = wrapped(palette.name, (width - 2 * kMargin) / kHeadingAdvance);
    const int top = kTop + (static_cast<int>(heading.size()) - 1) * 30;
    std::vector<QStringList> names;
    int extraLines = 0; // every row makes room for the longest name
    for (const NamedColour& c : palette.colours) {
        names.push_back(wrapped(c.name, kNameChars));
        extraLines = std::max(extraLines, static_cast<int>(names.back().size()) - 1);
    }
    const int rowPitch = kRowPitch + extraLines * kLinePitch;
    const int height = top + rows * rowPitch + 8;

    QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                       "viewBox=\"0 0 %1 %2\">\n"
                       "<rect width=\"%1\" height=\"%2\" fill=\"#ffffff\"/>\n"
                       "<g font-family=\"Liberation Sans, Arial, sans-serif\">\n")
            .arg(width)
            .arg(height);
    // The titles keep the whole names: viewers show them on hovering, and a reader takes them.
    svg += QStringLiteral("<title>%1</title>\n").arg(palette.name.toHtmlEscaped());
    for (int k = 0; k < heading.size(); ++k) {
        svg += textElement(kMargin, kMargin + 24 + 30 * k, 24, "bold", "#1a1a1a", heading[k]);
    }
    for (int i = 0; i < count; ++i) {
        const NamedColour& c = palette.colours[static_cast<std::size_t>(i)];
        const QStringList& name = names[static_cast<std::size_t>(i)];
        const int x = kMargin + (i % kPerRow) * (kSwatch + kColumnGap);
        const int y = top + (i / kPerRow) * rowPitch;
        const QString hex = QString::fromStdString(HexText(c.colour));
        // A thin grey edge keeps a white swatch visible on the white sheet.
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"%4\" "
                              "stroke=\"#c8c8c8\" stroke-width=\"1\"><title>%5</title></rect>\n")
                   .arg(QString::number(x), QString::number(y), QString::number(kSwatch),
                        hex.toLower(), c.name.toHtmlEscaped());
        const Rgb rgb = SplitColour(c.colour);
        const Line& first = kLines[0];
        for (int k = 0; k < name.size(); ++k) {
            svg += textElement(x, y + kSwatch + first.dy + k * kLinePitch, first.size,
                               first.weight, first.fill, name[k]);
        }
        const int below = (static_cast<int>(name.size()) - 1) * kLinePitch;
        const std::array<QString, 2> texts = {
            hex, QStringLiteral("R: %1 V: %2 B: %3").arg(rgb.Rouge).arg(rgb.Vert).arg(rgb.Bleu)};
        for (std::size_t k = 0; k < texts.size(); ++k) {
            const Line& line = kLines[k + 1];
            svg += textElement(x, y + kSwatch + line.dy + below, line.size, line.weight,
                               line.fill, texts[k]);
        }
    }
    return (svg + QStringLiteral("</g>\n</svg>\n")).toUtf8();
}

QByteArray SwatchSheetPng(const NamedPalette& palette) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return {};
    }
    QSvgRenderer renderer(SwatchSheetSvg(palette));
    if (!renderer.isValid()) {
        return {};
    }
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "png") || !bytes.endsWith(QByteArrayView(kIend, sizeof kIend - 1))) {
        return {};
    }
    bytes.insert(bytes.size() - qsizetype(sizeof kIend - 1), sheetChunk(SwatchSheetSvg(palette)));
    return bytes;
}

} // namespace oria
