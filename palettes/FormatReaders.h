#pragma once

// The readers behind ReadPalette, one per format, and what they share. Each takes the
// file's bytes and returns the palette (its name empty when the file gives none) or
// nullopt and *why, a French clause.

#include "PaletteWriters.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace oria::readers {

std::optional<NamedPalette> Gpl(const QByteArray& bytes, QString* why);
std::optional<NamedPalette> Ase(const QByteArray& bytes, QString* why);
std::optional<NamedPalette> Scribus(const QByteArray& bytes, QString* why);
std::optional<NamedPalette> Soc(const QByteArray& bytes, QString* why);
std::optional<NamedPalette> Css(const QByteArray& bytes, QString* why);
std::optional<NamedPalette> Json(const QByteArray& bytes, QString* why);
std::optional<NamedPalette> Svg(const QByteArray& bytes, QString* why);
std::optional<NamedPalette> Png(const QByteArray& bytes, QString* why);

// UTF-8 without its byte-order mark; older files in Windows-1252 when not valid UTF-8.
QString Text(const QByteArray& bytes);
// "#rgb" or "#rrggbb", any case, nothing around.
std::optional<Colour> HexColour(QStringView text);
// A component 0..1 to 0..255, rounded half to even and clamped; NaN gives 0.
int Channel(double unit);
// Components 0..1; R = 255(1-C)(1-K) and alike.
Colour CmykColour(double c, double m, double y, double k);
// Appends unless the palette is full; false and *why then.
bool Append(NamedPalette& palette, const QString& name, Colour colour, QString* why);

inline constexpr const char* kTruncated = "le fichier est tronqué";

} // namespace oria::readers
