#include "Help.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace oria {

void ShowManual(Platform& platform, QWidget* parent, const char* section) {
    const QString path = platform.applicationFolder() + kManualFile;
    if (!QFileInfo(path).isFile()) {
        platform.showMessage(parent, QStringLiteral("Oria 2000"),
                             QStringLiteral("Le manuel d'Oria 2000 est introuvable : le fichier "
                                            "« %1 » n'existe pas. Réinstallez Oria 2000 pour "
                                            "le retrouver.")
                                 .arg(QDir::toNativeSeparators(path)),
                             Platform::Icon::Warning);
        return;
    }
    if (!platform.openDocumentAt(path, QString::fromLatin1(section))) {
        platform.showMessage(parent, QStringLiteral("Oria 2000"),
                             QStringLiteral("Le manuel « %1 » n'a pas pu être ouvert : aucun "
                                            "navigateur n'a répondu.")
                                 .arg(QDir::toNativeSeparators(path)),
                             Platform::Icon::Warning);
    }
}

void AddManualKey(Platform& platform, QWidget* window, const char* section) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setObjectName(QStringLiteral("aide"));
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window,
                     [&platform, window, section] { ShowManual(platform, window, section); });
}

} // namespace oria
