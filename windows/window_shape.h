#pragma once

#include <QImage>
#include <QRegion>

namespace vorn::win {

// The colour that marks a frame picture's outside.
inline constexpr QRgb kOutsideKey = 0xFF00FF;

// The window region of a frame picture: every pixel that is not exactly
// magenta (FF00FF) is inside, taken row by row as runs of inside pixels.
// Rows with the same runs are merged into one band so the region stays small.
QRegion ShapeWindowFromPicture(const QImage& picture);

} // namespace vorn::win
