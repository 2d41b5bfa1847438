#pragma once

#include <QProxyStyle>

namespace oria {

// The application's style, with the frames of group boxes drawn once per size and state and
// then copied: a window repaints the frame under every label that changes, and drawing it
// afresh each time is the costliest part of many actions' frames. Titles are drawn as before.
class FrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace oria
