#include "picture_limits.h"
#include "pictures.h"

#include "error.h"

#include <png.h>

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace vorn {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

struct PngRead {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string message;
    ~PngRead() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// libpng reports fatal errors through this; it must not return.
void onPngError(png_structp png, png_const_charp message) {
    auto* read = static_cast<PngRead*>(png_get_error_ptr(png));
    read->message = message ? message : "";
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

// The rows are decoded in the bitmap's own byte order.
static_assert(std::endian::native == std::endian::little);

constexpr auto kMaxSide = static_cast<png_uint_32>(kMaxPictureSide);

enum class Decode { Done, Broken, NoMemory };

// Everything between setjmp and a possible longjmp lives in objects created
// before the setjmp, so the jump skips no destructor. libpng writes the rows
// straight into the bitmap's memory: no copy of the picture is made. Without
// alpha they are in the bitmap's own layout (blue, green, red, 255); with
// alpha ("hasAlpha") they are red, green, blue, alpha, for compose().
Decode decode(std::FILE* file, PngRead& read, QImage& work, bool& hasAlpha,
              std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(read.png))) return Decode::Broken;
    // A hostile header must not make us allocate gigabytes.
    png_set_user_limits(read.png, kMaxSide, kMaxSide);
    png_init_io(read.png, file);
    png_set_read_status_fn(read.png, nullptr);
    png_read_info(read.png, read.info);

    png_uint_32 width = 0, height = 0;
    int depth = 0, colour = 0;
    png_get_IHDR(read.png, read.info, &width, &height, &depth, &colour, nullptr, nullptr, nullptr);

    if (colour == PNG_COLOR_TYPE_PALETTE && depth <= 8) png_set_expand(read.png);
    if (colour == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand(read.png);
    const bool transparency = png_get_valid(read.png, read.info, PNG_INFO_tRNS) != 0;
    if (transparency) png_set_expand(read.png);
    if (depth < 8) png_set_packing(read.png);
    // Every layout becomes four 8-bit samples: grey (with or without alpha)
    // is spread to RGB, 16-bit samples lose their low byte.
    if (depth == 16) png_set_strip_16(read.png);
    if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(read.png);
    // Pictures with alpha keep libpng's order (red first) for the
    // composition, which reorders them in the same pass as it blends.
    hasAlpha = transparency || (colour & PNG_COLOR_MASK_ALPHA) != 0;
    if (!hasAlpha) {
        png_set_bgr(read.png);
        png_set_filler(read.png, 0xFF, PNG_FILLER_AFTER);
    }

    png_read_update_info(read.png, read.info);
    png_get_IHDR(read.png, read.info, &width, &height, &depth, &colour, nullptr, nullptr, nullptr);
    const std::size_t rowBytes = png_get_rowbytes(read.png, read.info);
    if (width == 0 || height == 0) return Decode::Broken;
    if (depth != 8 || rowBytes != std::size_t{width} * 4) return Decode::Broken;
    if (!pictureSizeAllowed(width, height)) return Decode::Broken;
    // Not zero-filled: a hostile header claiming a huge picture costs only
    // the pages the decoder really writes before the data runs out.
    work = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (work.isNull()) return Decode::NoMemory;
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = work.scanLine(static_cast<int>(y));
    png_read_image(read.png, rows.data());
    png_read_end(read.png, nullptr);
    return Decode::Done;
}

// Channel blend with inverted alpha a (0 opaque, 255 transparent), one rule
// for every pixel: 0 gives the incoming value, 255 keeps the existing one.
inline std::uint32_t blend(std::uint32_t existing, std::uint32_t incoming, std::uint32_t a) {
    return (existing * a + incoming * (255 - a)) / 255;
}

// A decoded pixel (red in the low byte, alpha in the high one) over the
// bitmap's pixel behind it.
inline std::uint32_t over(std::uint32_t pixel, std::uint32_t behind) {
    const std::uint32_t a = 255 - (pixel >> 24);
    const std::uint32_t r = blend((behind >> 16) & 0xFF, pixel & 0xFF, a);
    const std::uint32_t g = blend((behind >> 8) & 0xFF, (pixel >> 8) & 0xFF, a);
    const std::uint32_t b = blend(behind & 0xFF, (pixel >> 16) & 0xFF, a);
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// One row over the earlier bitmap's row "back" as far as it reaches, and
// over white beyond.
void composeRow(QRgb* row, const QRgb* back, int backWidth, int width) {
    for (int x = 0; x < backWidth; ++x)
        row[x] = over(row[x], back[x]);
    for (int x = backWidth; x < width; ++x)
        row[x] = over(row[x], 0xFFFFFFFFu);
}

void compose(QImage& work, const QImage& bitmap) {
    const int w = work.width();
    const int h = work.height();
    QImage old;
    if (!bitmap.isNull()) old = bitmap.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const bool behind = y < old.height();
        const auto* back = behind ? reinterpret_cast<const QRgb*>(old.constScanLine(y)) : nullptr;
        composeRow(reinterpret_cast<QRgb*>(work.scanLine(y)), back,
                   behind ? std::min(w, old.width()) : 0, w);
    }
}

} // namespace

void LoadPngFile(const std::string& path, QImage& bitmap) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw Error("Error Opening File " + path + "!");

    PngRead read;
    read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &read, onPngError, onPngWarning);
    if (!read.png) {
        bitmap = QImage();
        return;
    }
    read.info = png_create_info_struct(read.png);
    if (!read.info) {
        bitmap = QImage();
        return;
    }
    QImage work;
    bool hasAlpha = false;
    std::vector<png_bytep> rows;
    switch (decode(file.get(), read, work, hasAlpha, rows)) {
    case Decode::Done:
        break;
    case Decode::NoMemory:
        throw Error("Memória insuficiente para a imagem");
    case Decode::Broken: {
        std::string detail = read.message.empty() ? "" : " (" + read.message + ")";
        throw Error("Error Reading File " + path + "!" + detail);
    }
    }
    if (hasAlpha) compose(work, bitmap);
    bitmap = std::move(work);
}

} // namespace vorn
