#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace oria {

// Writes `bytes` to `path` whole or not at all, through a temporary file renamed at the end:
// a failure never leaves a truncated file nor touches an existing one. nullopt on success,
// otherwise the reason in French ("le dossier n'existe pas", ...).
std::optional<QString> SaveWhole(const QString& path, const QByteArray& bytes);

// Why a write to `path` that something else attempted (the settings) failed, judged after
// the fact, in the words SaveWhole uses.
QString WriteFailure(const QString& path);
// Why a file could not be opened for reading, in French.
QString ReadFailure(const QString& path);

} // namespace oria
