#pragma once
// The secondary windows are placed as they were designed, in twips: 15 to a
// pixel and 20 to a point.
#include <QRect>

constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }

// A rectangle in twips as the pixels it covers.
inline QRect pixels(const QRect& twips)
{
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

// A font size in points as pixels on the same grid.
constexpr int fontPixels(qreal points) { return qRound(points * 20 / kTwipsPerPixel); }
