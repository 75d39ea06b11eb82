#pragma once

#include <QRect>

namespace aerolap {

// The windows' layouts are given in twips, fifteen to the pixel.

constexpr int kTwipsPerPixel = 15;

constexpr int pixelsOf(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr QRect twips(int left, int top, int width, int height) {
    return {pixelsOf(left), pixelsOf(top), pixelsOf(width), pixelsOf(height)};
}

} // namespace aerolap
