#include "PageViews.h"

#include "platform/QtPlatform.h"
#include "widgets/Twips.h"

#include <QPainter>

namespace oria {

PageView::PageView(QWidget* parent) : ColourPicture(parent) {
    page_.colours.fill(RGB(255, 255, 255)); // white before the first paint
}

void PageView::setPage(const Page& page) {
    page_ = page;
    invalidate();
}

void PageView::paintContent(QPainter& painter) {
    auto colour = [this](Zone z) { return ToQColor(page_.colours[Index(z)]); };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Back to front: fond, carre, cercle, the crescent's bite, the title, the text.
    painter.fillRect(rect(), colour(Zone::Fond));
    if (page_.carre) {
        painter.fillRect(TwipsRect(120, 360, 615, 3255), colour(Zone::Boite));
    }
    if (page_.cercle) {
        painter.setBrush(colour(Zone::Cercle));
        painter.drawEllipse(TwipsRect(2520, -480, 4455, 4215));
    }
    painter.setBrush(colour(Zone::Fond));
    painter.drawEllipse(TwipsRect(3360, -240, 2175, 1935));

    QFont title(QStringLiteral("Arial"), 18);
    painter.setFont(title);
    painter.setPen(colour(Zone::Titre));
    painter.drawText(TwipsRect(840, 360, 3015, 1335), Qt::AlignLeft | Qt::AlignTop, page_.logo);
    if (page_.texte) {
        painter.setFont(font());
        painter.setPen(colour(Zone::Texte));
        painter.drawText(TwipsRect(1080, 1800, 2775, 1815),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, page_.paragraph);
    }
}

void GridPicture::setGrid(const QImage& grid) {
    grid_ = grid;
    invalidate();
}

void GridPicture::paintContent(QPainter& painter) {
    // Pixel for pixel, so that the colour read under the pointer is a cell's own.
    painter.drawImage(QRect(QPoint(0, 0), grid_.size()), grid_);
}

void IndicatorView::setShape1(Colour c) {
    shape1_ = c;
    invalidate();
}

void IndicatorView::setShape7(Colour c) {
    shape7_ = c;
    invalidate();
}

void IndicatorView::paintContent(QPainter& painter) {
    const int half = width() / 2;
    painter.fillRect(QRect(0, 0, half, height()), ToQColor(shape1_));
    painter.fillRect(QRect(half, 0, width() - half, height()), ToQColor(shape7_));
}

} // namespace oria
