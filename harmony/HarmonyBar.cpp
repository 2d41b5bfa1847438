#include "HarmonyBar.h"

#include "HarmonyDisplay.h"
#include "platform/QtPlatform.h"
#include "widgets/Twips.h"

#include <QPainter>
#include <cmath>

namespace oria {

HarmonyBar::HarmonyBar(QWidget* parent) : ColourPicture(parent, QStringLiteral("barre")) {}

void HarmonyBar::setHarmony(const Palette& palette, int n, bool weighted, bool ruler) {
    palette_ = palette;
    n_ = n;
    weighted_ = weighted;
    ruler_ = ruler;
    invalidate();
}

void HarmonyBar::paintContent(QPainter& painter) {
    const double w = width();
    const std::vector<double> x = BarBoundaries(palette_, n_, weighted_, w);
    for (int k = 1; k < static_cast<int>(x.size()); ++k) {
        const int left = static_cast<int>(std::lround(x[static_cast<std::size_t>(k - 1)]));
        const int right = static_cast<int>(std::lround(x[static_cast<std::size_t>(k)]));
        painter.fillRect(QRect(left, 0, right - left, height()),
                         ToQColor(palette_[static_cast<std::size_t>(k - 1)]));
    }
    if (ruler_) {
        painter.setPen(QPen(Qt::black, 1));
        for (const RulerMark& mark : RulerMarks(w)) {
            const int px = std::min(static_cast<int>(std::lround(mark.x)), width() - 1);
            painter.drawLine(px, 0, px, Px(mark.length));
        }
    }
}

} // namespace oria
