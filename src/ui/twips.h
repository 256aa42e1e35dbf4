#pragma once
// Window designs are measured in twips; the screen is taken as 15 twips per pixel.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace toviran {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
inline QPoint TwipsPoint(int left, int top) {
    return {TwipsToPixels(left), TwipsToPixels(top)};
}
inline QSize TwipsSize(int width, int height) {
    return {TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace toviran
