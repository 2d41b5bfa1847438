#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace oria {

// Window layouts are given in twips: 1/1440 inch, 15 twips per pixel at 96 dpi.
// Qt's device-independent pixels take care of higher densities.
constexpr int kTwipsPerPixel = 15;

constexpr int Px(double twips) {
    const double px = twips / kTwipsPerPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}
constexpr double Twips(double px) {
    return px * kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
inline QSize TwipsSize(int width, int height) {
    return QSize(Px(width), Px(height));
}
inline QPoint TwipsPoint(int left, int top) {
    return QPoint(Px(left), Px(top));
}

} // namespace oria
