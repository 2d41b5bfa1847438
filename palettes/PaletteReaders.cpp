#include "PaletteReaders.h"

#include "FormatReaders.h"
#include "platform/SaveFile.h"
#include "platform/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

#include <cmath>
#include <map>

namespace oria {

namespace {

using ReadFunction = std::optional<NamedPalette> (*)(const QByteArray&, QString*);

const std::map<PaletteFormat, ReadFunction> kReaders = {
    {PaletteFormat::Gpl, readers::Gpl},         {PaletteFormat::Ase, readers::Ase},
    {PaletteFormat::Scribus, readers::Scribus}, {PaletteFormat::Soc, readers::Soc},
    {PaletteFormat::Css, readers::Css},         {PaletteFormat::Json, readers::Json},
    {PaletteFormat::Svg, readers::Svg},         {PaletteFormat::Png, readers::Png},
};

// Every reader, ours then the callers', as the dialog and the messages list them.
std::vector<PaletteReader> allReaders(std::span<const PaletteReader> more) {
    std::vector<PaletteReader> all;
    for (const PaletteFormatRow& row : kPaletteFormats) {
        all.push_back({row.extension, row.filter, kReaders.at(row.format)});
    }
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

QString failure(const QString& fileName, const QString& why) {
    return QStringLiteral("Impossible d'importer « %1 » : %2.")
        .arg(QFileInfo(fileName).fileName(), why);
}

const QString kTooLarge =
    QStringLiteral("le fichier dépasse 10 Mo, la taille limite d'une palette");

// What the importer prints and the windows show must stay on one line.
QString withoutControls(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control) {
            c = u' ';
        }
    }
    return text;
}

NamedPalette finished(NamedPalette palette, const QString& fileName) {
    palette.name = withoutControls(palette.name);
    if (palette.name.trimmed().isEmpty()) {
        palette.name = QFileInfo(fileName).completeBaseName();
    }
    for (std::size_t i = 0; i < palette.colours.size(); ++i) {
        QString& name = palette.colours[i].name;
        name = withoutControls(name);
        if (name.trimmed().isEmpty()) {
            name = QStringLiteral("Couleur %1").arg(i + 1);
        }
    }
    return palette;
}

const PaletteFormatRow& rowOf(PaletteFormat format) {
    for (const PaletteFormatRow& row : kPaletteFormats) {
        if (row.format == format) {
            return row;
        }
    }
    return kPaletteFormats.front();
}

} // namespace

namespace readers {

QString Text(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF")) {
        view = view.sliced(3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(view);
    if (utf8.hasError()) {
        return DecodeWindows1252(view.toByteArray());
    }
    return text;
}

std::optional<Colour> HexColour(QStringView text) {
    if (!text.startsWith(u'#') || (text.size() != 4 && text.size() != 7)) {
        return std::nullopt;
    }
    bool ok = false;
    const uint value = text.sliced(1).toUInt(&ok, 16);
    if (!ok || text.sliced(1).startsWith(u'+') || text.sliced(1).startsWith(u'-')) {
        return std::nullopt;
    }
    if (text.size() == 4) { // #rgb: each digit doubled
        const auto digit = [value](int shift) {
            return static_cast<int>((value >> shift) & 0xF) * 17;
        };
        return RGB(digit(8), digit(4), digit(0));
    }
    return RGB(static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>(value & 0xFF));
}

int Channel(double unit) {
    if (std::isnan(unit)) {
        return 0;
    }
    return RoundHalfEven(std::clamp(unit, 0.0, 1.0) * 255.0);
}

Colour CmykColour(double c, double m, double y, double k) {
    const auto clamp = [](double v) { return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0); };
    const double white = 1.0 - clamp(k);
    return RGB(Channel((1.0 - clamp(c)) * white), Channel((1.0 - clamp(m)) * white),
               Channel((1.0 - clamp(y)) * white));
}

bool Append(NamedPalette& palette, const QString& name, Colour colour, QString* why) {
    if (palette.colours.size() >= kMaxPaletteColours) {
        *why = QStringLiteral("le fichier a plus de %1 couleurs").arg(kMaxPaletteColours);
        return false;
    }
    palette.colours.push_back({name, colour});
    return true;
}

} // namespace readers

std::optional<PaletteFormat> SniffPaletteFormat(const QByteArray& bytes) {
    if (bytes.startsWith("ASEF")) {
        return PaletteFormat::Ase;
    }
    if (bytes.startsWith("\x89PNG\r\n\x1A\n")) {
        return PaletteFormat::Png;
    }
    // Text formats tell themselves apart near their start.
    const QString head = readers::Text(bytes.left(4096)).trimmed();
    if (head.startsWith(QLatin1String("GIMP Palette"))) {
        return PaletteFormat::Gpl;
    }
    if (head.startsWith(u'{')) {
        return PaletteFormat::Json;
    }
    if (head.startsWith(u'<')) {
        if (head.contains(QLatin1String("<SCRIBUSCOLORS"))) {
            return PaletteFormat::Scribus;
        }
        if (head.contains(QLatin1String(":color-table"))) {
            return PaletteFormat::Soc;
        }
        if (head.contains(QLatin1String("<svg"))) {
            return PaletteFormat::Svg;
        }
        return std::nullopt;
    }
    if (head.contains(QLatin1String("--")) && head.contains(u':')) {
        return PaletteFormat::Css;
    }
    return std::nullopt;
}

PaletteReading ReadPalette(const QString& fileName, const QByteArray& bytes,
                           std::span<const PaletteReader> more) {
    if (bytes.size() > kMaxPaletteBytes) {
        return {std::nullopt, failure(fileName, kTooLarge)};
    }
    const std::vector<PaletteReader> all = allReaders(more);
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const PaletteReader* reader = nullptr;
    for (const PaletteReader& r : all) {
        if (suffix == QLatin1String(r.extension)) {
            reader = &r;
            break;
        }
    }
    const std::optional<PaletteFormat> sniffed = SniffPaletteFormat(bytes);
    if (reader == nullptr && sniffed) {
        reader = &all[static_cast<std::size_t>(&rowOf(*sniffed) - kPaletteFormats.data())];
    }
    if (reader == nullptr) {
        QStringList extensions;
        for (const PaletteReader& r : all) {
            extensions << QStringLiteral(".") + QLatin1String(r.extension);
        }
        return {std::nullopt,
                failure(fileName, QStringLiteral("ni son extension ni son contenu ne sont ceux "
                                                 "d'une palette (extensions lues : %1)")
                                      .arg(extensions.join(QStringLiteral(", "))))};
    }
    if (bytes.isEmpty()) {
        return {std::nullopt, failure(fileName, QStringLiteral("le fichier est vide"))};
    }
    QString why;
    std::optional<NamedPalette> palette = reader->read(bytes, &why);
    if (palette && palette->colours.empty()) {
        palette.reset();
        why = QStringLiteral("le fichier ne contient aucune couleur");
    }
    if (!palette) {
        // A file saved under the wrong extension: say what it looks like.
        if (sniffed &&
            QLatin1String(rowOf(*sniffed).extension) != QLatin1String(reader->extension)) {
            why += QStringLiteral(" ; son contenu est celui d'un fichier .%1")
                       .arg(QLatin1String(rowOf(*sniffed).extension));
        }
        return {std::nullopt, failure(fileName, why)};
    }
    return {finished(std::move(*palette), fileName), {}};
}

PaletteReading ReadPaletteFile(const QString& path, std::span<const PaletteReader> more) {
    const QFileInfo info(path);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, QStringLiteral("Impossible de lire « %1 » : %2.")
                                  .arg(info.fileName(), ReadFailure(path))};
    }
    if (file.size() > kMaxPaletteBytes) {
        return {std::nullopt, failure(path, kTooLarge)};
    }
    // A pipe says nothing of its size and may hand the bytes over in pieces: one byte past
    // the limit is enough to refuse.
    QByteArray bytes;
    while (bytes.size() <= kMaxPaletteBytes) {
        const QByteArray piece = file.read(kMaxPaletteBytes + 1 - bytes.size());
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt, QStringLiteral("Impossible de lire « %1 » : la lecture a échoué.")
                                  .arg(info.fileName())};
    }
    return ReadPalette(path, bytes, more);
}

} // namespace oria
