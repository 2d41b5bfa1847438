#include "ContrastViews.h"

#include "platform/QtPlatform.h"
#include "widgets/Twips.h"

#include <QPainter>

namespace oria {

std::vector<Band> BandsOf(double w, int count) {
    if (count == 3) {
        return {{0, w / 3, 0}, {w / 3, 2 * w / 3, 1}, {2 * w / 3, w, 2}};
    }
    return {{0, w / 2, 0}, {w / 2, w, 1}};
}

std::vector<DiagonalLine> DiagonalLinesOf(double w, int count) {
    std::vector<DiagonalLine> lines;
    double p = 0;
    if (count != 3) {
        for (int i = 0; i < 15; ++i) {
            lines.push_back({p, 1});
            p = p + 2 * w / 15;
        }
        return lines;
    }
    // q follows p by one step: colour 3 fills every other gap between the colour 2 lines.
    double q = 2 * w / 15;
    for (int i = 0; i < 10; ++i) {
        lines.push_back({p, 1});
        lines.push_back({q, 2});
        q = p + 2 * w / 15;
        p = p + 4 * w / 15;
    }
    return lines;
}

void ContrastView::setColours(const ContrastColours& colours) {
    colours_ = colours;
    // The lines are drawn over a field of colour 1.
    if (kind_ == Kind::Lines) {
        setBackgroundColour(colours.colour[0]);
    }
    invalidate();
}

void ContrastView::paintContent(QPainter& painter) {
    const double pixels = 1.0 / kTwipsPerPixel;
    auto colour = [this](int k) { return ToQColor(colours_.colour[static_cast<std::size_t>(k)]); };
    if (kind_ == Kind::Bands) {
        for (const Band& band : BandsOf(Twips(width()), colours_.count)) {
            painter.fillRect(
                QRectF(band.left * pixels, 0, (band.right - band.left) * pixels, height()),
                colour(band.colour));
        }
        return;
    }
    const double start = -20 * pixels;
    for (const DiagonalLine& line : DiagonalLinesOf(Twips(width()), colours_.count)) {
        painter.setPen(
            QPen(colour(line.colour), kDiagonalWidthPixels, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(line.p * pixels, start), QPointF(start, line.p * pixels));
    }
}

} // namespace oria
