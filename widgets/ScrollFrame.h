#pragma once

#include <QWidget>

class QScrollBar;

namespace oria {

// The scrolling frame of every window: the content picture `total` sits at (120, 120)
// twips; when the frame is smaller than the content, the scroll bars `hsb` / `vsb` appear,
// with the corner square `pctCoin` between them when both do.
class ScrollFrame : public QWidget {
    Q_OBJECT
public:
    // contentTwips: the size of `total`, taken once as the window's designed content.
    // endGapTwips: at the far end of a scroll, how far inside the frame the content's right
    // and bottom edges stand.
    ScrollFrame(QWidget* parent, QSize contentTwips, QSize endGapTwips = kStatusBarEndGap);

    // The windows with a status bar below the frame were designed with a 425-twip gap that
    // counted the status bar's 375 twips in the height.
    static constexpr QSize kStatusBarEndGap{425, 425 - 375};

    QWidget* total() const { return total_; }
    QScrollBar* hsb() const { return hsb_; }
    QScrollBar* vsb() const { return vsb_; }
    QWidget* pctCoin() const { return pctCoin_; }

    // The frame size that shows the whole content without scroll bars.
    QSize fullSize() const;
    // The size the window opens at (at least fullSize()).
    void setDesignSize(QSize size) { designSize_ = size; }
    QSize sizeHint() const override { return designSize_.expandedTo(fullSize()); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Form_Resize();
    void hsb_Change(int value);
    void vsb_Change(int value);
    void resetBar(QScrollBar* bar, int far);

    QWidget* total_;
    QScrollBar* hsb_;
    QScrollBar* vsb_;
    // Scroll bar values count pixels from the start; `total` moves left (up) by as much.
    QWidget* pctCoin_;
    QSize designSize_;
    QSize endGap_;
};

} // namespace oria
