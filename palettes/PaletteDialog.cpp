#include "PaletteDialog.h"

#include <QFileInfo>
#include <QStringList>

namespace oria {

namespace {
QString filterOf(const PaletteFormatRow& row) {
    return QStringLiteral("%1 (*.%2)")
        .arg(QString::fromUtf8(row.filter), QString::fromLatin1(row.extension));
}
} // namespace

QString PaletteFilters() {
    QStringList filters;
    for (const PaletteFormatRow& row : kPaletteFormats) {
        filters << filterOf(row);
    }
    return filters.join(QStringLiteral(";;"));
}

QString OpenPaletteFilters(std::span<const PaletteReader> more) {
    QStringList filters, patterns;
    const auto add = [&](const char* filter, const char* extension) {
        filters << QStringLiteral("%1 (*.%2)")
                       .arg(QString::fromUtf8(filter), QString::fromLatin1(extension));
        patterns << QStringLiteral("*.") + QString::fromLatin1(extension);
    };
    for (const PaletteFormatRow& row : kPaletteFormats) {
        add(row.filter, row.extension);
    }
    for (const PaletteReader& reader : more) {
        add(reader.filter, reader.extension);
    }
    filters.prepend(QStringLiteral("Toutes les palettes (%1)").arg(patterns.join(u' ')));
    return filters.join(QStringLiteral(";;"));
}

void ExportPaletteWithDialog(QWidget* parent, Platform& platform, const NamedPalette& palette) {
    QString filter;
    QString path = platform.saveFileName(parent, QStringLiteral("Exporter la palette"),
                                         PaletteFilters(), QString(), &filter);
    if (path.isEmpty()) {
        return;
    }
    std::optional<PaletteFormat> format = PaletteFormatForPath(path);
    if (!format) {
        // No known extension typed: the chosen filter says which, and its extension is added.
        const PaletteFormatRow* chosen = &kPaletteFormats.front();
        for (const PaletteFormatRow& row : kPaletteFormats) {
            if (filterOf(row) == filter) {
                chosen = &row;
            }
        }
        path += QLatin1Char('.') + QString::fromLatin1(chosen->extension);
        format = chosen->format;
    }
    if (const auto failure = WritePalette(path, palette, *format)) {
        platform.showMessage(parent, QStringLiteral("Oria 2000"), *failure,
                             Platform::Icon::Warning);
    }
}

} // namespace oria
