#include "SaveFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace oria {

namespace {
QString openForWritingFailure(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("c'est un dossier");
    }
    if (!info.absoluteDir().exists()) {
        return QStringLiteral("le dossier n'existe pas");
    }
    return QStringLiteral("création du fichier refusée (droits insuffisants ?)");
}
const QString kWriteFailed =
    QStringLiteral("l'écriture a échoué (disque plein ou fichier trop gros ?)");

} // namespace

std::optional<QString> SaveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return openForWritingFailure(path);
    }
    // QSaveFile buffers: a full disk may only show at the flush, and commit() alone may not
    // report it.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.error() == QFileDevice::ResourceError
                                ? QStringLiteral("plus de place sur le disque")
                                : kWriteFailed;
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) {
        return QStringLiteral("le fichier n'a pas pu être mis en place");
    }
    return std::nullopt;
}

QString WriteFailure(const QString& path) {
    // Opening makes only a temporary file beside the target, removed at once.
    QSaveFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) {
        return openForWritingFailure(path);
    }
    probe.cancelWriting();
    return kWriteFailed;
}

QString ReadFailure(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("c'est un dossier");
    }
    if (!info.exists()) {
        return QStringLiteral("le fichier n'existe pas");
    }
    return QStringLiteral("ouverture refusée (droits insuffisants ?)");
}

} // namespace oria
