#pragma once

#include "core/Colour.h"
#include "platform/Windows1252.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace oria {

// Turns an HTML template into a graphic charter: every placeholder ("%hexa_fond%", ...)
// replaced by the charter window's texts, one CR LF-ended line per template line.

inline constexpr int kMaxTemplateLines = 2000;

// "R: 0 V: 128 B: 255": a blank after each colon, unlike the pointer read-out.
QString RvbText(Colour c);

// One colour row of the charter: its name, #RRGGBB and R/V/B texts; `ticked` rows only are
// replaced (the background is always).
struct CharterRow {
    bool ticked = true;
    QString nom, hexa, rvb;
};
// The row texts for a colour under a name.
CharterRow RowFor(const QString& name, Colour c, bool ticked = true);

struct CharterFields {
    QString nomCharte, nomRef;
    CharterRow fond, texte, titre, decors1, decors2;
};

// The placeholders and their texts, in the order they are replaced: a text holding a later
// placeholder gets it replaced in turn.
std::vector<std::pair<QString, QString>> Replacements(const CharterFields& fields);
QString FillLine(QString line, const std::vector<std::pair<QString, QString>>& replacements);


struct ExportFailure {
    enum class Cause { Template, Output } cause;
    QString detail; // for the user: the file and what went wrong
};

// The charter's bytes from the template's, or why the template cannot serve (a French clause).
std::variant<QByteArray, QString> FillCharter(const QByteArray& templateBytes,
                                              const CharterFields& fields,
                                              const std::function<void(int, int)>& progress = {});
// Reads the template (Windows-1252, at most kMaxTemplateLines lines), fills it and writes
// the charter whole or not at all: a failure leaves any earlier file untouched and no
// partial one. Characters the code page cannot hold are written as HTML character
// references; texts typed on several lines keep their breaks as CR LF. progress(line, lines)
// follows every line.
std::optional<ExportFailure> ExportCharter(const QString& templatePath, const QString& outputPath,
                                           const CharterFields& fields,
                                           const std::function<void(int, int)>& progress = {});

// The message every failure shows, with a second line when the output file is at fault.
QString ExportFailureMessage(const ExportFailure& failure);

} // namespace oria
