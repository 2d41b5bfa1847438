// The XML formats: LibreOffice and Scribus palettes, and the swatch sheet's SVG.

#include "FormatReaders.h"

#include <QXmlStreamReader>

#include <functional>

namespace oria::readers {

namespace {

// Prefixes are matched as written: hand-made files often forget to declare them.
class Xml {
public:
    explicit Xml(const QByteArray& bytes) : xml_(bytes) { xml_.setNamespaceProcessing(false); }

    // The root element, or nullopt and *why, naming the palette it should have been.
    bool root(const char* what, const std::function<bool(QStringView)>& accepted, QString* why) {
        if (!xml_.readNextStartElement()) {
            *why = QStringLiteral("ce n'est pas %1 (ce n'est pas du XML)")
                       .arg(QString::fromUtf8(what));
            return false;
        }
        if (!accepted(xml_.qualifiedName())) {
            *why = QStringLiteral("ce n'est pas %1 (l'élément racine est « %2 »)")
                       .arg(QString::fromUtf8(what), xml_.qualifiedName().left(40).toString());
            return false;
        }
        return true;
    }

    QXmlStreamReader& operator*() { return xml_; }
    QXmlStreamReader* operator->() { return &xml_; }

    QString attribute(const char* name) const {
        return xml_.attributes().value(QLatin1String(name)).toString();
    }

    // The end of the document, or why it is not well formed.
    bool finished(QString* why) {
        if (!xml_.hasError()) {
            return true;
        }
        *why = xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError
                   ? QStringLiteral("%1 (le XML s'arrête ligne %2)")
                         .arg(QString::fromUtf8(kTruncated))
                         .arg(xml_.lineNumber())
                   : QStringLiteral("le XML est mal formé ligne %1").arg(xml_.lineNumber());
        return false;
    }

private:
    QXmlStreamReader xml_;
};

QString clipped(const QString& name) {
    return name.size() > 40 ? name.left(39) + u'…' : name;
}

// "#ccmmyykk", each 0..255 for 0..100 %.
std::optional<Colour> cmykHex(QStringView text) {
    bool ok = text.size() == 9 && text.startsWith(u'#');
    double v[4] = {};
    for (int i = 0; i < 4 && ok; ++i) {
        const QStringView pair = text.sliced(1 + 2 * i, 2);
        v[i] = pair.toUInt(&ok, 16) / 255.0;
        ok = ok && pair.front().isLetterOrNumber();
    }
    return ok ? std::optional<Colour>(CmykColour(v[0], v[1], v[2], v[3])) : std::nullopt;
}

} // namespace

std::optional<NamedPalette> Soc(const QByteArray& bytes, QString* why) {
    Xml xml(bytes);
    const auto isTable = [](QStringView name) {
        return name == QLatin1String("ooo:color-table") ||
               name == QLatin1String("office:color-table");
    };
    if (!xml.root("une palette LibreOffice", isTable, why)) {
        return std::nullopt;
    }
    NamedPalette palette; // LibreOffice names a palette after its file
    while (!xml->atEnd()) {
        if (xml->readNext() != QXmlStreamReader::StartElement ||
            xml->qualifiedName() != QLatin1String("draw:color")) {
            continue;
        }
        const QString name = xml.attribute("draw:name");
        const QString value = xml.attribute("draw:color");
        const auto colour = HexColour(value);
        if (!colour) {
            *why = QStringLiteral("la couleur « %1 » vaut « %2 » au lieu de #rrvvbb")
                       .arg(clipped(name), clipped(value));
            return std::nullopt;
        }
        if (!Append(palette, name, *colour, why)) {
            return std::nullopt;
        }
    }
    return xml.finished(why) ? std::optional(palette) : std::nullopt;
}

std::optional<NamedPalette> Scribus(const QByteArray& bytes, QString* why) {
    Xml xml(bytes);
    const auto isColours = [](QStringView name) { return name == QLatin1String("SCRIBUSCOLORS"); };
    if (!xml.root("une palette Scribus", isColours, why)) {
        return std::nullopt;
    }
    NamedPalette palette{xml.attribute("Name"), {}};
    while (!xml->atEnd()) {
        if (xml->readNext() != QXmlStreamReader::StartElement ||
            xml->qualifiedName() != QLatin1String("COLOR")) {
            continue;
        }
        const QString name = xml.attribute("NAME");
        std::optional<Colour> colour;
        if (xml->attributes().hasAttribute(QLatin1String("RGB"))) {
            colour = HexColour(xml.attribute("RGB"));
            colour = colour && xml.attribute("RGB").size() == 7 ? colour : std::nullopt;
        } else if (xml->attributes().hasAttribute(QLatin1String("CMYK"))) {
            colour = cmykHex(xml.attribute("CMYK"));
        }
        if (!colour) {
            *why = QStringLiteral("la couleur « %1 » n'a ni RGB=\"#rrvvbb\" ni "
                                  "CMYK=\"#ccmmjjnn\" lisible")
                       .arg(clipped(name));
            return std::nullopt;
        }
        if (!Append(palette, name, *colour, why)) {
            return std::nullopt;
        }
    }
    return xml.finished(why) ? std::optional(palette) : std::nullopt;
}

// The swatch sheet: each swatch is an outlined rectangle, its whole name in its title (a
// sheet without titles is named by the text under each swatch); the sheet's own title
// names the palette.
std::optional<NamedPalette> Svg(const QByteArray& bytes, QString* why) {
    Xml xml(bytes);
    if (!xml.root(
            "une planche de couleurs SVG",
            [](QStringView name) { return name == QLatin1String("svg"); }, why)) {
        return std::nullopt;
    }
    NamedPalette palette;
    int depth = 1;
    bool inSwatch = false, named = true, headed = false;
    while (!xml->atEnd()) {
        const auto token = xml->readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            inSwatch = inSwatch && xml->name() != QLatin1String("rect");
            continue;
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        ++depth;
        const QStringView element = xml->name();
        if (element == QLatin1String("rect")) {
            const auto colour = HexColour(xml.attribute("fill"));
            inSwatch = colour && xml->attributes().hasAttribute(QLatin1String("stroke"));
            if (inSwatch && !Append(palette, {}, *colour, why)) {
                return std::nullopt;
            }
            named = named && !inSwatch;
        } else if (element == QLatin1String("title") && (depth == 2 || inSwatch)) {
            const QString text = xml->readElementText(QXmlStreamReader::IncludeChildElements);
            --depth;
            if (inSwatch) {
                palette.colours.back().name = text;
                named = true;
            } else if (!headed) {
                palette.name = text;
                headed = true;
            }
        } else if (element == QLatin1String("text") && (!named || !headed)) {
            const QString text = xml->readElementText(QXmlStreamReader::IncludeChildElements);
            --depth;
            if (!named) {
                palette.colours.back().name = text;
                named = true;
            } else if (palette.colours.empty()) {
                palette.name = text;
                headed = true;
            }
        }
    }
    return xml.finished(why) ? std::optional(palette) : std::nullopt;
}

} // namespace oria::readers
