// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <cmath>
#include <cstdint>

namespace wordbloom {

// The layout is drawn in twips, 15 to a pixel at 96 dots per inch; Qt's own
// scaling takes care of screens with more dots.
constexpr int kTwipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips) {
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

inline QRect rectFromTwips(int left, int top, int width, int height) {
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
            pixelsFromTwips(height)};
}

// A colour written as &H00BBGGRR: red in the low byte.
inline QColor colourFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8) & 0xFFU),
                  static_cast<int>((bgr >> 16) & 0xFFU));
}

} // namespace wordbloom
