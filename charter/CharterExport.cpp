#include "CharterExport.h"

#include "platform/SaveFile.h"
#include "platform/Windows1252.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace oria {

namespace {
// A text typed on several lines keeps its breaks, as CR LF like every line of the charter.
QString withCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

// Far beyond any template of 2000 lines; stops a wrong pick from filling the memory.
constexpr qint64 kMaxTemplateBytes = qint64(64) * 1024 * 1024;
// Far beyond any charter (2000 lines of 2000 characters), however long its names, and
// still quick to fill.
constexpr qsizetype kMaxCharterChars = 4'000'000;
} // namespace

QString RvbText(Colour c) {
    const Rgb rgb = SplitColour(c);
    return QStringLiteral("R: %1 V: %2 B: %3").arg(rgb.Rouge).arg(rgb.Vert).arg(rgb.Bleu);
}

CharterRow RowFor(const QString& name, Colour c, bool ticked) {
    return {ticked, name, QString::fromStdString(HexText(c)), RvbText(c)};
}

std::vector<std::pair<QString, QString>> Replacements(const CharterFields& f) {
    std::vector<std::pair<QString, QString>> r = {
        {QStringLiteral("%nom_charte%"), f.nomCharte},
        {QStringLiteral("%nom_fond%"), f.fond.nom},
    };
    const std::pair<const char*, const CharterRow*> rows[] = {
        {"texte", &f.texte}, {"titre", &f.titre}, {"decors1", &f.decors1}, {"decors2", &f.decors2}};
    for (const auto& [key, row] : rows) {
        if (row->ticked) {
            const QString k = QString::fromLatin1(key);
            r.emplace_back(QStringLiteral("%nom_") + k + '%', row->nom);
            r.emplace_back(QStringLiteral("%hexa_") + k + '%', row->hexa);
            r.emplace_back(QStringLiteral("%rvb_") + k + '%', row->rvb);
        }
    }
    r.emplace_back(QStringLiteral("%hexa_fond%"), f.fond.hexa);
    r.emplace_back(QStringLiteral("%rvb_fond%"), f.fond.rvb);
    r.emplace_back(QStringLiteral("%nom_ref%"), f.nomRef);
    for (auto& [placeholder, text] : r) {
        text = withCrLf(text);
    }
    return r;
}

namespace {

// A name that holds later placeholders is filled in turn, so names can multiply a line's
// length; past `limit` characters the line is given up (nullopt) before the memory goes.
std::optional<QString> fillWithin(QString line,
                                  const std::vector<std::pair<QString, QString>>& replacements,
                                  qsizetype limit) {
    for (const auto& [placeholder, text] : replacements) {
        const qsizetype count = line.count(placeholder);
        if (count > 0 && text.size() > placeholder.size() &&
            count > (limit - line.size()) / (text.size() - placeholder.size())) {
            return std::nullopt;
        }
        line.replace(placeholder, text, Qt::CaseSensitive);
    }
    return line;
}

} // namespace

QString FillLine(QString line, const std::vector<std::pair<QString, QString>>& replacements) {
    return *fillWithin(std::move(line), replacements, std::numeric_limits<qsizetype>::max());
}

std::variant<QByteArray, QString> FillCharter(const QByteArray& templateBytes,
                                              const CharterFields& fields,
                                              const std::function<void(int, int)>& progress) {
    const QStringList lines = SplitLines(DecodeWindows1252(templateBytes));
    if (lines.size() > kMaxTemplateLines) {
        return QStringLiteral("plus de %1 lignes").arg(kMaxTemplateLines);
    }
    const auto replacements = Replacements(fields);
    QByteArray charter;
    const int n = static_cast<int>(lines.size());
    for (int i = 0; i < n; ++i) {
        const auto line = fillWithin(lines[i], replacements, kMaxCharterChars - charter.size());
        if (!line) {
            return QStringLiteral("la charte remplie dépasserait %1 millions de caractères")
                .arg(kMaxCharterChars / 1000000);
        }
        charter += EncodeWindows1252Html(*line);
        charter += QByteArrayLiteral("\r\n");
        if (progress) {
            progress(i + 1, n);
        }
    }
    return charter;
}

std::optional<ExportFailure> ExportCharter(const QString& templatePath, const QString& outputPath,
                                           const CharterFields& fields,
                                           const std::function<void(int, int)>& progress) {
    using Cause = ExportFailure::Cause;
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly) || source.size() > kMaxTemplateBytes) {
        return ExportFailure{Cause::Template, ReadFailure(templatePath)};
    }
    const QByteArray bytes = source.readAll();
    if (bytes.size() != source.size()) {
        return ExportFailure{Cause::Template, ReadFailure(templatePath)};
    }
    // Built whole, then written whole: no partial charter, an earlier one left untouched.
    const auto charter = FillCharter(bytes, fields, progress);
    if (const auto* why = std::get_if<QString>(&charter)) {
        return ExportFailure{Cause::Template, *why};
    }
    if (const auto why = SaveWhole(outputPath, std::get<QByteArray>(charter))) {
        return ExportFailure{
            Cause::Output,
            QStringLiteral("« %1 » : %2").arg(QFileInfo(outputPath).fileName(), *why)};
    }
    return std::nullopt;
}

QString ExportFailureMessage(const ExportFailure& failure) {
    QString message = QStringLiteral("Aucun modèle sélectionné. Veuillez en sélectionner un.");
    if (failure.cause == ExportFailure::Cause::Output) {
        message +=
            QStringLiteral("\nLa charte n'a pas pu être écrite dans %1.").arg(failure.detail);
    }
    return message;
}

} // namespace oria
