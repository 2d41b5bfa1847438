#include "Resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <vector>

namespace oria {

namespace {
qreal screenRatio() {
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

QPixmap render(QSvgRenderer& renderer, QSize size) {
    if (!renderer.isValid()) {
        return {};
    }
    if (size.isEmpty()) {
        size = renderer.defaultSize();
    }
    // Drawn at the screen's density so the pictures stay sharp on high-DPI screens.
    const qreal ratio = screenRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QImage renderImage(QSvgRenderer& renderer, QSize size, qreal ratio) {
    if (!renderer.isValid()) {
        return {};
    }
    if (size.isEmpty()) {
        size = renderer.defaultSize();
    }
    // The format a transparent pixmap has, so that the picture comes out the same.
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

constexpr int kIconSides[] = {16, 24, 32, 48, 64};

std::future<std::vector<QImage>>& programIconLater() {
    static std::future<std::vector<QImage>> images;
    return images;
}

QIcon& programIconCache() {
    static QIcon icon;
    return icon;
}
} // namespace

QPixmap Bitmap(int id, QSize size) {
    QSvgRenderer renderer(QStringLiteral(":/images/bmp%1.svg").arg(id));
    return render(renderer, size);
}

std::future<QImage> BitmapLater(int id, QSize size) {
    // Drawn when first asked for, on this thread: fonts and the screen belong to it.
    return std::async(
        std::launch::deferred,
        [](const QString& path, QSize size, qreal ratio) {
            QSvgRenderer renderer(path);
            return renderImage(renderer, size, ratio);
        },
        QStringLiteral(":/images/bmp%1.svg").arg(id), size, screenRatio());
}

void ProgramIconLater() {
    if (!programIconCache().isNull() || programIconLater().valid()) {
        return;
    }
    programIconLater() = std::async(std::launch::deferred, [ratio = screenRatio()] {
        QSvgRenderer renderer(QStringLiteral(":/images/icon102.svg"));
        std::vector<QImage> images;
        for (const int side : kIconSides) {
            images.push_back(renderImage(renderer, QSize(side, side), ratio));
        }
        return images;
    });
}

QIcon ProgramIcon() {
    // Drawn once, from one reading of the picture: every window shows the same icon.
    QIcon& icon = programIconCache();
    if (icon.isNull()) {
        if (programIconLater().valid()) {
            for (const QImage& image : programIconLater().get()) {
                icon.addPixmap(QPixmap::fromImage(image));
            }
        } else {
            QSvgRenderer renderer(QStringLiteral(":/images/icon102.svg"));
            for (const int side : kIconSides) {
                icon.addPixmap(render(renderer, QSize(side, side)));
            }
        }
        // Its pixmaps go with the application, not after it.
        qAddPostRoutine([] { programIconCache() = QIcon(); });
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
