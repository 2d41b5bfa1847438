#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace oria {

// The 8-bit code page of tips files, templates, charters and page names.
QString DecodeWindows1252(const QByteArray& bytes);
// Characters outside the code page become '?'.
QByteArray EncodeWindows1252(const QString& text);
// For HTML: what the code page cannot hold becomes a decimal character reference (&#332;),
// so that a browser still shows it.
QByteArray EncodeWindows1252Html(const QString& text);

// The lines of a text file: CR LF, LF and a lone CR all end a line, and a line end at the
// very end does not start another (empty) line.
QStringList SplitLines(const QString& text);

} // namespace oria
