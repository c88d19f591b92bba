#pragma once

#include <cstdint>

namespace vorn {

// The largest picture any reader decodes: 16384 pixels a side and 64 Mi
// pixels in all (256 MiB at four bytes a pixel). A few bytes of header must
// not be able to claim gigabytes of memory or minutes of decoding.
inline constexpr std::int64_t kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 64ll * 1024 * 1024;

inline bool pictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

} // namespace vorn
