#pragma once

#include <QProxyStyle>

namespace oria {

// The application's style, with the frames of group boxes and the progress bars drawn once
// per size, state and value and then copied: a window repaints the frame under every label
// that changes, a bar after every piece of work it follows, and drawing them afresh each time
// is the costliest part of many actions' frames. Titles are drawn as before.
class FrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace oria
