#include "picture_fixtures.h"

#include <csetjmp>
#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <stdexcept>

namespace vorn::test {

void writePng(const std::string& path, const PngLayout& layout) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw std::runtime_error("libpng failed writing " + path);
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(layout.width),
                 static_cast<png_uint_32>(layout.height), layout.bitDepth, layout.colourType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (const auto& c : layout.palette)
        palette.push_back({c.r, c.g, c.b});
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    std::vector<png_byte> alpha(layout.paletteAlpha.begin(), layout.paletteAlpha.end());
    png_color_16 key{};
    key.gray = static_cast<png_uint_16>(layout.greyKeyValue);
    if (!alpha.empty())
        png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size()), nullptr);
    else if (layout.greyKey)
        png_set_tRNS(png, info, nullptr, 0, &key);
    png_write_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<png_bytep> rows;
    std::vector<std::uint8_t> pixels = layout.pixels;
    for (int y = 0; y < layout.height; ++y)
        rows.push_back(pixels.data() + y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void writeJpeg(const std::string& path, int width, int height, Rgb colour) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), {colour.r, colour.g, colour.b});
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

void writeGif(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& indices, const std::vector<Rgb>& palette,
              int transparent) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (!gif) throw std::runtime_error("cannot write " + path);
    std::vector<GifColorType> colours;
    for (const auto& c : palette)
        colours.push_back({c.r, c.g, c.b});
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    EGifPutScreenDesc(gif, width, height, 8, 0, map);
    if (transparent >= 0) {
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = transparent;
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        GifByteType ext[4];
        const std::size_t len = EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), ext);
    }
    EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
    auto line = indices;
    for (int y = 0; y < height; ++y)
        EGifPutLine(gif, line.data() + y * width, width);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
}

} // namespace vorn::test
