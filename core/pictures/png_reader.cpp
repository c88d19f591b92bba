#include "pictures.h"

#include "error.h"

#include <png.h>

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

constexpr png_uint_32 kMaxSide = 16384;
constexpr std::uint64_t kMaxPixels = 64ull * 1024 * 1024;

struct Decoded {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    std::size_t bytesPerPixel = 0;
    // Not zero-filled: a hostile header claiming a huge picture costs only
    // the pages the decoder really writes before the data runs out.
    std::unique_ptr<png_byte[]> pixels;
};

// Everything between setjmp and a possible longjmp lives in objects created
// before the setjmp, so the jump skips no destructor.
bool decode(std::FILE* file, PngRead& read, Decoded& out, std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(read.png))) return false;
    // A hostile header must not make us allocate gigabytes.
    png_set_user_limits(read.png, kMaxSide, kMaxSide);
    png_init_io(read.png, file);
    png_set_read_status_fn(read.png, nullptr);
    png_read_info(read.png, read.info);

    png_uint_32 width = 0, height = 0;
    int depth = 0, colour = 0;
    png_get_IHDR(read.png, read.info, &width, &height, &depth, &colour, nullptr, nullptr, nullptr);

    png_set_invert_alpha(read.png); // afterwards 0 is opaque and 255 transparent
    if (colour == PNG_COLOR_TYPE_PALETTE && depth <= 8) png_set_expand(read.png);
    if (colour == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand(read.png);
    if (png_get_valid(read.png, read.info, PNG_INFO_tRNS)) png_set_expand(read.png);
    if (depth < 8) png_set_packing(read.png);
    // Layouts the composition cannot take become RGB or RGBA with 8-bit
    // samples: grey (with or without alpha) and 16-bit images.
    if (depth == 16) png_set_strip_16(read.png);
    if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(read.png);

    png_read_update_info(read.png, read.info);
    png_get_IHDR(read.png, read.info, &width, &height, &depth, &colour, nullptr, nullptr, nullptr);
    const std::size_t rowBytes = png_get_rowbytes(read.png, read.info);
    if (width == 0 || height == 0) return false;
    out.width = width;
    out.height = height;
    out.bytesPerPixel = rowBytes / width;
    if (depth != 8 || (out.bytesPerPixel != 3 && out.bytesPerPixel != 4)) return false;
    if (static_cast<std::uint64_t>(width) * height > kMaxPixels) return false;
    out.pixels.reset(new png_byte[rowBytes * height]);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = out.pixels.get() + y * rowBytes;
    png_read_image(read.png, rows.data());
    png_read_end(read.png, nullptr);
    return true;
}

// Channel blend with inverted alpha a (0 opaque, 255 transparent).
inline int blend(int existing, int incoming, int a) {
    return (existing * a + incoming * (255 - a)) / 255;
}

void compose(const Decoded& img, QImage& bitmap) {
    const int w = static_cast<int>(img.width);
    const int h = static_cast<int>(img.height);
    QImage work(w, h, QImage::Format_RGB32);
    if (work.isNull()) throw Error("Memória insuficiente para a imagem");
    work.fill(Qt::white);
    if (!bitmap.isNull()) {
        const QImage old = bitmap.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < std::min(h, old.height()); ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(old.constScanLine(y));
            auto* dst = reinterpret_cast<QRgb*>(work.scanLine(y));
            std::copy(src, src + std::min(w, old.width()), dst);
        }
    }
    const std::size_t bpp = img.bytesPerPixel;
    for (int y = 0; y < h; ++y) {
        const png_byte* src = img.pixels.get() + static_cast<std::size_t>(y) * w * bpp;
        auto* dst = reinterpret_cast<QRgb*>(work.scanLine(y));
        for (int x = 0; x < w; ++x, src += bpp) {
            const int r = src[0], g = src[1], b = src[2];
            if (bpp == 3) {
                dst[x] = qRgb(r, g, b);
                continue;
            }
            const int a = src[3];
            if (a == 0) {
                dst[x] = qRgb(r, g, b);
            } else if (a < 255) {
                const QRgb e = dst[x];
                dst[x] = qRgb(blend(qRed(e), r, a), blend(qGreen(e), g, a), blend(qBlue(e), b, a));
            }
        }
    }
    bitmap = std::move(work);
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
    Decoded img;
    std::vector<png_bytep> rows;
    if (!decode(file.get(), read, img, rows)) {
        std::string detail = read.message.empty() ? "" : " (" + read.message + ")";
        throw Error("Error Reading File " + path + "!" + detail);
    }
    compose(img, bitmap);
}

} // namespace vorn
