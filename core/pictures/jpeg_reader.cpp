#include "picture_limits.h"
#include "pictures.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <memory>
#include <vector>

namespace vorn {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void onJpegError(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    std::longjmp(err->jump, 1);
}

void onJpegMessage(j_common_ptr) {}

struct Decompress {
    jpeg_decompress_struct info{};
    JpegError error{};
    Decompress() {
        info.err = jpeg_std_error(&error.mgr);
        error.mgr.error_exit = onJpegError;
        error.mgr.output_message = onJpegMessage;
    }
    ~Decompress() { jpeg_destroy_decompress(&info); }
};

bool decode(std::FILE* file, Decompress& d, QImage& out, std::vector<JSAMPLE>& row) {
    if (setjmp(d.error.jump)) return false;
    jpeg_create_decompress(&d.info);
    jpeg_stdio_src(&d.info, file);
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) return false;
    if (!pictureSizeAllowed(d.info.image_width, d.info.image_height)) return false;
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    const int w = static_cast<int>(d.info.output_width);
    const int h = static_cast<int>(d.info.output_height);
    out = QImage(w, h, QImage::Format_RGB32);
    if (out.isNull()) return false;
    row.resize(static_cast<std::size_t>(w) * 3);
    while (d.info.output_scanline < d.info.output_height) {
        const int y = static_cast<int>(d.info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&d.info, rows, 1);
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x)
            dst[x] = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

bool loadJpegFile(const std::string& path, QImage& picture) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    Decompress d;
    QImage decoded;
    std::vector<JSAMPLE> row;
    if (!decode(file.get(), d, decoded, row)) return false;
    picture = std::move(decoded);
    return true;
}

} // namespace vorn
