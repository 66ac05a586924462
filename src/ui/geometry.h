// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Screens are laid out in twips, the unit their designs use: 1440 to the
// inch, so 15 twips make one pixel at 96 dots per inch. Code states places in
// twips so that each line can be checked against the design; these helpers
// turn them into the device-independent pixels Qt works in (Qt's own
// high-DPI scaling takes it from there).
namespace twip {

inline constexpr int perPixel = 15;

// The nearest whole pixel to a twips coordinate (halves away from zero).
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips + perPixel / 2) / perPixel : -((-twips + perPixel / 2) / perPixel);
}

}  // namespace twip

// A box given as left, top, width, height in twips. Edges are rounded, not
// sizes, so boxes that touch in the design touch on screen.
inline QRect twips(int left, int top, int width, int height)
{
    const int x = twip::toPixels(left);
    const int y = twip::toPixels(top);
    return QRect(x, y, twip::toPixels(left + width) - x, twip::toPixels(top + height) - y);
}
