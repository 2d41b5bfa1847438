#include "PaletteWriters.h"

#include "SwatchSheet.h"
#include "platform/SaveFile.h"

#include <QFileInfo>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <functional>
#include <map>

namespace oria {

const std::array<PaletteFormatRow, 8> kPaletteFormats{{
    {PaletteFormat::Gpl, "gpl", "gpl", "Palette GIMP, Inkscape, Krita"},
    {PaletteFormat::Ase, "ase", "ase", "Adobe Swatch Exchange"},
    {PaletteFormat::Scribus, "scribus", "xml", "Palette Scribus"},
    {PaletteFormat::Soc, "soc", "soc", "Palette LibreOffice"},
    {PaletteFormat::Css, "css", "css", "Propriétés CSS"},
    {PaletteFormat::Json, "json", "json", "Design tokens JSON"},
    {PaletteFormat::Svg, "svg", "svg", "Planche de couleurs SVG"},
    {PaletteFormat::Png, "png", "png", "Planche de couleurs PNG"},
}};

namespace {

// A line break or a tab in a name would break the line-based formats and is lost in XML
// attributes anyway: every format gets a space instead.
QString withoutControls(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control) {
            c = u' ';
        }
    }
    return text;
}

NamedPalette cleaned(const NamedPalette& palette) {
    NamedPalette out{withoutControls(palette.name), palette.colours};
    for (NamedColour& c : out.colours) {
        c.name = withoutControls(c.name);
    }
    return out;
}

QString lowerHex(Colour c) {
    return QString::fromStdString(HexText(c)).toLower();
}

// The names as given where free, the repeats suffixed "<sep>2", "<sep>3"... skipping any
// name another colour already carries.
std::vector<QString> unique(const std::vector<QString>& names, const QString& separator) {
    const QSet<QString> given(names.begin(), names.end());
    QSet<QString> used;
    std::vector<QString> out;
    for (const QString& name : names) {
        QString candidate = name;
        for (int k = 2; used.contains(candidate) || (k > 2 && given.contains(candidate)); ++k) {
            candidate = name + separator + QString::number(k);
        }
        used.insert(candidate);
        out.push_back(candidate);
    }
    return out;
}

std::vector<QString> mapNames(const NamedPalette& palette,
                              const std::function<QString(const QString&)>& f) {
    std::vector<QString> out;
    for (const NamedColour& c : palette.colours) {
        out.push_back(f(withoutControls(c.name)));
    }
    return out;
}

// Letters that do not decompose into a base letter and an accent.
const std::map<char16_t, const char*> kLigatures = {{u'œ', "oe"}, {u'æ', "ae"}, {u'ß', "ss"},
                                                    {u'ø', "o"},  {u'ł', "l"},  {u'đ', "d"}};

QString cssIdentifier(const QString& name) {
    QString id;
    bool gap = false;
    for (const QChar c : name.toLower().normalized(QString::NormalizationForm_D)) {
        if (c.isMark()) {
            continue;
        }
        QString piece;
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_') {
            piece = c;
        } else if (const auto it = kLigatures.find(c.unicode()); it != kLigatures.end()) {
            piece = QLatin1String(it->second);
        }
        // Hyphens join the separators so that "Bleu - nuit" gives one hyphen, not three.
        if (piece.isEmpty()) {
            gap = true;
            continue;
        }
        if (gap && !id.isEmpty()) {
            id += u'-';
        }
        gap = false;
        id += piece;
    }
    if (id.isEmpty()) {
        return QStringLiteral("couleur");
    }
    return id.front().isDigit() ? QStringLiteral("c-") + id : id;
}

// Token names may not start with "$" nor hold ".", "{" or "}" (paths and references).
QString tokenKey(const QString& name) {
    QString key = name;
    while (key.startsWith(u'$')) {
        key.remove(0, 1);
    }
    key.replace(u'.', u',').replace(u'{', u'(').replace(u'}', u')');
    return key.isEmpty() ? QStringLiteral("Couleur") : key;
}

QString xmlEscaped(const QString& text) {
    return text.toHtmlEscaped(); // & < > and "
}

QString jsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (c.unicode() < 0x20) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out + u'"';
}

QByteArray gpl(const NamedPalette& p) {
    // GIMP lays the swatches out in this many columns; 0 would let it choose.
    const auto columns = std::min<std::size_t>(p.colours.size(), 16);
    QString text = QStringLiteral("GIMP Palette\nName: %1\nColumns: %2\n#\n")
                       .arg(p.name, QString::number(columns));
    for (const NamedColour& c : p.colours) {
        const Rgb rgb = SplitColour(c.colour);
        text += QString::asprintf("%3d %3d %3d\t", rgb.Rouge, rgb.Vert, rgb.Bleu) + c.name + u'\n';
    }
    return text.toUtf8();
}

void appendU16(QByteArray& out, quint16 v) {
    const quint16 be = qToBigEndian(v);
    out.append(reinterpret_cast<const char*>(&be), 2);
}

void appendU32(QByteArray& out, quint32 v) {
    const quint32 be = qToBigEndian(v);
    out.append(reinterpret_cast<const char*>(&be), 4);
}

// Length in UTF-16 units with the terminating 0, the units big-endian, the 0.
QByteArray aseName(QString name) {
    constexpr qsizetype kMaxUnits = 0xFFFE;
    if (name.size() > kMaxUnits) {
        name.truncate(name.at(kMaxUnits - 1).isHighSurrogate() ? kMaxUnits - 1 : kMaxUnits);
    }
    QByteArray out;
    appendU16(out, static_cast<quint16>(name.size() + 1));
    for (const QChar c : name) {
        appendU16(out, c.unicode());
    }
    appendU16(out, 0);
    return out;
}

void appendBlock(QByteArray& out, quint16 type, const QByteArray& body) {
    appendU16(out, type);
    appendU32(out, static_cast<quint32>(body.size()));
    out += body;
}

QByteArray ase(const NamedPalette& p) {
    QByteArray out("ASEF");
    appendU16(out, 1);
    appendU16(out, 0);
    appendU32(out, static_cast<quint32>(p.colours.size() + 2));
    appendBlock(out, 0xC001, aseName(p.name));
    for (const NamedColour& c : p.colours) {
        QByteArray body = aseName(c.name) + "RGB ";
        const Rgb rgb = SplitColour(c.colour);
        for (const int v : {rgb.Rouge, rgb.Vert, rgb.Bleu}) {
            appendU32(body, std::bit_cast<quint32>(static_cast<float>(v) / 255.0f));
        }
        appendU16(body, 2); // normal, neither global nor spot
        appendBlock(out, 0x0001, body);
    }
    appendBlock(out, 0xC002, {});
    return out;
}

const char* const kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

QByteArray scribus(const NamedPalette& p) {
    // Scribus keys its colours by name: a repeated name would drop a colour.
    std::vector<QString> names;
    for (const NamedColour& c : p.colours) {
        names.push_back(c.name);
    }
    names = unique(names, QStringLiteral(" "));
    QString text = QLatin1String(kXmlDeclaration) +
                   QStringLiteral("<SCRIBUSCOLORS Name=\"%1\">\n").arg(xmlEscaped(p.name));
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += QStringLiteral(" <COLOR NAME=\"%1\" RGB=\"%2\"/>\n")
                    .arg(xmlEscaped(names[i]), lowerHex(p.colours[i].colour));
    }
    return (text + QStringLiteral("</SCRIBUSCOLORS>\n")).toUtf8();
}

// LibreOffice names a palette after its file: the palette's own name has no place here.
QByteArray soc(const NamedPalette& p) {
    QString text =
        QLatin1String(kXmlDeclaration) +
        QStringLiteral("<ooo:color-table "
                       "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                       "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
                       "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                       "xmlns:svg=\"http://www.w3.org/2000/svg\" "
                       "xmlns:ooo=\"http://openoffice.org/2004/office\">\n");
    for (const NamedColour& c : p.colours) {
        text += QStringLiteral("  <draw:color draw:name=\"%1\" draw:color=\"%2\"/>\n")
                    .arg(xmlEscaped(c.name), lowerHex(c.colour));
    }
    return (text + QStringLiteral("</ooo:color-table>\n")).toUtf8();
}

QByteArray css(const NamedPalette& p) {
    // "*/" in the name would end the comment early.
    QString title = p.name;
    title.replace(QStringLiteral("*/"), QStringLiteral("* /"));
    QString text = QStringLiteral("/* %1 */\n:root {\n").arg(title);
    const std::vector<QString> ids = CssIdentifiers(p);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        text += QStringLiteral("  --%1: %2;\n").arg(ids[i], lowerHex(p.colours[i].colour));
    }
    return (text + QStringLiteral("}\n")).toUtf8();
}

QByteArray json(const NamedPalette& p) {
    QString text = QStringLiteral("{\n  \"$description\": ") + jsonString(p.name);
    const std::vector<QString> keys = TokenKeys(p);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        text += QStringLiteral(",\n  %1: { \"$type\": \"color\", \"$value\": \"%2\" }")
                    .arg(jsonString(keys[i]), lowerHex(p.colours[i].colour));
    }
    return (text + QStringLiteral("\n}\n")).toUtf8();
}

using Encoder = QByteArray (*)(const NamedPalette&);
const std::map<PaletteFormat, Encoder> kEncoders = {
    {PaletteFormat::Gpl, gpl},
    {PaletteFormat::Ase, ase},
    {PaletteFormat::Scribus, scribus},
    {PaletteFormat::Soc, soc},
    {PaletteFormat::Css, css},
    {PaletteFormat::Json, json},
    {PaletteFormat::Svg, SwatchSheetSvg},
    {PaletteFormat::Png, SwatchSheetPng},
};

} // namespace

std::optional<PaletteFormat> PaletteFormatForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const PaletteFormatRow& row : kPaletteFormats) {
        if (suffix == QLatin1String(row.extension)) {
            return row.format;
        }
    }
    return std::nullopt;
}

std::vector<QString> CssIdentifiers(const NamedPalette& palette) {
    return unique(mapNames(palette, cssIdentifier), QStringLiteral("-"));
}

std::vector<QString> TokenKeys(const NamedPalette& palette) {
    return unique(mapNames(palette, tokenKey), QStringLiteral(" "));
}

QByteArray EncodePalette(const NamedPalette& palette, PaletteFormat format) {
    return kEncoders.at(format)(cleaned(palette));
}

std::optional<QString> WritePalette(const QString& path, const NamedPalette& palette,
                                    PaletteFormat format) {
    const QByteArray bytes = EncodePalette(palette, format);
    std::optional<QString> why;
    if (bytes.isEmpty()) {
        why = QStringLiteral("l'image n'a pas pu être produite");
    } else {
        why = SaveWhole(path, bytes);
    }
    if (!why) {
        return std::nullopt;
    }
    return QStringLiteral("Impossible d'écrire la palette « %1 » : %2.")
        .arg(QFileInfo(path).fileName(), *why);
}

} // namespace oria
