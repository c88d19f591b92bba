#pragma once

#include <png.h>

#include <string>
#include <vector>

namespace vorn::test {

// A PNG written by libpng itself, in any layout it can write.
struct PngLayout {
    int width, height;
    int colourType; // PNG_COLOR_TYPE_*
    int bitDepth;
    std::vector<png_byte> pixels; // packed rows, as libpng wants them
    std::vector<png_color> palette = {};
    std::vector<png_byte> paletteAlpha = {}; // tRNS for palettes
    int greyKey = -1;                        // tRNS for grey: this value is transparent
};

void writePng(const std::string& path, PngLayout layout);

} // namespace vorn::test
