#include "Resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace oria {

namespace {
QPixmap render(const QString& path, QSize size) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    if (size.isEmpty()) {
        size = renderer.defaultSize();
    }
    // Drawn at the screen's density so the pictures stay sharp on high-DPI screens.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}
} // namespace

QPixmap Bitmap(int id, QSize size) {
    return render(QStringLiteral(":/images/bmp%1.svg").arg(id), size);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64}) {
        icon.addPixmap(render(QStringLiteral(":/images/icon102.svg"), QSize(side, side)));
    }
    return icon;
}

QString StringTable(int id) {
    switch (id) {
    case 101:
        return QStringLiteral(
            "La charte graphique se présente sous la forme d'un fichier HTML. Remplissez les "
            "champs et ils seront insérés dans le fichier html selon le modèle choisi.");
    case 102:
        return QStringLiteral("Choisissez un modèle (voir l'aide pour créer un modèle ou utiliser "
                              "les modèles prédéfinis). Puis créez un fichier d'export.");
    case 103:
        return QStringLiteral("Le fichier est créé, vous pouvez ensuite le visualiser (nécessite "
                              "un navigateur web installé).");
    case 104:
        return QStringLiteral("Oria 2000 est un logiciel libre, fourni tel quel, sans aucune "
                              "garantie. © 2026 l'équipe Oria 2000.");
    default:
        return {};
    }
}

} // namespace oria
