#include "PageViews.h"

#include "platform/QtPlatform.h"
#include "widgets/Twips.h"

#include <QPainter>

namespace oria {

namespace {
QRect rectOf(const PageRect& r) {
    return TwipsRect(r.left, r.top, r.width, r.height);
}
} // namespace

PageText::PageText(QWidget* page, const QString& name, const QRect& geometry) : QLabel(page) {
    setObjectName(name);
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The pointer reads the page under the text, as anywhere else on the page.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PageText::paintOnPage(QPainter& painter) const {
    if (isHidden()) {
        return;
    }
    painter.save();
    painter.setFont(font());
    painter.setPen(ToQColor(colour_));
    painter.translate(pos());
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    painter.drawText(QRect(QPoint(0, 0), size()), flags, text());
    painter.restore();
}

PageView::PageView(QWidget* parent)
    : ColourPicture(parent),
      logo_(new PageText(this, QStringLiteral("logo"), rectOf(kTitleRect))),
      texte_(new PageText(this, QStringLiteral("texte"), rectOf(kTextRect))) {
    page_.colours.fill(RGB(255, 255, 255)); // white before the first paint
    logo_->setFont(QFont(QStringLiteral("Arial"), 18));
    texte_->setWordWrap(true);
    setPage(page_);
}

void PageView::setPage(const Page& page) {
    page_ = page;
    logo_->setText(page.logo); // the title is hidden by emptying it
    logo_->setColour(page.colours[Index(Zone::Titre)]);
    texte_->setText(page.paragraph);
    texte_->setColour(page.colours[Index(Zone::Texte)]);
    texte_->setVisible(page.texte);
    invalidate();
}

void PageView::paintContent(QPainter& painter) {
    auto colour = [this](Zone z) { return ToQColor(page_.colours[Index(z)]); };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Back to front: fond, carre, cercle, the crescent's bite, the title, the text.
    painter.fillRect(rect(), colour(Zone::Fond));
    if (page_.carre) {
        painter.fillRect(rectOf(kBoxRect), colour(Zone::Boite));
    }
    if (page_.cercle) {
        painter.setBrush(colour(Zone::Cercle));
        painter.drawEllipse(rectOf(kCircleRect));
    }
    painter.setBrush(colour(Zone::Fond));
    painter.drawEllipse(rectOf(kBiteRect));
    logo_->paintOnPage(painter);
    texte_->paintOnPage(painter);
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
