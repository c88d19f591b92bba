#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorn::test {

struct Rgb {
    std::uint8_t r, g, b;
};

// Writers for small pictures made in the tests themselves.
struct PngLayout {
    PngLayout(int w, int h, int type, int depth, std::vector<std::uint8_t> px,
              std::vector<Rgb> pal = {}, std::vector<std::uint8_t> alpha = {}, bool key = false,
              int keyValue = 0)
        : width(w)
        , height(h)
        , colourType(type)
        , bitDepth(depth)
        , pixels(std::move(px))
        , palette(std::move(pal))
        , paletteAlpha(std::move(alpha))
        , greyKey(key)
        , greyKeyValue(keyValue) {}
    int width = 1;
    int height = 1;
    int colourType = 0; // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    std::vector<std::uint8_t> pixels; // packed rows, as libpng wants them
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> paletteAlpha; // tRNS for palettes
    bool greyKey = false;                   // tRNS for grey: value greyKeyValue is transparent
    int greyKeyValue = 0;
};
void writePng(const std::string& path, const PngLayout& layout);

void writeJpeg(const std::string& path, int width, int height, Rgb colour);

// One-frame GIF of indices into palette; transparent < 0 for none.
void writeGif(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& indices, const std::vector<Rgb>& palette,
              int transparent);

} // namespace vorn::test
