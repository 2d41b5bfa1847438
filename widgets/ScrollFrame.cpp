#include "ScrollFrame.h"

#include "Twips.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace oria {

namespace {
constexpr int kMarginTwips = 120; // where `total` sits when not scrolled
constexpr int kBarTwips = 255;    // thickness of the scroll bars
} // namespace

ScrollFrame::ScrollFrame(QWidget* parent, QSize contentTwips, QSize endGapTwips)
    : QWidget(parent), total_(new QWidget(this)), hsb_(new QScrollBar(Qt::Horizontal, this)),
      vsb_(new QScrollBar(Qt::Vertical, this)), pctCoin_(new QWidget(this)), endGap_(endGapTwips) {
    setObjectName("frame");
    total_->setObjectName("total");
    hsb_->setObjectName("hsb");
    vsb_->setObjectName("vsb");
    hsb_->setAccessibleName(QStringLiteral("Défilement horizontal"));
    vsb_->setAccessibleName(QStringLiteral("Défilement vertical"));
    pctCoin_->setObjectName("pctCoin");
    total_->setGeometry(QRect(TwipsPoint(kMarginTwips, kMarginTwips),
                              TwipsSize(contentTwips.width(), contentTwips.height())));
    hsb_->resize(Px(4575), Px(kBarTwips));
    vsb_->resize(Px(kBarTwips), Px(3855));
    // The corner square takes the background of `total`, the width of vsb and the height of hsb.
    pctCoin_->setAutoFillBackground(true);
    pctCoin_->setBackgroundRole(total_->backgroundRole());
    pctCoin_->resize(vsb_->width(), hsb_->height());
    hsb_->hide();
    vsb_->hide();
    pctCoin_->hide();
    connect(hsb_, &QScrollBar::valueChanged, this, &ScrollFrame::hsb_Change);
    connect(vsb_, &QScrollBar::valueChanged, this, &ScrollFrame::vsb_Change);
}

QSize ScrollFrame::fullSize() const {
    return QSize(total_->width() + Px(2 * kMarginTwips), total_->height() + Px(2 * kMarginTwips));
}

void ScrollFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void ScrollFrame::Form_Resize() {
    const int w = width();
    const int h = height();
    const int margin = Px(kMarginTwips);
    // A bar is needed as soon as the content, at its resting place, does not fit.
    const bool needH = w < margin + total_->width();
    const bool needV = h < margin + total_->height();
    vsb_->setVisible(needV);
    const int availW = needV ? w - vsb_->width() : w;
    const int availH = needH ? h - hsb_->height() : h;

    total_->move(margin, margin);

    if (needH) {
        if (h - hsb_->height() > 0) {
            hsb_->setGeometry(0, h - hsb_->height(), availW, hsb_->height());
            // At the far end the right edge of the content stands inside the window.
            resetBar(hsb_, (w - total_->width()) - Px(endGap_.width()));
            hsb_->show();
        }
    } else {
        hsb_->hide();
    }
    if (needV && w - vsb_->width() > 0) {
        vsb_->setGeometry(w - vsb_->width(), 0, vsb_->width(), availH);
        // Measured from the visible area, so that a horizontal bar never hides the end.
        resetBar(vsb_, (availH - total_->height()) - Px(endGap_.height()));
    }
    if (needH && needV) {
        pctCoin_->move(availW, availH);
        pctCoin_->show();
        pctCoin_->raise();
    } else {
        pctCoin_->hide();
    }
    hsb_->raise();
    vsb_->raise();
}

// Back at the start; the far end puts the content's left (top) edge at `far`.
void ScrollFrame::resetBar(QScrollBar* bar, int far) {
    const QSignalBlocker blocker(bar);
    bar->setRange(0, std::max(0, Px(kMarginTwips) - far));
    bar->setValue(0);
    bar->setSingleStep(std::max(1, Px(20)));
    bar->setPageStep(Px(200));
}

void ScrollFrame::hsb_Change(int value) {
    total_->move(Px(kMarginTwips) - value, total_->y());
}

void ScrollFrame::vsb_Change(int value) {
    total_->move(total_->x(), Px(kMarginTwips) - value);
}

void ScrollFrame::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = vsb_->isVisible() ? vsb_ : (hsb_->isVisible() ? hsb_ : nullptr);
    if (!bar) {
        event->ignore();
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    bar->setValue(bar->value() - steps * bar->pageStep() / 2);
    event->accept();
}

} // namespace oria
