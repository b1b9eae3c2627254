#pragma once

#include <QRect>
#include <QSize>
#include <QtMath>

// Positions and sizes of the design are in twips; 15 twips make one logical pixel and Qt
// scales that for high-DPI screens.
namespace twips {

inline constexpr int PerPixel = 15;

inline int px(double twips) {
    return qRound(twips / PerPixel);
}
// In double, so that no pixel count overflows on its way to twips.
inline double fromPx(int pixels) {
    return double(pixels) * PerPixel;
}
inline QRect rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}
inline QSize size(int width, int height) {
    return QSize(px(width), px(height));
}

} // namespace twips
