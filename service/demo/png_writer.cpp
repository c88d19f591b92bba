#include "demo/png_writer.h"

#include <error.h>

#include <png.h>

namespace pequenia::demo {

Canvas::Canvas(int width, int height, std::uint32_t rgb)
    : m_width(width)
    , m_height(height)
    , m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    fillRect(0, 0, width, height, rgb);
}

void Canvas::put(int x, int y, std::uint32_t rgb) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                            static_cast<std::size_t>(x)) *
                           3;
    m_pixels[at] = static_cast<unsigned char>(rgb >> 16);
    m_pixels[at + 1] = static_cast<unsigned char>(rgb >> 8);
    m_pixels[at + 2] = static_cast<unsigned char>(rgb);
}

void Canvas::fillRect(int x, int y, int w, int h, std::uint32_t rgb) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            put(i, j, rgb);
}

void Canvas::fillEllipse(int cx, int cy, int rx, int ry, std::uint32_t rgb) {
    for (int j = -ry; j <= ry; ++j)
        for (int i = -rx; i <= rx; ++i)
            if (static_cast<long>(i) * i * ry * ry + static_cast<long>(j) * j * rx * rx <=
                static_cast<long>(rx) * rx * ry * ry)
                put(cx + i, cy + j, rgb);
}

void Canvas::gradient(int x, int y, int w, int h, std::uint32_t top, std::uint32_t bottom) {
    for (int j = 0; j < h; ++j) {
        auto mix = [&](int shift) {
            const int a = static_cast<int>((top >> shift) & 0xFF);
            const int b = static_cast<int>((bottom >> shift) & 0xFF);
            return static_cast<std::uint32_t>(a + (b - a) * j / (h > 1 ? h - 1 : 1));
        };
        fillRect(x, y + j, w, 1, (mix(16) << 16) | (mix(8) << 8) | mix(0));
    }
}

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t size) {
    static_cast<std::string*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), size);
}

void noFlush(png_structp) {}

// libpng reports errors by longjmp; nothing with a destructor lives between
// setjmp and the calls that may jump.
bool writePng(std::string* out, int width, int height, const unsigned char* pixels) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, appendBytes, noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png,
                      pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::string Canvas::encodePng() const {
    std::string out;
    if (!writePng(&out, m_width, m_height, m_pixels.data()))
        throw vorn::Error("cannot encode a PNG picture");
    return out;
}

} // namespace pequenia::demo
