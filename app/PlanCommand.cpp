#include "PlanCommand.h"

#include "palettepro/PlanePainter.h"
#include "platform/SaveFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <charconv>

namespace oria {

namespace {

QString filePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Pixels from twips, up to three decimals with the trailing zeros dropped; to_chars keeps
// the decimal point a "." whatever the locale.
std::string svgNumber(double twips) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, twips / kPlaneTwipsPerPixel,
                                   std::chars_format::fixed, 3)
                         .ptr;
    std::string s(text, end);
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') {
            s.pop_back();
        }
    }
    return s == "-0" ? "0" : s;
}

std::string svgRect(double left, double top, double right, double bottom, Colour fill) {
    return "<rect x=\"" + svgNumber(left) + "\" y=\"" + svgNumber(top) + "\" width=\"" +
           svgNumber(right - left) + "\" height=\"" + svgNumber(bottom - top) + "\" fill=\"" +
           HexText(fill) + "\"/>\n";
}

std::optional<QByteArray> pngBytes(const Plane& plane) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(PaintPlane(plane))) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::optional<PlanFormat> PlanFormatFor(const std::string& path) {
    const QString suffix = QFileInfo(filePath(path)).suffix().toLower();
    if (suffix == QLatin1String("svg")) {
        return PlanFormat::Svg;
    }
    if (suffix == QLatin1String("png")) {
        return PlanFormat::Png;
    }
    return std::nullopt;
}

std::string PlaneSvg(const Plane& plane) {
    const std::string size = std::to_string(kPlanePixels);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      size + "\" height=\"" + size + "\" viewBox=\"0 0 " + size + " " + size +
                      "\">\n";
    svg += svgRect(0, 0, kPlaneTwips, kPlaneTwips, plane.background);
    for (const PlaneRing& ring : plane.rings) {
        for (const PlaneDot& dot : ring) {
            svg += "<circle cx=\"" + svgNumber(dot.x) + "\" cy=\"" + svgNumber(dot.y) + "\" r=\"" +
                   svgNumber(dot.width * kPlaneTwipsPerPixel / 2.0) + "\" fill=\"" +
                   HexText(dot.colour) + "\"/>\n";
        }
    }
    for (const CornerSquare& s : kCornerSquares) {
        svg += svgRect(s.left, s.top, s.right, s.bottom, s.colour);
    }
    return svg + "</svg>\n";
}

std::optional<std::string> WritePlan(const Plane& plane, PlanFormat format,
                                     const std::string& path) {
    QByteArray bytes;
    if (format == PlanFormat::Svg) {
        bytes = QByteArray::fromStdString(PlaneSvg(plane));
    } else if (auto png = pngBytes(plane)) {
        bytes = std::move(*png);
    } else {
        return "l'image PNG n'a pas pu être produite";
    }
    if (const auto why = SaveWhole(filePath(path), bytes)) {
        return why->toStdString();
    }
    return std::nullopt;
}

} // namespace oria
